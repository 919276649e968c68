#include "CFretboard.h"
#include "Exercise.h"
#include "ExerciseRenderer.h"
#include "NeckPitch.h"
#include "OfflineSoundOutput.h"
#include "ScalePlayer.h"
#include "SoundSchemeTable.h"
#include "TableRows.h"
#include "WavFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int RATE = ExerciseRenderer::RATE;

// Samples whose first frame tells them apart in the mix: a note starts at 0.4, the tick at 0.2
// and the accent at 0.3; each is a short block, long gone before the next beat.
constexpr double NOTE = 0.4;
constexpr double TICK = 0.2;
constexpr double ACCENT = 0.3;

std::string Block(const char* name, double level, int frames)
{
    WavFile::WriteMono16(name, RATE, std::vector<std::int16_t>(frames, WavFile::ToSample(level)));
    return name;
}

// C major up from C, the probe samples, two passes at 300 BPM.
Exercise ProbeRun()
{
    Exercise run;
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        run.inRun[degree] = true;
    }
    run.root = 3;
    run.bpm = 300;
    run.passes = 2;
    run.samples.fill(Block("note.wav", NOTE, 64));
    run.tickPath = Block("tick.wav", TICK, 32);
    run.accentPath = Block("accent.wav", ACCENT, 32);
    run.practice.clickLevel = 100;
    return run;
}

// What each beat sounded, read from the mix on the beat's frame: 'A' the accent alone, 't' the
// tick alone, 'N' a note alone, 'M' a note with the accent, 'n' a note with the tick.
std::string Heard(const std::vector<std::int16_t>& samples,
                  const std::vector<OfflineSoundOutput::Beat>& beats)
{
    std::string heard;
    for (const auto& beat : beats) {
        if (beat.frame >= std::int64_t(samples.size())) {
            break; // a beat that found the run over, after its last sound
        }
        const double level = samples[static_cast<std::size_t>(beat.frame)] / 32767.0;
        const std::pair<double, char> kinds[] = {{0.0, '.'},         {TICK, 't'},
                                                 {ACCENT, 'A'},      {NOTE, 'N'},
                                                 {NOTE + TICK, 'n'}, {NOTE + ACCENT, 'M'}};
        for (const auto& [kind, letter] : kinds) {
            if (std::abs(level - kind) < 0.01) {
                if (letter != '.') {
                    heard += letter;
                }
            }
        }
    }
    return heard;
}

struct ClickRow
{
    const char* name;
    int beatsPerBar;
    int countInBars;
    bool click;
    bool accent;
    const char* heard;
};

class PracticeClickTest : public ::testing::TestWithParam<ClickRow>
{
};

// The count-in sounds once, before the first note, for whole bars of the chosen length; the
// click goes on from it with the first beat of every bar accented, and the second pass brings
// no second count-in. Every beat lies on the tempo's grid, the count-in's too.
TEST_P(PracticeClickTest, CountInOnceAndAccentOnTheBar)
{
    const ClickRow& row = GetParam();
    Exercise run = ProbeRun();
    run.practice.beatsPerBar = row.beatsPerBar;
    run.practice.countInBars = row.countInBars;
    run.practice.click = row.click;
    run.practice.accent = row.accent;
    ExerciseRenderer::Take take;
    std::string error;
    ASSERT_TRUE(ExerciseRenderer::Render(run, true, take, error)) << error;
    EXPECT_EQ(Heard(take.samples, take.beats), row.heard);
    for (std::size_t k = 0; k < take.beats.size(); ++k) {
        EXPECT_EQ(take.beats[k].frame, (std::int64_t(k + 1) * 200 * RATE + 999) / 1000) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PracticeClickTest,
                         ::testing::Values(ClickRow{"OneBarOfFour", 4, 1, true, true,
                                                    "Attt"
                                                    "MnnnMnnnMnnnMnnn"},
                                           ClickRow{"TwoBarsOfThreeInThreeFour", 3, 2, true, true,
                                                    "AttAtt"
                                                    "MnnMnnMnnMnnMnnM"},
                                           ClickRow{"OneBarOfSixThenNotesAlone", 6, 1, false, true,
                                                    "Attttt"
                                                    "NNNNNNNNNNNNNNNN"},
                                           ClickRow{"NoAccent", 4, 1, true, false,
                                                    "tttt"
                                                    "nnnnnnnnnnnnnnnn"},
                                           ClickRow{"PlainRunOfOld", 4, 0, false, true,
                                                    "NNNNNNNNNNNNNNNN"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every Play It counts in again, whenever it comes; Stop puts the trainer back to its start.
TEST(PracticeRunTest, EachStartCountsInAndStopResetsTheTrainer)
{
    const Exercise run = ProbeRun();
    OfflineSoundOutput output(RATE);
    PlayerState state;
    state.direction = PlayDirection::Up;
    state.loop = true;
    for (int degree = 0; degree < 12; ++degree) {
        state.inRun[degree] = run.inRun[degree];
    }
    SoundSchemeTable schemes;
    schemes.schemeSlots[1] = run.samples;
    ScalePlayer player(state, output, schemes, [] { return 3; });
    PracticeSettings practice = run.practice;
    practice.countInBars = 1;
    practice.beatsPerBar = 2;
    practice.trainer = true;
    practice.startBpm = 300;
    practice.stepBpm = 50;
    player.SetPractice(practice);
    player.SetClickSamples(run.tickPath, run.accentPath);

    std::vector<float> frames(RATE);
    std::vector<std::int16_t> heard;
    for (int start = 0; start < 2; ++start) {
        ASSERT_EQ(player.Start(1, 120), ScalePlayer::StartResult::Started);
        EXPECT_EQ(state.bpm, 300) << "the trainer's start, not the dialog's tempo";
        output.Render(frames.data(), RATE); // beats every 200 ms
        for (float level : frames) {
            heard.push_back(WavFile::FromMixed(level));
        }
    }
    // The second start cuts the first run after its fifth beat and brings its own count-in; its
    // fifth beat falls on the frame after the last one rendered.
    EXPECT_EQ(Heard(heard, output.Beats()), "AtNNN"
                                            "AtNN");
    player.Stop();
    EXPECT_EQ(state.bpm, 300);
}

struct TrainerRow
{
    const char* name;
    int start;
    int step;
    int every;
    int target;
    std::vector<int> periods; // ms of each pass's beats
};

class PracticeTrainerTest : public ::testing::TestWithParam<TrainerRow>
{
};

// The tempo changes only where a pass begins, steps every N passes and holds at the target.
TEST_P(PracticeTrainerTest, TempoStepsAtPassStarts)
{
    const TrainerRow& row = GetParam();
    Exercise run = ProbeRun();
    run.practice.trainer = true;
    run.practice.startBpm = row.start;
    run.practice.stepBpm = row.step;
    run.practice.everyPasses = row.every;
    run.practice.targetBpm = row.target;
    run.passes = static_cast<int>(row.periods.size());
    ExerciseRenderer::Take take;
    std::string error;
    ASSERT_TRUE(ExerciseRenderer::Render(run, false, take, error)) << error;
    EXPECT_EQ(take.startDelayMs, row.periods.front());
    ASSERT_EQ(take.beats.size(), 8 * row.periods.size() + 1);
    for (std::size_t k = 0; k + 1 < take.beats.size(); ++k) {
        EXPECT_EQ(take.beats[k].delayMs, row.periods[k / 8]) << "beat " << k;
        EXPECT_GE(take.beats[k].pitch, 0) << "beat " << k;
    }
}

std::vector<int> Ramp()
{
    std::vector<int> periods;
    for (int pass = 0; pass < 23; ++pass) {
        periods.push_back(60000 / std::min(40 + 8 * pass, 200));
    }
    return periods;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PracticeTrainerTest,
    ::testing::Values(
        TrainerRow{
            "UpEveryTwoPassesHoldsAtTarget", 60, 20, 2, 100, {1000, 1000, 750, 750, 600, 600}},
        TrainerRow{"DownEveryPass", 120, -15, 1, 90, {500, 571, 666, 666}},
        TrainerRow{"StepAwayFromTheTargetHolds", 100, 10, 1, 80, {600, 600, 600}},
        TrainerRow{"RampFortyToTwoHundred", 40, 8, 1, 200, Ramp()}),
    [](const auto& info) { return std::string(info.param.name); });

struct PitchRow
{
    const char* name;
    Instrument instrument;
    int strings;
    int string;
    int openNote;
    int pitch;
};

class NeckPitchTest : public ::testing::TestWithParam<PitchRow>
{
};

TEST_P(NeckPitchTest, OpenStringSoundsInItsInstrumentsOctave)
{
    const PitchRow& row = GetParam();
    EXPECT_EQ(NeckPitch::OpenPitch(row.instrument, row.strings, row.string, row.openNote),
              row.pitch);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NeckPitchTest,
    ::testing::Values(PitchRow{"GuitarLowE", Instrument::Guitar, 6, 0, 7, 40},
                      PitchRow{"GuitarHighE", Instrument::Guitar, 6, 5, 7, 64},
                      PitchRow{"GuitarDropD", Instrument::Guitar, 6, 0, 5, 38},
                      PitchRow{"SevenStringB", Instrument::Guitar, 7, 0, 2, 35},
                      PitchRow{"BassLowE", Instrument::Bass, 4, 0, 7, 28},
                      PitchRow{"FiveStringBassHighB", Instrument::Bass, 5, 4, 2, 47},
                      PitchRow{"MandolinE", Instrument::Mandolin, 4, 3, 7, 76},
                      PitchRow{"BanjoShortStringHighG", Instrument::Banjo, 5, 0, 10, 67},
                      PitchRow{"BanjoD", Instrument::Banjo, 5, 1, 5, 50}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NeckPitchTest, PresetTuningSoundsItsPublishedOctaves)
{
    const int tenor[] = {3, 10, 5, 0}; // C3 G3 D4 A4, not the D3 and A3 nearer G3 and B3
    EXPECT_EQ(NeckPitch::At(CFretboard(4, tenor), Instrument::Banjo, 3, 2), 71);
}

// The pattern on the neck plays low string first and, on a string, fret by fret upward, one
// note per beat at its sounding pitch; a note below the scheme's two octaves plays its sample an
// octave down, twice as long.
TEST(PracticeRunTest, PatternPlaysLowStringFirstFretsAscending)
{
    const int tuning[] = {7, 0, 5, 10, 2, 7};
    CFretboard board(6, tuning);
    board.placement = std::make_unique<PositionList>();
    for (const FretPosition place : {FretPosition{7, 2}, FretPosition{5, 0}, FretPosition{5, 2},
                                     FretPosition{0, 0}, FretPosition{7, 1}}) {
        board.placement->Add(place.string, place.fret);
    }
    const std::vector<int> pitches = NeckPitch::PatternPitches(board, Instrument::Guitar);
    ASSERT_EQ(pitches, (std::vector<int>{40, 45, 52, 55, 57}));
    // The ring on the neck: the pattern's own place, or every place of the pitch, or of its note
    // in any octave when the neck cannot reach the pitch itself.
    EXPECT_EQ(NeckPitch::PlacesOf(board, Instrument::Guitar, 52, true),
              (std::vector<FretPosition>{{7, 1}}));
    EXPECT_EQ(NeckPitch::PlacesOf(board, Instrument::Guitar, 48, false),
              (std::vector<FretPosition>{{8, 0}, {3, 1}}));
    EXPECT_EQ(NeckPitch::PlacesOf(board, Instrument::Guitar, 100, false).size(), 8u) << "every E";
    // Only where the player works: not off the fret range, not under the capo.
    board.SetFretRange(5, 9);
    EXPECT_EQ(NeckPitch::PlacesOf(board, Instrument::Guitar, 48, false),
              (std::vector<FretPosition>{{8, 0}}));
    board.SetCapo(7);
    EXPECT_EQ(NeckPitch::PlacesOf(board, Instrument::Guitar, 45, false),
              (std::vector<FretPosition>{{7, 2}}))
        << "A2 lies under the capo: the A3 above it";

    Exercise run = ProbeRun();
    run.practice.pattern = true;
    run.pattern = pitches;
    ExerciseRenderer::Take take;
    std::string error;
    ASSERT_TRUE(ExerciseRenderer::Render(run, true, take, error)) << error;
    std::vector<int> played;
    for (const auto& beat : take.beats) {
        if (beat.pitch >= 0) {
            played.push_back(beat.pitch);
        }
    }
    EXPECT_EQ(played, (std::vector<int>{40, 45, 52, 55, 57, 40, 45, 52, 55, 57}));
    const auto length = [&take](std::size_t beat) {
        std::size_t frame = static_cast<std::size_t>(take.beats[beat].frame);
        const std::size_t first = frame;
        while (frame < take.samples.size() && take.samples[frame] != 0) {
            ++frame;
        }
        return frame - first;
    };
    EXPECT_EQ(length(0), 128u) << "E2, the A2 scheme's E3 an octave down";
    EXPECT_EQ(length(1), 64u) << "A2, the scheme's own first sample";
}

} // namespace
