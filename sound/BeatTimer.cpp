#include "BeatTimer.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <chrono>

namespace {
// The timer whose callback runs on this thread, and that callback's due time.
thread_local const BeatTimer* runningTimer = nullptr;
thread_local std::int64_t runningDue = 0;

// Longest single sleep, so a timeline that stalls or jumps is looked at again soon.
constexpr std::int64_t MAX_SLEEP_NS = 20'000'000;
} // namespace

std::int64_t BeatTimer::SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

BeatTimer::BeatTimer(Timeline timeline)
    : m_timeline(std::move(timeline)), m_thread([this] { Run(); })
{
}

BeatTimer::~BeatTimer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    if (m_thread.get_id() == std::this_thread::get_id()) {
        m_thread.detach();
    } else {
        m_thread.join();
    }
}

bool BeatTimer::Schedule(int delayMs, std::function<void()> callback)
{
    if (delayMs < 1 || !callback) {
        return false;
    }
    const std::int64_t due = RequestTime() + std::int64_t(delayMs) * 1'000'000;
    {
        std::lock_guard lock(m_mutex);
        if (m_quit) {
            return false;
        }
        m_queue.emplace(due, std::move(callback));
    }
    m_wake.notify_all();
    return true;
}

void BeatTimer::CancelAll()
{
    std::unique_lock lock(m_mutex);
    m_queue.clear();
    if (std::this_thread::get_id() != m_thread.get_id()) {
        m_idle.wait(lock, [this] { return !m_running; });
    }
}

std::int64_t BeatTimer::RequestTime() const
{
    return runningTimer == this ? runningDue : m_timeline();
}

void BeatTimer::Run()
{
    // Beats wake on time more often with real-time scheduling; without the right to it they run
    // as any thread.
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);

    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (m_queue.empty()) {
            m_wake.wait(lock);
            continue;
        }
        auto next = m_queue.begin();
        const std::int64_t wait = next->first - m_timeline();
        if (wait > 0) {
            m_wake.wait_for(lock, std::chrono::nanoseconds(std::min(wait, MAX_SLEEP_NS)));
            continue;
        }
        const std::int64_t due = next->first;
        std::function<void()> callback = std::move(next->second);
        m_queue.erase(next);
        m_running = true;
        lock.unlock();
        runningTimer = this;
        runningDue = due;
        callback();
        runningTimer = nullptr;
        callback = nullptr;
        lock.lock();
        m_running = false;
        m_idle.notify_all();
    }
}
