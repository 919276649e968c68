#pragma once

#include "BeatTimer.h"
#include "ISoundOutput.h"

#include <SDL.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The sound card through SDL2 audio: one voice, WAV samples decoded on the calling thread and
// cached by path, a callback that only copies prepared frames. Time is counted in frames of the
// output itself: beats fall due on that timeline, and each request carries the moment it was
// made and starts at the matching frame, a constant one and a quarter buffers later, so notes
// keep the beat to the frame. Without a usable sound device every call returns at once and
// nothing sounds; beats still run, on the steady clock.
class SdlSoundOutput : public ISoundOutput
{
public:
    struct Options
    {
        int sampleRate = 44100;     ///< output frames per second
        int bufferFrames = 512;     ///< frames per callback, a power of two
        bool sampleAccurate = true; ///< false starts every request at the next buffer
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

    void PlaySampleOnce(const std::string& path) override;
    void PlaySampleLooped(const std::string& path) override;
    void StopSound() override;
    bool ScheduleBeat(int delayMs, std::function<void()> callback) override;
    void CancelBeats() override;
    void Preload(const std::string& path) override;

    /// True when a sound device was opened.
    bool HasDevice() const { return m_device != 0; }
    /// Frames per second of the device, or 0 without a device.
    int DeviceRate() const { return m_rate; }
    /// Frames the callback has produced so far.
    std::int64_t FramesRendered() const { return m_framesRendered.load(); }

private:
    struct Sample
    {
        std::vector<float> frames; // mono, device rate
    };
    struct Command
    {
        const Sample* sample = nullptr; // null stops
        bool loop = false;
        std::int64_t requestNs = 0; // on the output's timeline
        std::int64_t targetFrame = 0;
    };

    static void SDLCALL AudioCallback(void* self, Uint8* stream, int length);
    void Render(float* out, int frames);
    void Post(const Sample* sample, bool loop);
    const Sample* Decode(const std::string& path);
    void WriteTap() const;
    std::int64_t TimelineNanoseconds() const;

    Options m_options;
    SDL_AudioDeviceID m_device = 0;
    bool m_audioInitialised = false;
    int m_rate = 0;
    std::int64_t m_epochNs = 0;

    // The output's clock, published by the callback: frames done and the steady-clock time of
    // the latest callback, read consistently through a sequence count.
    std::atomic<std::uint32_t> m_clockSequence{0};
    std::atomic<std::int64_t> m_clockFrames{0};
    std::atomic<std::int64_t> m_clockCallbackNs{0};

    std::mutex m_cacheMutex;
    std::map<std::string, std::unique_ptr<Sample>> m_cache;
    Sample m_alert;

    // Requests from any thread to the callback: a single-consumer ring, producers serialised.
    static constexpr int RING = 64;
    std::mutex m_postMutex;
    std::array<Command, RING> m_ring{};
    std::atomic<std::uint32_t> m_ringHead{0}; // next slot to write
    std::atomic<std::uint32_t> m_ringTail{0}; // next slot to read

    // Audio thread only.
    static constexpr int PENDING = 16;
    std::array<Command, PENDING> m_pending{};
    int m_pendingCount = 0;
    const Sample* m_voice = nullptr;
    std::size_t m_voicePos = 0;
    bool m_voiceLoop = false;
    std::int64_t m_framesDone = 0;
    std::atomic<std::int64_t> m_framesRendered{0};
    std::vector<std::int16_t> m_tap;
    std::size_t m_tapUsed = 0;

    BeatTimer m_timer{[this] { return TimelineNanoseconds(); }}; // last: its thread ends first
};
