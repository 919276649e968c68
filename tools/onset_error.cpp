// Finds the note onsets in a 16-bit mono WAV file, fits a straight line through them (the beat
// grid, whatever the true rate of the output) and reports how far each onset lies from it.
//
// Usage: pinto_onset_error FILE.wav
// An onset is the first frame above half of full scale after at least 100 ms below 2 percent.

#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.wav\n", argv[0]);
        return 2;
    }
    int rate = 0;
    std::vector<std::int16_t> samples;
    if (!WavFile::ReadMono16(argv[1], rate, samples)) {
        std::fprintf(stderr, "%s: not a WAV file\n", argv[1]);
        return 1;
    }

    std::vector<double> onsets;
    const int quietNeeded = rate / 10;
    int quiet = quietNeeded;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const int level = std::abs(samples[i]);
        if (level > 16384 && quiet >= quietNeeded) {
            onsets.push_back(double(i));
        }
        quiet = level < 655 ? quiet + 1 : 0;
    }
    if (onsets.size() < 3) {
        std::fprintf(stderr, "%s: only %zu onsets found\n", argv[1], onsets.size());
        return 1;
    }

    // Beat numbers from the typical gap, so a missing beat does not bend the line.
    std::vector<double> gaps;
    for (std::size_t i = 1; i < onsets.size(); ++i) {
        gaps.push_back(onsets[i] - onsets[i - 1]);
    }
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    const double gap = gaps[gaps.size() / 2];
    std::vector<double> beats;
    for (double onset : onsets) {
        beats.push_back(std::round((onset - onsets.front()) / gap));
    }

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
        errors.push_back(std::abs(onsets[i] - (intercept + slope * beats[i])) * 1000.0 / rate);
    }
    std::sort(errors.begin(), errors.end());
    auto quantile = [&errors](double q) {
        return errors[std::min(errors.size() - 1, std::size_t(std::ceil(q * errors.size())) - 1)];
    };
    std::printf("onsets %zu  beats %.0f  period %.3f ms of output  |error| p50 %.3f ms  p99 %.3f "
                "ms  max %.3f ms\n",
                onsets.size(), beats.back() + 1, slope * 1000.0 / rate, quantile(0.5),
                quantile(0.99), errors.back());
    return 0;
}
