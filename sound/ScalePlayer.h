#pragma once

#include "IBeatListener.h"
#include "ISoundOutput.h"
#include "PlayerState.h"

#include <array>
#include <atomic>
#include <functional>

class SoundSchemeTable;

// Plays the run of a PlayerState one note per beat. The beats run on the output's own clock:
// each plays one sample of the chosen scheme on its exact frame and schedules the next, so every
// change of direction, loop or scheme counts from the next beat, and a change of tempo moves the
// next beat at once. There is only ever one chain of beats.
class ScalePlayer : private IBeatListener
{
public:
    enum class StartResult
    {
        Started,
        NoScheme,
        NoTempo,
        QueueFull ///< the sound card took no request: nothing plays
    };

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

    /// Starts the run from its beginning with scheme slot 0..9 and a tempo in beats per minute;
    /// the first note sounds one period later. Replaces a chain that is still going.
    StartResult Start(int scheme, int bpm);
    /// Ends the run at the next beat; the sounding note rings out.
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
    /// Moves the run one step in its direction; true when that ended the run with loop off.
    bool Advance();

private:
    void OnBeat() override;
    void Decode(int scheme);
    bool InRun(int position) const;

    PlayerState& m_state;
    ISoundOutput& m_output;
    const SoundSchemeTable& m_schemes;
    std::function<int()> m_rootNote;
    // Decoded sample of each entry 0..23 of each scheme slot 0..9, for the beats.
    std::array<std::array<std::atomic<int>, 24>, 10> m_samples;
};
