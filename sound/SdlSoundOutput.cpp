#include "SdlSoundOutput.h"

#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>

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

SdlSoundOutput::SdlSoundOutput(const Options& options) : m_options(options)
{
    m_epochNs = BeatTimer::SteadyNanoseconds();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The callback thread gets real-time scheduling where the system allows it, so a busy
    // machine delays it less.
    SDL_SetHint(SDL_HINT_THREAD_FORCE_REALTIME_TIME_CRITICAL, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    m_audioInitialised = true;

    SDL_AudioSpec want{};
    want.freq = options.sampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = static_cast<Uint16>(options.bufferFrames);
    want.callback = &SdlSoundOutput::AudioCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware wants behind the callback.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) {
        return;
    }
    m_rate = have.freq;

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
    m_timer.CancelAll();
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        WriteTap();
    }
    if (m_audioInitialised) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SdlSoundOutput::PlaySampleOnce(const std::string& path)
{
    if (m_device != 0) {
        Post(Decode(path), false);
    }
}

void SdlSoundOutput::PlaySampleLooped(const std::string& path)
{
    if (m_device != 0) {
        const Sample* sample = Decode(path);
        // An unplayable file sounds the alert once, not over and over.
        Post(sample, sample != &m_alert);
    }
}

void SdlSoundOutput::StopSound()
{
    if (m_device != 0) {
        Post(nullptr, false);
    }
}

bool SdlSoundOutput::ScheduleBeat(int delayMs, std::function<void()> callback)
{
    return m_timer.Schedule(delayMs, std::move(callback));
}

void SdlSoundOutput::CancelBeats()
{
    m_timer.CancelAll();
}

void SdlSoundOutput::Preload(const std::string& path)
{
    if (m_device != 0) {
        Decode(path);
    }
}

const SdlSoundOutput::Sample* SdlSoundOutput::Decode(const std::string& path)
{
    {
        std::lock_guard lock(m_cacheMutex);
        if (auto found = m_cache.find(path); found != m_cache.end()) {
            return found->second.get();
        }
    }
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (path.empty() || SDL_LoadWAV(path.c_str(), &spec, &data, &length) == nullptr) {
        return &m_alert;
    }
    SDL_AudioCVT cvt{};
    const int built =
        SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_F32SYS, 1, m_rate);
    if (built < 0) {
        SDL_FreeWAV(data);
        return &m_alert;
    }
    std::vector<Uint8> work(static_cast<std::size_t>(length) *
                            static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    cvt.len = static_cast<int>(length);
    cvt.buf = work.data();
    if (built > 0 && SDL_ConvertAudio(&cvt) != 0) {
        return &m_alert;
    }
    const std::size_t bytes = built > 0 ? static_cast<std::size_t>(cvt.len_cvt) : length;
    auto sample = std::make_unique<Sample>();
    sample->frames.resize(bytes / sizeof(float));
    std::memcpy(sample->frames.data(), work.data(), sample->frames.size() * sizeof(float));
    if (sample->frames.empty()) {
        return &m_alert;
    }

    std::lock_guard lock(m_cacheMutex);
    auto [place, inserted] = m_cache.emplace(path, std::move(sample));
    return place->second.get();
}

void SdlSoundOutput::Post(const Sample* sample, bool loop)
{
    Command command;
    command.sample = sample;
    command.loop = loop;
    command.requestNs = m_timer.RequestTime();
    std::lock_guard lock(m_postMutex);
    const std::uint32_t head = m_ringHead.load(std::memory_order_relaxed);
    const std::uint32_t tail = m_ringTail.load(std::memory_order_acquire);
    if (head - tail >= RING) {
        return; // the callback has stalled; a request this far behind is of no use
    }
    m_ring[head % RING] = command;
    m_ringHead.store(head + 1, std::memory_order_release);
}

void SDLCALL SdlSoundOutput::AudioCallback(void* self, Uint8* stream, int length)
{
    static_cast<SdlSoundOutput*>(self)->Render(reinterpret_cast<float*>(stream),
                                               length / static_cast<int>(sizeof(float)));
}

std::int64_t SdlSoundOutput::TimelineNanoseconds() const
{
    const std::int64_t wall = BeatTimer::SteadyNanoseconds();
    if (m_device == 0) {
        return wall - m_epochNs;
    }
    std::int64_t frames = 0;
    std::int64_t callbackNs = 0;
    for (;;) {
        const std::uint32_t before = m_clockSequence.load();
        if (before % 2 != 0) {
            continue;
        }
        frames = m_clockFrames.load();
        callbackNs = m_clockCallbackNs.load();
        if (m_clockSequence.load() == before) {
            break;
        }
    }
    if (callbackNs == 0) {
        return 0; // the output has not started yet
    }
    // Between callbacks the output moves on with the steady clock, but never past the buffer
    // in hand: a late callback means the output itself is late. A device that stalls for good
    // leaves the timeline on the steady clock, so beats still come.
    const std::int64_t buffer = std::int64_t(m_options.bufferFrames) * 1'000'000'000 / m_rate;
    std::int64_t since = wall - callbackNs;
    if (since < 250'000'000) {
        since = std::min(since, buffer);
    }
    return frames * 1'000'000'000 / m_rate + std::max<std::int64_t>(since, 0);
}

void SdlSoundOutput::Render(float* out, int frames)
{
    const std::uint32_t sequence = m_clockSequence.load();
    m_clockSequence.store(sequence + 1);
    m_clockFrames.store(m_framesDone);
    m_clockCallbackNs.store(BeatTimer::SteadyNanoseconds());
    m_clockSequence.store(sequence + 2);

    // Collect new requests and give each the frame it starts at: the frame of the moment it
    // was made, a constant latency later.
    const std::int64_t latency = frames + frames / 4;
    std::uint32_t tail = m_ringTail.load(std::memory_order_relaxed);
    const std::uint32_t head = m_ringHead.load(std::memory_order_acquire);
    for (; tail != head; ++tail) {
        Command command = m_ring[tail % RING];
        if (m_options.sampleAccurate) {
            const std::int64_t frame =
                (command.requestNs * m_rate + 500'000'000) / 1'000'000'000 + latency;
            command.targetFrame = std::max(frame, m_framesDone);
        } else {
            command.targetFrame = m_framesDone;
        }
        if (m_pendingCount == PENDING) {
            std::move(m_pending.begin() + 1, m_pending.end(), m_pending.begin());
            --m_pendingCount;
        }
        m_pending[static_cast<std::size_t>(m_pendingCount++)] = command;
    }
    m_ringTail.store(tail, std::memory_order_release);

    int done = 0;
    while (done < frames) {
        int until = frames;
        if (m_pendingCount > 0) {
            const std::int64_t start = m_pending[0].targetFrame - m_framesDone;
            if (start <= done) {
                m_voice = m_pending[0].sample;
                m_voiceLoop = m_pending[0].loop;
                m_voicePos = 0;
                std::move(m_pending.begin() + 1, m_pending.begin() + m_pendingCount,
                          m_pending.begin());
                --m_pendingCount;
                continue;
            }
            until = static_cast<int>(std::min<std::int64_t>(start, frames));
        }
        while (done < until) {
            if (m_voice == nullptr) {
                std::fill(out + done, out + until, 0.0f);
                done = until;
                break;
            }
            const std::size_t left = m_voice->frames.size() - m_voicePos;
            const int count =
                static_cast<int>(std::min<std::size_t>(left, std::size_t(until - done)));
            std::memcpy(out + done, m_voice->frames.data() + m_voicePos, sizeof(float) * count);
            done += count;
            m_voicePos += static_cast<std::size_t>(count);
            if (m_voicePos >= m_voice->frames.size()) {
                m_voicePos = 0;
                if (!m_voiceLoop) {
                    m_voice = nullptr;
                }
            }
        }
    }

    for (int i = 0; i < frames && m_tapUsed < m_tap.size(); ++i) {
        const float clipped = std::clamp(out[i], -1.0f, 1.0f);
        m_tap[m_tapUsed++] = static_cast<std::int16_t>(std::lrint(clipped * 32767.0f));
    }
    m_framesDone += frames;
    m_framesRendered.store(m_framesDone);
}

void SdlSoundOutput::WriteTap() const
{
    if (!m_options.tapPath.empty()) {
        WavFile::WriteMono16(m_options.tapPath, m_rate, std::span(m_tap).first(m_tapUsed));
    }
}
