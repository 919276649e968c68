#include "BoardHelpers.h"
#include "TableRows.h"

#include <gtest/gtest.h>

using namespace BoardHelpers;

namespace {

struct Capoed
{
    const char* name;
    std::vector<int> tuning; // string 0 first
    int shortFret;           // the first fret of string 0
    int capo;
    std::vector<int> nutFrets; // the fret each string sounds from
    std::vector<int> sounding; // and the note it sounds there
    int shortRise = 0;         // frets a short string 0 is capoed above its own first fret
};

class CapoOn : public testing::TestWithParam<Capoed>
{
};

TEST_P(CapoOn, StringsSoundFromTheCapoAndNothingBelowIt)
{
    const Capoed& row = GetParam();
    auto board = MakeBoard(row.tuning);
    board->SetStartFret(0, row.shortFret);
    SetScale(*board, LAYER_SCALE, A, chromaticDegrees);
    board->SetCapo(row.capo);
    for (int s = 0; s < board->GetStringCount(); ++s) {
        SCOPED_TRACE(s);
        const auto i = static_cast<std::size_t>(s);
        EXPECT_EQ(board->NutFret(s), row.nutFrets[i]);
        EXPECT_EQ(board->SoundingOpenNote(s), row.sounding[i]);
        EXPECT_EQ(board->CapoRise(s), s == 0 && row.shortFret > 0 ? row.shortRise : row.capo);
        EXPECT_EQ(board->GetOpenNote(s), row.tuning[i]) << "the tuner's note";
        EXPECT_EQ(board->Classify(s, row.nutFrets[i] - 1), OFF_STRING);
        EXPECT_NE(board->Classify(s, row.nutFrets[i]), OFF_STRING);
    }
}

constexpr int Fs = 9, Cs = 4;
INSTANTIATE_TEST_SUITE_P(
    Necks, CapoOn,
    testing::Values(
        Capoed{
            "guitar_capo_2", {E, A, D, G, B, E}, 0, 2, {2, 2, 2, 2, 2, 2}, {Fs, B, E, A, Cs, Fs}},
        // The banjo's short string keeps its own nut at the fifth fret below a capo...
        Capoed{"banjo_capo_2", {G, D, G, B, D}, 5, 2, {5, 2, 2, 2, 2}, {G, E, A, Cs, E}, 0},
        // ... and sounds from the capo above it.
        Capoed{"banjo_capo_7", {G, D, G, B, D}, 5, 7, {7, 7, 7, 7, 7}, {A, A, D, Fs, A}, 2}));

struct Reach
{
    const char* name;
    int capo;
    int first;
    int last;
    std::vector<int> corners; // the frets a one-note pattern is found at, in order
};

class PatternWithin : public testing::TestWithParam<Reach>
{
};

TEST_P(PatternWithin, TheCapoAndTheRange)
{
    const Reach& row = GetParam();
    auto board = MakeBoard({E});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    board->SetCapo(row.capo);
    board->SetFretRange(row.first, row.last);
    SetPattern(*board, {{4, 0}}); // fret 4 of string 0
    board->FindMatches();
    std::vector<int> corners;
    for (const FretPosition& origin : Positions(*board->matches)) {
        corners.push_back(origin.fret + 4);
        EXPECT_NE(board->MatchAt(origin.string, origin.fret, 0), 0);
    }
    EXPECT_EQ(corners, row.corners);
    // Stepping past either end stays on the last match within.
    board->SelectMatch(0);
    board->PrevMatch();
    EXPECT_EQ(board->placement->At(0).fret, row.corners.front());
}

INSTANTIATE_TEST_SUITE_P(CMajorOnE, PatternWithin,
                         testing::Values(Reach{"capo_3", 3, 0, -1, {3, 5, 7, 8, 10, 12}},
                                         Reach{"range_5_to_9", 0, 5, 9, {5, 7, 8}},
                                         Reach{"capo_6_in_range_5_to_9", 6, 5, 9, {7, 8}},
                                         Reach{"range_0_to_3", 0, 0, 3, {0, 1, 3}}));

} // namespace
