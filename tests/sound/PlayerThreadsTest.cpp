#include "ScalePlayer.h"
#include "SdlSoundOutput.h"
#include "SoundSchemeTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// The dialog's thread changes everything a beat reads while beats run on the thread that mixes
// the output, and reads back the tempo the trainer sets and the note that sounds; run under
// ThreadSanitizer this finds unsynchronised sharing.
TEST(PlayerThreadsTest, DialogChangesWhileBeatsRun)
{
    SdlSoundOutput::Options options;
    SdlSoundOutput output(options);
    PlayerState state;
    SoundSchemeTable schemes;
    for (int entry = 0; entry < 24; ++entry) {
        schemes.schemeSlots[1][entry] = "missing-" + std::to_string(entry) + ".wav";
    }
    std::atomic<int> root{3};
    {
        ScalePlayer player(state, output, schemes, [&root] { return root.load(); });
        for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
            state.inRun[degree] = true;
        }
        state.loop = true;
        state.direction = PlayDirection::UpAndDown;
        PracticeSettings practice;
        practice.click = true;
        practice.countInBars = 1;
        practice.trainer = true;
        practice.startBpm = 600;
        practice.targetBpm = 300;
        practice.stepBpm = -50;
        player.SetPractice(practice);
        player.SetClickSamples("missing-tick.wav", "missing-accent.wav");
        int sounded = 0;
        ASSERT_EQ(player.Start(1, 20000), ScalePlayer::StartResult::Started);
        const PlayDirection directions[] = {PlayDirection::Up, PlayDirection::Down,
                                            PlayDirection::UpAndDown, PlayDirection::None};
        for (int i = 0; i < 200; ++i) {
            state.direction = directions[i % 4];
            state.loop = i % 3 != 0;
            player.SetScheme(i % 3);
            player.SetTempo(10000 + 100 * (i % 50));
            root = i % 12;
            state.inRun[i % 12] = !state.inRun[i % 12];
            if (i % 25 == 0) {
                practice.pattern = i % 50 == 0;
                player.SetPractice(practice);
                player.SetPattern({40, 52, 88});
                player.Start(1, 20000);
            }
            sounded += output.SoundingTag() >= 0 ? 1 : 0;
            sounded += state.bpm > 0 ? 0 : 1;
            if (i % 40 == 0) {
                player.Stop();
            }
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
        player.Halt();
        EXPECT_TRUE(state.stopped);
        EXPECT_GE(sounded, 0);
        const int position = state.position;
        EXPECT_GE(position, 0);
        EXPECT_LE(position, 12);
    }
}

} // namespace
