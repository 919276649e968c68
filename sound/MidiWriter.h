#pragma once

#include "Instrument.h"
#include "OfflineSoundOutput.h"

#include <string>
#include <vector>

// The Standard MIDI File of a played run: type 1, 480 ticks to the quarter note, one beat to the
// quarter. Track 0 carries the title, the bar's time signature and the tempo map, with a change
// wherever the beat's period changes (the trainer's steps), each tempo exactly the period the
// sound card played. Track 1 carries the notes on channel 1 at their sounding pitches, each held
// until the next begins; track 2 the click on channel 10, side stick (37) on an accented beat and
// closed hi-hat (42) on the others.
class MidiWriter
{
public:
    static constexpr int TICKS_PER_QUARTER = 480;
    static constexpr int CLICK_CHANNEL = 9;
    static constexpr int ACCENT_NOTE = 37;
    static constexpr int CLICK_NOTE = 42;

    struct Options
    {
        std::string title = "Exercise"; ///< the name of track 0
        std::string notesName;          ///< the name of the notes' track
        int program = 25;               ///< General MIDI program 0..127 of the notes
        int beatsPerBar = 4;            ///< 1..12, the time signature's beats of a quarter
        bool accent = true;             ///< the first beat of a bar is accented
    };

    /// The file's bytes for the beats of a run, the first of which came startDelayMs after the
    /// start (tick 0).
    static std::string Bytes(const std::vector<OfflineSoundOutput::Beat>& beats, int startDelayMs,
                             const Options& options);
    /// The General MIDI program (0..127) of instrument: steel-string guitar, finger bass, the
    /// guitar again for the mandolin, banjo.
    static int Program(Instrument instrument);
};
