#include "ScaleLibrary.h"
#include "CFretboard.h"
#include "StorageTestSupport.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const std::array<int, 6> guitar = {7, 0, 5, 10, 2, 7};

// The file lines of one scale record: the name, then one flag per degree 0..11.
std::vector<std::string> ScaleLines(const std::string& name, std::initializer_list<int> semitones)
{
    std::vector<std::string> lines = {name};
    for (int d = 0; d < 12; ++d) {
        lines.push_back(std::find(semitones.begin(), semitones.end(), d) != semitones.end() ? "1"
                                                                                            : "0");
    }
    return lines;
}

std::string ScaleFile(const std::vector<std::vector<std::string>>& records)
{
    std::vector<std::string> lines;
    for (const auto& record : records) {
        lines.insert(lines.end(), record.begin(), record.end());
    }
    return StorageTest::CrLf(lines);
}

std::array<int, 12> Flags(std::initializer_list<int> semitones)
{
    std::array<int, 12> flags{};
    for (int d : semitones) {
        flags[static_cast<std::size_t>(d)] = 1;
    }
    return flags;
}

struct BuiltInCase
{
    int index;
    const char* name;
    std::vector<int> semitones;
};

class ScaleLibraryBuiltIns : public StorageTest, public ::testing::WithParamInterface<BuiltInCase>
{
};

TEST_P(ScaleLibraryBuiltIns, HoldsTheTabledSemitones)
{
    ScaleLibrary library;
    LoadScaleLibrary(library);
    const ScaleRecord* record = library.Record(GetParam().index);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->name, GetParam().name);
    std::array<int, 12> expected{};
    for (int d : GetParam().semitones) {
        expected[static_cast<std::size_t>(d)] = 1;
    }
    EXPECT_EQ(record->degrees, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScaleLibraryBuiltIns,
    ::testing::Values(BuiltInCase{0, "Diminished", {0, 2, 3, 5, 6, 8, 9, 11}},
                      BuiltInCase{1, "Super Lochrian (Gypsy)", {0, 1, 4, 5, 7, 8, 10}},
                      BuiltInCase{2, "Harmonic Minor", {0, 2, 3, 5, 7, 8, 11}},
                      BuiltInCase{3, "Magic Major", {0, 2, 3, 4, 7, 8, 9}},
                      BuiltInCase{4, "Magic Minor", {0, 3, 5, 6, 7, 10, 11}},
                      BuiltInCase{5, "Major", {0, 2, 4, 5, 7, 9, 11}},
                      BuiltInCase{6, "Major Pentatonic", {0, 2, 4, 7, 9}},
                      BuiltInCase{7, "Major Triad", {0, 4, 7}},
                      BuiltInCase{8, "Minor", {0, 2, 3, 5, 7, 8, 10}},
                      BuiltInCase{9, "Minor Pentatonic", {0, 3, 5, 7, 10}},
                      BuiltInCase{10, "Minor Triad", {0, 3, 7}},
                      BuiltInCase{11, "Whole Tone", {0, 2, 4, 6, 8, 10}},
                      BuiltInCase{12, "Ionian Mode", {0, 2, 4, 5, 7, 9, 11}},
                      BuiltInCase{13, "Dorian Mode", {0, 2, 3, 5, 7, 9, 10}},
                      BuiltInCase{14, "Phrygian Mode", {0, 1, 3, 5, 7, 8, 10}},
                      BuiltInCase{15, "Lydian Mode", {0, 2, 4, 6, 7, 9, 11}},
                      BuiltInCase{16, "Mixolydian Mode", {0, 2, 4, 5, 7, 9, 10}},
                      BuiltInCase{17, "Aeolian Mode", {0, 2, 3, 5, 7, 8, 10}},
                      BuiltInCase{18, "Locrian Mode", {0, 1, 3, 5, 6, 8, 10}}),
    [](const auto& info) { return "Record" + std::to_string(info.param.index); });

struct CountCase
{
    const char* name;
    int presetRecords; // records in "_pinto_s.dat", -1 for no file
    int userRecords;   // records in "pinto_s.dat", -1 for no file
};

class ScaleLibraryCounts : public StorageTest, public ::testing::WithParamInterface<CountCase>
{
};

TEST_P(ScaleLibraryCounts, PresetsAreBuiltInsAndThePresetFile)
{
    auto file = [](const std::string& prefix, int count) {
        std::vector<std::vector<std::string>> records;
        for (int i = 0; i < count; ++i) {
            records.push_back(ScaleLines(prefix + std::to_string(i), {0, i % 12}));
        }
        return ScaleFile(records);
    };
    if (GetParam().presetRecords >= 0) {
        WriteFile("_pinto_s.dat", file("P", GetParam().presetRecords));
    }
    if (GetParam().userRecords >= 0) {
        WriteFile("pinto_s.dat", file("U", GetParam().userRecords));
    }
    ScaleLibrary library;
    LoadScaleLibrary(library);
    const int presets = 19 + std::max(0, GetParam().presetRecords);
    const int all = presets + std::max(0, GetParam().userRecords);
    EXPECT_EQ(library.presetCount, presets);
    EXPECT_EQ(library.scaleCount, all);
    EXPECT_EQ(static_cast<int>(library.records.size()), all);
    if (GetParam().presetRecords > 0) {
        EXPECT_EQ(library.Record(19)->name, "P0");
    }
    if (GetParam().userRecords > 0) {
        EXPECT_EQ(library.Record(presets)->name, "U0");
        EXPECT_EQ(library.Record(presets)->degrees, Flags({0}));
    }
    EXPECT_EQ(library.Record(all), nullptr);
    EXPECT_EQ(library.Record(-1), nullptr);
    for (int listIndex : {-1, 0, 1, 19, presets}) {
        EXPECT_EQ(ForgetScale(library, listIndex), StoreResult::Refused) << listIndex;
    }
    EXPECT_EQ(library.scaleCount, all);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScaleLibraryCounts,
    ::testing::Values(CountCase{"NoFiles", -1, -1}, CountCase{"EmptyFiles", 0, 0},
                      CountCase{"PresetFileOnly", 3, -1}, CountCase{"UserFileOnly", -1, 2},
                      CountCase{"BothFiles", 2, 3}, CountCase{"MoreThanAHundred", 90, 40}),
    [](const auto& info) { return std::string(info.param.name); });

class ScaleLibraryFiles : public StorageTest
{
};

TEST_F(ScaleLibraryFiles, AppendWritesTheMajorTriadRecordWithCrLf)
{
    CFretboard board(6, guitar.data());
    for (int d : {0, 4, 7}) {
        board.ToggleDegree(d, LAYER_SCALE);
    }
    ScaleLibrary library;
    LoadScaleLibrary(library);
    ASSERT_EQ(AppendScale(library, "Major Triad", board), StoreResult::Stored);
    EXPECT_EQ(ReadFile("pinto_s.dat"),
              "Major Triad\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(library.scaleCount, 20);
    EXPECT_EQ(library.Record(19)->degrees, library.Record(7)->degrees);
}

TEST_F(ScaleLibraryFiles, AppendWithAnOverlayStoresTheUnionRelativeToTheScaleRoot)
{
    CFretboard board(6, guitar.data());
    board.SetRoot(0, LAYER_SCALE);
    board.ToggleDegree(0, LAYER_SCALE);
    board.ToggleDegree(7, LAYER_SCALE);
    board.SetRoot(3, LAYER_OVERLAY); // C, three semitones above A
    board.ToggleDegree(0, LAYER_OVERLAY);
    board.ToggleDegree(4, LAYER_OVERLAY); // E = 7 above A, already in the scale
    ScaleLibrary library;
    ASSERT_EQ(AppendScale(library, "Union", board), StoreResult::Stored);
    EXPECT_EQ(library.records.back().degrees, Flags({0, 3, 7}));
}

TEST_F(ScaleLibraryFiles, EmptyNameStoresNothing)
{
    CFretboard board(6, guitar.data());
    ScaleLibrary library;
    LoadScaleLibrary(library);
    EXPECT_EQ(AppendScale(library, "", board), StoreResult::Ignored);
    EXPECT_EQ(AppendScale(library, "\r\nrest", board), StoreResult::Ignored);
    // A name of blanks would be skipped as white space after a record, shifting every later one.
    EXPECT_EQ(AppendScale(library, " ", board), StoreResult::Ignored);
    EXPECT_EQ(AppendScale(library, " \t ", board), StoreResult::Ignored);
    EXPECT_EQ(library.scaleCount, 19);
    EXPECT_FALSE(std::filesystem::exists("pinto_s.dat"));
}

TEST_F(ScaleLibraryFiles, NamesRoundTripLiterallyAndTwiceMeansTwoRecords)
{
    const std::string longest(99, 'n');
    CFretboard board(6, guitar.data());
    board.ToggleDegree(0, LAYER_SCALE);
    ScaleLibrary saved;
    LoadScaleLibrary(saved);
    for (const std::string& name : {std::string("50% swing %s %d"), longest, longest + "overflow",
                                    std::string("Trailing  "), std::string("Trailing  ")}) {
        ASSERT_EQ(AppendScale(saved, name, board), StoreResult::Stored);
    }
    ScaleLibrary loaded;
    LoadScaleLibrary(loaded);
    const std::vector<std::string> expected = {"50% swing %s %d", longest, longest, "Trailing  ",
                                               "Trailing  "};
    EXPECT_EQ(Names(loaded, 19), expected);
    EXPECT_EQ(Names(saved, 19), expected) << "memory must hold what the file gives back";
}

TEST_F(ScaleLibraryFiles, LeadingBlanksAreKeptOnlyInTheFirstRecordOfAFile)
{
    WriteFile("_pinto_s.dat", ScaleFile({ScaleLines("  First", {0}), ScaleLines("  Second", {0})}));
    WriteFile("pinto_s.dat",
              ScaleFile({ScaleLines(" \tMine ", {0}), ScaleLines("\r\n   Yours  ", {0})}));
    ScaleLibrary library;
    LoadScaleLibrary(library);
    EXPECT_EQ(Names(library, 19),
              (std::vector<std::string>{"  First", "Second", " \tMine ", "Yours  "}));
}

TEST_F(ScaleLibraryFiles, LfLineEndsAndALastLineWithoutLineEndAreRead)
{
    WriteFile("pinto_s.dat",
              "A\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\nB\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n1");
    ScaleLibrary library;
    LoadScaleLibrary(library);
    ASSERT_EQ(Names(library, 19), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(library.Record(20)->degrees, Flags({11}));
}

TEST_F(ScaleLibraryFiles, AppendAfterALastLineWithoutLineEndKeepsEveryRecord)
{
    WriteFile("pinto_s.dat", "A\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5");
    CFretboard board(6, guitar.data());
    ScaleLibrary library;
    LoadScaleLibrary(library);
    ASSERT_EQ(AppendScale(library, "B", board), StoreResult::Stored);
    ScaleLibrary reloaded;
    LoadScaleLibrary(reloaded);
    EXPECT_EQ(Names(reloaded, 19), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(reloaded.Record(19)->degrees[11], 5);
}

TEST_F(ScaleLibraryFiles, ForgetTheSecondOfThreeRewritesTheFileInOrder)
{
    WriteFile("_pinto_s.dat", ScaleFile({ScaleLines("Preset", {0, 1})}));
    WriteFile("pinto_s.dat", ScaleFile({ScaleLines("One", {0, 2}), ScaleLines("Two", {0, 3}),
                                        ScaleLines("Three", {0, 4})}));
    ScaleLibrary library;
    LoadScaleLibrary(library);
    ASSERT_EQ(library.presetCount, 20);
    ASSERT_EQ(ForgetScale(library, 22), StoreResult::Stored); // list index = record index + 1
    EXPECT_EQ(ReadFile("pinto_s.dat"),
              ScaleFile({ScaleLines("One", {0, 2}), ScaleLines("Three", {0, 4})}));
    EXPECT_EQ(Names(library, 20), (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(library.Record(21)->degrees, Flags({0, 4}));
    EXPECT_EQ(ReadFile("_pinto_s.dat"), ScaleFile({ScaleLines("Preset", {0, 1})}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                            std::filesystem::directory_iterator()),
              2)
        << "no temporary is left behind";
    EXPECT_EQ(ForgetScale(library, 23), StoreResult::Ignored) << "past the last record";
}

TEST_F(ScaleLibraryFiles, ForgetThatCannotWriteKeepsFileAndMemory)
{
    const std::string file = ScaleFile({ScaleLines("One", {0}), ScaleLines("Two", {0})});
    WriteFile("pinto_s.dat", file);
    ScaleLibrary library;
    LoadScaleLibrary(library);
    // A file without write permission is never replaced, not even by root.
    std::filesystem::permissions("pinto_s.dat", std::filesystem::perms::owner_read);
    EXPECT_EQ(ForgetScale(library, 20), StoreResult::Failed);
    EXPECT_EQ(ReadFile("pinto_s.dat"), file);
    EXPECT_EQ(Names(library, 19), (std::vector<std::string>{"One", "Two"}));
}

TEST_F(ScaleLibraryFiles, AppendThatCannotWriteReportsFailure)
{
    std::filesystem::create_directory("pinto_s.dat");
    CFretboard board(6, guitar.data());
    ScaleLibrary library;
    LoadScaleLibrary(library);
    EXPECT_EQ(AppendScale(library, "Lost", board), StoreResult::Failed);
    EXPECT_EQ(library.scaleCount, 19);
    EXPECT_EQ(library.records.size(), 19u);
}

} // namespace
