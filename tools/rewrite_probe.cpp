// Rewrites the data files of the working folder over and over, for kill_rewrites.sh to kill, and
// checks afterwards that what a kill left is whole.
//
// Usage: pinto_rewrite_probe library RECORDS   writes pinto_s.dat with RECORDS numbered scales
//        pinto_rewrite_probe forget [TIMES]    forgets the first user scale TIMES times (no end)
//        pinto_rewrite_probe settings [TIMES]  saves two different settings in turn, TIMES in all
//        pinto_rewrite_probe check library     exit 0 when pinto_s.dat is whole
//        pinto_rewrite_probe check settings    exit 0 when pinto_c.dat is whole
// A whole pinto_s.dat is read to its end and holds a run of consecutive scales "S<n>", each with
// the degrees of its number; a whole pinto_c.dat holds one of the two settings saved.

#include "CFretboard.h"
#include "RecordFile.h"
#include "ScaleLibrary.h"
#include "SettingsFile.h"
#include "TextWriter.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int DEGREES = 12;

// The degrees of scale number n: the root and the bits of n.
std::array<int, DEGREES> DegreesOf(int n)
{
    std::array<int, DEGREES> degrees{};
    degrees[0] = 1;
    for (int d = 1; d < DEGREES; ++d) {
        degrees[static_cast<std::size_t>(d)] = (n >> (d - 1)) & 1;
    }
    return degrees;
}

int WriteLibrary(int records)
{
    TextWriter writer;
    for (int n = 0; n < records; ++n) {
        const std::array<int, DEGREES> degrees = DegreesOf(n);
        RecordFile::Write(writer, "S" + std::to_string(n), degrees.data(), DEGREES);
    }
    std::ofstream("pinto_s.dat", std::ios::binary) << writer.Text();
    return 0;
}

// Runs step times times, or without end for times < 0.
template <class Step> int Repeat(long times, Step step)
{
    for (long done = 0; times < 0 || done < times; ++done) {
        step(done);
    }
    return 0;
}

int Forget(long times)
{
    return Repeat(times, [](long) {
        ScaleLibrary library;
        LoadScaleLibrary(library);
        ForgetScale(library, library.presetCount + 1);
    });
}

struct Saved
{
    Settings settings;
    std::vector<int> tuning;
};

std::array<Saved, 2> TwoSettings()
{
    Saved guitar{Settings{}, {7, 0, 5, 10, 2, 7}};
    Saved bass{Settings{}, {7, 0, 5, 10}};
    bass.settings.instrument = Instrument::Bass;
    bass.settings.stringCount = 4;
    bass.settings.viewNotes = 1;
    return {guitar, bass};
}

int Save(long times)
{
    return Repeat(times, [both = TwoSettings()](long turn) {
        const Saved& saved = both[static_cast<std::size_t>(turn % 2)];
        const CFretboard board(static_cast<int>(saved.tuning.size()), saved.tuning.data());
        SaveSettings(saved.settings, board);
    });
}

bool LibraryWhole()
{
    const RecordFile::Contents contents = RecordFile::Read("pinto_s.dat", DEGREES);
    if (!contents.complete) {
        std::printf("pinto_s.dat: not read to its end\n");
        return false;
    }
    int expected = -1;
    for (const RecordFile::Record& record : contents.records) {
        const int n = std::atoi(record.name.c_str() + 1);
        const std::array<int, DEGREES> degrees = DegreesOf(n);
        if (record.name != "S" + std::to_string(n) || (expected >= 0 && n != expected) ||
            record.values != std::vector<int>(degrees.begin(), degrees.end())) {
            std::printf("pinto_s.dat: record '%s' out of place\n", record.name.c_str());
            return false;
        }
        expected = n + 1;
    }
    std::printf("pinto_s.dat: %zu records, whole\n", contents.records.size());
    return true;
}

bool SettingsWhole()
{
    Saved read;
    const int error = LoadSettings(read.settings, read.tuning);
    for (const Saved& saved : TwoSettings()) {
        if (error == 0 && read.settings == saved.settings && read.tuning == saved.tuning) {
            std::printf("pinto_c.dat: %d strings, whole\n", saved.settings.stringCount);
            return true;
        }
    }
    std::printf("pinto_c.dat: neither of the settings saved\n");
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "library" && argc > 2) {
        return WriteLibrary(std::atoi(argv[2]));
    }
    const long times = argc > 2 ? std::atol(argv[2]) : -1;
    if (what == "forget") {
        return Forget(times);
    }
    if (what == "settings") {
        return Save(times);
    }
    if (what == "check" && argc > 2) {
        const std::string file = argv[2];
        return (file == "library" ? LibraryWhole() : SettingsWhole()) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: %s library RECORDS | forget [TIMES] | settings [TIMES] | check "
                 "library|settings\n",
                 argv[0]);
    return 2;
}
