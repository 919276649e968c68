#pragma once

#include "SoundSchemeTable.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Most schemes a load offers (slots 1..9); further schemes of the list are ignored.
inline constexpr int MAX_SOUND_SCHEMES = 9;

// Reads "pinto_ss.dat" from the working folder and every scheme file it names into table from
// slot 1 upward; returns the scheme names in slot order (name k goes to combo index k + 1). A
// missing list gives no names and leaves table unchanged; an unreadable scheme file is skipped.
std::vector<std::string> LoadSoundSchemes(SoundSchemeTable& table);

// Reads the one scheme file at path: its name and its 24 sample paths (those missing at the end of
// a short file empty); nothing for a file that cannot be read or holds no line.
std::optional<std::string> LoadSoundScheme(const std::string& path,
                                           std::array<std::string, 24>& entries);

// The first of the 24 sample paths of slot 1..9 of table that names no readable regular file (an
// empty path included), with why in error when it is given (ENOENT for a missing one, another
// errno value or DataFile::NOT_REGULAR); nothing when all of them can be read or slot is out of
// range.
std::optional<std::string> FirstMissingSample(const SoundSchemeTable& table, int slot,
                                              int* error = nullptr);
