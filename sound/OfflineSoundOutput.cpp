#include "OfflineSoundOutput.h"

OfflineSoundOutput::OfflineSoundOutput(int rate)
    : m_mixer(rate, true), m_bank(rate), m_alert(SampleBank::Alert(rate))
{
}

bool OfflineSoundOutput::PlaySampleOnce(const std::string& path)
{
    return PlayPreloaded(Preload(path));
}

bool OfflineSoundOutput::PlaySampleLooped(const std::string& path)
{
    const int sample = Preload(path);
    // An unplayable file sounds the alert once, not over and over.
    return m_mixer.Play(m_bank.Frames(sample, m_alert), sample != NOT_DECODED);
}

bool OfflineSoundOutput::StopSound()
{
    return m_mixer.Stop();
}

int OfflineSoundOutput::Preload(const std::string& path)
{
    return m_bank.Decode(path);
}

bool OfflineSoundOutput::PlayPreloaded(int sample)
{
    return PlayNote(sample, -1);
}

int OfflineSoundOutput::PreloadMoved(const std::string& path, int octaves)
{
    return m_bank.Decode(path, octaves);
}

bool OfflineSoundOutput::PlayNote(int sample, int tag)
{
    // A sample not decoded sounds the alert, as on the sound card.
    if (!m_mixer.PlayTagged(m_bank.Frames(sample, m_alert), tag)) {
        return false;
    }
    if (m_inBeat) {
        m_beats.back().pitch = tag;
    }
    return true;
}

bool OfflineSoundOutput::PlayClick(int sample, float level)
{
    const std::span<const float> frames = m_bank.Frames(sample, {});
    if (frames.empty()) {
        return true;
    }
    if (!m_mixer.PlayClick(frames, level)) {
        return false;
    }
    if (m_inBeat) {
        m_beats.back().click = level;
    }
    return true;
}

bool OfflineSoundOutput::ScheduleBeat(int delayMs, IBeatListener& listener)
{
    if (!m_mixer.ScheduleBeat(delayMs, m_relay)) {
        return false;
    }
    m_relay.listener = &listener;
    if (m_inBeat) {
        m_beats.back().delayMs = delayMs;
    } else {
        m_startDelayMs = delayMs;
    }
    return true;
}

bool OfflineSoundOutput::RetimeBeat(int delayMs)
{
    return m_mixer.RetimeBeat(delayMs);
}

void OfflineSoundOutput::CancelBeats()
{
    m_mixer.CancelBeats();
}

void OfflineSoundOutput::Render(float* out, int frames)
{
    m_mixer.Render(out, frames);
}

void OfflineSoundOutput::Relay::OnBeat()
{
    Beat beat;
    beat.frame = m_output.m_mixer.BeatFrame();
    m_output.m_beats.push_back(beat);
    m_output.m_inBeat = true;
    listener->OnBeat();
    m_output.m_inBeat = false;
}
