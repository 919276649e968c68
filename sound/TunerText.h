#pragma once

#include "Instrument.h"
#include "NoteSpeller.h"

#include <string>
#include <vector>

/// The tuner's settings text: "Current settings:", the string count and the instrument's name
/// (none for a number that names no instrument), and the tuning as the
/// two-character labels of openNotes (note numbers 0..11 from A, lowest string first) as names
/// spells them, each followed by a blank; lines joined by CR LF.
std::string TunerSettingsText(Instrument instrument, int stringCount,
                              const std::vector<int>& openNotes,
                              const NoteSpeller& names = NoteSpeller());
