#pragma once

#include "IBeatListener.h"
#include "ISoundOutput.h"
#include "PlayerState.h"
#include "PracticeSettings.h"

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

class SoundSchemeTable;

// Plays the run of a PlayerState one note per beat. The beats run on the output's own clock:
// each plays one sample of the chosen scheme on its exact frame and schedules the next, so every
// change of direction, loop or scheme counts from the next beat, and a change of tempo moves the
// next beat at once. There is only ever one chain of beats.
//
// Practice adds to a run, when asked: a count-in of clicks before the first note, once per
// start; a click on every beat, the first of each bar accented; a speed trainer that sets the
// tempo at the start of each pass (one run from end to end); and the notes of a pattern, one per
// beat, in place of the scale. Each note is marked with its sounding pitch while it sounds.
class ScalePlayer : private IBeatListener
{
public:
    enum class StartResult
    {
        Started,
        NoScheme,
        NoTempo,
        NoPattern, ///< the pattern is to play and none is placed
        QueueFull  ///< the sound card took no request: nothing plays
    };

    /// The pitch of entry 0 of a scheme, the low A (110 Hz), as a MIDI note number; entry e
    /// sounds LOW_A_PITCH + e.
    static constexpr int LOW_A_PITCH = 45;
    /// The most octaves a pattern's note is moved from the scheme's two.
    static constexpr int MAX_OCTAVES = 3;

    /// rootNote answers the scale's root note 0..11 from A; it is asked at every beat, on the
    /// output's thread, and must neither block nor allocate.
    ScalePlayer(PlayerState& state, ISoundOutput& output, const SoundSchemeTable& schemes,
                std::function<int()> rootNote);
    /// Ends the chain of beats before the player goes.
    ~ScalePlayer() override;
    ScalePlayer(const ScalePlayer&) = delete;
    ScalePlayer& operator=(const ScalePlayer&) = delete;

    /// Beat period in ms for a tempo in beats per minute, truncated; 0 when no beat of at least
    /// 1 ms can follow (a tempo below 1 or above 60000).
    static int PeriodMs(int bpm);

    /// The practice for the following starts; everything off plays the plain run.
    void SetPractice(const PracticeSettings& practice);
    /// The pattern's notes as MIDI pitches, in the order they play, for the following starts.
    void SetPattern(std::vector<int> pitches);
    /// The WAV files of the click's tick and accent, for the following starts; an empty or
    /// unplayable path leaves that click silent.
    void SetClickSamples(const std::string& tick, const std::string& accent);
    /// Passes (1 or more) after which a looping run ends, for the following starts; 0 lets Loop
    /// alone decide.
    void SetPassLimit(int passes);

    /// Starts the run from its beginning with scheme slot 0..9 and a tempo in beats per minute
    /// (with the speed trainer, its start tempo instead); the first beat sounds one period later.
    /// Replaces a chain that is still going.
    StartResult Start(int scheme, int bpm);
    /// Ends the run at the next beat; the sounding note rings out. With the speed trainer, the
    /// tempo goes back to its start.
    void Stop();
    /// Ends the run and drops the pending beat, waiting for a beat that is running.
    void Halt();
    /// Sets the tempo in beats per minute and the period that follows from it; a pending beat
    /// then falls due one new period after the last beat, or at once when that moment has
    /// passed. A tempo without a period leaves the pending beat, which plays and ends the run.
    /// False when the sound card's queue is full and the pending beat keeps its time.
    bool SetTempo(int bpm);
    /// Chooses scheme slot 0..9 for the following beats and decodes its samples now.
    void SetScheme(int scheme);
    /// Moves the run one step in its direction; true when that ended the run (loop off, or the
    /// pass limit reached).
    bool Advance();

    /// The sample entry 0..23 and the octaves (-MAX_OCTAVES..MAX_OCTAVES) that sound a MIDI
    /// pitch; false when the pitch lies beyond every octave the player reaches.
    static bool SampleFor(int pitch, int& entry, int& octaves);

private:
    void OnBeat() override;
    void Decode(int scheme);
    bool InRun(int position) const;
    bool Step();
    bool EndPass();
    void Click(int beat, bool countIn);
    void ScheduleNext();

    PlayerState& m_state;
    ISoundOutput& m_output;
    const SoundSchemeTable& m_schemes;
    std::function<int()> m_rootNote;
    // Decoded sample of each entry 0..23 moved by each octave -MAX_OCTAVES..MAX_OCTAVES, of each
    // scheme slot 0..9, for the beats.
    std::array<std::array<std::array<std::atomic<int>, 24>, 2 * MAX_OCTAVES + 1>, 10> m_samples;

    // Set by the user-interface thread, taken by Start.
    PracticeSettings m_nextPractice;
    std::vector<int> m_nextPattern;
    std::string m_tickPath;
    std::string m_accentPath;
    int m_nextPassLimit = 0;

    // Written by Start while no beat runs, then read and written by the beats only.
    PracticeSettings m_practice;
    std::vector<int> m_pattern;
    int m_passLimit = 0;
    int m_tick = ISoundOutput::NOT_DECODED;
    int m_accent = ISoundOutput::NOT_DECODED;
    int m_beat = 0;          // beats played since the start
    int m_countInLeft = 0;   // count-in beats still to come
    int m_passesDone = 0;    // passes ended since the start
    bool m_passAhead = true; // the next note begins a pass
    std::size_t m_patternNote = 0;
};
