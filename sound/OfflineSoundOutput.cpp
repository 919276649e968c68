#include "OfflineSoundOutput.h"

OfflineSoundOutput::OfflineSoundOutput(int rate)
    : m_mixer(rate, true), m_bank(rate), m_alert(SampleBank::Alert(rate))
{
}

void OfflineSoundOutput::PlaySampleOnce(const std::string& path)
{
    PlayPreloaded(Preload(path));
}

void OfflineSoundOutput::PlaySampleLooped(const std::string& path)
{
    const int sample = Preload(path);
    // An unplayable file sounds the alert once, not over and over.
    m_mixer.Play(m_bank.Frames(sample, m_alert), sample != NOT_DECODED);
}

void OfflineSoundOutput::StopSound()
{
    m_mixer.Stop();
}

int OfflineSoundOutput::Preload(const std::string& path)
{
    return m_bank.Decode(path);
}

void OfflineSoundOutput::PlayPreloaded(int sample)
{
    PlayNote(sample, -1);
}

int OfflineSoundOutput::PreloadMoved(const std::string& path, int octaves)
{
    return m_bank.Decode(path, octaves);
}

void OfflineSoundOutput::PlayNote(int sample, int tag)
{
    // A sample not decoded sounds the alert, as on the sound card.
    m_mixer.PlayTagged(m_bank.Frames(sample, m_alert), tag);
    if (m_inBeat) {
        m_beats.back().pitch = tag;
    }
}

void OfflineSoundOutput::PlayClick(int sample, float level)
{
    const std::span<const float> frames = m_bank.Frames(sample, {});
    if (frames.empty()) {
        return;
    }
    m_mixer.PlayClick(frames, level);
    if (m_inBeat) {
        m_beats.back().click = level;
    }
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

void OfflineSoundOutput::RetimeBeat(int delayMs)
{
    m_mixer.RetimeBeat(delayMs);
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
