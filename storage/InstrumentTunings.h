#pragma once

#include "Settings.h"

#include <vector>

// Tuning used at start-up when the settings file holds no fitting list, note numbers 0..11 from A,
// string 0 first; instrument 1..4 (Guitar, Bass, Mandolin, Banjo); empty for an unknown pair.
std::vector<int> StartupTuning(int instrument, int stringCount);

// Standard tuning that Configure applies, note numbers 0..11 from A, string 0 first; instrument
// 1..4; empty for an unknown pair.
std::vector<int> StandardTuning(int instrument, int stringCount);

// True when instrument 1..4 may have stringCount strings (Guitar 6-7, Bass 4-6, Mandolin 4,
// Banjo 4-5).
bool IsAllowedStringCount(int instrument, int stringCount);

// String count chosen with instrument 1..4: 6, 4, 4, 5; 6 for an unknown instrument.
int DefaultStringCount(int instrument);

// The tuning to build the fretboard with at start-up: list when it has exactly stringCount values
// (note numbers 0..11), else the start-up tuning of settings' instrument and stringCount.
std::vector<int> ChooseTuning(const Settings& settings, const std::vector<int>& list);
