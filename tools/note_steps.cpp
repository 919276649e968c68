// Measures how cleanly one note gives way to the next in a recording of the beat probe playing
// a sound scheme. At each note boundary (two frames either side) and at the final stop (its
// last 5 ms) it takes the largest step between two consecutive frames, and the largest jump: how
// far a frame lies from the straight line through the two before it, which is what a cut adds to
// a waveform's own motion. For comparison it takes the same of the outgoing note in the 5 ms
// before each boundary. All in percent of full scale.
//
// Usage: pinto_note_steps FILE.wav BPM
// The first note starts on the first frame that is not silent (or the frame before it); the
// others follow on the player's grid of whole-millisecond periods. The stop is where the output
// falls silent for good.

#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE.wav BPM\n", argv[0]);
        return 2;
    }
    int rate = 0;
    std::vector<std::int16_t> samples;
    if (!WavFile::ReadMono16(argv[1], rate, samples)) {
        std::fprintf(stderr, "%s: not a WAV file\n", argv[1]);
        return 1;
    }
    const int bpm = std::atoi(argv[2]);
    if (bpm < 1 || bpm > 60000) {
        std::fprintf(stderr, "%s: tempo 1..60000\n", argv[0]);
        return 2;
    }
    const auto first = std::find_if(samples.begin(), samples.end(), [](auto s) { return s != 0; });
    const auto last = std::find_if(samples.rbegin(), samples.rend(), [](auto s) { return s != 0; });
    if (first == samples.end()) {
        std::fprintf(stderr, "%s: silent\n", argv[1]);
        return 1;
    }
    const std::int64_t start = first - samples.begin();
    const std::int64_t end = samples.rend() - last; // the first frame of the final silence
    const std::int64_t periodMs = 60000 / bpm;
    const std::int64_t before = rate / 200;
    const auto at = [&samples](std::int64_t i) {
        return i >= 0 && i < std::int64_t(samples.size()) ? int(samples[std::size_t(i)]) : 0;
    };
    const auto step = [&at](std::int64_t i) { return std::abs(at(i) - at(i - 1)); };
    const auto jump = [&at](std::int64_t i) {
        return std::abs(at(i) - (2 * at(i - 1) - at(i - 2)));
    };
    // The largest step and jump of frames from..to-1.
    struct Largest
    {
        int step = 0;
        int jump = 0;
    };
    const auto largest = [&](std::int64_t from, std::int64_t to) {
        Largest found;
        for (std::int64_t i = from; i < to; ++i) {
            found.step = std::max(found.step, step(i));
            found.jump = std::max(found.jump, jump(i));
        }
        return found;
    };

    std::vector<int> edgeSteps;
    std::vector<int> edgeJumps;
    Largest own;
    for (std::int64_t k = 0;; ++k) {
        const std::int64_t boundary = start + (periodMs * k * rate + 999) / 1000;
        if (boundary + 3 >= end) {
            break;
        }
        const Largest edge = largest(boundary - 2, boundary + 3);
        edgeSteps.push_back(edge.step);
        edgeJumps.push_back(edge.jump);
        if (k > 0) {
            const Largest outgoing = largest(boundary - 2 - before, boundary - 2);
            own.step = std::max(own.step, outgoing.step);
            own.jump = std::max(own.jump, outgoing.jump);
        }
    }
    if (edgeSteps.empty()) {
        std::fprintf(stderr, "%s: no note boundary\n", argv[1]);
        return 1;
    }
    const Largest stop = largest(end - before, end + 2);
    std::sort(edgeSteps.begin(), edgeSteps.end());
    std::sort(edgeJumps.begin(), edgeJumps.end());
    const auto percent = [](int value) { return 100.0 * value / 32768.0; };
    std::printf("boundaries %zu  step p50 %.2f %%  p100 %.2f %%  jump p50 %.2f %%  p100 %.2f %%  "
                "| stop: step %.2f %%  jump %.2f %%  | outgoing note's own: step %.2f %%  jump "
                "%.2f %%\n",
                edgeSteps.size(), percent(edgeSteps[edgeSteps.size() / 2]),
                percent(edgeSteps.back()), percent(edgeJumps[edgeJumps.size() / 2]),
                percent(edgeJumps.back()), percent(stop.step), percent(stop.jump),
                percent(own.step), percent(own.jump));
    return 0;
}
