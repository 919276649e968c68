#pragma once

#include <array>
#include <string>

// One named scale: degrees[d] non-zero when the note d semitones (0..11) above the root belongs.
struct ScaleRecord
{
    std::array<int, 12> degrees{};
    std::string name;
};
