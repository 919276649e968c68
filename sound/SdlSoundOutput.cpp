#include "SdlSoundOutput.h"

#include "DataFile.h"
#include "StandInClock.h"
#include "WavFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::int64_t SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

SdlSoundOutput::Options SdlSoundOutput::OptionsFromEnvironment()
{
    Options options;
    if (const char* tap = std::getenv("PINTO_AUDIO_TAP"); tap && *tap) {
        options.tapPath = tap;
    }
    if (const char* naive = std::getenv("PINTO_AUDIO_NAIVE");
        naive && std::strcmp(naive, "1") == 0) {
        options.sampleAccurate = false;
    }
    if (const char* frames = std::getenv("PINTO_AUDIO_BUFFER"); frames && *frames) {
        const int value = std::atoi(frames);
        if (value >= 64 && value <= 8192) {
            options.bufferFrames = value;
        }
    }
    return options;
}

SdlSoundOutput::SdlSoundOutput(const Options& options)
    : m_options(options), m_rate(options.sampleRate),
      m_mixer(options.sampleRate, options.sampleAccurate), m_bank(options.sampleRate)
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        m_audioInitialised = true;
        SDL_AudioSpec want{};
        want.freq = m_rate;
        want.format = AUDIO_F32SYS;
        want.channels = 1;
        want.samples = static_cast<Uint16>(options.bufferFrames);
        want.callback = &SdlSoundOutput::AudioCallback;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to whatever the hardware wants behind the callback,
        // so the mixer's frames are the output's frames.
        m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    }
    if (m_device == 0) {
        m_standIn = std::thread([this] { RunStandInClock(); });
        return;
    }

    m_alert = SampleBank::Alert(m_rate);
    if (!options.tapPath.empty()) {
        m_tap.resize(static_cast<std::size_t>(m_rate) *
                     static_cast<std::size_t>(options.tapSeconds));
    }
    SDL_PauseAudioDevice(m_device, 0);
}

SdlSoundOutput::~SdlSoundOutput()
{
    m_mixer.CancelBeats();
    if (m_standIn.joinable()) {
        {
            std::lock_guard lock(m_standInMutex);
            m_standInQuit = true;
        }
        m_standInWake.notify_all();
        m_standIn.join();
    }
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        WriteTap();
    }
    if (m_audioInitialised) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlSoundOutput::PlaySampleOnce(const std::string& path)
{
    return m_device == 0 || PlayPreloaded(m_bank.Decode(path));
}

bool SdlSoundOutput::PlaySampleLooped(const std::string& path)
{
    if (m_device == 0) {
        return true;
    }
    const int sample = m_bank.Decode(path);
    // An unplayable file sounds the alert once, not over and over.
    return m_mixer.Play(Frames(sample), sample != NOT_DECODED);
}

bool SdlSoundOutput::StopSound()
{
    return m_device == 0 || m_mixer.Stop();
}

int SdlSoundOutput::Preload(const std::string& path)
{
    return m_device != 0 ? m_bank.Decode(path) : NOT_DECODED;
}

bool SdlSoundOutput::PlayPreloaded(int sample)
{
    return m_device == 0 || m_mixer.Play(Frames(sample), false);
}

int SdlSoundOutput::PreloadMoved(const std::string& path, int octaves)
{
    return m_device != 0 ? m_bank.Decode(path, octaves) : NOT_DECODED;
}

bool SdlSoundOutput::PlayNote(int sample, int tag)
{
    return m_device == 0 || m_mixer.PlayTagged(Frames(sample), tag);
}

bool SdlSoundOutput::PlayClick(int sample, float level)
{
    return m_device == 0 || sample == NOT_DECODED ||
           m_mixer.PlayClick(m_bank.Frames(sample, {}), level);
}

int SdlSoundOutput::SoundingTag() const
{
    return m_mixer.TagAt(FrameNow());
}

bool SdlSoundOutput::ScheduleBeat(int delayMs, IBeatListener& listener)
{
    const bool accepted = m_mixer.ScheduleBeat(delayMs, listener);
    WakeStandInClock();
    return accepted;
}

bool SdlSoundOutput::RetimeBeat(int delayMs)
{
    const bool accepted = m_mixer.RetimeBeat(delayMs);
    WakeStandInClock();
    return accepted;
}

void SdlSoundOutput::CancelBeats()
{
    m_mixer.CancelBeats();
}

std::span<const float> SdlSoundOutput::Frames(int sample) const
{
    return m_bank.Frames(sample, m_alert);
}

void SDLCALL SdlSoundOutput::AudioCallback(void* self, Uint8* stream, int length)
{
    static_cast<SdlSoundOutput*>(self)->Callback(reinterpret_cast<float*>(stream),
                                                 length / static_cast<int>(sizeof(float)));
}

void SdlSoundOutput::Callback(float* out, int frames)
{
    const std::uint32_t sequence = m_clockSequence.load();
    m_clockSequence.store(sequence + 1);
    m_clockFrames.store(m_mixer.FramesDone());
    m_clockNs.store(SteadyNanoseconds());
    m_clockSequence.store(sequence + 2);

    m_mixer.Render(out, frames);

    for (int i = 0; i < frames && m_tapUsed < m_tap.size(); ++i) {
        m_tap[m_tapUsed++] = WavFile::FromMixed(out[i]);
    }
}

std::int64_t SdlSoundOutput::FrameNow() const
{
    if (m_device == 0) {
        return m_mixer.FramesDone();
    }
    std::int64_t frames = 0;
    std::int64_t callbackNs = 0;
    for (;;) {
        const std::uint32_t before = m_clockSequence.load();
        frames = m_clockFrames.load();
        callbackNs = m_clockNs.load();
        if (before % 2 == 0 && m_clockSequence.load() == before) {
            break;
        }
    }
    if (callbackNs == 0) {
        return frames;
    }
    // The device takes the buffer of the latest callback at the pace of its rate.
    const std::int64_t since =
        std::clamp<std::int64_t>(SteadyNanoseconds() - callbackNs, 0,
                                 std::int64_t(m_options.bufferFrames) * 1'000'000'000 / m_rate);
    return frames + since * m_rate / 1'000'000'000;
}

void SdlSoundOutput::WakeStandInClock()
{
    if (m_device == 0) {
        {
            std::lock_guard lock(m_standInMutex);
            m_standInCalled = true;
        }
        m_standInWake.notify_all();
    }
}

void SdlSoundOutput::RunStandInClock()
{
    // Time on the steady clock stands for frames of output; the mixer is brought up to the
    // present whenever a request comes or the next beat falls due, and sleeps in between.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const StandInClock clock(m_rate);
    std::unique_lock lock(m_standInMutex);
    while (!m_standInQuit) {
        m_standInCalled = false;
        lock.unlock();
        const std::int64_t present = clock.FramesIn(Clock::now() - start);
        do {
            const std::int64_t behind = std::max<std::int64_t>(present - m_mixer.FramesDone(), 0);
            m_mixer.Render(
                nullptr, static_cast<int>(std::min<std::int64_t>(behind, m_options.bufferFrames)));
        } while (m_mixer.FramesDone() < present);
        const std::int64_t next = m_mixer.NextBeatFrame();
        lock.lock();
        if (m_standInQuit || m_standInCalled) {
            continue;
        }
        if (next < 0) {
            m_standInWake.wait(lock);
        } else {
            m_standInWake.wait_until(lock, start + clock.TimeOfFrame(next));
        }
    }
}

void SdlSoundOutput::WriteTap() const
{
    if (!m_options.tapPath.empty()) {
        WavFile::WriteMono16(m_options.tapPath, m_rate, std::span(m_tap).first(m_tapUsed));
    }
}
