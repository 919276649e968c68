#include "StandInClock.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;

struct ClockCase
{
    const char* name;
    std::chrono::nanoseconds now; // the fake clock: time since the stand-in started
    int rate;
    std::int64_t ahead; // frames from the present to the pending beat
};

class StandInClockBeat : public testing::TestWithParam<ClockCase>
{
};

// Without a sound device the stand-in renders up to the present and sleeps until the pending
// beat's frame: it must wake after now (else it spins) and, woken, find the beat due (else the
// beats stop); one nanosecond earlier the beat is not due yet.
TEST_P(StandInClockBeat, WakesOnceWhenTheBeatFallsDue)
{
    const ClockCase& row = GetParam();
    const StandInClock clock(row.rate);
    const std::int64_t present = clock.FramesIn(row.now);
    EXPECT_GE(present, row.now / 1s * row.rate);
    const std::int64_t beat = present + row.ahead;
    const std::chrono::nanoseconds wake = clock.TimeOfFrame(beat);
    EXPECT_GT(wake, row.now);
    EXPECT_EQ(clock.FramesIn(wake), beat);
    EXPECT_EQ(clock.FramesIn(wake - 1ns), beat - 1);
}

const ClockCase clockCases[] = {
    {"FirstFrame", 0ns, 44100, 1},
    {"OneBeatAtTheStart", 1ms, 44100, 22050},
    {"FiftySevenHours", 57h + 59min + 59s + 999'999'999ns, 44100, 1},
    {"FiftyEightHoursAndAQuarter", 58h + 15min, 44100, 22050},
    {"AWeekAt96kHz", 168h + 123'456'789ns, 96000, 5},
    {"ACentury", 876'600h + 1ns, 48000, 48000},
};

INSTANTIATE_TEST_SUITE_P(Table, StandInClockBeat, testing::ValuesIn(clockCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
