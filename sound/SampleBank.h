#pragma once

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Decoded samples for the mixer: WAV files converted to mono frames at the output's rate, also
// moved by whole octaves for notes beyond a scheme's two, and numbered. A number, once given,
// keeps its frames while the bank lives, so the mixing thread reads them without a lock. The
// sound card's output and the offline renderer decode through the same bank, so both play the
// very same frames.
class SampleBank
{
public:
    /// The number of a sample that could not be decoded.
    static constexpr int NOT_DECODED = -1;
    /// The most octaves a sample is moved up or down.
    static constexpr int MAX_OCTAVES = 4;

    /// rate in frames per second of the frames the bank hands out.
    explicit SampleBank(int rate);
    SampleBank(const SampleBank&) = delete;
    SampleBank& operator=(const SampleBank&) = delete;

    /// Decodes the WAV file at path, moved by octaves (-MAX_OCTAVES..MAX_OCTAVES; 0 as recorded),
    /// once per path and octave, and answers its number; NOT_DECODED when it cannot be played.
    /// Any thread but the mixing one.
    int Decode(const std::string& path, int octaves = 0);
    /// Numbers frames made in memory under name, kept like a decoded file (the first frames given
    /// under a name stay); NOT_DECODED for no frames.
    int Add(const std::string& name, std::vector<float> frames);
    /// The frames of a sample number, or alert for NOT_DECODED and unknown numbers; any thread.
    std::span<const float> Frames(int sample, std::span<const float> alert) const;

    /// The short 880 Hz tone with soft edges that sounds in place of a sample that cannot be
    /// played, at rate frames per second.
    static std::vector<float> Alert(int rate);
    /// frames played one octave higher (half as many) or lower (twice as many), steps times
    /// (negative for lower); the pitch moves by exactly 2^steps.
    static std::vector<float> MoveOctaves(std::vector<float> frames, int steps);

private:
    int Publish(const std::pair<std::string, int>& key, std::vector<float> frames);

    static constexpr int MAX_SAMPLES = 2048;
    const int m_rate;
    std::mutex m_mutex;
    std::map<std::pair<std::string, int>, int> m_numbers;
    std::vector<std::unique_ptr<std::vector<float>>> m_samples;
    std::array<std::atomic<const std::vector<float>*>, MAX_SAMPLES> m_published{};
};
