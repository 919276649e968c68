// Finds the note onsets in a recording of the beat probe's clicks, numbers them on the beat
// grid of the given tempo, counts dropped and doubled notes, fits a straight line through the
// onsets (the even grid, whatever the true rate of the output) and reports how far each onset
// lies from it.
//
// Usage: pinto_onset_error FILE BPM
// FILE is a 16-bit mono WAV file, or a .raw file of 32-bit float mono frames at 44100 Hz as
// SDL's disk driver writes it. An onset is the first frame above half of full scale after a
// stretch below a quarter of 5 ms or a quarter period, whichever is shorter; the click decays
// below a quarter within 11 ms, so a second note 16 ms or more after another counts apart.

#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

bool ReadLevels(const std::string& file, int& rate, std::vector<double>& levels)
{
    if (file.size() > 4 && file.substr(file.size() - 4) == ".raw") {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        rate = 44100;
        levels.resize(bytes.size() / sizeof(float));
        for (std::size_t i = 0; i < levels.size(); ++i) {
            float value = 0;
            std::copy_n(&bytes[i * sizeof(float)], sizeof(float), reinterpret_cast<char*>(&value));
            levels[i] = value;
        }
        return true;
    }
    std::vector<std::int16_t> samples;
    if (!WavFile::ReadMono16(file, rate, samples)) {
        return false;
    }
    levels.resize(samples.size());
    std::transform(samples.begin(), samples.end(), levels.begin(),
                   [](std::int16_t s) { return s / 32768.0; });
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE BPM\n", argv[0]);
        return 2;
    }
    int rate = 0;
    std::vector<double> levels;
    if (!ReadLevels(argv[1], rate, levels)) {
        std::fprintf(stderr, "%s: not a WAV file\n", argv[1]);
        return 1;
    }
    const int bpm = std::atoi(argv[2]);
    if (bpm < 1 || bpm > 60000) {
        std::fprintf(stderr, "%s: tempo 1..60000\n", argv[0]);
        return 2;
    }
    // The player's period: whole milliseconds.
    const double period = double(60000 / bpm) * rate / 1000.0;

    std::vector<double> onsets;
    const int quietNeeded = std::max(1, std::min(rate / 200, int(period / 4)));
    int quiet = quietNeeded;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const double level = std::abs(levels[i]);
        if (level > 0.5 && quiet >= quietNeeded) {
            onsets.push_back(double(i));
        }
        quiet = level < 0.25 ? quiet + 1 : 0;
    }
    if (onsets.size() < 3) {
        std::fprintf(stderr, "%s: only %zu onsets found\n", argv[1], onsets.size());
        return 1;
    }

    std::vector<double> beats;
    std::set<long> distinct;
    for (double onset : onsets) {
        beats.push_back(std::round((onset - onsets.front()) / period));
        distinct.insert(long(beats.back()));
    }
    const long expected = long(beats.back()) + 1;
    const long dropped = expected - long(distinct.size());
    const long doubled = long(onsets.size()) - long(distinct.size());

    double mx = 0, my = 0;
    for (std::size_t i = 0; i < onsets.size(); ++i) {
        mx += beats[i];
        my += onsets[i];
    }
    mx /= onsets.size();
    my /= onsets.size();
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < onsets.size(); ++i) {
        sxy += (beats[i] - mx) * (onsets[i] - my);
        sxx += (beats[i] - mx) * (beats[i] - mx);
    }
    const double slope = sxy / sxx;
    const double intercept = my - slope * mx;

    std::vector<double> errors;
    for (std::size_t i = 0; i < onsets.size(); ++i) {
        errors.push_back(std::abs(onsets[i] - (intercept + slope * beats[i])));
    }
    std::sort(errors.begin(), errors.end());
    auto quantile = [&errors](double q) {
        return errors[std::min(errors.size() - 1, std::size_t(std::ceil(q * errors.size())) - 1)];
    };
    const double ms = 1000.0 / rate;
    std::printf("onsets %zu  beats %ld  dropped %ld  doubled %ld  period %.3f ms  |error| p50 "
                "%.3f ms  p99 %.3f ms  p100 %.3f ms (%.2f frames)\n",
                onsets.size(), expected, dropped, doubled, slope * ms, quantile(0.5) * ms,
                quantile(0.99) * ms, errors.back() * ms, errors.back());
    return 0;
}
