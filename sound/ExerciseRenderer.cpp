#include "ExerciseRenderer.h"

#include "Exercise.h"
#include "ScalePlayer.h"
#include "SoundSchemeTable.h"
#include "WavFile.h"

#include <array>

namespace {

// The size of the buffers the exercise is rendered in; any size gives the same frames.
constexpr int BUFFER = 512;

} // namespace

bool ExerciseRenderer::Render(const Exercise& exercise, bool withAudio, Take& take,
                              std::string& error)
{
    PlayerState state;
    state.direction = exercise.direction;
    state.loop = true;
    for (std::size_t degree = 0; degree < exercise.inRun.size(); ++degree) {
        state.inRun[degree] = exercise.inRun[degree];
    }
    SoundSchemeTable schemes;
    schemes.schemeSlots[1] = exercise.samples;
    OfflineSoundOutput output(RATE);
    const int root = exercise.root;
    ScalePlayer player(state, output, schemes, [root] { return root; });
    player.SetPractice(exercise.practice);
    player.SetPattern(exercise.pattern);
    player.SetClickSamples(exercise.tickPath, exercise.accentPath);
    player.SetPassLimit(exercise.passes);
    switch (player.Start(1, exercise.bpm)) {
    case ScalePlayer::StartResult::Started:
        break;
    case ScalePlayer::StartResult::NoPattern:
        error = "no pattern is placed on the neck to play";
        return false;
    case ScalePlayer::StartResult::NoScheme:
    case ScalePlayer::StartResult::NoTempo:
    case ScalePlayer::StartResult::QueueFull:
        error = "the tempo gives no beat";
        return false;
    }

    take = Take{};
    std::array<float, BUFFER> buffer{};
    const std::int64_t limit = std::int64_t(MAX_SECONDS) * RATE;
    while (!output.Idle()) {
        if (output.FramesDone() >= limit) {
            error =
                "the exercise lasts longer than " + std::to_string(MAX_SECONDS / 60) + " minutes";
            return false;
        }
        output.Render(withAudio ? buffer.data() : nullptr, BUFFER);
        if (withAudio) {
            for (float level : buffer) {
                take.samples.push_back(WavFile::FromMixed(level));
            }
        }
    }
    // The last buffer runs past the end of the sound; what is left is silence.
    while (!take.samples.empty() && take.samples.back() == 0) {
        take.samples.pop_back();
    }
    take.beats = output.Beats();
    take.startDelayMs = output.StartDelayMs();
    return true;
}
