#pragma once

#include "ISoundOutput.h"
#include "SampleBank.h"
#include "SoundMixer.h"

#include <cstdint>
#include <vector>

// A sound output without a device: the sound card's own mixer and sample bank, rendered by the
// caller, so a run played here gives the very frames the sound card is given for it. It also
// notes every beat (its frame, what it played and the delay to the next) for the MIDI file.
// Single-threaded.
class OfflineSoundOutput : public ISoundOutput
{
public:
    /// One beat as it ran.
    struct Beat
    {
        std::int64_t frame = 0; ///< the frame it fell due on
        int delayMs = 0;        ///< to the next beat; 0 when it scheduled none
        int pitch = -1;         ///< MIDI pitch (the tag) of the note it started, -1 for none
        float click = 0.0f;     ///< level 0..1 of the click it started, 0 for none
    };

    /// rate in frames per second (1000 or more).
    explicit OfflineSoundOutput(int rate);

    bool PlaySampleOnce(const std::string& path) override;
    bool PlaySampleLooped(const std::string& path) override;
    bool StopSound() override;
    int Preload(const std::string& path) override;
    bool PlayPreloaded(int sample) override;
    int PreloadMoved(const std::string& path, int octaves) override;
    bool PlayNote(int sample, int tag) override;
    bool PlayClick(int sample, float level) override;
    bool ScheduleBeat(int delayMs, IBeatListener& listener) override;
    bool RetimeBeat(int delayMs) override;
    void CancelBeats() override;

    /// Mixes the next frames into out (frames of them).
    void Render(float* out, int frames);
    /// True when nothing sounds and no beat is pending.
    bool Idle() const { return m_mixer.Idle(); }
    /// Frames rendered so far.
    std::int64_t FramesDone() const { return m_mixer.FramesDone(); }
    /// Delay in ms from the start to the first beat, as scheduled from outside a beat.
    int StartDelayMs() const { return m_startDelayMs; }
    /// Every beat that ran, in order.
    const std::vector<Beat>& Beats() const { return m_beats; }

private:
    // Passes each beat on to the listener that asked for it, noting it first.
    class Relay : public IBeatListener
    {
    public:
        explicit Relay(OfflineSoundOutput& output) : m_output(output) {}
        void OnBeat() override;
        IBeatListener* listener = nullptr;

    private:
        OfflineSoundOutput& m_output;
    };

    SoundMixer m_mixer;
    SampleBank m_bank;
    std::vector<float> m_alert;
    Relay m_relay{*this};
    bool m_inBeat = false;
    int m_startDelayMs = 0;
    std::vector<Beat> m_beats;
};
