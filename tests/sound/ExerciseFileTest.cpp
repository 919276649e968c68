#include "ExerciseFile.h"
#include "Exercise.h"
#include "OfflineSoundOutput.h"
#include "ScalePlayer.h"
#include "SoundSchemeTable.h"
#include "WavFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes written as hexadecimal pairs; blanks between them are for the reader.
std::string Hex(const char* text)
{
    std::string bytes;
    for (const char* p = text; *p != '\0';) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        bytes.push_back(static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)));
        p += 2;
    }
    return bytes;
}

// C and the C above from a two-beat bar of count-in, clicked throughout at 80 %, twice through:
// the trainer starts at 60 BPM and steps to 100 where the second pass begins.
Exercise SmallRun()
{
    Exercise run;
    run.inRun[0] = true;
    run.root = 3;
    run.passes = 2;
    run.practice.click = true;
    run.practice.beatsPerBar = 2;
    run.practice.countInBars = 1;
    run.practice.trainer = true;
    run.practice.startBpm = 60;
    run.practice.stepBpm = 40;
    run.practice.targetBpm = 100;
    run.title = "C Major";
    std::vector<std::int16_t> sine(RATE / 2);
    for (std::size_t i = 0; i < sine.size(); ++i) {
        sine[i] =
            WavFile::ToSample(0.5 * std::sin(2 * std::numbers::pi * 220.0 * double(i) / RATE) *
                              std::exp(-double(i) / 4000.0));
    }
    WavFile::WriteMono16("note.wav", RATE, sine);
    WavFile::WriteMono16("click.wav", RATE,
                         std::vector<std::int16_t>(sine.begin(), sine.begin() + 500));
    run.samples.fill("note.wav");
    run.tickPath = "click.wav";
    run.accentPath = "click.wav";
    return run;
}

// The whole file, chunk by chunk: beats fall on ticks 480, 960, ... (one a quarter); the count-in
// clicks on 480 and 960, the notes C3 (48) and C4 (60) on 1440 and 1920, and again on 2400 and
// 2880, where the tempo is 600000 us a quarter.
TEST(ExerciseFileTest, MidiFileOfASmallRun)
{
    ASSERT_TRUE(ExerciseFile::KindOf("run.MID") == ExerciseFile::Kind::Midi);
    std::string error;
    ASSERT_TRUE(ExerciseFile::Save(SmallRun(), "run.mid", ExerciseFile::Kind::Midi, error))
        << error;
    const std::string expected =
        Hex("4D546864 00000006 0001 0003 01E0") +
        // Title, 2/4, 1000000 us a quarter; 600000 from the second pass; the end two beats on.
        Hex("4D54726B 00000027 00 FF03 07") + "C Major" +
        Hex("00 FF58 04 02021808  00 FF51 03 0F4240  9260 FF51 03 0927C0  8740 FF2F00") +
        // Guitar, program 25; each note held until the next begins, the last for one beat.
        Hex("4D54726B 00000036 00 FF03 06") + "Guitar" +
        Hex("00 C019  8B20 903064  8360 803000 00 903C64  8360 803C00 00 903064"
            "8360 803000 00 903C64  8360 803C00  00 FF2F00") +
        // The click: side stick on each bar's first beat, hi-hat on the other, 102 = 80 %.
        Hex("4D54726B 00000044 00 FF03 05") + "Click" +
        Hex("8360 992566 3C 892500  8324 992A66 3C 892A00  8324 992566 3C 892500"
            "8324 992A66 3C 892A00  8324 992566 3C 892500  8324 992A66 3C 892A00"
            "8324 FF2F00");
    EXPECT_EQ(ReadBytes("run.mid"), expected);
}

// The WAV file holds, sample for sample, what the mixer gives the sound card for the same run
// however the card asks for its buffers: here the window's way, in buffers of 64 frames.
TEST(ExerciseFileTest, WavFileIsTheMixersOutput)
{
    const Exercise run = SmallRun();
    std::string error;
    ASSERT_TRUE(ExerciseFile::Save(run, "run.wav", ExerciseFile::Kind::Wav, error)) << error;
    int rate = 0;
    std::vector<std::int16_t> saved;
    ASSERT_TRUE(WavFile::ReadMono16("run.wav", rate, saved));
    EXPECT_EQ(rate, RATE);

    OfflineSoundOutput output(RATE);
    PlayerState state;
    state.direction = PlayDirection::Up;
    state.loop = true;
    state.inRun[0] = true;
    SoundSchemeTable schemes;
    schemes.schemeSlots[1] = run.samples;
    ScalePlayer player(state, output, schemes, [] { return 3; });
    player.SetPractice(run.practice);
    player.SetClickSamples(run.tickPath, run.accentPath);
    player.SetPassLimit(run.passes);
    ASSERT_EQ(player.Start(1, 90), ScalePlayer::StartResult::Started);
    std::vector<std::int16_t> mixed;
    float buffer[64];
    while (!output.Idle()) {
        output.Render(buffer, 64);
        for (float level : buffer) {
            mixed.push_back(WavFile::FromMixed(level));
        }
    }
    ASSERT_GE(mixed.size(), saved.size());
    EXPECT_GT(saved.size(), std::size_t(5 * RATE));
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), mixed.begin()));
    EXPECT_TRUE(std::all_of(mixed.begin() + std::ptrdiff_t(saved.size()), mixed.end(),
                            [](std::int16_t s) { return s == 0; }));
}

// A file that cannot be written leaves nothing behind and says why.
TEST(ExerciseFileTest, UnwritableFolderLeavesNoFile)
{
    std::string error;
    EXPECT_FALSE(ExerciseFile::Save(SmallRun(), "missing/run.wav", ExerciseFile::Kind::Wav, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(std::filesystem::exists("missing"));
}

} // namespace
