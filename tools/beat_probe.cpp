// Plays the scale player's beat through the real sound output and taps the output into a WAV
// file, for measuring how evenly the notes land.
//
// Usage: pinto_beat_probe OUT_WAV [SECONDS=60] [BPM=120]
// PINTO_AUDIO_NAIVE=1 starts each note at the next buffer instead of at its own frame;
// PINTO_AUDIO_BUFFER sets the frames per buffer (512 by default).

#include "PlayerState.h"
#include "ScalePlayer.h"
#include "SdlSoundOutput.h"
#include "WavFile.h"

#include <SoundSchemeTable.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

// A click whose first frame is already loud, so its onset is one exact frame: 40 ms of a
// decaying square wave, then nothing.
void WriteClick(const std::filesystem::path& path)
{
    std::vector<std::int16_t> samples(44100 / 25);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = WavFile::ToSample(0.8 * std::exp(-double(i) / 400.0) *
                                       ((i / 10) % 2 == 0 ? 1.0 : -1.0));
    }
    WavFile::WriteMono16(path, 44100, samples);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_WAV [SECONDS] [BPM]\n", argv[0]);
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const int bpm = argc > 3 ? std::atoi(argv[3]) : 120;
    const auto click = std::filesystem::temp_directory_path() /
                       ("pinto-click-" + std::to_string(std::rand()) + ".wav");
    WriteClick(click);

    SdlSoundOutput::Options options = SdlSoundOutput::OptionsFromEnvironment();
    options.tapPath = argv[1];
    options.tapSeconds = seconds + 10;
    {
        SdlSoundOutput output(options);
        if (!output.HasDevice()) {
            std::fprintf(stderr, "%s: no sound device\n", argv[0]);
            return 1;
        }
        PlayerState state;
        SoundSchemeTable schemes;
        schemes.schemeSlots[1].fill(click.string());
        state.inRun[0] = true;
        state.direction = PlayDirection::None;
        ScalePlayer player(state, output, schemes, [] { return 0; });
        // Let the output start before the first beat.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        player.Start(1, bpm);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        player.Halt();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::filesystem::remove(click);
    return 0;
}
