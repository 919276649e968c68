#include "StandInClock.h"

namespace {
constexpr std::int64_t NS_PER_SECOND = 1'000'000'000;
} // namespace

std::int64_t StandInClock::FramesIn(std::chrono::nanoseconds elapsed) const
{
    const std::int64_t ns = elapsed.count();
    return ns / NS_PER_SECOND * m_rate + ns % NS_PER_SECOND * m_rate / NS_PER_SECOND;
}

std::chrono::nanoseconds StandInClock::TimeOfFrame(std::int64_t frame) const
{
    // The rest of a second, rounded up: at that nanosecond FramesIn has reached frame.
    const std::int64_t rest = (frame % m_rate * NS_PER_SECOND + m_rate - 1) / m_rate;
    return std::chrono::nanoseconds(frame / m_rate * NS_PER_SECOND + rest);
}
