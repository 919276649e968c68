#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

// One-shot callbacks after a delay, run one at a time on a thread of their own, against a
// timeline in nanoseconds (the steady clock, or the sound output's own clock). A callback
// scheduled from inside a running callback counts its delay from that callback's due time, so a
// chain of beats keeps an even grid however late the thread wakes.
class BeatTimer
{
public:
    using Timeline = std::function<std::int64_t()>;

    /// Steady-clock nanoseconds, the timeline when none is given.
    static std::int64_t SteadyNanoseconds();

    explicit BeatTimer(Timeline timeline = &BeatTimer::SteadyNanoseconds);
    ~BeatTimer();
    BeatTimer(const BeatTimer&) = delete;
    BeatTimer& operator=(const BeatTimer&) = delete;

    /// Runs callback once after delayMs milliseconds (1 or more); false and no call otherwise.
    bool Schedule(int delayMs, std::function<void()> callback);
    /// Drops every pending callback and waits for a running one, unless called from inside it.
    void CancelAll();
    /// The timeline's nanoseconds a request made now stands for: the due time of this timer's
    /// callback running on the calling thread, else the timeline's present.
    std::int64_t RequestTime() const;

private:
    void Run();

    Timeline m_timeline;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::multimap<std::int64_t, std::function<void()>> m_queue;
    bool m_quit = false;
    bool m_running = false;
    std::thread m_thread;
};
