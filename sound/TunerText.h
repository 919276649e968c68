#pragma once

#include <NoteSpeller.h>

#include <string>
#include <vector>

/// The tuner's settings text: "Current settings:", the string count and the instrument's name
/// (instrument 1 Guitar, 2 Bass, 3 Mandolin, 4 Banjo; no name otherwise), and the tuning as the
/// two-character labels of openNotes (note numbers 0..11 from A, lowest string first) as names
/// spells them, each followed by a blank; lines joined by CR LF.
std::string TunerSettingsText(int instrument, int stringCount, const std::vector<int>& openNotes,
                              const NoteSpeller& names = NoteSpeller());
