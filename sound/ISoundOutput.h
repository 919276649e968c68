#pragma once

#include <functional>
#include <string>

// What the program asks of the sound card: one voice that plays a WAV sample once or over and
// over, silence, and a one-shot timer that paces the scale player. Every call returns at once.
class ISoundOutput
{
public:
    virtual ~ISoundOutput() = default;

    /// Plays the WAV file at path once, replacing any sound playing; an unplayable path sounds
    /// a short alert instead.
    virtual void PlaySampleOnce(const std::string& path) = 0;
    /// Plays the WAV file at path over and over until stopped or replaced; an unplayable path
    /// sounds a short alert instead.
    virtual void PlaySampleLooped(const std::string& path) = 0;
    /// Silences whatever plays; nothing happens when nothing plays.
    virtual void StopSound() = 0;
    /// Runs callback once, delayMs milliseconds (1 or more) from now, on a thread that is not
    /// the caller's user-interface thread; false (and no call) for a delay below 1 ms. A beat
    /// scheduled from inside a beat counts its delay from that beat's due time, so a chain of
    /// beats keeps an even grid.
    virtual bool ScheduleBeat(int delayMs, std::function<void()> callback) = 0;
    /// Drops every beat not yet run and waits for a beat that is running (unless called from
    /// inside a beat).
    virtual void CancelBeats() = 0;
    /// Decodes the WAV file at path now so that a later play of it starts without delay.
    virtual void Preload(const std::string& path) = 0;
};
