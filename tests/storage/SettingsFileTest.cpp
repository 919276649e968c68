#include "SettingsFile.h"
#include "CFretString.h"
#include "CFretboard.h"
#include "Instrument.h"
#include "StorageTestSupport.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

// Shows settings in failure messages as the seven values in file order.
void PrintTo(const Settings& s, std::ostream* out)
{
    *out << s.viewDots << s.suppressColor << s.viewDegrees << s.viewNotes << s.dotMarkers << " i"
         << InstrumentNumber(s.instrument) << " n" << s.stringCount;
}

namespace {

Settings Make(int viewDots, int suppressColor, int viewDegrees, int viewNotes, int dotMarkers,
              int instrument, int stringCount)
{
    return Settings{viewDots,   suppressColor, viewDegrees,
                    viewNotes,  dotMarkers,    static_cast<Instrument>(instrument),
                    stringCount};
}

// The five display flags at their defaults, as file lines and as settings with an instrument.
const std::string defaultFlags = "1\n0\n1\n0\n1\n";

Settings DefaultFlags(int instrument, int stringCount)
{
    return Make(1, 0, 1, 0, 1, instrument, stringCount);
}

const std::string defaultFile =
    "1\r\n0\r\n1\r\n0\r\n1\r\n1\r\n6\r\n6\r\n7\r\n0\r\n5\r\n10\r\n2\r\n7\r\n";

class SettingsFileTest : public StorageTest
{
};

TEST_F(SettingsFileTest, FirstRunUsesDefaultsAndWritesTheFourteenLineFile)
{
    Settings settings = Make(0, 1, 0, 1, 0, 4, 5);
    std::vector<int> tunings = {1, 2, 3};
    LoadSettings(settings, tunings);
    EXPECT_EQ(settings, Settings());
    EXPECT_TRUE(tunings.empty());
    const std::vector<int> tuning = ChooseTuning(settings, tunings);
    EXPECT_EQ(tuning, (std::vector<int>{7, 0, 5, 10, 2, 7}));
    CFretboard board(6, tuning.data());
    ASSERT_EQ(SaveSettings(settings, board), 0);
    EXPECT_EQ(ReadFile("pinto_c.dat"), defaultFile);
    EXPECT_FALSE(std::filesystem::exists("pinto_c.dat.tmp"));
}

TEST_F(SettingsFileTest, ARetunedBanjoSurvivesSaveAndLoad)
{
    const Settings banjo = Make(0, 1, 0, 1, 0, 4, 5);
    const std::vector<int> tuning = {11, 5, 10, 2, 5};
    CFretboard board(5, tuning.data());
    board.SetStartFret(0, 5);
    ASSERT_EQ(SaveSettings(banjo, board), 0);
    Settings settings;
    std::vector<int> tunings;
    LoadSettings(settings, tunings);
    EXPECT_EQ(settings, banjo);
    EXPECT_EQ(tunings, tuning);
    EXPECT_EQ(ChooseTuning(settings, tunings), tuning);
}

TEST_F(SettingsFileTest, SaveThatCannotReplaceTheFileKeepsTheOldOne)
{
    WriteFile("pinto_c.dat", defaultFile);
    std::filesystem::permissions("pinto_c.dat", std::filesystem::perms::owner_read);
    const std::vector<int> tuning = {7, 0, 5, 10};
    CFretboard board(4, tuning.data());
    EXPECT_EQ(SaveSettings(Make(1, 1, 1, 1, 1, 2, 4), board), EACCES);
    EXPECT_EQ(ReadFile("pinto_c.dat"), defaultFile);
}

struct LoadCase
{
    const char* name;
    std::string file;
    Settings expected;
    std::vector<int> tunings;
};

class SettingsFileLoad : public StorageTest, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(SettingsFileLoad, GivesUsableSettings)
{
    WriteFile("pinto_c.dat", GetParam().file);
    Settings settings;
    std::vector<int> tunings = {9};
    LoadSettings(settings, tunings);
    EXPECT_EQ(settings, GetParam().expected);
    EXPECT_EQ(tunings, GetParam().tunings);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFileLoad,
    ::testing::Values(
        LoadCase{"Default", defaultFile, Settings(), {7, 0, 5, 10, 2, 7}},
        LoadCase{"LfAndNoLastLineEnd",
                 "0\n1\n0\n1\n0\n3\n4\n4\n10\n5\n0\n7",
                 Make(0, 1, 0, 1, 0, 3, 4),
                 {10, 5, 0, 7}},
        LoadCase{"StopsAfterTheSettings", "1\n1\n1\n1\n1\n2\n5\n", Make(1, 1, 1, 1, 1, 2, 5), {}},
        LoadCase{"CountDiffersFromStringCount",
                 defaultFlags + "1\n7\n6\n7\n0\n5\n10\n2\n7\n",
                 DefaultFlags(1, 7),
                 {7, 0, 5, 10, 2, 7}},
        LoadCase{"EndsWithinTheSettings", "0\n1\n0\n", Make(0, 1, 0, 0, 1, 1, 6), {}},
        LoadCase{"EmptyFile", "", Settings(), {}},
        LoadCase{
            "FlagsOtherThanZeroOrOne", "2\n-1\n7\n1\n9\n1\n6\n0\n", Make(1, 0, 1, 1, 1, 1, 6), {}},
        LoadCase{"InstrumentOutOfRange", defaultFlags + "5\n6\n0\n", Settings(), {}},
        LoadCase{"InstrumentZero", defaultFlags + "0\n4\n0\n", Settings(), {}},
        LoadCase{
            "StringCountTheInstrumentLacks", defaultFlags + "3\n6\n0\n", DefaultFlags(3, 4), {}},
        LoadCase{"StringCountOfBanjoTooLarge", defaultFlags + "4\n9\n0\n", DefaultFlags(4, 5), {}},
        LoadCase{"NotANumber", "1\n0\nyes\n0\n0\n2\n4\n4\n7\n0\n5\n10\n", DefaultFlags(1, 6), {}},
        LoadCase{"TuningValueOutOfRange",
                 defaultFlags + "2\n4\n4\n7\n0\n12\n10\n",
                 DefaultFlags(2, 4),
                 {}},
        LoadCase{"NegativeTuningValue",
                 defaultFlags + "2\n4\n4\n7\n-1\n5\n10\n",
                 DefaultFlags(2, 4),
                 {}},
        LoadCase{"TuningListCutShort", defaultFlags + "2\n4\n4\n7\n0\n", DefaultFlags(2, 4), {}},
        LoadCase{"MoreThanNineTuningValues",
                 defaultFlags + "1\n6\n12\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n",
                 Settings(),
                 {}},
        LoadCase{"NegativeCount", defaultFlags + "1\n6\n-3\n", Settings(), {}},
        LoadCase{"HugeNumber", defaultFlags + "1\n99999999999\n", Settings(), {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TuningCase
{
    const char* name;
    Settings settings;
    std::vector<int> list;
    std::vector<int> expected;
};

class ChooseTuningTest : public ::testing::TestWithParam<TuningCase>
{
};

TEST_P(ChooseTuningTest, UsesTheListOnlyWhenItFitsTheStringCount)
{
    EXPECT_EQ(ChooseTuning(GetParam().settings, GetParam().list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ChooseTuningTest,
    ::testing::Values(
        TuningCase{"Fits", DefaultFlags(1, 6), {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},
        TuningCase{"Empty", DefaultFlags(1, 6), {}, {7, 0, 5, 10, 2, 7}},
        TuningCase{"SixValuesForSevenStrings",
                   DefaultFlags(1, 7),
                   {1, 2, 3, 4, 5, 6},
                   {2, 7, 0, 5, 10, 2, 7}},
        TuningCase{"FiveStringBassStartsInE", DefaultFlags(2, 5), {0}, {7, 0, 5, 10, 2}},
        TuningCase{"SixStringBassStartsInE", DefaultFlags(2, 6), {}, {7, 0, 5, 10, 2, 7}},
        TuningCase{"Mandolin", DefaultFlags(3, 4), {}, {10, 5, 0, 7}},
        TuningCase{"FourStringBanjo", DefaultFlags(4, 4), {}, {10, 5, 10, 2}},
        TuningCase{"FiveStringBanjo", DefaultFlags(4, 5), {}, {10, 5, 10, 2, 5}},
        TuningCase{"ValueOutOfRange", DefaultFlags(2, 4), {7, 0, 5, 12}, {7, 0, 5, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstrumentTunings, StandardDiffersFromStartupOnlyForFiveAndSixStringBass)
{
    for (int instrument = 0; instrument <= 5; ++instrument) {
        const auto kind = static_cast<Instrument>(instrument);
        for (int strings = 0; strings <= 11; ++strings) {
            const std::vector<int> startup = StartupTuning(kind, strings);
            const std::vector<int> standard = StandardTuning(kind, strings);
            EXPECT_EQ(IsAllowedStringCount(kind, strings), !startup.empty());
            EXPECT_EQ(startup.size(), standard.size());
            EXPECT_TRUE(startup.empty() || static_cast<int>(startup.size()) == strings);
            if (instrument == 2 && (strings == 5 || strings == 6)) {
                EXPECT_NE(startup, standard);
            } else {
                EXPECT_EQ(startup, standard) << instrument << " " << strings;
            }
        }
    }
    EXPECT_EQ(StandardTuning(Instrument::Bass, 5), (std::vector<int>{2, 7, 0, 5, 10}));
    EXPECT_EQ(StandardTuning(Instrument::Bass, 6), (std::vector<int>{2, 7, 0, 5, 10, 3}));
    for (Instrument instrument :
         {Instrument::Guitar, Instrument::Bass, Instrument::Mandolin, Instrument::Banjo}) {
        EXPECT_TRUE(IsAllowedStringCount(instrument, DefaultStringCount(instrument)));
    }
}

} // namespace
