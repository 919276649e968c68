#pragma once

#include "Exercise.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

class DiagramState;
class SoundSchemeTable;

// The exercise Play It plays on the neck of a program state, made for saving it: the window's
// "Save Exercise As" and `pinto --render FILE.wav|FILE.mid` build it the same way.
class ExerciseBuilder
{
public:
    /// The run of state's scale with its overlay (or, with practice.pattern, the pattern on show,
    /// low string first) in direction at bpm beats per minute for passes (1..999) passes, with
    /// practice around it, sounded by samples; the click comes from beside the default sound
    /// scheme of program (the running program's file). The MIDI title is the scale's root and
    /// name.
    static Exercise Build(const DiagramState& state, PlayDirection direction, int bpm, int passes,
                          const PracticeSettings& practice,
                          const std::array<std::string, 24>& samples,
                          const std::filesystem::path& program);
    /// The WAV files of the click's tick and accent, beside the default sound scheme of program;
    /// empty paths when it has none.
    static std::pair<std::string, std::string> ClickSamples(const std::filesystem::path& program);
    /// The sample paths to play with: slot (1..9) of schemes when it names samples, else the first
    /// scheme of "pinto_ss.dat" in the working folder, else the default scheme of program;
    /// nothing when there is none.
    static std::optional<std::array<std::string, 24>>
    Samples(const SoundSchemeTable& schemes, int slot, const std::filesystem::path& program);
};
