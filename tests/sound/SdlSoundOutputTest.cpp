#include "SdlSoundOutput.h"
#include "ProcessSound.h"
#include "WavFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::int16_t> ReadTap(const fs::path& path)
{
    int rate = 0;
    std::vector<std::int16_t> samples;
    EXPECT_TRUE(WavFile::ReadMono16(path, rate, samples)) << path;
    return samples;
}

// Polls a condition; the bound only keeps a broken build from hanging.
bool WaitFor(const std::function<bool()>& condition)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// A beat that runs a function.
class CallOnBeat : public IBeatListener
{
public:
    explicit CallOnBeat(std::function<void()> call) : m_call(std::move(call)) {}
    void OnBeat() override { m_call(); }

private:
    std::function<void()> m_call;
};

class SdlSoundOutputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("pinto-sound-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        // Constant levels tell the samples apart in the output.
        WavFile::WriteMono16(dir / "high.wav", 44100, std::vector<std::int16_t>(44100, 8000));
        WavFile::WriteMono16(dir / "low.wav", 44100, std::vector<std::int16_t>(44100, -16000));
        WavFile::WriteMono16(dir / "short.wav", 44100, std::vector<std::int16_t>(300, 4000));
        std::ofstream(dir / "bad.wav") << "not a wave file";
        options.tapPath = (dir / "tap.wav").string();
        options.tapSeconds = 30;
    }
    void TearDown() override { fs::remove_all(dir); }

    // Lets the callback produce the given number of further buffers.
    void Wait(SdlSoundOutput& output, int buffers)
    {
        const std::int64_t until = output.FramesRendered() + buffers * options.bufferFrames;
        ASSERT_TRUE(WaitFor([&] { return output.FramesRendered() >= until; }));
    }

    std::string Path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    SdlSoundOutput::Options options;
};

int Count(const std::vector<std::int16_t>& tap, std::int16_t level)
{
    return static_cast<int>(std::count(tap.begin(), tap.end(), level));
}

TEST_F(SdlSoundOutputTest, NewSoundReplacesTheOnePlaying)
{
    {
        SdlSoundOutput output(options);
        ASSERT_TRUE(output.HasDevice());
        output.PlaySampleOnce(Path("high.wav"));
        Wait(output, 6);
        output.PlaySampleOnce(Path("low.wav"));
        Wait(output, 6);
    }
    const auto tap = ReadTap(options.tapPath);
    const auto firstLow = std::find(tap.begin(), tap.end(), -16000);
    ASSERT_NE(firstLow, tap.end());
    EXPECT_GT(Count(tap, 8000), options.bufferFrames);
    EXPECT_EQ(std::count(firstLow, tap.end(), 8000), 0) << "the first sample stopped";
    EXPECT_EQ(std::count(firstLow, tap.end(), 0), 0) << "the second one still plays";
}

TEST_F(SdlSoundOutputTest, LoopRepeatsUntilStopped)
{
    {
        SdlSoundOutput output(options);
        output.PlaySampleLooped(Path("short.wav"));
        Wait(output, 8);
        output.StopSound();
        Wait(output, 6);
        output.StopSound(); // with nothing playing
        Wait(output, 2);
    }
    const auto tap = ReadTap(options.tapPath);
    EXPECT_GE(Count(tap, 4000), 6 * options.bufferFrames) << "many more than its 300 frames";
    ASSERT_GE(tap.size(), std::size_t(4 * options.bufferFrames));
    EXPECT_TRUE(std::all_of(tap.end() - 4 * options.bufferFrames, tap.end(),
                            [](std::int16_t s) { return s == 0; }));
}

TEST_F(SdlSoundOutputTest, OnceStopsAtTheEndOfTheSample)
{
    {
        SdlSoundOutput output(options);
        output.PlaySampleOnce(Path("short.wav"));
        Wait(output, 8);
    }
    EXPECT_EQ(Count(ReadTap(options.tapPath), 4000), 300);
}

TEST_F(SdlSoundOutputTest, UnplayablePathSoundsTheAlertOnce)
{
    // A FIFO is never waited on, though no one ever writes to it.
    ASSERT_EQ(::mkfifo(Path("fifo.wav").c_str(), 0666), 0);
    for (const char* name : {"missing.wav", "bad.wav", "fifo.wav"}) {
        {
            SdlSoundOutput output(options);
            output.PlaySampleLooped(Path(name));
            Wait(output, 40);
        }
        const auto tap = ReadTap(options.tapPath);
        const auto loud = std::count_if(tap.begin(), tap.end(),
                                        [](std::int16_t s) { return std::abs(s) > 1000; });
        EXPECT_GT(loud, 44100 / 20) << name;
        EXPECT_LT(loud, 44100 / 5) << name << ": the alert does not loop";
    }
}

TEST_F(SdlSoundOutputTest, BeatRunsOnceOnAnotherThread)
{
    SdlSoundOutput output(options);
    std::atomic<int> calls{0};
    std::promise<std::thread::id> ran;
    CallOnBeat nothing([] {});
    EXPECT_FALSE(output.ScheduleBeat(0, nothing));
    EXPECT_FALSE(output.ScheduleBeat(-5, nothing));
    CallOnBeat beat([&] {
        if (calls++ == 0) {
            ran.set_value(std::this_thread::get_id());
        }
    });
    ASSERT_TRUE(output.ScheduleBeat(5, beat));
    auto done = ran.get_future();
    ASSERT_EQ(done.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_NE(done.get(), std::this_thread::get_id());
    Wait(output, 4);
    EXPECT_EQ(calls, 1);
}

TEST_F(SdlSoundOutputTest, CancelDropsPendingBeats)
{
    SdlSoundOutput output(options);
    std::atomic<int> calls{0};
    CallOnBeat beat([&] { ++calls; });
    output.ScheduleBeat(50, beat);
    output.CancelBeats();
    Wait(output, 10);
    EXPECT_EQ(calls, 0);
}

TEST_F(SdlSoundOutputTest, WithoutADeviceEverythingReturnsAtOnce)
{
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SdlSoundOutput output(options);
        EXPECT_FALSE(output.HasDevice());
        output.PlaySampleOnce(Path("high.wav"));
        output.PlaySampleLooped(Path("high.wav"));
        output.StopSound();
        std::promise<void> ran;
        CallOnBeat beat([&] { ran.set_value(); });
        ASSERT_TRUE(output.ScheduleBeat(1, beat));
        EXPECT_EQ(ran.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
    }
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_FALSE(fs::exists(options.tapPath));
}

// What the program does as it quits: a pending beat never runs, closing twice is harmless, and a
// later sound command opens the output again.
TEST(ProcessSoundTest, CloseEndsPendingBeatsAndMayRepeat)
{
    std::atomic<bool> ran{false};
    CallOnBeat beat([&ran] { ran = true; });
    ASSERT_TRUE(ProcessSoundOutput().ScheduleBeat(60000, beat));
    CloseProcessSoundOutput();
    CloseProcessSoundOutput();
    EXPECT_FALSE(ran);
    ProcessSoundOutput().StopSound();
    CloseProcessSoundOutput();
}

} // namespace
