#pragma once

#include "OfflineSoundOutput.h"

#include <cstdint>
#include <string>
#include <vector>

struct Exercise;

// Plays an exercise through the sound card's own mixer and player code, without a device, from
// the moment Play It is pressed until its last sound has died away. The frames are exactly those
// the mixer gives the sound card for the same run; the beats are what the MIDI file is made of.
class ExerciseRenderer
{
public:
    /// Frames per second of every rendered exercise.
    static constexpr int RATE = 44100;
    /// The longest exercise rendered, in seconds.
    static constexpr int MAX_SECONDS = 30 * 60;

    struct Take
    {
        std::vector<std::int16_t> samples;           ///< the output, 16-bit as a WAV file holds it
        std::vector<OfflineSoundOutput::Beat> beats; ///< every beat that ran
        int startDelayMs = 0;                        ///< from the start to the first beat
    };

    /// Plays exercise into take, with its samples when withAudio (else only its beats, which is
    /// much quicker). False, with a one-line reason in error, when it cannot be played (no
    /// pattern to play, a tempo without a beat) or lasts longer than MAX_SECONDS.
    static bool Render(const Exercise& exercise, bool withAudio, Take& take, std::string& error);
};
