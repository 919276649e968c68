#include "FakeSoundOutput.h"

#include <algorithm>

void FakeSoundOutput::PlaySampleOnce(const std::string& path)
{
    events.push_back({Kind::Once, path, m_now});
}

void FakeSoundOutput::PlaySampleLooped(const std::string& path)
{
    events.push_back({Kind::Looped, path, m_now});
}

void FakeSoundOutput::StopSound()
{
    events.push_back({Kind::Stop, {}, m_now});
}

bool FakeSoundOutput::ScheduleBeat(int delayMs, std::function<void()> callback)
{
    if (delayMs < 1 || !callback) {
        return false;
    }
    const std::int64_t base = m_runningDue ? *m_runningDue : m_now;
    m_beats.emplace(base + delayMs, std::move(callback));
    m_delays.push_back(delayMs);
    return true;
}

void FakeSoundOutput::CancelBeats()
{
    m_beats.clear();
}

void FakeSoundOutput::Preload(const std::string&) {}

void FakeSoundOutput::Advance(std::int64_t ms)
{
    const std::int64_t end = m_now + ms;
    while (!m_beats.empty() && m_beats.begin()->first <= end) {
        RunNextBeat();
    }
    m_now = end;
}

bool FakeSoundOutput::RunNextBeat()
{
    if (m_beats.empty()) {
        return false;
    }
    auto next = m_beats.begin();
    const std::int64_t due = next->first;
    std::function<void()> callback = std::move(next->second);
    m_beats.erase(next);
    m_now = std::max(m_now, due);
    m_runningDue = &due;
    callback();
    m_runningDue = nullptr;
    return true;
}
