#include "ScaleRunText.h"
#include "TunerText.h"

#include "CFretboard.h"
#include "Notes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

namespace {

const int guitar[] = {7, 0, 5, 10, 2, 7}; // E A D G B E

std::string Line(const std::string& text, int index)
{
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        begin = text.find("\r\n", begin) + 2;
    }
    return text.substr(begin, text.find("\r\n", begin) - begin);
}

class ScaleRunTextTest : public ::testing::Test
{
protected:
    void Scale(int root, std::initializer_list<int> degrees, int layer = LAYER_SCALE)
    {
        board.SetRoot(root, layer);
        for (int degree : degrees) {
            board.ToggleDegree(degree, layer);
        }
    }

    CFretboard board{6, guitar};
    PlayerState state;
};

TEST_F(ScaleRunTextTest, CMajorListsNotesAndDegrees)
{
    Scale(3, {0, 2, 4, 5, 7, 9, 11});
    const std::string text = BuildScaleRun(state, board, std::string("Major"), std::nullopt);
    EXPECT_EQ(text, "C  Major\r\nNotes: C  D  E  F  G  A  B \r\nDegrees: 1  2  3  4  5  6  7 ");
    for (int degree = 0; degree < 12; ++degree) {
        EXPECT_EQ(state.inRun[degree], (degree == 0 || degree == 2 || degree == 4 || degree == 5 ||
                                        degree == 7 || degree == 9 || degree == 11))
            << degree;
    }
}

TEST_F(ScaleRunTextTest, NotesStartAtTheRootAndWrapPastGSharp)
{
    // F#, G#, A#, B, C#, D#, F: the major scale on F#.
    Scale(9, {0, 2, 4, 5, 7, 9, 11});
    const std::string text = BuildScaleRun(state, board, std::string("Major"), std::nullopt);
    EXPECT_EQ(Line(text, 0), "F# Major");
    EXPECT_EQ(Line(text, 1), "Notes: F# G# A# B  C# D# F ");
}

TEST_F(ScaleRunTextTest, NoScaleChosenLeavesTheFirstLineEmpty)
{
    Scale(3, {0, 7});
    const std::string text = BuildScaleRun(state, board, std::nullopt, std::nullopt);
    EXPECT_EQ(Line(text, 0), "");
    EXPECT_EQ(Line(text, 1), "Notes: C  G ");
    EXPECT_EQ(Line(text, 2), "Degrees: 1  5 ");
}

TEST_F(ScaleRunTextTest, OverlayChoosesCommonOrAllNotes)
{
    Scale(3, {0, 2, 4, 5, 7, 9, 11});   // C major
    Scale(0, {0, 3, 7}, LAYER_OVERLAY); // A minor triad: A C E
    board.SetOverlayMode(OVERLAY_COMMON);
    std::string text = BuildScaleRun(state, board, std::string("Major"), std::string("Triad"));
    EXPECT_EQ(Line(text, 0), "C  Major and A  Triad playing common notes");
    EXPECT_EQ(Line(text, 1), "Notes: C  E  A ");
    EXPECT_EQ(Line(text, 2), "Degrees: 1  3  6 ");

    Scale(0, {1}, LAYER_OVERLAY); // adds A#
    board.SetOverlayMode(OVERLAY_ALL);
    text = BuildScaleRun(state, board, std::string("Major"), std::string("Triad"));
    EXPECT_EQ(Line(text, 0), "C  Major and A  Triad playinging all notes");
    EXPECT_EQ(Line(text, 1), "Notes: C  D  E  F  G  A  A# B ");
    EXPECT_TRUE(state.inRun[7]);
    EXPECT_TRUE(state.inRun[10]);
}

TEST_F(ScaleRunTextTest, SpelledByKeyEachRootByItsOwnScale)
{
    Scale(1, {0, 2, 4, 5, 7, 9, 11});          // A# major, named Bb
    Scale(6, {0, 3, 5, 7, 10}, LAYER_OVERLAY); // D# minor pentatonic: Eb Gb Ab Bb Db
    const std::string text = BuildScaleRun(state, board, std::string("Major"),
                                           std::string("Minor Pentatonic"), NoteSpelling::Key);
    EXPECT_EQ(Line(text, 0), "Bb Major and Eb Minor Pentatonic playinging all notes");
    // Db, Gb and Ab lie only in the overlay and keep its flats; the rest is Bb major.
    EXPECT_EQ(Line(text, 1), "Notes: Bb C  Db D  Eb F  Gb G  Ab A ");
    EXPECT_EQ(Line(text, 2), "Degrees: 1  2  -3 3  4  5  -6 6  -7 7 ");
}

TEST_F(ScaleRunTextTest, DegreesAndRootNamedAsChosen)
{
    Scale(11, {0, 2, 3, 5, 7, 8, 11}); // G# harmonic minor, its root forced flat
    const std::string text =
        BuildScaleRun(state, board, std::string("Harmonic Minor"), std::nullopt, NoteSpelling::Key,
                      RootSpelling::Flat, DegreeNaming::Intervals, true);
    EXPECT_EQ(Line(text, 1), "Notes: Ab Bb Cb Db Eb Fb G ");
    EXPECT_EQ(Line(text, 2), "Degrees: R  M2 m3 P4 P5 m6 M7");
}

TEST(TunerTextTest, ShowsInstrumentAndTuningLowestFirst)
{
    struct Row
    {
        Instrument instrument;
        std::vector<int> notes;
        std::string text;
    };
    const Row rows[] = {
        {Instrument::Guitar,
         {7, 0, 5, 10, 2, 7},
         "Current settings:\r\nInstrument: 6 string Guitar\r\n"
         "Tuning (low to high): E  A  D  G  B  E  "},
        {Instrument::Bass,
         {7, 0, 5, 10},
         "Current settings:\r\nInstrument: 4 string Bass\r\nTuning (low to high): E  A  D  G  "},
        {Instrument::Mandolin,
         {10, 3, 8, 1},
         "Current settings:\r\nInstrument: 4 string Mandolin\r\nTuning (low to high): G  C  F  "
         "A# "},
        {Instrument::Banjo,
         {10, 5, 10, 2, 5},
         "Current settings:\r\nInstrument: 5 string Banjo\r\nTuning (low to high): G  D  G  B  D "
         " "},
        {static_cast<Instrument>(9),
         {1},
         "Current settings:\r\nInstrument: 1 string \r\nTuning (low to high): A# "},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TunerSettingsText(row.instrument, static_cast<int>(row.notes.size()), row.notes),
                  row.text);
    }
}

} // namespace
