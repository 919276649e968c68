#pragma once

#include "Settings.h"

#include <vector>

class CFretboard;

// The tuning to build the fretboard with at start-up: list when it has exactly stringCount values
// (note numbers 0..11), else the start-up tuning of settings' instrument and stringCount.
std::vector<int> ChooseTuning(const Settings& settings, const std::vector<int>& list);

// Reads "pinto_c.dat" from the working folder into settings and tunings (note numbers 0..11,
// string 0 first; empty when the file holds no usable list). A missing file gives the defaults;
// every value the program cannot use falls back to its default, so settings are always valid.
// Returns 0, or why a file that is there could not be read (an errno value or
// DataFile::NOT_REGULAR); the defaults are used then. Never waits on a FIFO or a device.
int LoadSettings(Settings& settings, std::vector<int>& tunings);

// Rewrites "pinto_c.dat" whole (the real file behind a link, keeping its mode and owner) with
// settings and the tuning of every string of board, CR LF line ends. Returns 0, or why the file
// could not be replaced (the old file stays whole): an errno value, DataFile::NOT_REGULAR, EACCES
// for a read-only file, EBUSY when another process keeps it locked.
int SaveSettings(const Settings& settings, const CFretboard& board);
