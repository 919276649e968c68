#pragma once

#include "IBeatListener.h"

#include <string>

// What the program asks of the sound card: one voice that plays a WAV sample once or over and
// over, a click beside it, silence, and beats on the output's own clock that pace the scale
// player. Every call returns at once. A request from outside a beat waits in a short queue for the
// sound card; a card that stops taking them fills it, and then a request answers false and changes
// nothing, so the caller can tell the user. Inside a beat nothing is queued and every request is
// taken.
class ISoundOutput
{
public:
    /// The number of a sample that is not decoded; playing it sounds a short alert.
    static constexpr int NOT_DECODED = -1;

    virtual ~ISoundOutput() = default;

    /// Plays the WAV file at path once, replacing any sound playing; an unplayable path sounds
    /// a short alert instead. False when the queue is full.
    virtual bool PlaySampleOnce(const std::string& path) = 0;
    /// Plays the WAV file at path over and over until stopped or replaced; an unplayable path
    /// sounds a short alert instead. False when the queue is full.
    virtual bool PlaySampleLooped(const std::string& path) = 0;
    /// Silences whatever plays; nothing happens when nothing plays. False when the queue is full.
    virtual bool StopSound() = 0;
    /// Decodes the WAV file at path now and answers the number by which a beat plays it, or
    /// NOT_DECODED when it cannot be played.
    virtual int Preload(const std::string& path) = 0;
    /// Plays the sample numbered by Preload once, replacing any sound playing; NOT_DECODED or
    /// an unknown number sounds the alert. From inside a beat the note starts on the beat's own
    /// frame, and the call takes no lock, allocates nothing and reads no file. False when the
    /// queue is full.
    virtual bool PlayPreloaded(int sample) = 0;
    /// Decodes the WAV file at path moved by octaves (-4..4, 0 as recorded) and answers the
    /// number by which a beat plays it, or NOT_DECODED; an output that cannot move samples
    /// answers NOT_DECODED for any octaves but 0.
    virtual int PreloadMoved(const std::string& path, int octaves)
    {
        return octaves == 0 ? Preload(path) : NOT_DECODED;
    }
    /// Plays a preloaded sample as PlayPreloaded does and marks it with tag (0 or more) while it
    /// sounds; see SoundingTag. False when the queue is full.
    virtual bool PlayNote(int sample, int tag)
    {
        (void)tag;
        return PlayPreloaded(sample);
    }
    /// Plays a preloaded sample once at level 0..1 beside the note, replacing only the click
    /// before it; from inside a beat it starts on the beat's frame. NOT_DECODED plays nothing.
    /// False when the queue is full.
    virtual bool PlayClick(int sample, float level) = 0;
    /// The tag of the note heard now, or -1 when none sounds; any thread.
    virtual int SoundingTag() const { return -1; }
    /// Calls listener.OnBeat() once, delayMs milliseconds (1 or more) later on the output's
    /// clock, in place of any beat still pending; false (and no beat) for a delay below 1 ms or
    /// when the queue is full. From inside a beat the delay counts from that beat's due moment,
    /// so a chain of beats keeps an even grid; from elsewhere it counts from now.
    virtual bool ScheduleBeat(int delayMs, IBeatListener& listener) = 0;
    /// Lets the pending beat fall due delayMs milliseconds (1 or more) after the moment its delay
    /// counts from, or at once when that moment has passed; nothing without a pending beat.
    /// False when the queue is full.
    virtual bool RetimeBeat(int delayMs) = 0;
    /// Drops the pending beat and waits for a beat that is running, unless called from inside a
    /// beat.
    virtual void CancelBeats() = 0;
};
