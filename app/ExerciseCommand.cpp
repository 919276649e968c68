#include "ExerciseCommand.h"

#include "DiagramState.h"
#include "EchoText.h"
#include "ExerciseBuilder.h"
#include "ExerciseFile.h"
#include "RenderOptions.h"
#include "RenderStateBuilder.h"
#include "SoundSchemeTable.h"

#include <filesystem>
#include <system_error>

int RunExerciseCommand(const RenderOptions& options, std::string& error)
{
    DiagramState state;
    if (!RenderStateBuilder::Build(options, state, error))
        return 2;

    PracticeSettings practice;
    practice.click = options.click;
    practice.beatsPerBar = options.beatsPerBar;
    practice.countInBars = options.countInBars;
    if (options.trainer) {
        practice.trainer = true;
        practice.startBpm = (*options.trainer)[0];
        practice.stepBpm = (*options.trainer)[1];
        practice.everyPasses = (*options.trainer)[2];
        practice.targetBpm = (*options.trainer)[3];
    }
    practice.pattern = options.patternName.has_value();
    const PlayDirection direction =
        options.direction == RenderOptions::Direction::Down        ? PlayDirection::Down
        : options.direction == RenderOptions::Direction::UpAndDown ? PlayDirection::UpAndDown
                                                                   : PlayDirection::Up;
    std::error_code code;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", code);
    const auto samples = ExerciseBuilder::Samples(SoundSchemeTable(), 0, program);
    if (!samples) {
        error = "no sound scheme: pinto_ss.dat lists none and the default one is not installed";
        return 2;
    }
    const Exercise exercise = ExerciseBuilder::Build(state, direction, options.bpm, options.passes,
                                                     practice, *samples, program);
    const ExerciseFile::Kind kind = options.format == RenderOptions::Format::Mid
                                        ? ExerciseFile::Kind::Midi
                                        : ExerciseFile::Kind::Wav;
    std::string reason;
    if (!ExerciseFile::Save(exercise, options.file, kind, reason)) {
        error = "cannot write " + Quoted(options.file) + ": " + reason;
        return 2;
    }
    return 0;
}
