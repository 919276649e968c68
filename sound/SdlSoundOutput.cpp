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
      m_mixer(options.sampleRate, options.sampleAccurate)
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

    // The alert: a short 880 Hz tone with soft edges.
    const int alertFrames = m_rate * 15 / 100;
    const int edge = m_rate / 200;
    m_alert.frames.resize(static_cast<std::size_t>(alertFrames));
    for (int i = 0; i < alertFrames; ++i) {
        const double gain = std::min({1.0, double(i) / edge, double(alertFrames - i) / edge});
        m_alert.frames[static_cast<std::size_t>(i)] =
            static_cast<float>(0.3 * gain * std::sin(2.0 * std::numbers::pi * 880.0 * i / m_rate));
    }
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
    return m_device == 0 || PlayPreloaded(Decode(path));
}

bool SdlSoundOutput::PlaySampleLooped(const std::string& path)
{
    if (m_device == 0) {
        return true;
    }
    const int sample = Decode(path);
    // An unplayable file sounds the alert once, not over and over.
    return m_mixer.Play(Frames(sample), sample != NOT_DECODED);
}

bool SdlSoundOutput::StopSound()
{
    return m_device == 0 || m_mixer.Stop();
}

int SdlSoundOutput::Preload(const std::string& path)
{
    return m_device != 0 ? Decode(path) : NOT_DECODED;
}

bool SdlSoundOutput::PlayPreloaded(int sample)
{
    return m_device == 0 || m_mixer.Play(Frames(sample), false);
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
    const Sample* decoded = sample >= 0 && sample < MAX_SAMPLES
                                ? m_published[static_cast<std::size_t>(sample)].load()
                                : nullptr;
    return decoded != nullptr ? decoded->frames : m_alert.frames;
}

int SdlSoundOutput::Decode(const std::string& path)
{
    std::lock_guard lock(m_decodeMutex);
    if (auto found = m_numbers.find(path); found != m_numbers.end()) {
        return found->second;
    }
    if (m_samples.size() >= MAX_SAMPLES) {
        return NOT_DECODED;
    }
    SDL_AudioSpec wave{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    // Opened without waiting, so that a FIFO or a device named as a sample never hangs a dialog.
    int error = 0;
    const int fd = path.empty() ? -1 : DataFile::Open(path, O_RDONLY, error);
    std::FILE* const file = fd < 0 ? nullptr : ::fdopen(fd, "rb");
    SDL_RWops* const stream = file == nullptr ? nullptr : SDL_RWFromFP(file, SDL_TRUE);
    if (stream == nullptr) {
        if (file != nullptr) {
            std::fclose(file);
        } else if (fd >= 0) {
            ::close(fd);
        }
        return NOT_DECODED;
    }
    if (SDL_LoadWAV_RW(stream, 1, &wave, &data, &length) == nullptr) {
        return NOT_DECODED;
    }
    SDL_AudioCVT cvt{};
    const int built =
        SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_F32SYS, 1, m_rate);
    if (built < 0) {
        SDL_FreeWAV(data);
        return NOT_DECODED;
    }
    std::vector<Uint8> work(static_cast<std::size_t>(length) *
                            static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    cvt.len = static_cast<int>(length);
    cvt.buf = work.data();
    if (built > 0 && SDL_ConvertAudio(&cvt) != 0) {
        return NOT_DECODED;
    }
    const std::size_t bytes = built > 0 ? static_cast<std::size_t>(cvt.len_cvt) : length;
    auto sample = std::make_unique<Sample>();
    sample->frames.resize(bytes / sizeof(float));
    std::memcpy(sample->frames.data(), work.data(), sample->frames.size() * sizeof(float));
    if (sample->frames.empty()) {
        return NOT_DECODED;
    }

    const int number = static_cast<int>(m_samples.size());
    m_published[static_cast<std::size_t>(number)].store(sample.get());
    m_samples.push_back(std::move(sample));
    m_numbers.emplace(path, number);
    return number;
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
        const float clipped = std::clamp(out[i], -1.0f, 1.0f);
        m_tap[m_tapUsed++] = static_cast<std::int16_t>(std::lrint(clipped * 32767.0f));
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
