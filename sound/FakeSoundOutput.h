#pragma once

#include "ISoundOutput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A sound output for tests: records every request with the time of a manual clock, and runs the
// pending beat only when the clock is moved on. Single-threaded.
class FakeSoundOutput : public ISoundOutput
{
public:
    enum class Kind
    {
        Once,
        Looped,
        Stop,
        Click
    };
    struct Event
    {
        Kind kind;
        std::string path; ///< empty for the alert
        std::int64_t timeMs;
    };

    bool PlaySampleOnce(const std::string& path) override;
    bool PlaySampleLooped(const std::string& path) override;
    bool StopSound() override;
    int Preload(const std::string& path) override;
    bool PlayPreloaded(int sample) override;
    bool PlayClick(int sample, float level) override;
    int SoundingTag() const override { return soundingTag; }
    bool ScheduleBeat(int delayMs, IBeatListener& listener) override;
    bool RetimeBeat(int delayMs) override;
    void CancelBeats() override;

    /// Moves the clock on by ms (0 or more), running each beat that falls due, in due order.
    void Advance(std::int64_t ms);
    /// Moves the clock to the pending beat and runs it; false when none is pending.
    bool RunNextBeat();
    /// The manual clock in milliseconds since construction.
    std::int64_t Now() const { return m_now; }
    /// Number of beats scheduled and not yet run: 0 or 1.
    int PendingBeats() const { return m_beat ? 1 : 0; }
    /// Delays in ms of every accepted ScheduleBeat call, in order.
    const std::vector<int>& ScheduledDelays() const { return m_delays; }

    std::vector<Event> events; ///< every play and stop request taken, in order
    /// While true, a request from outside a beat finds the queue full: it answers false and
    /// changes nothing.
    bool queueFull = false;
    int soundingTag = -1; ///< what SoundingTag answers

private:
    bool Refused() const { return queueFull && !m_runningDue; }

    struct Beat
    {
        std::int64_t base; // the moment the delay counts from
        std::int64_t due;
        IBeatListener* listener;
    };

    std::int64_t m_now = 0;
    std::optional<std::int64_t> m_runningDue;
    std::optional<Beat> m_beat;
    std::vector<int> m_delays;
    std::vector<std::string> m_preloaded; // paths by number
};
