#pragma once

#include "ISoundOutput.h"
#include "SampleBank.h"
#include "SoundMixer.h"

#include <SDL.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

// The sound card through SDL2 audio. WAV samples are decoded on the calling thread and kept by
// path; SDL's callback runs the mixer, which starts each note and fires each of the scale
// player's beats on its exact frame of the output. No thread of ours runs at real-time priority
// and nothing changes the process's limits. Without a usable sound device nothing sounds, and a
// stand-in clock of ours, asleep until the next beat falls due, drives the mixer so that beats
// still come on time.
class SdlSoundOutput : public ISoundOutput
{
public:
    struct Options
    {
        int sampleRate = 44100;     ///< output frames per second
        int bufferFrames = 512;     ///< frames per callback, a power of two
        bool sampleAccurate = true; ///< false starts each beat's note at the next buffer
        std::string tapPath;        ///< when set, the mixed output is written here as a WAV file
        int tapSeconds = 300;       ///< most seconds of output the tap keeps
    };

    /// Options from the environment: PINTO_AUDIO_TAP (WAV path), PINTO_AUDIO_NAIVE=1,
    /// PINTO_AUDIO_BUFFER (frames, 64..8192).
    static Options OptionsFromEnvironment();

    explicit SdlSoundOutput(const Options& options);
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    bool PlaySampleOnce(const std::string& path) override;
    bool PlaySampleLooped(const std::string& path) override;
    bool StopSound() override;
    int Preload(const std::string& path) override;
    bool PlayPreloaded(int sample) override;
    int PreloadMoved(const std::string& path, int octaves) override;
    bool PlayNote(int sample, int tag) override;
    bool PlayClick(int sample, float level) override;
    int SoundingTag() const override;
    bool ScheduleBeat(int delayMs, IBeatListener& listener) override;
    bool RetimeBeat(int delayMs) override;
    void CancelBeats() override;

    /// True when a sound device was opened.
    bool HasDevice() const { return m_device != 0; }
    /// Frames per second of the device, or 0 without a device.
    int DeviceRate() const { return m_device != 0 ? m_rate : 0; }
    /// Frames the mixer has produced so far.
    std::int64_t FramesRendered() const { return m_mixer.FramesDone(); }
    /// The frame of the output that sounds now, from the time of the latest callback (a
    /// request made now starts at the next buffer); for measuring delays.
    std::int64_t FrameNow() const;

private:
    static void SDLCALL AudioCallback(void* self, Uint8* stream, int length);
    void Callback(float* out, int frames);
    void RunStandInClock();
    void WakeStandInClock();
    std::span<const float> Frames(int sample) const;
    void WriteTap() const;

    Options m_options;
    int m_rate;
    SoundMixer m_mixer;
    SDL_AudioDeviceID m_device = 0;
    bool m_audioInitialised = false;
    std::vector<float> m_alert; // mono, device rate
    SampleBank m_bank;

    // The output's clock as of the latest callback, read consistently through a sequence count.
    std::atomic<std::uint32_t> m_clockSequence{0};
    std::atomic<std::int64_t> m_clockFrames{0};
    std::atomic<std::int64_t> m_clockNs{0};

    // The callback only.
    std::vector<std::int16_t> m_tap;
    std::size_t m_tapUsed = 0;

    // Without a device.
    std::mutex m_standInMutex;
    std::condition_variable m_standInWake;
    bool m_standInQuit = false;
    bool m_standInCalled = false;
    std::thread m_standIn;
};
