#pragma once

#include "IBeatListener.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

// The output's mixing function and its clock. One voice plays a decoded sample, and a second one
// beside it the practice click; a voice that is stopped or replaced fades out over about 5 ms
// beside the one that follows. One beat at a time
// falls due on an exact frame of the output. Render fires it one fade ahead of that frame, and a
// note the beat starts waits for the frame itself: the note it replaces has faded out just as the
// new one begins on its exact frame. Render runs on one thread at a time (the sound card's
// callback or a stand-in clock). The other calls come from any thread and reach Render through a
// lock-free queue at the start of its next buffer; made from inside a beat, they act at once, on
// the beat's frame. Render and the beats it fires take no lock, allocate nothing and read no
// file.
class SoundMixer
{
public:
    /// rate in frames per second (1000 or more). sampleAccurate false fires each beat at the
    /// start of the first buffer that begins at or after its frame, the naive way.
    SoundMixer(int rate, bool sampleAccurate);
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    /// Plays mono frames at the mixer's rate, which must outlive the mixer, once or over and
    /// over, replacing the sound playing; no frames stops instead. False, and nothing changes,
    /// when requests pile up unread (the queue is full).
    bool Play(std::span<const float> frames, bool loop);
    /// Plays like Play, once, and marks the note with tag (0 or more) until it ends, is replaced
    /// or is stopped; see TagAt. False when the queue is full.
    bool PlayTagged(std::span<const float> frames, int tag);
    /// Plays mono frames once at gain 0..1 on the click's own voice, beside the note, replacing
    /// the click sounding; false when the queue is full.
    bool PlayClick(std::span<const float> frames, float gain);
    /// Fades out whatever plays, the click too; false, and nothing changes, when the queue is
    /// full.
    bool Stop();
    /// Calls listener.OnBeat() delayMs milliseconds (1 or more) from now, or from the running
    /// beat's due moment when called from inside it, in place of a pending beat. False for a
    /// shorter delay or when requests pile up unread.
    bool ScheduleBeat(int delayMs, IBeatListener& listener);
    /// The pending beat falls due delayMs milliseconds (1 or more) after the moment its delay
    /// counted from, or at once when that moment has passed. False, and nothing changes, when
    /// the queue is full.
    bool RetimeBeat(int delayMs);
    /// Drops the pending beat and waits for a running beat to end, unless called from inside it.
    void CancelBeats();

    /// Mixes the next frames (0 or more) into out, or only moves time on when out is null.
    void Render(float* out, int frames);

    /// Frames rendered so far; any thread.
    std::int64_t FramesDone() const { return m_framesDone.load(std::memory_order_acquire); }
    /// The frame the pending beat fires on (a fade ahead of its due frame, never before the
    /// moment its delay counted from), or -1 without one; the rendering thread only.
    std::int64_t NextBeatFrame() const;
    /// Frames over which a stopped or replaced voice fades out.
    int FadeFrames() const { return static_cast<int>(m_fadeCurve.size()); }
    /// The tag of the note that sounds on frame (a frame of the output, 0 or more), or -1 when no
    /// tagged note sounds there; answers for frames a little behind and ahead of the rendering,
    /// from any thread.
    int TagAt(std::int64_t frame) const;
    /// The frame the running beat falls due on; only from inside a beat.
    std::int64_t BeatFrame() const;
    /// True when nothing sounds, nothing fades, no beat is pending and no request waits; the
    /// rendering thread only.
    bool Idle() const;

private:
    // Time on the output's clock in thousandths of a frame: a delay of d ms is exactly d * rate.
    using Ticks = std::int64_t;

    struct Voice
    {
        const float* frames = nullptr; // null: silent
        std::size_t length = 0;
        std::size_t position = 0;
        bool loop = false;
        int fadeLeft = 0;  // frames of fade-out still to go, for a fading voice
        int waitLeft = 0;  // frames of silence before a note started by a beat begins
        float gain = 1.0f; // the click's level; notes play as recorded
    };
    struct Beat
    {
        bool pending = false;
        Ticks base = 0; // the moment the delay counts from
        Ticks due = 0;
        IBeatListener* listener = nullptr;
        std::uint32_t generation = 0;
    };
    struct Request
    {
        enum class Kind : std::uint8_t
        {
            Play,
            Click,
            Stop,
            Schedule,
            Retime
        };
        Kind kind = Kind::Stop;
        bool loop = false;
        const float* frames = nullptr;
        std::size_t length = 0;
        float gain = 1.0f;
        int tag = -1;
        IBeatListener* listener = nullptr;
        int delayMs = 0;
        std::uint32_t generation = 0;
    };

    bool InBeat() const;
    bool Post(const Request& request);
    void TakeRequests();
    int BeatWait() const;
    // Play and PlayTagged: the note's voice, tag -1 for an untagged one.
    bool PlayVoice(std::span<const float> frames, bool loop, int tag);
    void StartVoice(const float* frames, std::size_t length, bool loop, int wait, int tag);
    void StartClick(const float* frames, std::size_t length, float gain, int wait);
    void StopVoices();
    void FadeOut(Voice& voice);
    void Mark(std::int64_t frame, int tag);
    void Retime(int delayMs, Ticks now);
    std::int64_t FireFrame() const;
    void Fire();
    void Mix(float* out, int from, int to);
    void MixVoice(Voice& voice, float* out, int from, int to, bool fading);

    const std::int64_t m_rate;
    const bool m_sampleAccurate;
    std::vector<float> m_fadeCurve; // gain of each frame of a fade-out, from near 1 to near 0
    const int m_lead;               // frames a beat fires ahead of its due frame

    // Requests from other threads: one reader (Render), writers serialised by the mutex, which
    // Render never takes.
    static constexpr std::uint32_t QUEUE = 64;
    std::mutex m_postMutex;
    std::array<Request, QUEUE> m_queue{};
    std::atomic<std::uint32_t> m_queueHead{0}; // next slot to write
    std::atomic<std::uint32_t> m_queueTail{0}; // next slot to read

    // A cancel raises the generation; a beat of an older generation never runs. A beat runs
    // between setting and clearing m_running, so a cancel that sees it clear knows that no beat
    // of the old generation runs now or later.
    std::atomic<std::uint32_t> m_generation{0};
    std::atomic<bool> m_running{false};

    // Where tagged notes begin and end, newest last: written by the rendering thread under a
    // sequence count that is odd while a mark is written, read by any thread.
    struct NoteMark
    {
        std::atomic<std::int64_t> frame{0};
        std::atomic<int> tag{-1};
    };
    static constexpr std::uint32_t MARKS = 16;
    std::array<NoteMark, MARKS> m_marks{};
    std::atomic<std::uint32_t> m_markCount{0};
    std::atomic<std::uint32_t> m_markSequence{0};

    // The rendering thread only.
    static constexpr int FADES = 8;
    Voice m_voice;
    Voice m_click;
    std::array<Voice, FADES> m_fading{};
    Beat m_beat;
    std::int64_t m_frame = 0; // first frame of the buffer being rendered
    int m_offset = 0;         // frames of it mixed so far
    Ticks m_firingDue = 0;    // due moment of the beat running now
    std::uint32_t m_firingGeneration = 0;
    std::atomic<std::int64_t> m_framesDone{0};
};
