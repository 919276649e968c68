#pragma once

#include "Instrument.h"
#include "PlayDirection.h"
#include "PracticeSettings.h"

#include <array>
#include <string>
#include <vector>

// One run of the scale player, complete enough to play it again without a window: the scale's
// run or the pattern, the practice around it, the samples it sounds with and how many passes it
// lasts. What "Save Exercise As" and `pinto --render FILE.wav|FILE.mid` write.
struct Exercise
{
    static constexpr int MAX_PASSES = 999;
    /// The click's tick and accent, WAV files beside the default sound scheme.
    static constexpr const char* TICK_FILE = "click.wav";
    static constexpr const char* ACCENT_FILE = "click-accent.wav";

    PlayDirection direction = PlayDirection::Up; ///< the way through the scale's run
    std::array<bool, 12> inRun{};                ///< degree 0..11 above the root is played
    int root = 0;                                ///< the scale's root, note 0..11 from A
    int bpm = 120;                               ///< tempo; the trainer's start replaces it
    int passes = 1;                              ///< passes the run lasts, 1..MAX_PASSES
    PracticeSettings practice;                   ///< click, count-in, trainer, what plays
    std::vector<int> pattern;                    ///< MIDI pitches played with practice.pattern
    std::array<std::string, 24> samples;         ///< the sound scheme's sample paths
    std::string tickPath;                        ///< the click's WAV file
    std::string accentPath;                      ///< the accented click's WAV file
    Instrument instrument = Instrument::Guitar;  ///< what the MIDI file's notes are played on
    std::string title;                           ///< what the MIDI file calls the run
};
