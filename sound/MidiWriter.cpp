#include "MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>

namespace {

constexpr int NOTE_VELOCITY = 100;
constexpr int CLICK_TICKS = MidiWriter::TICKS_PER_QUARTER / 8;

// One event of a track, to be sorted by time; at one tick a note ends before another begins.
struct Event
{
    std::int64_t tick;
    int order; // 0 meta, 1 note off, 2 program and note on
    std::string bytes;
    bool operator<(const Event& other) const
    {
        return std::tie(tick, order) < std::tie(other.tick, other.order);
    }
};

void PutBigEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void PutVariable(std::string& out, std::uint32_t value)
{
    char bytes[5];
    int count = 0;
    do {
        bytes[count++] = static_cast<char>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<char>(bytes[--count] | 0x80));
    }
    out.push_back(bytes[0]);
}

std::string Meta(int type, const std::string& data)
{
    std::string bytes{'\xFF', static_cast<char>(type)};
    PutVariable(bytes, static_cast<std::uint32_t>(data.size()));
    return bytes + data;
}

std::string Tempo(int periodMs)
{
    std::string data;
    PutBigEndian(data, static_cast<std::uint32_t>(std::clamp(periodMs, 1, 16777) * 1000), 3);
    return Meta(0x51, data);
}

std::string Channel(int status, int channel, int first, int second)
{
    return {static_cast<char>(status | channel), static_cast<char>(first),
            static_cast<char>(second)};
}

// A track chunk of events, ending at end (or its last event).
std::string Track(std::vector<Event> events, std::int64_t end)
{
    std::stable_sort(events.begin(), events.end());
    std::string data;
    std::int64_t tick = 0;
    for (const Event& event : events) {
        PutVariable(data, static_cast<std::uint32_t>(event.tick - tick));
        data += event.bytes;
        tick = event.tick;
    }
    PutVariable(data, static_cast<std::uint32_t>(std::max(end - tick, std::int64_t(0))));
    data += Meta(0x2F, {});
    std::string chunk = "MTrk";
    PutBigEndian(chunk, static_cast<std::uint32_t>(data.size()), 4);
    return chunk + data;
}

} // namespace

int MidiWriter::Program(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Bass:
        return 33;
    case Instrument::Banjo:
        return 105;
    case Instrument::Guitar:
    case Instrument::Mandolin:
        break;
    }
    return 25;
}

std::string MidiWriter::Bytes(const std::vector<OfflineSoundOutput::Beat>& beats, int startDelayMs,
                              const Options& options)
{
    const auto tickOf = [](std::size_t beat) { return std::int64_t(beat + 1) * TICKS_PER_QUARTER; };
    std::vector<Event> tempo;
    std::vector<Event> notes;
    std::vector<Event> clicks;
    const int beatsPerBar = std::max(options.beatsPerBar, 1);
    tempo.push_back({0, 0, Meta(0x03, options.title)});
    tempo.push_back({0, 0, Meta(0x58, {static_cast<char>(beatsPerBar), 2, 24, 8})});
    tempo.push_back({0, 0, Tempo(startDelayMs)});
    notes.push_back({0, 0, Meta(0x03, options.notesName)});
    notes.push_back({0, 2, {static_cast<char>(0xC0), static_cast<char>(options.program & 0x7F)}});
    clicks.push_back({0, 0, Meta(0x03, "Click")});

    int period = startDelayMs;
    std::int64_t end = 0;
    int sounding = -1; // the pitch held, if any
    for (std::size_t i = 0; i < beats.size(); ++i) {
        const OfflineSoundOutput::Beat& beat = beats[i];
        const std::int64_t tick = tickOf(i);
        if (beat.pitch >= 0 && beat.pitch <= 127) {
            if (sounding >= 0) {
                notes.push_back({tick, 1, Channel(0x80, 0, sounding, 0)});
            }
            notes.push_back({tick, 2, Channel(0x90, 0, beat.pitch, NOTE_VELOCITY)});
            sounding = beat.pitch;
            end = std::max(end, tick + TICKS_PER_QUARTER);
        }
        if (beat.click > 0.0f) {
            const bool accent = options.accent && i % static_cast<std::size_t>(beatsPerBar) == 0;
            const int key = accent ? ACCENT_NOTE : CLICK_NOTE;
            const int velocity =
                std::clamp(static_cast<int>(std::lround(beat.click * 127)), 1, 127);
            clicks.push_back({tick, 2, Channel(0x90, CLICK_CHANNEL, key, velocity)});
            clicks.push_back({tick + CLICK_TICKS, 1, Channel(0x80, CLICK_CHANNEL, key, 0)});
            end = std::max(end, tick + CLICK_TICKS);
        }
        if (beat.delayMs > 0 && beat.delayMs != period) {
            period = beat.delayMs;
            tempo.push_back({tick, 0, Tempo(period)});
        }
    }
    if (sounding >= 0) {
        notes.push_back({end, 1, Channel(0x80, 0, sounding, 0)});
    }

    std::string file = "MThd";
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, 1, 2); // several tracks, played together
    PutBigEndian(file, 3, 2);
    PutBigEndian(file, TICKS_PER_QUARTER, 2);
    return file + Track(std::move(tempo), end) + Track(std::move(notes), end) +
           Track(std::move(clicks), end);
}
