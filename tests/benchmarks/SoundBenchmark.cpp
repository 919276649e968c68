#include "SoundMixer.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int RATE = 44100;

// A beat as the scale player's: replaces the note and schedules the next one.
class Beat : public IBeatListener
{
public:
    Beat(SoundMixer& mixer, const std::vector<float>& note, int periodMs)
        : m_mixer(mixer), m_note(note), m_periodMs(periodMs)
    {
    }
    void OnBeat() override
    {
        m_mixer.Play(m_note, false);
        m_mixer.ScheduleBeat(m_periodMs, *this);
    }

private:
    SoundMixer& m_mixer;
    const std::vector<float>& m_note;
    int m_periodMs;
};

// One callback's work: mixing a buffer of the given frames with a note sounding, earlier notes
// fading and beats every period (2 ms is 30000 BPM). The time per buffer stays far below the
// buffer's own length (1.45 ms for 64 frames, 11.6 ms for 512).
void BM_RenderBuffer(benchmark::State& state)
{
    const int frames = static_cast<int>(state.range(0));
    const int periodMs = static_cast<int>(state.range(1));
    SoundMixer mixer(RATE, true);
    const std::vector<float> note(2 * RATE, 0.25f);
    Beat beat(mixer, note, periodMs);
    mixer.ScheduleBeat(periodMs, beat);
    std::vector<float> out(static_cast<std::size_t>(frames));
    for (auto _ : state) {
        mixer.Render(out.data(), frames);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["buffer_ms"] = 1000.0 * frames / RATE;
}
BENCHMARK(BM_RenderBuffer)->ArgsProduct({{64, 512, 2048}, {2, 500}});

} // namespace

BENCHMARK_MAIN();
