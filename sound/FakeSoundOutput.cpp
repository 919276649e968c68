#include "FakeSoundOutput.h"

#include <algorithm>

bool FakeSoundOutput::PlaySampleOnce(const std::string& path)
{
    if (Refused()) {
        return false;
    }
    events.push_back({Kind::Once, path, m_now});
    return true;
}

bool FakeSoundOutput::PlaySampleLooped(const std::string& path)
{
    if (Refused()) {
        return false;
    }
    events.push_back({Kind::Looped, path, m_now});
    return true;
}

bool FakeSoundOutput::StopSound()
{
    if (Refused()) {
        return false;
    }
    events.push_back({Kind::Stop, {}, m_now});
    return true;
}

int FakeSoundOutput::Preload(const std::string& path)
{
    const auto found = std::find(m_preloaded.begin(), m_preloaded.end(), path);
    if (found != m_preloaded.end()) {
        return static_cast<int>(found - m_preloaded.begin());
    }
    m_preloaded.push_back(path);
    return static_cast<int>(m_preloaded.size()) - 1;
}

bool FakeSoundOutput::PlayPreloaded(int sample)
{
    if (Refused()) {
        return false;
    }
    const bool known = sample >= 0 && sample < static_cast<int>(m_preloaded.size());
    events.push_back(
        {Kind::Once, known ? m_preloaded[static_cast<std::size_t>(sample)] : std::string(), m_now});
    return true;
}

bool FakeSoundOutput::PlayClick(int sample, float)
{
    if (Refused()) {
        return false;
    }
    const bool known = sample >= 0 && sample < static_cast<int>(m_preloaded.size());
    if (known) {
        events.push_back({Kind::Click, m_preloaded[static_cast<std::size_t>(sample)], m_now});
    }
    return true;
}

bool FakeSoundOutput::ScheduleBeat(int delayMs, IBeatListener& listener)
{
    if (delayMs < 1 || Refused()) {
        return false;
    }
    const std::int64_t base = m_runningDue.value_or(m_now);
    m_beat = Beat{base, base + delayMs, &listener};
    m_delays.push_back(delayMs);
    return true;
}

bool FakeSoundOutput::RetimeBeat(int delayMs)
{
    if (Refused()) {
        return false;
    }
    if (delayMs >= 1 && m_beat) {
        m_beat->due = std::max(m_beat->base + delayMs, m_now);
    }
    return true;
}

void FakeSoundOutput::CancelBeats()
{
    m_beat.reset();
}

void FakeSoundOutput::Advance(std::int64_t ms)
{
    const std::int64_t end = m_now + ms;
    while (m_beat && m_beat->due <= end) {
        RunNextBeat();
    }
    m_now = end;
}

bool FakeSoundOutput::RunNextBeat()
{
    if (!m_beat) {
        return false;
    }
    const Beat beat = *m_beat;
    m_beat.reset();
    m_now = std::max(m_now, beat.due);
    m_runningDue = beat.due;
    beat.listener->OnBeat();
    m_runningDue.reset();
    return true;
}
