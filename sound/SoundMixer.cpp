#include "SoundMixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <thread>

namespace {

// The mixer whose beat runs on this thread.
thread_local const SoundMixer* firingMixer = nullptr;

constexpr std::int64_t TICKS_PER_FRAME = 1000;

// value / divisor rounded up, for a value of 0 or more.
std::int64_t CeilDiv(std::int64_t value, std::int64_t divisor)
{
    return (value + divisor - 1) / divisor;
}

} // namespace

SoundMixer::SoundMixer(int rate, bool sampleAccurate)
    : m_rate(std::max(rate, 1000)), m_sampleAccurate(sampleAccurate),
      m_fadeCurve(static_cast<std::size_t>(m_rate / 200)),
      m_lead(sampleAccurate ? static_cast<int>(m_fadeCurve.size()) : 0)
{
    // A raised-cosine fade of 5 ms: no corner where it starts and none where it ends.
    const int frames = static_cast<int>(m_fadeCurve.size());
    for (int i = 0; i < frames; ++i) {
        m_fadeCurve[static_cast<std::size_t>(i)] =
            static_cast<float>(0.5 * (1.0 + std::cos(std::numbers::pi * (i + 1) / (frames + 1))));
    }
}

bool SoundMixer::InBeat() const
{
    return firingMixer == this;
}

int SoundMixer::BeatWait() const
{
    // Fired ahead of its frame, the beat's note waits for it while the old one fades out.
    const std::int64_t wait = CeilDiv(m_firingDue, TICKS_PER_FRAME) - (m_frame + m_offset);
    return static_cast<int>(std::max<std::int64_t>(wait, 0));
}

bool SoundMixer::Play(std::span<const float> frames, bool loop)
{
    return PlayVoice(frames, loop, -1);
}

bool SoundMixer::PlayTagged(std::span<const float> frames, int tag)
{
    return PlayVoice(frames, false, tag);
}

bool SoundMixer::PlayVoice(std::span<const float> frames, bool loop, int tag)
{
    if (frames.empty()) {
        return Stop();
    }
    if (InBeat()) {
        StartVoice(frames.data(), frames.size(), loop, BeatWait(), tag);
        return true;
    }
    Request request;
    request.kind = Request::Kind::Play;
    request.frames = frames.data();
    request.length = frames.size();
    request.loop = loop;
    request.tag = tag;
    return Post(request);
}

bool SoundMixer::PlayClick(std::span<const float> frames, float gain)
{
    if (frames.empty()) {
        return true;
    }
    if (InBeat()) {
        StartClick(frames.data(), frames.size(), gain, BeatWait());
        return true;
    }
    Request request;
    request.kind = Request::Kind::Click;
    request.frames = frames.data();
    request.length = frames.size();
    request.gain = gain;
    return Post(request);
}

bool SoundMixer::Stop()
{
    if (InBeat()) {
        StopVoices();
        return true;
    }
    Request request;
    request.kind = Request::Kind::Stop;
    return Post(request);
}

bool SoundMixer::ScheduleBeat(int delayMs, IBeatListener& listener)
{
    if (delayMs < 1) {
        return false;
    }
    if (InBeat()) {
        m_beat.pending = true;
        m_beat.base = m_firingDue;
        m_beat.due = m_firingDue + delayMs * m_rate;
        m_beat.listener = &listener;
        // The chain stays in the generation of the beat that made it, so a cancel that came
        // while this beat ran ends it too.
        m_beat.generation = m_firingGeneration;
        return true;
    }
    Request request;
    request.kind = Request::Kind::Schedule;
    request.listener = &listener;
    request.delayMs = delayMs;
    request.generation = m_generation.load();
    return Post(request);
}

bool SoundMixer::RetimeBeat(int delayMs)
{
    if (delayMs < 1) {
        return true;
    }
    if (InBeat()) {
        Retime(delayMs, (m_frame + m_offset) * TICKS_PER_FRAME);
        return true;
    }
    Request request;
    request.kind = Request::Kind::Retime;
    request.delayMs = delayMs;
    request.generation = m_generation.load();
    return Post(request);
}

void SoundMixer::CancelBeats()
{
    if (InBeat()) {
        m_beat.pending = false;
        return;
    }
    m_generation.fetch_add(1);
    // A beat that began before the new generation could be seen ends within its own short work;
    // only this caller waits for it, never the mixing thread.
    while (m_running.load()) {
        std::this_thread::yield();
    }
}

bool SoundMixer::Post(const Request& request)
{
    std::lock_guard lock(m_postMutex);
    const std::uint32_t head = m_queueHead.load(std::memory_order_relaxed);
    const std::uint32_t tail = m_queueTail.load(std::memory_order_acquire);
    if (head - tail >= QUEUE) {
        return false; // nothing renders: the caller hears of it, the queue keeps what it has
    }
    m_queue[head % QUEUE] = request;
    m_queueHead.store(head + 1, std::memory_order_release);
    return true;
}

void SoundMixer::TakeRequests()
{
    std::uint32_t tail = m_queueTail.load(std::memory_order_relaxed);
    const std::uint32_t head = m_queueHead.load(std::memory_order_acquire);
    // Read after the queue: a schedule posted after a cancel then meets that cancel's generation.
    const std::uint32_t generation = m_generation.load();
    const Ticks now = m_frame * TICKS_PER_FRAME;
    for (; tail != head; ++tail) {
        const Request& request = m_queue[tail % QUEUE];
        switch (request.kind) {
        case Request::Kind::Play:
            StartVoice(request.frames, request.length, request.loop, 0, request.tag);
            break;
        case Request::Kind::Click:
            StartClick(request.frames, request.length, request.gain, 0);
            break;
        case Request::Kind::Stop:
            StopVoices();
            break;
        case Request::Kind::Schedule:
            if (request.generation == generation) {
                m_beat.pending = true;
                m_beat.base = now;
                m_beat.due = now + request.delayMs * m_rate;
                m_beat.listener = request.listener;
                m_beat.generation = request.generation;
            }
            break;
        case Request::Kind::Retime:
            if (m_beat.generation == request.generation) {
                Retime(request.delayMs, now);
            }
            break;
        }
    }
    m_queueTail.store(tail, std::memory_order_release);
    if (m_beat.generation != generation) {
        m_beat.pending = false;
    }
}

void SoundMixer::Retime(int delayMs, Ticks now)
{
    if (m_beat.pending) {
        m_beat.due = std::max(m_beat.base + delayMs * m_rate, now);
    }
}

void SoundMixer::StartVoice(const float* frames, std::size_t length, bool loop, int wait, int tag)
{
    FadeOut(m_voice);
    m_voice = Voice{frames, length, 0, loop, 0, wait, 1.0f};
    // A replaced note keeps its mark until the new one begins, so the mark never falls silent
    // between two notes.
    const std::int64_t start = m_frame + m_offset + wait;
    Mark(start, tag);
    if (!loop && tag >= 0) {
        Mark(start + static_cast<std::int64_t>(length), -1);
    }
}

void SoundMixer::StartClick(const float* frames, std::size_t length, float gain, int wait)
{
    FadeOut(m_click);
    m_click = Voice{frames, length, 0, false, 0, wait, gain};
}

void SoundMixer::StopVoices()
{
    Mark(m_frame + m_offset, -1);
    FadeOut(m_voice);
    FadeOut(m_click);
}

void SoundMixer::FadeOut(Voice& voice)
{
    if (voice.frames == nullptr) {
        return;
    }
    if (voice.waitLeft > 0) {
        voice = Voice{}; // a note not begun yet has nothing to fade
        return;
    }
    // A free place, else the fade nearest its end gives way.
    Voice* place = &m_fading[0];
    for (Voice& fading : m_fading) {
        if (fading.frames == nullptr) {
            place = &fading;
            break;
        }
        if (fading.fadeLeft < place->fadeLeft) {
            place = &fading;
        }
    }
    *place = voice;
    place->fadeLeft = FadeFrames();
    voice = Voice{};
}

void SoundMixer::Mark(std::int64_t frame, int tag)
{
    const std::uint32_t count = m_markCount.load(std::memory_order_relaxed);
    if (count > 0) {
        const NoteMark& last = m_marks[(count - 1) % MARKS];
        if (last.tag.load(std::memory_order_relaxed) == tag &&
            last.frame.load(std::memory_order_relaxed) <= frame) {
            return; // nothing new from that frame on
        }
    }
    const std::uint32_t sequence = m_markSequence.load(std::memory_order_relaxed);
    m_markSequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    NoteMark& mark = m_marks[count % MARKS];
    mark.frame.store(frame, std::memory_order_relaxed);
    mark.tag.store(tag, std::memory_order_relaxed);
    m_markCount.store(count + 1, std::memory_order_relaxed);
    m_markSequence.store(sequence + 2, std::memory_order_release);
}

int SoundMixer::TagAt(std::int64_t frame) const
{
    for (;;) {
        const std::uint32_t before = m_markSequence.load(std::memory_order_acquire);
        if (before % 2 != 0) {
            continue;
        }
        const std::uint32_t count = m_markCount.load(std::memory_order_relaxed);
        int tag = -1;
        // The newest mark from frame or before tells; a newer one further on has not begun yet.
        for (std::uint32_t k = 0; k < std::min(count, MARKS); ++k) {
            const NoteMark& mark = m_marks[(count - 1 - k) % MARKS];
            if (mark.frame.load(std::memory_order_relaxed) <= frame) {
                tag = mark.tag.load(std::memory_order_relaxed);
                break;
            }
        }
        std::atomic_thread_fence(std::memory_order_acquire);
        if (m_markSequence.load(std::memory_order_relaxed) == before) {
            return tag;
        }
    }
}

std::int64_t SoundMixer::BeatFrame() const
{
    return CeilDiv(m_firingDue, TICKS_PER_FRAME);
}

bool SoundMixer::Idle() const
{
    return m_queueHead.load() == m_queueTail.load() && m_voice.frames == nullptr &&
           m_click.frames == nullptr && !m_beat.pending &&
           std::all_of(m_fading.begin(), m_fading.end(),
                       [](const Voice& voice) { return voice.frames == nullptr; });
}

std::int64_t SoundMixer::FireFrame() const
{
    // Never before the moment the delay counted from: a chain of beats closer together than a
    // fade fires each beat no earlier than the note of the one before begins.
    return std::max(CeilDiv(m_beat.due, TICKS_PER_FRAME) - m_lead,
                    CeilDiv(m_beat.base, TICKS_PER_FRAME));
}

std::int64_t SoundMixer::NextBeatFrame() const
{
    return m_beat.pending ? FireFrame() : -1;
}

void SoundMixer::Render(float* out, int frames)
{
    if (out != nullptr) {
        std::fill(out, out + frames, 0.0f);
    }
    m_offset = 0;
    TakeRequests();
    // Each beat schedules the next at least a millisecond later, so this ends.
    while (m_beat.pending) {
        std::int64_t offset = FireFrame() - m_frame;
        if (!m_sampleAccurate) {
            offset = offset <= 0 ? 0 : frames;
        }
        if (offset >= frames) {
            break;
        }
        offset = std::max<std::int64_t>(offset, m_offset);
        Mix(out, m_offset, static_cast<int>(offset));
        m_offset = static_cast<int>(offset);
        Fire();
    }
    Mix(out, m_offset, frames);
    m_offset = frames;
    m_frame += frames;
    m_framesDone.store(m_frame, std::memory_order_release);
}

void SoundMixer::Fire()
{
    const Beat beat = m_beat;
    m_beat.pending = false;
    m_running.store(true);
    if (beat.generation == m_generation.load()) {
        m_firingDue = beat.due;
        m_firingGeneration = beat.generation;
        firingMixer = this;
        beat.listener->OnBeat();
        firingMixer = nullptr;
    }
    m_running.store(false);
}

void SoundMixer::Mix(float* out, int from, int to)
{
    if (from >= to) {
        return;
    }
    MixVoice(m_voice, out, from, to, false);
    MixVoice(m_click, out, from, to, false);
    for (Voice& fading : m_fading) {
        MixVoice(fading, out, from, to, true);
    }
}

void SoundMixer::MixVoice(Voice& voice, float* out, int from, int to, bool fading)
{
    if (voice.frames == nullptr) {
        return;
    }
    int i = from;
    const int wait = std::min(voice.waitLeft, to - i);
    voice.waitLeft -= wait;
    i += wait;
    // In stretches that end where the buffer, the sample or the fade ends, each a plain loop.
    while (i < to && voice.frames != nullptr) {
        int count = static_cast<int>(
            std::min<std::size_t>(static_cast<std::size_t>(to - i), voice.length - voice.position));
        if (fading) {
            count = std::min(count, voice.fadeLeft);
        }
        const float* frames = voice.frames + voice.position;
        const float gain = voice.gain;
        if (out != nullptr && fading) {
            const float* curve = m_fadeCurve.data() +
                                 (m_fadeCurve.size() - static_cast<std::size_t>(voice.fadeLeft));
            for (int k = 0; k < count; ++k) {
                out[i + k] += frames[k] * gain * curve[k];
            }
        } else if (out != nullptr) {
            for (int k = 0; k < count; ++k) {
                out[i + k] += frames[k] * gain;
            }
        }
        i += count;
        voice.position += static_cast<std::size_t>(count);
        if (fading) {
            voice.fadeLeft -= count;
            if (voice.fadeLeft == 0) {
                voice.frames = nullptr;
                break;
            }
        }
        if (voice.position == voice.length) {
            voice.position = 0;
            if (!voice.loop) {
                voice.frames = nullptr;
            }
        }
    }
}
