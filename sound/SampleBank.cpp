#include "SampleBank.h"

#include "DataFile.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The WAV file at path as mono float frames at rate; empty when it cannot be read.
std::vector<float> Load(const std::string& path, int rate)
{
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
        return {};
    }
    if (SDL_LoadWAV_RW(stream, 1, &wave, &data, &length) == nullptr) {
        return {};
    }
    SDL_AudioCVT cvt{};
    const int built =
        SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_F32SYS, 1, rate);
    if (built < 0) {
        SDL_FreeWAV(data);
        return {};
    }
    std::vector<Uint8> work(static_cast<std::size_t>(length) *
                            static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    cvt.len = static_cast<int>(length);
    cvt.buf = work.data();
    if (built > 0 && SDL_ConvertAudio(&cvt) != 0) {
        return {};
    }
    const std::size_t bytes = built > 0 ? static_cast<std::size_t>(cvt.len_cvt) : length;
    std::vector<float> frames(bytes / sizeof(float));
    std::memcpy(frames.data(), work.data(), frames.size() * sizeof(float));
    return frames;
}

} // namespace

SampleBank::SampleBank(int rate) : m_rate(rate) {}

int SampleBank::Decode(const std::string& path, int octaves)
{
    if (path.empty() || octaves < -MAX_OCTAVES || octaves > MAX_OCTAVES) {
        return NOT_DECODED;
    }
    {
        std::lock_guard lock(m_mutex);
        if (auto found = m_numbers.find({path, octaves}); found != m_numbers.end()) {
            return found->second;
        }
    }
    // Decoded outside the lock; a second caller racing for the same file keeps the first copy.
    std::vector<float> frames;
    if (octaves == 0) {
        frames = Load(path, m_rate);
    } else {
        const int plain = Decode(path, 0);
        if (plain == NOT_DECODED) {
            return NOT_DECODED;
        }
        const std::span<const float> recorded = Frames(plain, {});
        frames = MoveOctaves(std::vector<float>(recorded.begin(), recorded.end()), octaves);
    }
    return Publish({path, octaves}, std::move(frames));
}

int SampleBank::Add(const std::string& name, std::vector<float> frames)
{
    // A name that cannot be a path (a path has no NUL) keeps made samples apart from files.
    return Publish({std::string(1, '\0') + name, 0}, std::move(frames));
}

int SampleBank::Publish(const std::pair<std::string, int>& key, std::vector<float> frames)
{
    if (frames.empty()) {
        return NOT_DECODED;
    }
    std::lock_guard lock(m_mutex);
    if (auto found = m_numbers.find(key); found != m_numbers.end()) {
        return found->second;
    }
    if (m_samples.size() >= MAX_SAMPLES) {
        return NOT_DECODED;
    }
    const int number = static_cast<int>(m_samples.size());
    m_samples.push_back(std::make_unique<std::vector<float>>(std::move(frames)));
    m_published[static_cast<std::size_t>(number)].store(m_samples.back().get());
    m_numbers.emplace(key, number);
    return number;
}

std::span<const float> SampleBank::Frames(int sample, std::span<const float> alert) const
{
    const std::vector<float>* frames = sample >= 0 && sample < MAX_SAMPLES
                                           ? m_published[static_cast<std::size_t>(sample)].load()
                                           : nullptr;
    return frames != nullptr ? std::span<const float>(*frames) : alert;
}

std::vector<float> SampleBank::MoveOctaves(std::vector<float> frames, int steps)
{
    for (; steps > 0 && frames.size() > 1; --steps) {
        // Up: every second frame, each the centre of a [1 2 1] / 4 average of its neighbours so
        // that what lay above the new half rate is damped rather than folded down.
        std::vector<float> higher(frames.size() / 2);
        for (std::size_t i = 0; i < higher.size(); ++i) {
            const float before = i > 0 ? frames[2 * i - 1] : 0.0f;
            const float after = 2 * i + 1 < frames.size() ? frames[2 * i + 1] : 0.0f;
            higher[i] = 0.25f * before + 0.5f * frames[2 * i] + 0.25f * after;
        }
        frames = std::move(higher);
    }
    for (; steps < 0; ++steps) {
        // Down: every frame and, between two, the point halfway.
        std::vector<float> lower(frames.size() * 2);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const float next = i + 1 < frames.size() ? frames[i + 1] : 0.0f;
            lower[2 * i] = frames[i];
            lower[2 * i + 1] = 0.5f * (frames[i] + next);
        }
        frames = std::move(lower);
    }
    return frames;
}

std::vector<float> SampleBank::Alert(int rate)
{
    const int alertFrames = rate * 15 / 100;
    const int edge = rate / 200;
    std::vector<float> alert(static_cast<std::size_t>(alertFrames));
    for (int i = 0; i < alertFrames; ++i) {
        const double gain = std::min({1.0, double(i) / edge, double(alertFrames - i) / edge});
        alert[static_cast<std::size_t>(i)] =
            static_cast<float>(0.3 * gain * std::sin(2.0 * std::numbers::pi * 880.0 * i / rate));
    }
    return alert;
}
