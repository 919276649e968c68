#pragma once

#include <chrono>
#include <cstdint>

// The stand-in for a sound card's clock: time since the clock started stands for frames of
// output at a fixed rate. Time is taken apart into whole seconds and the rest before it meets
// the rate, so the frame count stays exact for as long as the steady clock runs (a product of
// nanoseconds and rate would overflow 64 bits after about 58 hours).
class StandInClock
{
public:
    /// rate in frames per second (1 or more).
    explicit StandInClock(int rate) : m_rate(rate) {}

    /// Whole frames of output in elapsed time (0 or more).
    std::int64_t FramesIn(std::chrono::nanoseconds elapsed) const;
    /// The first moment, counted from the start, at which frame (0 or more) has come.
    std::chrono::nanoseconds TimeOfFrame(std::int64_t frame) const;

private:
    std::int64_t m_rate;
};
