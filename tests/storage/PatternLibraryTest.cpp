#include "PatternLibrary.h"
#include "StorageTestSupport.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Cells = std::array<std::array<int, 7>, 13>;

Cells Marked(std::initializer_list<std::pair<int, int>> fretRow, int value = 1)
{
    Cells cells{};
    for (const auto& [fret, row] : fretRow) {
        cells[static_cast<std::size_t>(fret)][static_cast<std::size_t>(row)] = value;
    }
    return cells;
}

// The 92 lines of one record, values in fret-major order.
std::string PatternText(const std::string& name, const Cells& cells)
{
    std::vector<std::string> lines = {name};
    for (const auto& fret : cells) {
        for (int value : fret) {
            lines.push_back(std::to_string(value));
        }
    }
    return StorageTest::CrLf(lines);
}

class PatternLibraryFiles : public StorageTest
{
};

TEST_F(PatternLibraryFiles, BuiltInsAreTheOnlyPresetsWithoutFiles)
{
    PatternLibrary library;
    LoadPatterns(library);
    ASSERT_EQ(library.patternCount, 2);
    EXPECT_EQ(library.presetCount, 2);
    EXPECT_EQ(library.Record(0)->name, "Minor Pentatonic");
    // The open-position box: rows 0, 1 and 5 at frets 0 and 3, rows 2, 3 and 4 at frets 0 and 2.
    const std::array<int, 6> secondFret = {3, 3, 2, 2, 2, 3};
    Cells box{};
    for (std::size_t row = 0; row < secondFret.size(); ++row) {
        box[0][row] = 1;
        box[static_cast<std::size_t>(secondFret[row])][row] = 1;
    }
    EXPECT_EQ(library.Record(0)->cells, box);
    EXPECT_EQ(library.Record(1)->name, "Castles Made of Sand");
    EXPECT_EQ(library.Record(2), nullptr);
}

TEST_F(PatternLibraryFiles, CastlesMadeOfSandHasOneOnValueLines1And14And17)
{
    PatternLibrary library;
    LoadPatterns(library);
    ASSERT_EQ(AppendPattern(library, "Castles Made of Sand", library.Record(1)->cells),
              StoreResult::Stored);
    const std::string text = ReadFile("pinto_p.dat");
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 92u);
    EXPECT_EQ(lines[0], "Castles Made of Sand");
    for (int n = 0; n < 91; ++n) {
        const bool one = n == 1 || n == 14 || n == 17;
        EXPECT_EQ(lines[static_cast<std::size_t>(n + 1)], one ? "1" : "0") << "value line " << n;
    }
    EXPECT_EQ(library.patternCount, 3);
}

TEST_F(PatternLibraryFiles, PresetFileRecordsFollowTheBuiltInsAndCannotBeForgotten)
{
    WriteFile("_pinto_p.dat", PatternText("P1", Marked({{1, 1}})) +
                                  PatternText("P2", Marked({{2, 2}})) +
                                  PatternText("P3", Marked({{3, 3}})));
    WriteFile("pinto_p.dat", PatternText("U1", Marked({{4, 4}})));
    PatternLibrary library;
    LoadPatterns(library);
    EXPECT_EQ(library.presetCount, 5);
    EXPECT_EQ(Names(library, 2), (std::vector<std::string>{"P1", "P2", "P3", "U1"}));
    EXPECT_EQ(library.Record(4)->cells, Marked({{3, 3}}));
    for (int listIndex : {-1, 0, 1, 2, 3, 4, 5}) {
        EXPECT_EQ(ForgetPattern(library, listIndex), StoreResult::Refused) << listIndex;
    }
    EXPECT_EQ(library.patternCount, 6);
}

TEST_F(PatternLibraryFiles, ForgettingTheOnlyUserPatternLeavesAnEmptyFile)
{
    PatternLibrary library;
    LoadPatterns(library);
    ASSERT_EQ(AppendPattern(library, "Lick", Marked({{5, 0}, {5, 6}})), StoreResult::Stored);
    EXPECT_EQ(library.Record(2)->cells, Marked({{5, 0}})) << "row 6 is saved as 0";
    ASSERT_EQ(ForgetPattern(library, 3), StoreResult::Stored);
    ASSERT_TRUE(std::filesystem::exists("pinto_p.dat"));
    EXPECT_EQ(std::filesystem::file_size("pinto_p.dat"), 0u);
    PatternLibrary reloaded;
    LoadPatterns(reloaded);
    EXPECT_EQ(reloaded.patternCount, 2);
}

TEST_F(PatternLibraryFiles, ForgetTheSecondOfThreeKeepsOrderAndRowSixValues)
{
    const Cells rowSix = Marked({{0, 6}, {12, 6}, {7, 3}});
    WriteFile("pinto_p.dat", PatternText("One", rowSix) + PatternText("Two", Marked({{1, 0}})) +
                                 PatternText("Three", Marked({{2, 5}}, 7)));
    PatternLibrary library;
    LoadPatterns(library);
    ASSERT_EQ(ForgetPattern(library, 4), StoreResult::Stored);
    EXPECT_EQ(ReadFile("pinto_p.dat"),
              PatternText("One", rowSix) + PatternText("Three", Marked({{2, 5}}, 7)));
    EXPECT_EQ(Names(library, 2), (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(library.Record(3)->cells, Marked({{2, 5}}, 7));
}

TEST_F(PatternLibraryFiles, NamesAndBlanksRoundTrip)
{
    const std::string longest(99, 'p');
    PatternLibrary saved;
    LoadPatterns(saved);
    for (const std::string& name : {std::string("  Leading"), std::string("50% swing"), longest,
                                    std::string("  Leading too "), std::string("")}) {
        const StoreResult expected = name.empty() ? StoreResult::Ignored : StoreResult::Stored;
        ASSERT_EQ(AppendPattern(saved, name, Marked({{1, 1}})), expected);
    }
    PatternLibrary loaded;
    LoadPatterns(loaded);
    EXPECT_EQ(Names(loaded, 2),
              (std::vector<std::string>{"  Leading", "50% swing", longest, "Leading too "}));
    EXPECT_EQ(loaded.Record(5)->cells, Marked({{1, 1}}));
}

TEST_F(PatternLibraryFiles, LastValueWithoutLineEndIsRead)
{
    std::string text = PatternText("One", Marked({{12, 6}}));
    text.resize(text.size() - 2);
    WriteFile("pinto_p.dat", text);
    PatternLibrary library;
    LoadPatterns(library);
    ASSERT_EQ(library.patternCount, 3);
    EXPECT_EQ(library.Record(2)->cells, Marked({{12, 6}}));
}

TEST_F(PatternLibraryFiles, FailuresLeaveFileAndMemoryInStep)
{
    const std::string text = PatternText("One", Marked({{1, 1}}));
    WriteFile("pinto_p.dat", text);
    PatternLibrary library;
    LoadPatterns(library);
    std::filesystem::permissions("pinto_p.dat", std::filesystem::perms::owner_read);
    EXPECT_EQ(ForgetPattern(library, 3), StoreResult::Failed);
    EXPECT_EQ(ReadFile("pinto_p.dat"), text);
    EXPECT_EQ(Names(library, 2), (std::vector<std::string>{"One"}));

    std::filesystem::remove("pinto_p.dat");
    std::filesystem::create_directory("pinto_p.dat");
    EXPECT_EQ(AppendPattern(library, "Two", Marked({})), StoreResult::Failed);
    EXPECT_EQ(library.patternCount, 3);
}

} // namespace
