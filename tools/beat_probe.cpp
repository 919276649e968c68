// Plays the scale player's beat through the real sound output and taps the output into a WAV
// file, for measuring how evenly the notes land and how clean their edges are.
//
// Usage: pinto_beat_probe OUT_WAV [SECONDS=60] [BPM=120] [SCHEME_FILE]
//        pinto_beat_probe --write-tones DIR
// Without a scheme file every beat plays a click whose first frame is loud, so its onset is one
// exact frame; with one, the run goes up C major over and over with the scheme's samples, and the
// output is stopped at the end. PINTO_AUDIO_NAIVE=1 starts each note at the next buffer instead
// of on its own frame; PINTO_AUDIO_BUFFER sets the frames per buffer (512 by default). Prints how
// much sound the output made against the time that passed, and the process's CPU time.
// --write-tones writes DIR/tones.scheme naming 24 smooth test tones: sines of 110 * 2^(k/12) Hz
// that rise from zero over 1 ms, as the built-in samples do, but whose own steps between frames
// stay small, so that a step a note boundary adds stands out.

#include "PlayerState.h"
#include "ScalePlayer.h"
#include "SdlSoundOutput.h"
#include "SoundSchemeTable.h"
#include "WavFile.h"

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

namespace {

// 40 ms of a decaying square wave, then nothing.
void WriteClick(const std::filesystem::path& path)
{
    std::vector<std::int16_t> samples(44100 / 25);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = WavFile::ToSample(0.8 * std::exp(-double(i) / 400.0) *
                                       ((i / 10) % 2 == 0 ? 1.0 : -1.0));
    }
    WavFile::WriteMono16(path, 44100, samples);
}

// The 24 sample paths of a scheme file, after its name line.
bool ReadScheme(const char* file, SoundSchemeTable& schemes)
{
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!std::getline(in, line)) {
        return false;
    }
    for (std::string& path : schemes.schemeSlots[1]) {
        std::getline(in, path);
        if (!path.empty() && path.back() == '\r') {
            path.pop_back();
        }
    }
    return true;
}

int WriteTones(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir);
    std::ofstream scheme(dir / "tones.scheme", std::ios::binary);
    scheme << "Tones\r\n";
    for (int entry = 0; entry < 24; ++entry) {
        const double hz = 110.0 * std::pow(2.0, entry / 12.0);
        std::vector<std::int16_t> samples(2 * 44100);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double rise = i < 44 ? 0.5 - 0.5 * std::cos(std::numbers::pi * i / 44.0) : 1.0;
            const double fall = std::min(1.0, double(samples.size() - 1 - i) / 2205.0);
            samples[i] = WavFile::ToSample(0.7 * rise * fall *
                                           std::sin(2.0 * std::numbers::pi * hz * i / 44100.0));
        }
        const auto path = dir / ("tone-" + std::to_string(entry) + ".wav");
        if (!WavFile::WriteMono16(path, 44100, samples)) {
            return 1;
        }
        scheme << path.string() << "\r\n";
    }
    return scheme ? 0 : 1;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-tones") {
        return WriteTones(argv[2]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_WAV [SECONDS] [BPM] [SCHEME_FILE]\n", argv[0]);
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const int bpm = argc > 3 ? std::atoi(argv[3]) : 120;
    const auto click = std::filesystem::temp_directory_path() /
                       ("pinto-click-" + std::to_string(::getpid()) + ".wav");
    PlayerState state;
    SoundSchemeTable schemes;
    if (argc > 4) {
        if (!ReadScheme(argv[4], schemes)) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[4]);
            return 1;
        }
        for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
            state.inRun[static_cast<std::size_t>(degree)] = true;
        }
        state.direction = PlayDirection::Up;
        state.loop = true;
    } else {
        WriteClick(click);
        schemes.schemeSlots[1].fill(click.string());
        state.inRun[0] = true;
        state.direction = PlayDirection::None;
    }

    SdlSoundOutput::Options options = SdlSoundOutput::OptionsFromEnvironment();
    options.tapPath = argv[1];
    options.tapSeconds = seconds + 10;
    const auto started = std::chrono::steady_clock::now();
    {
        SdlSoundOutput output(options);
        if (!output.HasDevice()) {
            std::fprintf(stderr, "%s: no sound device\n", argv[0]);
            return 1;
        }
        ScalePlayer player(state, output, schemes, [] { return 3; });
        // Let the output start before the first beat.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const std::int64_t firstFrame = output.FramesRendered();
        const auto playing = std::chrono::steady_clock::now();
        player.Start(1, bpm);
        // The stop comes a quarter period into a note, while it still sounds loud.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::int64_t(seconds) * 1000 +
                                                              ScalePlayer::PeriodMs(bpm) / 4));
        player.Halt();
        // A device that is starved of CPU falls behind the clock; a real one would drop out.
        const double played = double(output.FramesRendered() - firstFrame) / output.DeviceRate();
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - playing).count();
        std::printf("output %.2f s of sound in %.2f s (%.1f %% of real time)\n", played, took,
                    100.0 * played / took);
        output.StopSound();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::filesystem::remove(click);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("cpu %.2f s in %.1f s (%.2f %%)\n", CpuSeconds(), wall,
                100.0 * CpuSeconds() / wall);
    return 0;
}
