#pragma once

#include <array>
#include <string>

// Sample paths of the loaded sound schemes: slot s (1..9) is the scheme at combo index s, entry e
// (0..23) the WAV file of the note e semitones above the low A. Slot 0 is never filled.
class SoundSchemeTable
{
public:
    // Path of entry 0..23 of slot 0..9; an empty string when out of range or never loaded.
    const std::string& Path(int slot, int entry) const;

    std::array<std::array<std::string, 24>, 10> schemeSlots;
};
