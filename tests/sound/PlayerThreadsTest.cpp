#include "PracticeSettings.h"
#include "ScalePlayer.h"
#include "SdlSoundOutput.h"
#include "SoundSchemeTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Polls a condition; the bound only keeps a broken build from hanging.
template <class Condition> bool WaitFor(Condition condition)
{
    const auto limit = Clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (Clock::now() > limit) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    return true;
}

// Beats run on the output's thread while the dialog's thread changes everything they read, and
// the dialog's thread halts the run while a beat is under way: Halt must not return before that
// beat has ended (the player may be destroyed right after). Each beat asks for the root note
// once, and takes a millisecond over it, so a halt mostly comes in the middle of one. Run under
// ThreadSanitizer (tools/tsan.sh) this also finds unsynchronised sharing.
TEST(PlayerThreadsTest, HaltWaitsForTheBeatUnderWay)
{
    SdlSoundOutput::Options options;
    SdlSoundOutput output(options);
    PlayerState state;
    SoundSchemeTable schemes;
    for (int entry = 0; entry < 24; ++entry) {
        schemes.schemeSlots[1][entry] = "missing-" + std::to_string(entry) + ".wav";
    }
    const std::thread::id dialogThread = std::this_thread::get_id();
    std::atomic<int> root{3};
    std::atomic<int> beats{0};
    std::atomic<bool> inBeat{false};
    std::atomic<bool> onDialogThread{false};
    ScalePlayer player(state, output, schemes, [&] {
        inBeat = true;
        onDialogThread = onDialogThread || std::this_thread::get_id() == dialogThread;
        ++beats;
        const auto end = Clock::now() + std::chrono::milliseconds(1);
        while (Clock::now() < end) {
        }
        inBeat = false;
        return root.load();
    });
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        state.inRun[degree] = true;
    }
    const PlayDirection directions[] = {PlayDirection::Up, PlayDirection::Down,
                                        PlayDirection::UpAndDown};
    for (int round = 0; round < 20; ++round) {
        state.loop = true;
        state.direction = directions[round % 3];
        ASSERT_EQ(player.Start(1, 20000), ScalePlayer::StartResult::Started);
        const int before = beats;
        int change = 0;
        ASSERT_TRUE(WaitFor([&] {
            state.direction = directions[change % 3];
            player.SetScheme(1 + change % 2);
            EXPECT_TRUE(player.SetTempo(15000 + 100 * (change % 50)));
            root = change % 12;
            state.inRun[change % 12] = change % 5 != 0;
            ++change;
            return beats >= before + 2;
        })) << "the beats stopped in round "
            << round;
        player.Halt();
        EXPECT_FALSE(inBeat) << "Halt returned while a beat ran, round " << round;
        EXPECT_TRUE(state.stopped);
        const int position = state.position;
        EXPECT_GE(position, 0);
        EXPECT_LE(position, 12);
    }
    EXPECT_FALSE(onDialogThread) << "a beat ran on the dialog's thread";
}

// A practice run (count-in, click, trainer; the scale or a pattern beyond the scheme's octaves)
// restarted while the dialog's thread reads back the tempo the trainer sets and the note that
// sounds, as the BPM box and the ring on the neck do.
TEST(PlayerThreadsTest, PracticeReadBackWhileBeatsRun)
{
    SdlSoundOutput output(SdlSoundOutput::Options{});
    PlayerState state;
    state.loop = true;
    state.direction = PlayDirection::Up;
    state.inRun[0] = true;
    SoundSchemeTable schemes;
    schemes.schemeSlots[1].fill("missing.wav");
    ScalePlayer player(state, output, schemes, [] { return 3; });
    PracticeSettings practice;
    practice.click = true;
    practice.countInBars = 1;
    practice.trainer = true;
    practice.startBpm = 600;
    practice.stepBpm = -50;
    practice.targetBpm = 300;
    player.SetClickSamples("missing-tick.wav", "missing-accent.wav");
    player.SetPattern({28, 52, 100});
    for (int round = 0; round < 10; ++round) {
        practice.pattern = round % 2 == 0;
        player.SetPractice(practice);
        ASSERT_EQ(player.Start(1, 120), ScalePlayer::StartResult::Started);
        ASSERT_TRUE(WaitFor([&] {
            (void)output.SoundingTag();
            return state.bpm < 600;
        })) << "the trainer never stepped in round "
            << round;
        player.Stop();
        EXPECT_EQ(state.bpm, 600);
        player.Halt();
    }
}

} // namespace
