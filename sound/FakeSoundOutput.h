#pragma once

#include "ISoundOutput.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A sound output for tests: records every request with the time of a manual clock, and runs
// scheduled beats only when the clock is moved on. Single-threaded.
class FakeSoundOutput : public ISoundOutput
{
public:
    enum class Kind
    {
        Once,
        Looped,
        Stop
    };
    struct Event
    {
        Kind kind;
        std::string path;
        std::int64_t timeMs;
    };

    void PlaySampleOnce(const std::string& path) override;
    void PlaySampleLooped(const std::string& path) override;
    void StopSound() override;
    bool ScheduleBeat(int delayMs, std::function<void()> callback) override;
    void CancelBeats() override;
    void Preload(const std::string& path) override;

    /// Moves the clock on by ms (0 or more), running each beat that falls due, in due order.
    void Advance(std::int64_t ms);
    /// Moves the clock to the next pending beat and runs it; false when none is pending.
    bool RunNextBeat();
    /// The manual clock in milliseconds since construction.
    std::int64_t Now() const { return m_now; }
    /// Number of beats scheduled and not yet run.
    int PendingBeats() const { return static_cast<int>(m_beats.size()); }
    /// Delays in ms of every accepted ScheduleBeat call, in order.
    const std::vector<int>& ScheduledDelays() const { return m_delays; }

    std::vector<Event> events; ///< every play and stop request, in order

private:
    std::int64_t m_now = 0;
    const std::int64_t* m_runningDue = nullptr;
    std::multimap<std::int64_t, std::function<void()>> m_beats;
    std::vector<int> m_delays;
};
