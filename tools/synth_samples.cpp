// Writes the built-in sound scheme: 24 plucked-string notes from A2 (110 Hz) up to G#4,
// 44.1 kHz 16-bit mono WAV files made with the Karplus-Strong method, and the scheme file that
// names them. Each note starts at zero, rises over 1 ms and has no offset from zero. The notes are
// matched by loudness (the same RMS over their first half second), so a run sounds even; beside
// them go the practice click's tick and accent.
//
// Usage: pinto_synth SAMPLE_DIR SCHEME_FILE
// The scheme file lists each sample as SAMPLE_DIR/<file> exactly as SAMPLE_DIR was given, so
// run it from the folder the program will run in with a relative SAMPLE_DIR.

#include "ClickSound.h"
#include "Exercise.h"
#include "WavFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr double SECONDS = 2.0;
constexpr double LOW_A_HZ = 110.0;
// The loudest peak any note may reach, leaving room for the click that sounds on the same frame.
constexpr double NOTE_PEAK = 0.72;
// Loudness is the RMS level over this much of a note's start.
constexpr double LOUDNESS_SECONDS = 0.5;
constexpr const char* SCHEME_NAME = "Plucked String";
constexpr std::array<const char*, 12> NOTE_FILE_NAMES = {"A",  "As", "B", "C",  "Cs", "D",
                                                         "Ds", "E",  "F", "Fs", "G",  "Gs"};

// A small deterministic generator, so every build writes the same files.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed * 2654435761u + 1u) {}
    double Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return double(m_state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

// One plucked note: a noise burst circulating through a delay line with a two-point average
// (the string's loss) and a first-order all-pass that tunes the loop to the exact frequency.
std::vector<double> Pluck(double hz, std::uint32_t seed)
{
    const double loop = double(RATE) / hz;                // whole loop delay in samples
    const int length = int(std::floor(loop - 0.5 - 0.1)); // the average adds half a sample
    const double fraction = loop - 0.5 - length;          // 0.1 .. 1.1, left to the all-pass
    const double allpass = (1.0 - fraction) / (1.0 + fraction);
    // Lower notes ring longer, as on a real string.
    const double loss = 0.996 + 0.0035 * std::clamp((440.0 - hz) / 330.0, 0.0, 1.0);

    // The pick: noise, low-passed twice so the note starts round rather than hissing, and shaped
    // by a half sine over the string so that its two ends meet at zero; the loop carries any
    // corner where they meet round and round for the whole note.
    Noise noise(seed);
    std::vector<double> line(static_cast<std::size_t>(length));
    std::vector<double> shape(line.size());
    double first = 0.0;
    double second = 0.0;
    for (std::size_t n = 0; n < line.size(); ++n) {
        first = 0.9 * first + 0.1 * noise.Next();
        second = 0.9 * second + 0.1 * first;
        shape[n] = std::sin(std::numbers::pi * (double(n) + 0.5) / double(line.size()));
        line[n] = second * shape[n];
    }
    // The loop keeps the pick's mean almost for good, as an offset under the whole note; taking
    // it out along the same half sine leaves none and keeps the ends at zero.
    double sum = 0.0;
    double weight = 0.0;
    for (std::size_t n = 0; n < line.size(); ++n) {
        sum += line[n];
        weight += shape[n];
    }
    for (std::size_t n = 0; n < line.size(); ++n) {
        line[n] -= sum / weight * shape[n];
    }

    const int total = int(RATE * SECONDS);
    std::vector<double> out(static_cast<std::size_t>(total));
    std::size_t index = 0;
    double previous = 0.0;
    double allpassIn = 0.0;
    double allpassOut = 0.0;
    for (int i = 0; i < total; ++i) {
        const double current = line[index];
        const double averaged = loss * 0.5 * (current + previous);
        previous = current;
        const double tuned = allpass * averaged + allpassIn - allpass * allpassOut;
        allpassIn = averaged;
        allpassOut = tuned;
        line[index] = tuned;
        index = (index + 1) % line.size();
        out[static_cast<std::size_t>(i)] = current;
    }

    // The note rises from silence over 1 ms and falls back to it over its last 50 ms, so it
    // starts and ends without a click.
    const int rise = RATE / 1000;
    const int fade = RATE / 20;
    for (int i = 0; i < total; ++i) {
        const double onset =
            i < rise ? 0.5 * (1.0 - std::cos(std::numbers::pi * double(i) / rise)) : 1.0;
        const double edge = std::min(1.0, double(total - 1 - i) / fade);
        out[static_cast<std::size_t>(i)] *= onset * edge;
    }
    return out;
}

double Peak(const std::vector<double>& levels)
{
    double peak = 1e-9;
    for (double v : levels) {
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

double Loudness(const std::vector<double>& levels)
{
    const std::size_t count =
        std::min(levels.size(), static_cast<std::size_t>(RATE * LOUDNESS_SECONDS));
    double sum = 1e-18;
    for (std::size_t i = 0; i < count; ++i) {
        sum += levels[i] * levels[i];
    }
    return std::sqrt(sum / double(std::max<std::size_t>(count, 1)));
}

// Gives every note the same loudness, the highest at which no note peaks above NOTE_PEAK.
void MatchLoudness(std::vector<std::vector<double>>& notes)
{
    double crest = 1.0; // the largest peak-to-loudness ratio of any note
    for (const auto& note : notes) {
        crest = std::max(crest, Peak(note) / Loudness(note));
    }
    const double loudness = NOTE_PEAK / crest;
    for (auto& note : notes) {
        const double gain = loudness / Loudness(note);
        for (double& v : note) {
            v *= gain;
        }
    }
}

bool WriteWav(const std::filesystem::path& path, const std::vector<double>& levels)
{
    std::vector<std::int16_t> samples(levels.size());
    std::transform(levels.begin(), levels.end(), samples.begin(), WavFile::ToSample);
    return WavFile::WriteMono16(path, RATE, samples);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SAMPLE_DIR SCHEME_FILE\n", argv[0]);
        return 2;
    }
    const std::string sampleDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(sampleDir, error);

    std::vector<std::vector<double>> notes;
    for (int entry = 0; entry < 24; ++entry) {
        notes.push_back(Pluck(LOW_A_HZ * std::pow(2.0, entry / 12.0), std::uint32_t(entry)));
    }
    MatchLoudness(notes);

    std::ofstream scheme(argv[2], std::ios::binary);
    scheme << SCHEME_NAME << "\r\n";
    for (int entry = 0; entry < 24; ++entry) {
        const int octave = 2 + (entry + 9) / 12; // octave numbers change at C
        char name[64];
        std::snprintf(name, sizeof name, "pluck-%02d-%s%d.wav", entry, NOTE_FILE_NAMES[entry % 12],
                      octave);
        if (!WriteWav(std::filesystem::path(sampleDir) / name,
                      notes[static_cast<std::size_t>(entry)])) {
            std::fprintf(stderr, "%s: cannot write %s/%s\n", argv[0], sampleDir.c_str(), name);
            return 1;
        }
        scheme << sampleDir << '/' << name << "\r\n";
    }
    for (const bool accent : {false, true}) {
        const char* name = accent ? Exercise::ACCENT_FILE : Exercise::TICK_FILE;
        if (!WriteWav(std::filesystem::path(sampleDir) / name, ClickSound::Make(accent, RATE))) {
            std::fprintf(stderr, "%s: cannot write %s/%s\n", argv[0], sampleDir.c_str(), name);
            return 1;
        }
    }
    if (!scheme) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
