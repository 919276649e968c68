#include "ExerciseBuilder.h"

#include "DiagramState.h"
#include "NeckPitch.h"
#include "NoteSpeller.h"
#include "ScaleRunText.h"
#include "SoundSchemeTable.h"
#include "SoundSchemes.h"
#include "WorkFolder.h"

#include <algorithm>
#include <tuple>

namespace {

bool NamesSamples(const std::array<std::string, 24>& entries)
{
    return std::any_of(entries.begin(), entries.end(),
                       [](const std::string& path) { return !path.empty(); });
}

} // namespace

Exercise ExerciseBuilder::Build(const DiagramState& state, PlayDirection direction, int bpm,
                                int passes, const PracticeSettings& practice,
                                const std::array<std::string, 24>& samples,
                                const std::filesystem::path& program)
{
    Exercise exercise;
    const CFretboard& board = *state.fretboard;
    PlayerState run;
    BuildScaleRun(run, board, std::nullopt, std::nullopt);
    for (std::size_t degree = 0; degree < exercise.inRun.size(); ++degree) {
        exercise.inRun[degree] = run.inRun[degree];
    }
    exercise.direction = direction;
    exercise.root = board.GetRoot(LAYER_SCALE);
    exercise.bpm = bpm;
    exercise.passes = std::clamp(passes, 1, Exercise::MAX_PASSES);
    exercise.practice = practice.Bounded();
    if (exercise.practice.pattern) {
        exercise.pattern = NeckPitch::PatternPitches(board, state.settings.instrument);
    }
    exercise.samples = samples;
    std::tie(exercise.tickPath, exercise.accentPath) = ClickSamples(program);
    exercise.instrument = state.settings.instrument;
    exercise.title =
        NoteSpeller::ForLayer(board, LAYER_SCALE, state.diagram.spelling).Name(exercise.root);
    if (const ScaleRecord* scale = state.scaleLibrary.Record(state.currentScale)) {
        exercise.title += " " + scale->name;
    }
    return exercise;
}

std::pair<std::string, std::string>
ExerciseBuilder::ClickSamples(const std::filesystem::path& program)
{
    const std::filesystem::path sounds = WorkFolder::DefaultScheme(program).parent_path();
    if (sounds.empty()) {
        return {};
    }
    return {(sounds / Exercise::TICK_FILE).string(), (sounds / Exercise::ACCENT_FILE).string()};
}

std::optional<std::array<std::string, 24>>
ExerciseBuilder::Samples(const SoundSchemeTable& schemes, int slot,
                         const std::filesystem::path& program)
{
    if (slot >= 1 && slot <= MAX_SOUND_SCHEMES && NamesSamples(schemes.schemeSlots[slot])) {
        return schemes.schemeSlots[static_cast<std::size_t>(slot)];
    }
    SoundSchemeTable listed;
    if (!LoadSoundSchemes(listed).empty() && NamesSamples(listed.schemeSlots[1])) {
        return listed.schemeSlots[1];
    }
    std::array<std::string, 24> entries;
    const std::filesystem::path scheme = WorkFolder::DefaultScheme(program);
    if (!scheme.empty() && LoadSoundScheme(scheme.string(), entries)) {
        return entries;
    }
    return std::nullopt;
}
