#include "WavFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The frequency near hz of the tone in samples, from how far its phase moves between two
// windows a quarter second apart (exact to well below a cent for a steady tone).
double MeasuredHz(const std::vector<std::int16_t>& samples, int rate, double hz)
{
    const int window = rate / 10;
    const auto phase = [&](int start) {
        std::complex<double> sum;
        for (int i = 0; i < window; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / window);
            const double t = double(start + i) / rate;
            sum += samples[static_cast<std::size_t>(start + i)] * hann *
                   std::polar(1.0, -2.0 * std::numbers::pi * hz * t);
        }
        return std::arg(sum);
    };
    const int first = rate / 10; // past the pluck
    const int second = first + rate / 4;
    const double moved = std::remainder(phase(second) - phase(first), 2.0 * std::numbers::pi);
    return hz + moved / (2.0 * std::numbers::pi * double(second - first) / rate);
}

// RMS level over the first half second, in dB of full scale.
double Loudness(const std::vector<std::int16_t>& samples, int rate)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < std::size_t(rate / 2); ++i) {
        sum += double(samples[i]) * samples[i];
    }
    return 10.0 * std::log10(sum / (rate / 2) / (32768.0 * 32768.0));
}

// The built-in scheme's samples begin without a click, carry no offset from zero, are in tune
// (note k is 110 * 2^(k/12) Hz within a cent) and equally loud (within 1 dB, none clipped). The
// click's tick and accent begin and end at zero.
TEST(SynthSamplesTest, NotesStartAtZeroWithoutOffsetAndInTune)
{
    const fs::path dir = fs::temp_directory_path() / ("pinto-synth-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string command = std::string("\"") + PINTO_SYNTH + "\" \"" + (dir / "s").string() +
                                "\" \"" + (dir / "s.scheme").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir / "s")) {
        if (entry.path().filename().string().rfind("pluck-", 0) == 0) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    ASSERT_EQ(files.size(), 24u);
    double loudest = -200.0;
    double quietest = 0.0;
    for (int k = 0; k < 24; ++k) {
        const auto& file = files[static_cast<std::size_t>(k)];
        int rate = 0;
        std::vector<std::int16_t> samples;
        ASSERT_TRUE(WavFile::ReadMono16(file, rate, samples)) << file;
        ASSERT_GT(samples.size(), std::size_t(rate));

        EXPECT_EQ(samples[0], 0) << file;
        int firstStep = 0; // the biggest of the first three steps from silence
        for (std::size_t i = 1; i <= 3; ++i) {
            firstStep = std::max(firstStep, std::abs(samples[i] - samples[i - 1]));
        }
        EXPECT_LT(firstStep, 32768 / 50) << file << ": rises softly";

        double sum = 0.0;
        for (std::int16_t sample : samples) {
            sum += sample;
        }
        EXPECT_LT(std::abs(sum / double(samples.size())), 32768 / 1000.0) << file << ": offset";

        loudest = std::max(loudest, Loudness(samples, rate));
        quietest = std::min(quietest, Loudness(samples, rate));
        EXPECT_LT(*std::max_element(samples.begin(), samples.end()), 32767) << file;
        EXPECT_GT(*std::min_element(samples.begin(), samples.end()), -32767) << file;

        const double hz = 110.0 * std::pow(2.0, k / 12.0);
        const double cents = 1200.0 * std::log2(MeasuredHz(samples, rate, hz) / hz);
        EXPECT_LT(std::abs(cents), 1.0) << file;
        std::printf("%s  first step %.2f %%  offset %.4f %%  %+.3f cents\n",
                    file.filename().c_str(), 100.0 * firstStep / 32768,
                    100.0 * sum / double(samples.size()) / 32768, cents);
    }
    EXPECT_LT(loudest - quietest, 1.0);
    for (const char* click : {"click.wav", "click-accent.wav"}) {
        int rate = 0;
        std::vector<std::int16_t> samples;
        ASSERT_TRUE(WavFile::ReadMono16(dir / "s" / click, rate, samples)) << click;
        EXPECT_EQ(samples.front(), 0) << click;
        EXPECT_EQ(samples.back(), 0) << click;
        EXPECT_LT(std::abs(samples[1]), 32768 / 50) << click;
    }
    fs::remove_all(dir);
}

} // namespace
