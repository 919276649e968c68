#include "SoundMixer.h"
#include "ISoundOutput.h"
#include "ScalePlayer.h"
#include "SoundSchemeTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int RATE = 44100;

// The frame a beat delayMs * k after frame 0 falls on: the first frame at or after that moment.
std::int64_t GridFrame(std::int64_t delayMs, std::int64_t k)
{
    return (delayMs * k * RATE + 999) / 1000;
}

// Renders frames in buffers of the given size, as a sound card's callback would ask for them,
// appending to out.
void RenderInBuffers(SoundMixer& mixer, std::vector<float>& out, int frames, int buffer)
{
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(frames));
    for (int done = 0; done < frames;) {
        const int count = std::min(buffer, frames - done);
        mixer.Render(out.data() + start + done, count);
        done += count;
    }
}

// Frames where a note begins: a non-zero level after silence.
std::vector<std::int64_t> Onsets(const std::vector<float>& out)
{
    std::vector<std::int64_t> onsets;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != 0.0f && (i == 0 || out[i - 1] == 0.0f)) {
            onsets.push_back(static_cast<std::int64_t>(i));
        }
    }
    return onsets;
}

// The output the program sees, on a mixer that the test renders by hand. Every path decodes to
// a two-frame click whose first level tells the path apart: (number + 1) / 64.
class MixerOutput : public ISoundOutput
{
public:
    explicit MixerOutput(SoundMixer& mixer) : m_mixer(mixer) {}

    /// The preload number of the note that begins with level, or NOT_DECODED for the alert.
    static int NumberOf(float level) { return static_cast<int>(std::lround(level * 64)) - 1; }

    bool PlaySampleOnce(const std::string& path) override { return PlayPreloaded(Preload(path)); }
    bool PlaySampleLooped(const std::string& path) override
    {
        return m_mixer.Play(Frames(Preload(path)), true);
    }
    bool StopSound() override { return m_mixer.Stop(); }
    int Preload(const std::string& path) override
    {
        auto [place, added] = m_numbers.emplace(path, static_cast<int>(m_numbers.size()));
        if (added) {
            const float level = static_cast<float>(place->second + 1) / 64;
            m_samples.emplace(place->second, std::vector<float>{level, level / 2});
        }
        return place->second;
    }
    bool PlayPreloaded(int sample) override { return m_mixer.Play(Frames(sample), false); }
    bool PlayClick(int sample, float level) override
    {
        return m_mixer.PlayClick(Frames(sample), level);
    }
    bool ScheduleBeat(int delayMs, IBeatListener& listener) override
    {
        return m_mixer.ScheduleBeat(delayMs, listener);
    }
    bool RetimeBeat(int delayMs) override { return m_mixer.RetimeBeat(delayMs); }
    void CancelBeats() override { m_mixer.CancelBeats(); }

private:
    std::span<const float> Frames(int sample) const
    {
        const auto found = m_samples.find(sample);
        return found != m_samples.end() ? std::span<const float>(found->second) : m_alert;
    }

    SoundMixer& m_mixer;
    std::map<std::string, int> m_numbers;
    std::map<int, std::vector<float>> m_samples;
    std::vector<float> m_alert{-1.0f, -0.5f};
};

// Plays a note and schedules the next beat, delayMs later, on every beat.
class Metronome : public IBeatListener
{
public:
    Metronome(SoundMixer& mixer, int delayMs) : m_mixer(mixer), delayMs(delayMs) {}
    void OnBeat() override
    {
        m_mixer.Play(m_click, false);
        m_mixer.ScheduleBeat(delayMs, *this);
    }

private:
    SoundMixer& m_mixer;
    std::vector<float> m_click{1.0f, 0.5f};

public:
    int delayMs;
};

// The scale player's notes land on the exact frames of its grid, whatever the buffer size and
// wherever a buffer ends.
class PlayerOnMixerTest : public ::testing::TestWithParam<std::tuple<int, int>>
{
};

TEST_P(PlayerOnMixerTest, NotesStartOnTheirExactFrames)
{
    const auto [buffer, bpm] = GetParam();
    SoundMixer mixer(RATE, true);
    MixerOutput output(mixer);
    SoundSchemeTable schemes;
    for (int entry = 0; entry < 24; ++entry) {
        schemes.schemeSlots[1][entry] = "e" + std::to_string(entry);
    }
    PlayerState state;
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        state.inRun[degree] = true;
    }
    state.direction = PlayDirection::Up;
    state.loop = true;
    ScalePlayer player(state, output, schemes, [] { return 3; });
    ASSERT_EQ(player.Start(1, bpm), ScalePlayer::StartResult::Started);

    const int period = ScalePlayer::PeriodMs(bpm);
    std::vector<float> out;
    RenderInBuffers(mixer, out, static_cast<int>(GridFrame(period, 20)) + 1, buffer);
    const std::vector<std::int64_t> onsets = Onsets(out);
    ASSERT_EQ(onsets.size(), 20u);
    const int expected[] = {3, 5, 7, 8, 10, 12, 14, 15};
    for (std::size_t k = 0; k < onsets.size(); ++k) {
        EXPECT_EQ(onsets[k], GridFrame(period, static_cast<std::int64_t>(k) + 1)) << "note " << k;
        const int number = MixerOutput::NumberOf(out[static_cast<std::size_t>(onsets[k])]);
        EXPECT_EQ(number, expected[k % 8]) << "note " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(BuffersAndTempos, PlayerOnMixerTest,
                         ::testing::Combine(::testing::Values(1, 64, 441, 512, 2048),
                                            ::testing::Values(70, 120, 300, 20000)));

TEST(SoundMixerTest, NaiveModeStartsEachBeatAtTheNextBuffer)
{
    SoundMixer mixer(RATE, false);
    Metronome beat(mixer, 500);
    mixer.ScheduleBeat(500, beat);
    std::vector<float> out;
    RenderInBuffers(mixer, out, 3 * 22050 + 1024, 512);
    // 22050, 44100 and 66150 fall inside buffers; each note waits for the next one.
    EXPECT_EQ(Onsets(out), (std::vector<std::int64_t>{22528, 44544, 66560}));
}

struct RetimeRow
{
    const char* name;
    int retimeAtMs;                     // rendered before the change, rounded up to a buffer
    int newDelayMs;                     // the new period
    std::vector<std::int64_t> expected; // the first onsets
};

class SoundMixerRetimeTest : public ::testing::TestWithParam<RetimeRow>
{
};

// A beat pending 500 ms after frame 0 is moved: one new period after frame 0, or at the start
// of the next buffer when that moment has passed; the chain then keeps the new period.
TEST_P(SoundMixerRetimeTest, RetimeMovesThePendingBeat)
{
    const RetimeRow& row = GetParam();
    SoundMixer mixer(RATE, true);
    Metronome beat(mixer, 500);
    ASSERT_TRUE(mixer.ScheduleBeat(500, beat));
    std::vector<float> out;
    const int before = (row.retimeAtMs * RATE / 1000 + 511) / 512 * 512;
    RenderInBuffers(mixer, out, before, 512);
    beat.delayMs = row.newDelayMs;
    mixer.RetimeBeat(row.newDelayMs);
    RenderInBuffers(mixer, out, 2 * RATE, 512);
    std::vector<std::int64_t> onsets = Onsets(out);
    onsets.resize(std::min(onsets.size(), row.expected.size()));
    EXPECT_EQ(onsets, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SoundMixerRetimeTest,
    ::testing::Values(RetimeRow{"Later", 100, 800, {35280, 70560}},
                      RetimeRow{"EarlierStillAhead", 100, 200, {8820, 17640}},
                      RetimeRow{"PassedPlaysAtOnce", 300, 100, {13312, 13312 + 4410}},
                      RetimeRow{"BelowOneMillisecondIgnored", 100, 0, {22050}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundMixerTest, CancelDropsThePendingBeat)
{
    SoundMixer mixer(RATE, true);
    Metronome beat(mixer, 10);
    mixer.ScheduleBeat(10, beat);
    std::vector<float> out;
    RenderInBuffers(mixer, out, 2048, 512); // several beats
    EXPECT_EQ(Onsets(out).size(), 4u);
    mixer.CancelBeats();
    RenderInBuffers(mixer, out, 4096, 512);
    // The fifth beat fired a fade ahead of its frame 2205, before the cancel: its note sounds,
    // and no beat after it.
    EXPECT_EQ(Onsets(out), (std::vector<std::int64_t>{441, 882, 1323, 1764, 2205}));
    EXPECT_EQ(mixer.NextBeatFrame(), -1);
}

// A sound card that stops asking for frames leaves requests unread: once the queue is full each
// kind of request says so and changes nothing, and the next buffer takes requests again.
TEST(SoundMixerTest, AFullQueueRefusesEveryRequest)
{
    SoundMixer mixer(RATE, true);
    Metronome beat(mixer, 10);
    const std::vector<float> note{0.5f, 0.25f};
    int taken = 0;
    while (mixer.Stop()) {
        ++taken;
    }
    EXPECT_EQ(taken, 64);
    EXPECT_FALSE(mixer.Play(note, false));
    EXPECT_FALSE(mixer.ScheduleBeat(10, beat));
    EXPECT_FALSE(mixer.RetimeBeat(20));
    std::vector<float> out;
    RenderInBuffers(mixer, out, 512, 512);
    EXPECT_EQ(mixer.NextBeatFrame(), -1);
    EXPECT_TRUE(Onsets(out).empty());
    EXPECT_TRUE(mixer.ScheduleBeat(10, beat));
    EXPECT_TRUE(mixer.Play(note, false));
}

enum class Edge
{
    StopRequest,
    PlayRequest,
    PlayInBeat
};

struct EdgeRow
{
    const char* name;
    Edge edge;
    float next;      // the level after the edge: of the new note, or silence
    std::int64_t at; // the frame of the edge
};

class SoundMixerFadeTest : public ::testing::TestWithParam<EdgeRow>
{
};

// A stopped or replaced note fades out over about 5 ms, with no step between two frames bigger
// than 2 % of full scale, while a new note starts on its exact frame.
TEST_P(SoundMixerFadeTest, EdgesFadeTheOldNote)
{
    const EdgeRow& row = GetParam();
    SoundMixer mixer(RATE, true);
    const std::vector<float> held(RATE, 0.5f);
    const std::vector<float> next(RATE, row.next);
    class PlayNext : public IBeatListener
    {
    public:
        PlayNext(SoundMixer& mixer, const std::vector<float>& next) : m_mixer(mixer), m_next(next)
        {
        }
        void OnBeat() override { m_mixer.Play(m_next, false); }

    private:
        SoundMixer& m_mixer;
        const std::vector<float>& m_next;
    } playNext(mixer, next);

    mixer.Play(held, false);
    std::vector<float> out;
    if (row.edge == Edge::PlayInBeat) {
        mixer.ScheduleBeat(10, playNext);
    }
    RenderInBuffers(mixer, out, 512, 512);
    if (row.edge == Edge::StopRequest) {
        mixer.Stop();
    } else if (row.edge == Edge::PlayRequest) {
        mixer.Play(next, false);
    }
    RenderInBuffers(mixer, out, 1024, 512);

    const auto at = static_cast<std::size_t>(row.at);
    const std::size_t fade = static_cast<std::size_t>(mixer.FadeFrames());
    EXPECT_GE(fade, std::size_t(RATE * 4 / 1000));
    EXPECT_LE(fade, std::size_t(RATE * 6 / 1000));
    // A request fades the old note from the edge on, under the new one; a beat fires a fade
    // ahead of its frame, so the old note is gone by the frame the new one begins on.
    const std::size_t from = row.edge == Edge::PlayInBeat ? at - fade : at;
    EXPECT_EQ(out[from - 1], 0.5f) << "the old note sounds whole up to the fade";
    float previous = 0.5f;
    for (std::size_t i = from; i < from + fade; ++i) {
        const float old = out[i] - (i >= at ? row.next : 0.0f); // what is left of the old note
        EXPECT_LE(old, previous) << "frame " << i;
        EXPECT_LT(previous - old, 0.02f) << "frame " << i;
        EXPECT_GT(old, 0.0f) << "frame " << i;
        previous = old;
    }
    EXPECT_LT(previous, 0.02f);
    EXPECT_EQ(out[from + fade], row.next) << "the fade is over";
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SoundMixerFadeTest,
    ::testing::Values(EdgeRow{"Stop", Edge::StopRequest, 0.0f, 512},
                      EdgeRow{"ReplaceFromTheDialog", Edge::PlayRequest, -0.25f, 512},
                      EdgeRow{"ReplaceOnABeat", Edge::PlayInBeat, -0.25f, 441}),
    [](const auto& info) { return std::string(info.param.name); });

// Notes faster than the fade: every replaced note still fades out, and the output never jumps
// by more than the notes themselves do.
TEST(SoundMixerTest, QuickReplacementsOverlapTheirFades)
{
    SoundMixer mixer(RATE, true);
    const std::vector<float> held(RATE, 0.5f);
    class Replace : public IBeatListener
    {
    public:
        Replace(SoundMixer& mixer, const std::vector<float>& held) : m_mixer(mixer), m_held(held) {}
        void OnBeat() override
        {
            m_mixer.Play(m_held, false);
            m_mixer.ScheduleBeat(1, *this);
        }

    private:
        SoundMixer& m_mixer;
        const std::vector<float>& m_held;
    } replace(mixer, held);
    mixer.Play(held, false);
    mixer.ScheduleBeat(1, replace);
    std::vector<float> out;
    RenderInBuffers(mixer, out, 4096, 64);
    // Each edge adds a whole new note of 0.5 while every older one fades on: the level rises by
    // almost 0.5 on a beat's frame and falls only gently elsewhere.
    for (std::size_t i = 1; i < out.size(); ++i) {
        const bool beat = static_cast<std::int64_t>(i) == GridFrame(1, i * 1000 / RATE);
        const float rise = out[i] - out[i - 1];
        if (beat) {
            EXPECT_GT(rise, 0.48f) << "frame " << i;
        } else {
            EXPECT_GT(rise, -0.02f) << "frame " << i;
        }
    }
}

} // namespace
