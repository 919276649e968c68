#pragma once

#include <optional>
#include <string>

struct Exercise;

// Saves an exercise as the sound card would play it (a 44.1 kHz 16-bit mono WAV file) or as a
// Standard MIDI File. The file is written whole beside its place and then takes it, so a failure
// leaves an earlier file as it was and no half-written one.
class ExerciseFile
{
public:
    enum class Kind
    {
        Wav,
        Midi
    };

    /// The kind a file name asks for by its ending (.wav, .mid or .midi, any letter case);
    /// nothing for another name.
    static std::optional<Kind> KindOf(const std::string& path);
    /// Renders exercise and stores it at path as kind; false with a one-line reason in error
    /// (without the file's name) when it cannot be played or the file cannot be written.
    static bool Save(const Exercise& exercise, const std::string& path, Kind kind,
                     std::string& error);
};
