#include "ScalePlayer.h"
#include "FakeSoundOutput.h"
#include "SoundSchemeTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Scheme 1 names its entries "s1e0".."s1e23", scheme 2 "s2e0".."s2e23".
SoundSchemeTable NumberedSchemes()
{
    SoundSchemeTable table;
    for (int slot = 1; slot <= 2; ++slot) {
        for (int entry = 0; entry < 24; ++entry) {
            table.schemeSlots[slot][entry] =
                "s" + std::to_string(slot) + "e" + std::to_string(entry);
        }
    }
    return table;
}

class ScalePlayerTest : public ::testing::Test
{
protected:
    void Tick(std::initializer_list<int> degrees)
    {
        for (int degree : degrees) {
            state.inRun[degree] = true;
        }
    }
    void TickMajor() { Tick({0, 2, 4, 5, 7, 9, 11}); }

    // The entries played, in order, reading "sSeN" back to N (slot 2 adds 100).
    std::vector<int> Played() const
    {
        std::vector<int> entries;
        for (const auto& event : output.events) {
            EXPECT_EQ(event.kind, FakeSoundOutput::Kind::Once);
            if (event.path.empty()) {
                entries.push_back(-1); // the alert
                continue;
            }
            const int entry = std::stoi(event.path.substr(event.path.find('e') + 1));
            entries.push_back(event.path[1] == '2' ? 100 + entry : entry);
        }
        return entries;
    }

    // Runs beats until the chain ends or limit beats have run.
    void RunBeats(int limit)
    {
        for (int i = 0; i < limit && output.RunNextBeat(); ++i) {
        }
    }

    PlayerState state;
    FakeSoundOutput output;
    SoundSchemeTable schemes = NumberedSchemes();
    int root = 3; // C
    ScalePlayer player{state, output, schemes, [this] { return root; }};
};

struct RunCase
{
    const char* name;
    PlayDirection direction;
    bool loop;
    std::vector<int> expected; // the first notes; without loop, all of them
};

class ScalePlayerRunTest : public ScalePlayerTest, public ::testing::WithParamInterface<RunCase>
{
};

TEST_P(ScalePlayerRunTest, CMajorPlaysTheRunInItsDirection)
{
    const RunCase& run = GetParam();
    TickMajor();
    state.direction = run.direction;
    state.loop = run.loop;
    ASSERT_EQ(player.Start(1, 120), ScalePlayer::StartResult::Started);
    RunBeats(static_cast<int>(run.expected.size()) + (run.loop ? 0 : 5));
    if (run.loop) {
        EXPECT_EQ(output.PendingBeats(), 1) << "a looping run goes on";
    } else {
        EXPECT_EQ(output.PendingBeats(), 0) << "the run ended";
        EXPECT_TRUE(state.stopped);
    }
    EXPECT_EQ(Played(), run.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ScalePlayerRunTest,
    ::testing::Values(
        RunCase{"Up", PlayDirection::Up, false, {3, 5, 7, 8, 10, 12, 14, 15}},
        RunCase{"UpLoop", PlayDirection::Up, true, {3, 5, 7, 8, 10, 12, 14, 15, 3, 5, 7}},
        RunCase{"Down", PlayDirection::Down, false, {15, 14, 12, 10, 8, 7, 5, 3}},
        RunCase{"DownLoop", PlayDirection::Down, true, {15, 14, 12, 10, 8, 7, 5, 3, 15, 14}},
        RunCase{"UpAndDown",
                PlayDirection::UpAndDown,
                false,
                {3, 5, 7, 8, 10, 12, 14, 15, 14, 12, 10, 8, 7, 5, 3}},
        RunCase{"UpAndDownLoop",
                PlayDirection::UpAndDown,
                true,
                {3, 5, 7, 8, 10, 12, 14, 15, 14, 12, 10, 8, 7, 5, 3, 5, 7, 8}},
        RunCase{"NoneRepeatsTheRoot", PlayDirection::None, true, {3, 3, 3, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScalePlayerTest, FirstNoteComesOnePeriodAfterStartThenOnePerPeriod)
{
    TickMajor();
    state.direction = PlayDirection::Up;
    player.Start(1, 120);
    output.Advance(499);
    EXPECT_TRUE(output.events.empty());
    output.Advance(1);
    ASSERT_EQ(output.events.size(), 1u);
    output.Advance(1000);
    ASSERT_EQ(output.events.size(), 3u);
    EXPECT_EQ(output.events[1].timeMs, 1000);
    EXPECT_EQ(output.events[2].timeMs, 1500);
}

TEST_F(ScalePlayerTest, OctaveSoundsWithoutDegreeOneAndDownEndsAfterLowestNote)
{
    Tick({2, 4});
    state.direction = PlayDirection::Down;
    player.Start(1, 120);
    RunBeats(20);
    EXPECT_EQ(Played(), (std::vector<int>{15, 7, 5}));
    EXPECT_EQ(output.PendingBeats(), 0);
}

TEST_F(ScalePlayerTest, RootGSharpReachesTheHighestEntry)
{
    root = 11;
    Tick({0});
    state.direction = PlayDirection::Up;
    player.Start(1, 120);
    RunBeats(10);
    EXPECT_EQ(Played(), (std::vector<int>{11, 23}));
}

TEST_F(ScalePlayerTest, PeriodFollowsTempo)
{
    struct Row
    {
        int bpm;
        int periodMs;
    };
    for (Row row : {Row{120, 500}, Row{90, 666}, Row{70, 857}, Row{1, 60000}, Row{60000, 1},
                    Row{60001, 0}, Row{0, 0}, Row{-5, 0}}) {
        EXPECT_EQ(ScalePlayer::PeriodMs(row.bpm), row.periodMs) << row.bpm << " bpm";
    }
    Tick({0});
    state.direction = PlayDirection::None;
    for (int bpm : {120, 90, 70, 1}) {
        player.Start(1, bpm);
        RunBeats(2);
    }
    EXPECT_EQ(output.ScheduledDelays(),
              (std::vector<int>{500, 500, 500, 666, 666, 666, 857, 857, 857, 60000, 60000, 60000}));
}

TEST_F(ScalePlayerTest, TempoOfZeroOrBelowSchedulesNothing)
{
    Tick({0});
    for (int bpm : {0, -1, -120}) {
        EXPECT_EQ(player.Start(1, bpm), ScalePlayer::StartResult::NoTempo);
        EXPECT_EQ(output.PendingBeats(), 0);
    }
    EXPECT_TRUE(output.events.empty());

    // Reached during a run: that beat still plays, and the chain ends.
    player.Start(1, 120);
    output.RunNextBeat();
    player.SetTempo(0);
    output.RunNextBeat();
    EXPECT_EQ(output.events.size(), 2u);
    EXPECT_EQ(output.PendingBeats(), 0);
}

TEST_F(ScalePlayerTest, StopLetsTheNoteRingAndEndsTheChain)
{
    TickMajor();
    state.direction = PlayDirection::Up;
    state.loop = true;
    player.Start(1, 120);
    output.Advance(1000);
    player.Stop();
    output.Advance(5000);
    ASSERT_EQ(output.events.size(), 2u);
    EXPECT_EQ(output.events.back().kind, FakeSoundOutput::Kind::Once) << "no stop request";
    EXPECT_EQ(output.PendingBeats(), 0);
}

TEST_F(ScalePlayerTest, NoSchemeIsRefusedAndPlaysNothing)
{
    TickMajor();
    for (int scheme : {0, -1}) {
        EXPECT_EQ(player.Start(scheme, 90), ScalePlayer::StartResult::NoScheme);
        EXPECT_EQ(state.scheme, scheme);
        EXPECT_EQ(state.bpm, 90);
    }
    output.Advance(10000);
    EXPECT_TRUE(output.events.empty());
    EXPECT_EQ(output.PendingBeats(), 0);
}

TEST_F(ScalePlayerTest, RunWithNoReachableNoteEndsSilently)
{
    Tick({2, 4, 7}); // degree 1 not ticked
    state.direction = PlayDirection::None;
    state.loop = true;
    player.Start(1, 120);
    RunBeats(10);
    EXPECT_TRUE(output.events.empty());
    EXPECT_EQ(output.PendingBeats(), 0);
    EXPECT_TRUE(state.stopped);
}

TEST_F(ScalePlayerTest, PlayWhileRunningRestartsOneChain)
{
    TickMajor();
    state.direction = PlayDirection::Up;
    player.Start(1, 120);
    output.Advance(1000); // 3, 5
    player.Start(1, 120);
    player.Start(1, 120);
    EXPECT_EQ(output.PendingBeats(), 1);
    output.Advance(1000);
    EXPECT_EQ(Played(), (std::vector<int>{3, 5, 3, 5}));
}

TEST_F(ScalePlayerTest, ChangesDuringARunCountFromTheNextBeat)
{
    TickMajor();
    state.direction = PlayDirection::Up;
    state.loop = true;
    player.Start(1, 120);
    output.RunNextBeat(); // 3 at 500
    output.RunNextBeat(); // 5 at 1000
    player.SetScheme(2);
    state.direction = PlayDirection::Down;
    output.RunNextBeat(); // position 2 going down: 5 of scheme 2
    output.RunNextBeat();
    EXPECT_EQ(Played(), (std::vector<int>{3, 5, 105, 103}));

    root = 4; // the root is read at every beat
    output.RunNextBeat();
    EXPECT_EQ(Played().back(), 100 + 4 + 12);
}

struct RetimeCase
{
    const char* name;
    int startBpm;
    std::int64_t changeAtMs;              // after the first beat, at startBpm's period
    std::vector<int> tempos;              // set one after the other, as typing does
    std::vector<std::int64_t> expectedMs; // the times of the notes that follow, at most two
};

class ScalePlayerRetimeTest : public ScalePlayerTest,
                              public ::testing::WithParamInterface<RetimeCase>
{
};

// The pending beat falls due one new period after the last beat, or at once when that moment
// has passed, and the beats after it keep the new period.
TEST_P(ScalePlayerRetimeTest, TempoChangeMovesThePendingBeat)
{
    const RetimeCase& row = GetParam();
    Tick({0});
    state.direction = PlayDirection::None;
    player.Start(1, row.startBpm);
    ASSERT_TRUE(output.RunNextBeat());
    const std::int64_t lastBeat = output.Now();
    output.Advance(row.changeAtMs - lastBeat);
    for (int bpm : row.tempos) {
        player.SetTempo(bpm);
    }
    RunBeats(2);
    ASSERT_EQ(output.events.size(), 1 + row.expectedMs.size());
    for (std::size_t i = 0; i < row.expectedMs.size(); ++i) {
        EXPECT_EQ(output.events[i + 1].timeMs, row.expectedMs[i]) << "note " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tempos, ScalePlayerRetimeTest,
    ::testing::Values(RetimeCase{"Slower", 120, 600, {60}, {1500, 2500}},
                      RetimeCase{"Faster", 60, 1100, {120}, {1500, 2000}},
                      RetimeCase{"TypingSixtyPassesThroughSix", 120, 600, {6, 60}, {1500, 2500}},
                      RetimeCase{"MomentPassedPlaysAtOnce", 60, 1400, {300}, {1400, 1600}},
                      RetimeCase{"NoPeriodKeepsTheBeatThatEndsTheRun", 120, 600, {0}, {1000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScalePlayerTest, SchemeChosenDuringARunIsDecodedBeforeItsBeat)
{
    Tick({0});
    state.direction = PlayDirection::None;
    player.Start(1, 120);
    output.RunNextBeat();
    state.scheme = 2; // not decoded: its beat sounds the alert
    output.RunNextBeat();
    player.SetScheme(2);
    output.RunNextBeat();
    EXPECT_EQ(Played(), (std::vector<int>{3, -1, 103}));
}

TEST_F(ScalePlayerTest, HaltDropsThePendingBeat)
{
    TickMajor();
    player.Start(1, 120);
    player.Halt();
    EXPECT_EQ(output.PendingBeats(), 0);
    EXPECT_TRUE(state.stopped);
}

} // namespace
