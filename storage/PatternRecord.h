#pragma once

#include <array>
#include <string>

// One named pattern: cells[fret][row] for fret position 0..12 (0 = open string) and string row
// 0..6 (0 = top row, the highest-pitched string; row 6 is never shown); 1 marks a pattern note.
struct PatternRecord
{
    std::string name;
    std::array<std::array<int, 7>, 13> cells{};
};
