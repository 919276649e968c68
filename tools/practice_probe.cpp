// Plays a practice run (count-in, click, speed trainer) through the real sound output, renders
// the same run offline as "Save Exercise As" does, and measures the one against the other from
// the produced audio:
// - whether the two are equal sample for sample once their starts are aligned, up to where the
//   live run was halted;
// - with --probe-samples (notes and clicks whose first frame is loud, each kind at its own level),
//   every onset found in the live audio against its nominal frame: p100 error in frames, missing
//   and extra beats, count-in clicks at the start and any later click without a note;
// - the loudness (RMS) of each note over its first 100 ms, and the largest step between two frames
//   at each note's edges, in percent of full scale.
//
// Usage: pinto_practice_probe OUT_PREFIX SECONDS [--scheme FILE] [--click-dir DIR]
//        [--probe-samples] [--bpm N] [--trainer S,STEP,N,T] [--count-in BARS] [--beats N]
//        [--click] [--level PERCENT] [--passes N (40)] [--direction up|down|updown]
// Writes OUT_PREFIX-live.wav (the output tap), OUT_PREFIX.wav and OUT_PREFIX.mid (the offline
// render). With SDL_AUDIODRIVER=disk the live audio measured is SDL_DISKAUDIOFILE (32-bit float
// frames) instead of the tap. PINTO_AUDIO_BUFFER sets the frames per buffer. The run is C major.

#include "Exercise.h"
#include "ExerciseFile.h"
#include "ExerciseRenderer.h"
#include "LiveCapture.h"
#include "PlayerState.h"
#include "ScalePlayer.h"
#include "SdlSoundOutput.h"
#include "SoundSchemeTable.h"
#include "WavFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Levels of the probe samples' first frame: a note alone, the tick and the accent alone; together
// they add up, so every kind of beat starts at a level of its own.
constexpr double NOTE_LEVEL = 0.4;
constexpr double TICK_LEVEL = 0.2;
constexpr double ACCENT_LEVEL = 0.3;

void WriteDecay(const fs::path& path, double level, double frames, int length)
{
    std::vector<std::int16_t> samples(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = WavFile::ToSample(level * std::exp(-double(i) / frames));
    }
    WavFile::WriteMono16(path, 44100, samples);
}

void WriteProbeSamples(const fs::path& dir, Exercise& exercise)
{
    fs::create_directories(dir);
    WriteDecay(dir / "note.wav", NOTE_LEVEL, 300.0, 44100 / 10);
    WriteDecay(dir / "tick.wav", TICK_LEVEL, 40.0, 441);
    WriteDecay(dir / "accent.wav", ACCENT_LEVEL, 40.0, 441);
    exercise.samples.fill((dir / "note.wav").string());
    exercise.tickPath = (dir / "tick.wav").string();
    exercise.accentPath = (dir / "accent.wav").string();
}

bool ReadScheme(const std::string& file, Exercise& exercise)
{
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!std::getline(in, line)) {
        return false;
    }
    for (std::string& path : exercise.samples) {
        std::getline(in, path);
        if (!path.empty() && path.back() == '\r') {
            path.pop_back();
        }
    }
    return true;
}

std::size_t FirstSound(const std::vector<std::int16_t>& samples)
{
    return static_cast<std::size_t>(
        std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; }) -
        samples.begin());
}

struct Onset
{
    std::int64_t frame;
    double level;
};

std::vector<Onset> FindOnsets(const std::vector<std::int16_t>& samples, std::size_t from)
{
    std::vector<Onset> onsets;
    int quiet = 1000;
    for (std::size_t i = from; i < samples.size(); ++i) {
        const double level = samples[i] / 32768.0;
        if (level > 0.1 && quiet >= 20) {
            onsets.push_back({std::int64_t(i - from), level});
        }
        quiet = std::abs(level) < 0.05 ? quiet + 1 : 0;
    }
    return onsets;
}

// The beat kind a probe onset level stands for: 1 tick, 2 accent, 4 note, summed.
int KindOf(double level)
{
    const int kinds[] = {1, 2, 4, 5, 6};
    const double levels[] = {TICK_LEVEL, ACCENT_LEVEL, NOTE_LEVEL, NOTE_LEVEL + TICK_LEVEL,
                             NOTE_LEVEL + ACCENT_LEVEL};
    int best = 0;
    for (int k = 1; k < 5; ++k) {
        if (std::abs(level - levels[k]) < std::abs(level - levels[best])) {
            best = k;
        }
    }
    return kinds[best];
}

// At each note's first frame (two frames before it to two after), the largest jump: how far a
// frame lies from the straight line through the two before it, which is what a cut adds to a
// waveform's own motion; and the same over the 5 ms before, the outgoing sound's own. Also the
// RMS level of each note over its first 100 ms (or up to the next note), in dB of full scale.
struct Edges
{
    double edgeJump = 0;
    double ownJump = 0;
    double loudest = -200;
    double quietest = 0;
};

Edges MeasureEdges(const std::vector<std::int16_t>& samples,
                   const std::vector<OfflineSoundOutput::Beat>& beats)
{
    const auto at = [&samples](std::int64_t i) {
        return i >= 0 && i < std::int64_t(samples.size()) ? double(samples[std::size_t(i)]) : 0.0;
    };
    const auto jump = [&at](std::int64_t i) {
        return std::abs(at(i) - (2 * at(i - 1) - at(i - 2)));
    };
    Edges edges;
    std::vector<std::int64_t> starts;
    for (const auto& beat : beats) {
        if (beat.pitch >= 0) {
            starts.push_back(beat.frame);
        }
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::int64_t f = starts[k];
        for (std::int64_t i = f - 2; i < f + 3; ++i) {
            edges.edgeJump = std::max(edges.edgeJump, jump(i));
        }
        for (std::int64_t i = f - 2 - 220; i < f - 2; ++i) {
            edges.ownJump = std::max(edges.ownJump, jump(i));
        }
        const std::int64_t end =
            std::min(f + 4410, k + 1 < starts.size() ? starts[k + 1] : f + 4410);
        double sum = 0;
        for (std::int64_t i = f; i < end; ++i) {
            sum += at(i) * at(i);
        }
        const double db =
            10 * std::log10(std::max(sum / double(end - f), 1e-9) / (32768.0 * 32768.0));
        edges.loudest = std::max(edges.loudest, db);
        edges.quietest = std::min(edges.quietest, db);
    }
    edges.edgeJump *= 100.0 / 32768;
    edges.ownJump *= 100.0 / 32768;
    return edges;
}

// The beats a run must play, worked out from its settings with plain arithmetic rather than from
// any output: the count-in's clicks at the start tempo, then passes of the scale (its degrees up
// or down and the octave) each at the trainer's tempo for that pass; every beat lies a whole
// number of milliseconds (60000 / BPM, truncated) after the one before, on the first frame at or
// after that moment. Frames count from the first beat; kinds as KindOf.
struct Nominal
{
    std::int64_t frame;
    int kind;
};

std::vector<Nominal> Schedule(const Exercise& exercise)
{
    const PracticeSettings& practice = exercise.practice;
    const auto period = [](int bpm) { return std::int64_t(60000 / bpm); };
    const auto tempoOfPass = [&practice, &exercise](int pass) {
        if (!practice.trainer) {
            return exercise.bpm;
        }
        const int bpm = practice.startBpm + pass / practice.everyPasses * practice.stepBpm;
        return practice.stepBpm > 0 ? std::min(bpm, practice.targetBpm)
                                    : std::max(bpm, practice.targetBpm);
    };
    const int start = practice.trainer ? practice.startBpm : exercise.bpm;
    const int notes =
        int(std::count(exercise.inRun.begin(), exercise.inRun.end(), true)) + 1; // and the octave
    std::vector<std::int64_t> delays;
    std::vector<int> kinds;
    const int countIn = practice.countInBars * practice.beatsPerBar;
    for (int k = 0; k < countIn; ++k) {
        delays.push_back(period(start));
        kinds.push_back(0);
    }
    for (int pass = 0; pass < exercise.passes; ++pass) {
        for (int n = 0; n < notes; ++n) {
            delays.push_back(period(tempoOfPass(pass)));
            kinds.push_back(4);
        }
    }
    // Frame of a moment ms after the run's start, the first beat one start period in.
    const auto frameOf = [](std::int64_t ms) { return (ms * 441 + 9) / 10; };
    std::vector<Nominal> beats;
    std::int64_t ms = period(start);
    const std::int64_t origin = frameOf(ms);
    for (std::size_t k = 0; k < delays.size(); ++k) {
        int kind = kinds[k];
        if (practice.clickLevel > 0 && (kind == 0 || practice.click)) {
            kind += practice.accent && k % std::size_t(practice.beatsPerBar) == 0 ? 2 : 1;
        }
        beats.push_back({frameOf(ms) - origin, kind});
        ms += delays[k];
    }
    return beats;
}

double CpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT_PREFIX SECONDS [options]\n", argv[0]);
        return 2;
    }
    const std::string prefix = argv[1];
    const int seconds = std::atoi(argv[2]);
    Exercise exercise;
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        exercise.inRun[static_cast<std::size_t>(degree)] = true;
    }
    exercise.root = 3;
    exercise.passes = 40;
    exercise.title = "C Major";
    bool probe = false;
    std::string scheme;
    std::string clickDir;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--probe-samples") {
            probe = true;
        } else if (arg == "--click") {
            exercise.practice.click = true;
        } else if (arg == "--scheme") {
            scheme = value;
            ++i;
        } else if (arg == "--click-dir") {
            clickDir = value;
            ++i;
        } else if (arg == "--bpm") {
            exercise.bpm = std::atoi(value);
            ++i;
        } else if (arg == "--count-in") {
            exercise.practice.countInBars = std::atoi(value);
            ++i;
        } else if (arg == "--beats") {
            exercise.practice.beatsPerBar = std::atoi(value);
            ++i;
        } else if (arg == "--level") {
            exercise.practice.clickLevel = std::atoi(value);
            ++i;
        } else if (arg == "--passes") {
            exercise.passes = std::atoi(value);
            ++i;
        } else if (arg == "--direction") {
            const std::string way = value;
            exercise.direction = way == "down"     ? PlayDirection::Down
                                 : way == "updown" ? PlayDirection::UpAndDown
                                                   : PlayDirection::Up;
            ++i;
        } else if (arg == "--trainer") {
            exercise.practice.trainer = true;
            std::sscanf(value, "%d,%d,%d,%d", &exercise.practice.startBpm,
                        &exercise.practice.stepBpm, &exercise.practice.everyPasses,
                        &exercise.practice.targetBpm);
            ++i;
        } else {
            std::fprintf(stderr, "%s: unknown option %s\n", argv[0], arg.c_str());
            return 2;
        }
    }
    if (probe) {
        WriteProbeSamples(prefix + "-samples", exercise);
        exercise.practice.clickLevel = 100;
    } else {
        if (scheme.empty() || !ReadScheme(scheme, exercise)) {
            std::fprintf(stderr, "%s: give --scheme FILE or --probe-samples\n", argv[0]);
            return 2;
        }
        const fs::path clicks =
            clickDir.empty() ? fs::path(scheme).parent_path() : fs::path(clickDir);
        exercise.tickPath = (clicks / Exercise::TICK_FILE).string();
        exercise.accentPath = (clicks / Exercise::ACCENT_FILE).string();
    }

    // The run offline, as the window saves it.
    ExerciseRenderer::Take take;
    std::string error;
    if (!ExerciseRenderer::Render(exercise, true, take, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
        return 1;
    }
    for (const auto kind : {ExerciseFile::Kind::Wav, ExerciseFile::Kind::Midi}) {
        const std::string file = prefix + (kind == ExerciseFile::Kind::Wav ? ".wav" : ".mid");
        if (!ExerciseFile::Save(exercise, file, kind, error)) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], file.c_str(), error.c_str());
            return 1;
        }
    }
    const double length = double(take.samples.size()) / ExerciseRenderer::RATE;

    // The same run live.
    SdlSoundOutput::Options options = SdlSoundOutput::OptionsFromEnvironment();
    options.tapPath = prefix + "-live.wav";
    options.tapSeconds = seconds + 10;
    std::int64_t liveFrames = 0;
    std::int64_t halt = 0; // the frame of the output where the live run was halted
    double took = 0.0;
    const double cpuBefore = CpuSeconds();
    {
        SdlSoundOutput output(options);
        if (!output.HasDevice()) {
            std::fprintf(stderr, "%s: no sound device\n", argv[0]);
            return 1;
        }
        PlayerState state;
        state.direction = exercise.direction;
        state.loop = true;
        for (std::size_t degree = 0; degree < 12; ++degree) {
            state.inRun[degree] = exercise.inRun[degree];
        }
        SoundSchemeTable schemes;
        schemes.schemeSlots[1] = exercise.samples;
        const int root = exercise.root;
        ScalePlayer player(state, output, schemes, [root] { return root; });
        player.SetPractice(exercise.practice);
        player.SetClickSamples(exercise.tickPath, exercise.accentPath);
        player.SetPassLimit(exercise.passes);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const std::int64_t first = output.FramesRendered();
        const auto start = std::chrono::steady_clock::now();
        player.Start(1, exercise.bpm);
        // Counted in frames of output, so a device slower or quicker than the clock on the wall
        // still plays the whole stretch.
        const std::int64_t wanted = std::int64_t(std::min(double(seconds), length + 0.5) * 44100);
        while (output.FramesRendered() - first < wanted) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        player.Halt();
        output.StopSound();
        liveFrames = output.FramesRendered() - first;
        halt = output.FramesRendered();
        took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    const double cpu = CpuSeconds() - cpuBefore;

    std::vector<std::int16_t> live = ReadLive(options.tapPath);
    const std::size_t liveStart = FirstSound(live);
    const std::size_t renderStart = FirstSound(take.samples);
    std::size_t compared = 0;
    std::size_t differing = 0;
    std::int64_t firstDifference = -1;
    // Frames of the run, from its first sound, that the live output played before the halt.
    const std::size_t halted =
        std::size_t(std::max<std::int64_t>(0, halt - std::int64_t(liveStart)));
    for (std::size_t i = 0;
         liveStart + i < live.size() && renderStart + i < take.samples.size() && i < halted;
         ++i, ++compared) {
        if (live[liveStart + i] != take.samples[renderStart + i]) {
            if (firstDifference < 0) {
                firstDifference = std::int64_t(i);
            }
            ++differing;
        }
    }
    std::printf(
        "live %.1f s of sound in %.1f s (%.1f %% of real time), cpu %.1f %%; render %.1f s, "
        "%zu beats\n",
        double(liveFrames) / 44100, took, 100.0 * double(liveFrames) / 44100 / took,
        100.0 * cpu / took, length, take.beats.size());
    std::printf("render against live: %zu frames compared from the first sound, %zu differ",
                compared, differing);
    if (firstDifference >= 0) {
        std::printf(" (the first at %lld)", static_cast<long long>(firstDifference));
    }
    std::printf("\n");

    // The render's beats against the arithmetic of the run's tempo: the offline run, which the
    // live one equals, has every beat of the schedule on its frame and of its kind.
    const std::vector<Nominal> schedule = Schedule(exercise);
    if (exercise.direction != PlayDirection::UpAndDown) {
        std::size_t off = 0;
        std::size_t wrong = 0;
        const std::int64_t origin = take.beats.empty() ? 0 : take.beats.front().frame;
        for (std::size_t i = 0; i < std::min(take.beats.size(), schedule.size()); ++i) {
            const auto& beat = take.beats[i];
            const int kind = (beat.pitch >= 0 ? 4 : 0) +
                             (beat.click > 0 ? (schedule[i].kind % 4 == 2 ? 2 : 1) : 0);
            off += beat.frame - origin != schedule[i].frame ? 1 : 0;
            wrong += kind != schedule[i].kind ? 1 : 0;
        }
        std::printf("render against the tempo arithmetic: %zu beats of %zu scheduled, %zu off "
                    "their frame, %zu of the wrong kind\n",
                    take.beats.size(), schedule.size(), off, wrong);
    }

    if (!probe) {
        // The notes alone (the click silenced), so that the click's own sharp start does not hide
        // what happens where one note gives way to the next.
        Exercise notesAlone = exercise;
        notesAlone.practice.clickLevel = 0;
        ExerciseRenderer::Take notes;
        ExerciseRenderer::Render(notesAlone, true, notes, error);
        const Edges edges = MeasureEdges(notes.samples, notes.beats);
        std::int16_t peak = 0;
        std::size_t clipped = 0;
        for (std::int16_t s : take.samples) {
            peak = std::max<std::int16_t>(peak, static_cast<std::int16_t>(std::abs(s)));
            clipped += s == 32767 || s == -32767 ? 1 : 0;
        }
        std::printf("notes alone: jump at note edges p100 %.2f %% (the outgoing note's own %.2f "
                    "%%), first 100 ms of each note %.1f .. %.1f dB; whole run peak %.1f %%, %zu "
                    "frames at full scale\n",
                    edges.edgeJump, edges.ownJump, edges.quietest, edges.loudest,
                    100.0 * peak / 32768, clipped);
    }
    if (probe) {
        // Nominal onsets from the run's settings, counted from the first beat, up to the halt.
        std::vector<Nominal> nominal;
        for (const Nominal& beat : schedule) {
            if (beat.kind != 0 && beat.frame < std::int64_t(halted)) {
                nominal.push_back(beat);
            }
        }
        const std::vector<Onset> onsets = FindOnsets(live, liveStart);
        std::size_t matched = 0;
        std::size_t wrongKind = 0;
        std::int64_t worst = 0;
        std::size_t next = 0;
        std::vector<bool> used(nominal.size());
        std::size_t extra = 0;
        for (const Onset& onset : onsets) {
            while (next + 1 < nominal.size() && std::abs(nominal[next + 1].frame - onset.frame) <=
                                                    std::abs(nominal[next].frame - onset.frame)) {
                ++next;
            }
            if (next < nominal.size() && !used[next] &&
                std::abs(nominal[next].frame - onset.frame) < 441) {
                used[next] = true;
                ++matched;
                worst = std::max(worst, std::abs(nominal[next].frame - onset.frame));
                wrongKind += KindOf(onset.level) != nominal[next].kind ? 1 : 0;
            } else {
                ++extra;
            }
        }
        std::size_t countIn = 0;
        while (countIn < onsets.size() && KindOf(onsets[countIn].level) < 4) {
            ++countIn;
        }
        std::size_t laterClicksAlone = 0;
        for (std::size_t i = countIn; i < onsets.size(); ++i) {
            laterClicksAlone += KindOf(onsets[i].level) < 4 ? 1 : 0;
        }
        std::printf("onsets %zu of %zu nominal: missing %zu, extra %zu, wrong kind %zu, |error| "
                    "p100 %lld frames; count-in clicks %zu, clicks alone after it %zu\n",
                    onsets.size(), nominal.size(), nominal.size() - matched, extra, wrongKind,
                    static_cast<long long>(worst), countIn, laterClicksAlone);
    }
    return 0;
}
