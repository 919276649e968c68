#include "RenderStateBuilder.h"
#include "DiagramState.h"
#include "ScaleVocabularyReader.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// pinto_c.dat of a mandolin tuned A A A A with notes shown and no markers.
const char* const mandolinSettings = "1\r\n1\r\n0\r\n1\r\n0\r\n3\r\n4\r\n4\r\n0\r\n0\r\n0\r\n0\r\n";
// pinto_c.dat of a six-string guitar tuned down a whole step (D G C F A D).
const char* const guitarSettings = "1\n0\n1\n0\n1\n1\n6\n6\n5\n10\n3\n8\n0\n5\n";
// A user scale of root, fourth and minor seventh.
const char* const fourths =
    "Fourths\r\n1\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n";
const char* const allMajor = "Major\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";

struct BuildCase
{
    const char* name;
    std::map<std::string, std::string> files; // data files in the working folder
    std::vector<std::string> args;            // after --render out.png
    std::vector<int> tuning;                  // expected open notes, string 0 first
    int currentScale = -1;                    // expected library index of the scale
    std::set<int> degrees = {};               // expected scale degrees
    const char* error = nullptr;              // part of the expected error, null for success
};

class RenderStateBuilderTest : public testing::TestWithParam<BuildCase>
{
protected:
    void SetUp() override
    {
        home = fs::current_path();
        dir = home / ("build_" + std::string(GetParam().name));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    void TearDown() override { fs::current_path(home); }

    bool Build(const std::vector<std::string>& more, DiagramState& state, std::string& error)
    {
        std::vector<std::string> args = {"--render", "out.png"};
        args.insert(args.end(), more.begin(), more.end());
        RenderOptions options;
        EXPECT_TRUE(RenderOptions::Parse(args, options, error)) << error;
        return RenderStateBuilder::Build(options, state, error);
    }

    fs::path home;
    fs::path dir;
};

TEST_P(RenderStateBuilderTest, BuildsFromOptionsAndFilesWritingNothing)
{
    const BuildCase& c = GetParam();
    for (const auto& [file, text] : c.files)
        std::ofstream(file, std::ios::binary) << text;
    DiagramState state;
    std::string error;
    const bool built = Build(c.args, state, error);

    if (c.error != nullptr) {
        EXPECT_FALSE(built);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    } else {
        ASSERT_TRUE(built) << error;
        const CFretboard& board = *state.fretboard;
        ASSERT_EQ(board.GetStringCount(), state.settings.stringCount);
        std::vector<int> tuning;
        for (int s = 0; s < board.GetStringCount(); ++s)
            tuning.push_back(board.GetString(s)->GetTuning());
        EXPECT_EQ(tuning, c.tuning);
        EXPECT_EQ(state.currentScale, c.currentScale);
        std::set<int> degrees;
        for (int d = 0; d < 12; ++d) {
            if (board.scaleDegrees[d] != 0)
                degrees.insert(d);
        }
        EXPECT_EQ(degrees, c.degrees);
    }
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_TRUE(c.files.count(entry.path().filename().string())) << entry.path();
        ++count;
    }
    EXPECT_EQ(count, c.files.size());
}

const BuildCase buildCases[] = {
    {"NoFilesGiveStandardGuitar", {}, {}, {7, 0, 5, 10, 2, 7}},
    {"SettingsFileGivesInstrumentAndTuning", {{"pinto_c.dat", mandolinSettings}}, {}, {0, 0, 0, 0}},
    {"InstrumentIgnoresSettingsFile",
     {{"pinto_c.dat", mandolinSettings}},
     {"--instrument", "bass"},
     {7, 0, 5, 10}},
    {"BassStringsTakeStandardTuning",
     {},
     {"--instrument", "bass", "--strings", "6"},
     {2, 7, 0, 5, 10, 3}},
    {"SameStringCountKeepsStoredTuning",
     {{"pinto_c.dat", guitarSettings}},
     {"--strings", "6"},
     {5, 10, 3, 8, 0, 5}},
    {"OtherStringCountTakesStandardTuning",
     {{"pinto_c.dat", guitarSettings}},
     {"--strings", "7"},
     {2, 7, 0, 5, 10, 2, 7}},
    {"TuningOption", {}, {"--instrument", "banjo", "--tuning", "A,D,G,B,D"}, {0, 5, 10, 2, 5}},
    {"PresetOfTheInstrumentAskedFor",
     {},
     {"--instrument", "bass", "--tuning-preset", "drop d"},
     {5, 0, 5, 10}},
    {"PresetOfAnotherInstrumentSwitchesIt",
     {{"pinto_c.dat", mandolinSettings}},
     {"--tuning-preset", "DADGAD"},
     {5, 0, 5, 10, 0, 5}},
    {"UserScale",
     {{"pinto_s.dat", fourths}},
     {"--scale", "Fourths"},
     {7, 0, 5, 10, 2, 7},
     19,
     {0, 5, 10}},
    {"FirstRecordOfTheNameWins",
     {{"_pinto_s.dat", allMajor}},
     {"--scale", "Major"},
     {7, 0, 5, 10, 2, 7},
     5,
     {0, 2, 4, 5, 7, 9, 11}},
    {"Degrees", {}, {"--degrees", "0,3,7"}, {7, 0, 5, 10, 2, 7}, -1, {0, 3, 7}},
    {"UnknownScale",
     {},
     {"--overlay", "Blues"},
     {},
     -1,
     {},
     "unknown scale 'Blues'; the nearest are 'Major', 'Minor', 'Diminished'"},
    {"ScaleNameInAnyCaseAndSpacing",
     {},
     {"--scale", " minor   PENTATONIC"},
     {7, 0, 5, 10, 2, 7},
     9,
     {0, 3, 5, 7, 10}},
    {"PartOfANameListsThoseHoldingIt",
     {},
     {"--scale", "pentatonic"},
     {},
     -1,
     {},
     "the nearest are 'Major Pentatonic', 'Minor Pentatonic', "},
    {"MandolinHasFourStrings",
     {},
     {"--instrument", "mandolin", "--strings", "5"},
     {},
     -1,
     {},
     "a mandolin cannot have 5 strings: use 4"},
    {"StoredGuitarHasNoFourStrings",
     {{"pinto_c.dat", guitarSettings}},
     {"--strings", "4"},
     {},
     -1,
     {},
     "a guitar cannot have 4 strings: use 6 or 7"},
    {"TuningOfWrongLength", {}, {"--tuning", "E,A,D,G"}, {}, -1, {}, "gives 4 notes for 6 strings"},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderStateBuilderTest, testing::ValuesIn(buildCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RenderStateBuilder, OverlayDisplayAndBanjoShortStringOf22Frets)
{
    RenderOptions options;
    std::string error;
    ASSERT_TRUE(RenderOptions::Parse({"--render", "a.pdf", "--instrument", "banjo", "--overlay",
                                      "Major Triad", "--overlay-root", "F#", "--common", "--labels",
                                      "notes", "--no-color", "--no-markers", "--frets", "22"},
                                     options, error));
    DiagramState state;
    ASSERT_TRUE(RenderStateBuilder::Build(options, state, error)) << error;
    const CFretboard& board = *state.fretboard;
    EXPECT_EQ(board.GetStartFret(0), 5);
    EXPECT_EQ(board.GetStartFret(1), 0);
    EXPECT_EQ(board.GetFretCount(0), 23);
    EXPECT_EQ(board.NutFret(0), 5) << "a capo on 0 is none";
    EXPECT_EQ(state.diagram.frets, 22);
    EXPECT_EQ(state.overlayScale, 7);
    EXPECT_EQ(board.overlayDegrees, (std::array<int, 12>{1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(board.GetRoot(LAYER_OVERLAY), 9);
    EXPECT_EQ(board.GetOverlayMode(), OVERLAY_COMMON);
    const Settings& s = state.settings;
    EXPECT_EQ(std::vector<int>({s.viewDegrees, s.viewNotes, s.suppressColor, s.dotMarkers}),
              std::vector<int>({0, 1, 1, 0}));
}

TEST(RenderStateBuilder, InstalledScalesAreFoundBeforeTheFolderFiles)
{
    const fs::path home = fs::current_path();
    const fs::path dir = home / "build_installed_first";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    std::ofstream("pinto_s.dat") << "Blues\n1\n0\n0\n0\n1\n0\n0\n1\n0\n0\n0\n0\n";
    std::vector<std::string> faults;
    const ScaleVocabulary vocabulary =
        ScaleVocabularyReader::Parse("family Blues\nscale Blues\nnotes 0 3 5 6 7 10\n"
                                     "alias Minor Blues\nalias Major\n",
                                     faults);
    RenderOptions options;
    std::string error;
    ASSERT_TRUE(RenderOptions::Parse({"--render", "b.pdf", "--scale", "Blues"}, options, error));
    DiagramState state;
    ASSERT_TRUE(RenderStateBuilder::Build(options, state, error, vocabulary)) << error;
    fs::current_path(home);
    EXPECT_EQ(state.currentScale, 19);
    EXPECT_EQ(state.fretboard->scaleDegrees,
              (std::array<int, 12>{1, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 0}));
    EXPECT_EQ(state.scaleLibrary.scaleCount, 21) << "the folder's Blues is still listed";
    EXPECT_EQ(RenderStateBuilder::FindScale(state.scaleLibrary, "minor  BLUES"), 19);
    EXPECT_EQ(RenderStateBuilder::FindScale(state.scaleLibrary, "major"), 5) << "names first";
}

} // namespace
