#include "ExerciseFile.h"

#include "Exercise.h"
#include "DataFile.h"
#include "ExerciseRenderer.h"
#include "FileReplacer.h"
#include "MidiWriter.h"
#include "WavFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

std::optional<ExerciseFile::Kind> ExerciseFile::KindOf(const std::string& path)
{
    std::string ending = std::filesystem::path(path).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".wav") {
        return Kind::Wav;
    }
    if (ending == ".mid" || ending == ".midi") {
        return Kind::Midi;
    }
    return std::nullopt;
}

bool ExerciseFile::Save(const Exercise& exercise, const std::string& path, Kind kind,
                        std::string& error)
{
    ExerciseRenderer::Take take;
    if (!ExerciseRenderer::Render(exercise, kind == Kind::Wav, take, error)) {
        return false;
    }
    std::string bytes;
    if (kind == Kind::Wav) {
        bytes = WavFile::Bytes(ExerciseRenderer::RATE, take.samples);
    } else {
        MidiWriter::Options options;
        if (!exercise.title.empty()) {
            options.title = exercise.title;
        }
        options.notesName = InstrumentName(exercise.instrument);
        options.program = MidiWriter::Program(exercise.instrument);
        options.beatsPerBar = exercise.practice.Bounded().beatsPerBar;
        options.accent = exercise.practice.accent;
        bytes = MidiWriter::Bytes(take.beats, take.startDelayMs, options);
    }
    const int failure = FileReplacer::Replace(path, bytes, FileReplacer::InPlace::Never).error;
    if (failure != 0) {
        error = DataFile::Reason(failure);
        return false;
    }
    return true;
}
