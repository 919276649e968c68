#pragma once

#include <vector>

// The practice click: a short woodblock-like tick, and a higher tick for the first beat of a bar.
// The build writes both as WAV files beside the default sound scheme, where the program looks
// for them.
class ClickSound
{
public:
    /// The tick, or the accent, as levels -1..1 at rate frames per second (1000 or more): about
    /// 60 ms that start at zero, rise over half a millisecond and fall back to zero at the end.
    static std::vector<double> Make(bool accent, int rate);
};
