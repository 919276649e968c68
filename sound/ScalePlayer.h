#pragma once

#include "ISoundOutput.h"
#include "PlayerState.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

class SoundSchemeTable;

// Plays the run of a PlayerState one note per beat: each beat plays one sample of the chosen
// scheme and schedules the next, so every change of tempo, direction, loop or scheme counts
// from the next beat. There is only ever one chain of beats.
class ScalePlayer
{
public:
    enum class StartResult
    {
        Started,
        NoScheme,
        NoTempo
    };

    /// rootNote answers the scale's root note 0..11 from A; it is asked at every beat.
    ScalePlayer(PlayerState& state, ISoundOutput& output, const SoundSchemeTable& schemes,
                std::function<int()> rootNote);
    /// Ends the chain of beats before the player goes.
    ~ScalePlayer();
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
    /// Sets the tempo in beats per minute and the period that follows from it.
    void SetTempo(int bpm);
    /// One beat of the chain numbered chain; does nothing for a chain that was replaced.
    void OnBeat(std::uint32_t chain);
    /// Moves the run one step in its direction; true when that ended the run with loop off.
    bool Advance();

private:
    bool InRun(int position) const;
    void ScheduleNext(std::uint32_t chain, int periodMs);

    PlayerState& m_state;
    ISoundOutput& m_output;
    const SoundSchemeTable& m_schemes;
    std::function<int()> m_rootNote;
    std::mutex m_runMutex; // a restart and a beat never interleave
    std::atomic<std::uint32_t> m_chain{0};
};
