#include "BoardHelpers.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace BoardHelpers;

namespace {

// A single E string with the C major scale: in-scale frets 0, 1, 3, 5, 7, 8, 10, 12.
std::unique_ptr<CFretboard> EStringInCMajor()
{
    auto board = MakeBoard({E});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    return board;
}

std::vector<int> CornerFrets(const CFretboard& board, int minFret)
{
    std::vector<int> frets;
    for (const FretPosition& origin : Positions(*board.matches))
        frets.push_back(origin.fret + minFret);
    return frets;
}

struct ModulateCase
{
    int fret;
    int steps;
    int expected;
    int frets = 12; // the neck's highest fret
    int capo = 0;
    int first = 0; // the range of frets within reach
    int last = -1;
};

class ModulateFretRing : public testing::TestWithParam<ModulateCase>
{
};

TEST_P(ModulateFretRing, OnTheEString)
{
    const ModulateCase& c = GetParam();
    auto board = EStringInCMajor();
    board->SetFrets(c.frets);
    board->SetCapo(c.capo);
    board->SetFretRange(c.first, c.last);
    EXPECT_EQ(board->ModulateFret(0, c.fret, c.steps), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    CMajor, ModulateFretRing,
    testing::Values(ModulateCase{3, 1, 5}, ModulateCase{3, 2, 7},
                    ModulateCase{12, 1, 1},  // fret 0 is skipped going up
                    ModulateCase{1, -1, 12}, // and going down
                    ModulateCase{3, -2, 12}, ModulateCase{3, 6, 1},
                    ModulateCase{3, 7, 3}, // only six other in-scale frets besides fret 0
                    ModulateCase{4, 1, 5}, // starting off the scale
                    ModulateCase{3, 0, 3},
                    // On 24 frets, in scale also at 13, 15, 17, 19, 20, 22 and 24, the ring
                    // wraps at the last fret.
                    ModulateCase{12, 1, 13, 24}, ModulateCase{24, 1, 1, 24},
                    ModulateCase{1, -1, 24, 24}, ModulateCase{3, 14, 3, 24},
                    // A capo on 3 is the nut: the ring is frets 3..12 without fret 3.
                    ModulateCase{12, 1, 5, 12, 3}, ModulateCase{5, -1, 12, 12, 3},
                    // Within frets 5..9 the ring wraps at both ends of the range.
                    ModulateCase{8, 1, 5, 12, 0, 5, 9}, ModulateCase{5, -1, 8, 12, 0, 5, 9}));

TEST(ModulateFretRing, StringOffTheBoardKeepsItsFret)
{
    auto board = EStringInCMajor();
    for (int string : {-3, -1, 1, 9, MAX_STRINGS, 1000})
        EXPECT_EQ(board->ModulateFret(string, 3, 1), 3) << "string " << string;
}

TEST(FindMatches, OneElementFindsEveryInScaleFretInOrder)
{
    auto board = EStringInCMajor();
    SetPattern(*board, {{4, 2}}); // drawn high on the setup grid; only the shape counts
    EXPECT_TRUE(board->FindMatches());
    EXPECT_EQ(CornerFrets(*board, 4), (std::vector<int>{0, 1, 3, 5, 7, 8, 10, 12}));
    for (const FretPosition& origin : Positions(*board->matches))
        EXPECT_EQ(origin.string, -2);
}

TEST(FindMatches, TwoElementsFitOnlyWhereBothAreInScale)
{
    auto board = EStringInCMajor();
    SetPattern(*board, {{5, 0}, {7, 0}});
    EXPECT_TRUE(board->FindMatches());
    EXPECT_EQ(CornerFrets(*board, 5), (std::vector<int>{1, 3, 5, 8, 10}));
}

TEST(FindMatches, LongerNeckFindsTheShapeUpToTheLastFret)
{
    auto board = EStringInCMajor();
    board->SetFrets(24);
    SetPattern(*board, {{5, 0}, {7, 0}});
    EXPECT_TRUE(board->FindMatches());
    EXPECT_EQ(CornerFrets(*board, 5), (std::vector<int>{1, 3, 5, 8, 10, 13, 15, 17, 20, 22}));
}

TEST(FindMatches, EmptyPatternFindsNothingButCountsAsSearched)
{
    auto board = EStringInCMajor();
    EXPECT_FALSE(board->FindMatches());
    EXPECT_TRUE(board->searched);
    ASSERT_NE(board->matches, nullptr);
    EXPECT_EQ(board->matches->Count(), 0);
    EXPECT_EQ(board->SelectMatch(0), 0);
    EXPECT_EQ(board->placement, nullptr);
    EXPECT_EQ(board->MatchAt(0, 0, 0), 0);
}

TEST(FindMatches, OverlayNotesCountInEitherMode)
{
    auto board = MakeBoard({A});
    SetScale(*board, LAYER_SCALE, A, {0});
    SetScale(*board, LAYER_OVERLAY, A, {2});
    board->SetOverlayMode(OVERLAY_COMMON);
    SetPattern(*board, {{0, 0}, {2, 0}});
    EXPECT_TRUE(board->FindMatches());
    EXPECT_EQ(CornerFrets(*board, 0), (std::vector<int>{0})); // frets 0 and 2
}

TEST(FindMatches, BanjoShortStringBelowFiveIsNeverMatched)
{
    auto board = MakeBoard({G, D, G, B, D});
    board->SetStartFret(0, 5);
    SetScale(*board, LAYER_SCALE, A, chromaticDegrees);
    SetPattern(*board, {{0, 0}, {1, 1}});
    ASSERT_TRUE(board->FindMatches());
    for (const FretPosition& origin : Positions(*board->matches)) {
        if (origin.string == 0) {
            EXPECT_GE(origin.fret, 5);
        }
    }
    EXPECT_EQ(board->matches->Count(), 4 * 12 - 5);
}

TEST(FindMatches, LowRowsOnABassMatchLikeTheSameShapeHigherUp)
{
    // Grid row r shows string numStrings - 1 - r, so rows 5 and 6 of the seven-row setup grid
    // give negative strings on a four-string bass.
    auto board = MakeBoard({E, A, D, G});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    auto placements = [&](int lowRow) {
        SetPattern(*board, {{3, 3 - lowRow}, {5, 3 - lowRow}, {2, 4 - lowRow}});
        board->FindMatches();
        std::vector<std::vector<FretPosition>> result;
        for (int i = 0; i < board->matches->Count(); ++i) {
            board->SelectMatch(i);
            result.push_back(Positions(*board->placement));
        }
        return result;
    };
    const auto high = placements(0);
    EXPECT_FALSE(high.empty());
    EXPECT_EQ(placements(5), high);
}

// The search skips origins whose bounding box cannot fit; it must still find exactly the
// origins that MatchAt accepts anywhere on the board.
TEST(FindMatches, AgreesWithMatchAtEverywhere)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<int> tunings(static_cast<size_t>(1 + random() % MAX_STRINGS));
        for (int& t : tunings)
            t = static_cast<int>(random() % 12);
        auto board = MakeBoard(tunings);
        board->SetFrets(DEFAULT_FRETS + static_cast<int>(random() % 13));
        if (random() % 2 == 0)
            board->SetStartFret(0, 5);
        for (int d = 0; d < 12; ++d)
            if (random() % 3 != 0)
                board->ToggleDegree(d, random() % 2 ? LAYER_SCALE : LAYER_OVERLAY);
        board->pattern.Clear();
        const int cells = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < cells; ++i)
            board->pattern.Toggle(static_cast<int>(random() % 7) - 2,
                                  static_cast<int>(random() % 8));
        board->FindMatches();

        int minString = 99, minFret = 99;
        for (const FretPosition& e : Positions(board->pattern)) {
            minString = std::min(minString, e.string);
            minFret = std::min(minFret, e.fret);
        }
        std::vector<FretPosition> expected;
        for (int s = 0; s < board->GetStringCount(); ++s)
            for (int f = 0; f < board->GetFretCount(s); ++f)
                if (board->MatchAt(s - minString, f - minFret, 0) != 0)
                    expected.push_back({f - minFret, s - minString});
        ASSERT_EQ(Positions(*board->matches), expected) << "round " << round;
    }
}

class Stepping : public testing::Test
{
protected:
    void SetUp() override
    {
        board = EStringInCMajor();
        SetPattern(*board, {{5, 0}, {7, 0}}); // origins at corner frets 1, 3, 5, 8, 10
        ASSERT_TRUE(board->FindMatches());
        board->SelectMatch(0);
    }

    std::vector<FretPosition> Placement() const { return Positions(*board->placement); }

    std::unique_ptr<CFretboard> board;
};

TEST_F(Stepping, NothingHappensBeforeASearch)
{
    auto fresh = EStringInCMajor();
    SetPattern(*fresh, {{5, 0}});
    EXPECT_EQ(fresh->SelectMatch(0), 0);
    EXPECT_EQ(fresh->NextMatch(), 0);
    EXPECT_EQ(fresh->PrevMatch(), 0);
    EXPECT_FALSE(fresh->BuildPlacement(0));
    EXPECT_EQ(fresh->placement, nullptr);
}

TEST_F(Stepping, DoesNotWrapAtEitherEnd)
{
    EXPECT_EQ(Placement(), (std::vector<FretPosition>{{1, 0}, {3, 0}}));
    EXPECT_EQ(board->PrevMatch(), 0);
    EXPECT_EQ(Placement(), (std::vector<FretPosition>{{1, 0}, {3, 0}}));
    for (int expected : {1, 2, 3, 4, 4, 4})
        EXPECT_EQ(board->NextMatch(), expected);
    EXPECT_EQ(Placement(), (std::vector<FretPosition>{{10, 0}, {12, 0}}));
    EXPECT_EQ(board->PrevMatch(), 3);
    EXPECT_EQ(Placement(), (std::vector<FretPosition>{{8, 0}, {10, 0}}));
}

TEST_F(Stepping, SelectOutOfRangeRebuildsTheCurrentMatchUnmodulated)
{
    board->SelectMatch(2);
    ASSERT_TRUE(board->BuildPlacement(2));
    EXPECT_EQ(Placement(), (std::vector<FretPosition>{{8, 0}, {10, 0}}));
    for (int index : {-1, 5, 99}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(board->SelectMatch(index), 2);
        EXPECT_EQ(Placement(), (std::vector<FretPosition>{{5, 0}, {7, 0}}));
    }
}

TEST_F(Stepping, ModulationIsMeasuredFromTheMatch)
{
    board->SelectMatch(1); // frets 3 and 5
    for (const auto& [steps, expected] :
         std::vector<std::pair<int, std::vector<FretPosition>>>{{1, {{5, 0}, {7, 0}}},
                                                                {3, {{8, 0}, {10, 0}}},
                                                                {-2, {{12, 0}, {1, 0}}},
                                                                {0, {{3, 0}, {5, 0}}}}) {
        SCOPED_TRACE(steps);
        ASSERT_TRUE(board->BuildPlacement(steps));
        EXPECT_EQ(Placement(), expected);
    }
}

TEST_F(Stepping, ClearMatchesKeepsThePlacementAndTheIndex)
{
    board->SelectMatch(3);
    board->ClearMatches();
    EXPECT_EQ(board->matches, nullptr);
    EXPECT_FALSE(board->searched);
    ASSERT_NE(board->placement, nullptr);
    EXPECT_FALSE(board->BuildPlacement(1));
    EXPECT_EQ(Placement(), (std::vector<FretPosition>{{8, 0}, {10, 0}}));
    EXPECT_EQ(board->NextMatch(), 0);
    // A new search keeps the index until the caller selects.
    board->FindMatches();
    EXPECT_EQ(board->currentMatch, 3);
    board->RemovePattern();
    EXPECT_EQ(board->placement, nullptr);
    EXPECT_EQ(board->pattern.Count(), 2);
}

TEST(BuildPlacement, ElementsLandingTogetherCancelOut)
{
    auto board = MakeBoard({E});
    SetScale(*board, LAYER_SCALE, E, {0}); // in-scale frets 0 and 12 only
    SetPattern(*board, {{0, 0}, {12, 0}});
    ASSERT_TRUE(board->FindMatches());
    board->SelectMatch(0);
    ASSERT_TRUE(board->BuildPlacement(1)); // 0 -> 12, and 12 stays (no other target)
    EXPECT_EQ(board->placement->Count(), 0);
}

// The pattern may change after a search, and Configure may remove strings, so the stored
// origins can place elements on strings that do not exist.
TEST(BuildPlacement, ElementsOffTheBoardKeepTheirFrets)
{
    const std::vector<int> guitar = {E, A, D, G, B, E};
    auto board = MakeBoard(guitar);
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    SetPattern(*board, {{3, 0}, {5, 1}});
    ASSERT_TRUE(board->FindMatches());
    const int last = board->matches->Count() - 1;
    ASSERT_EQ(board->SelectMatch(last), last);
    const FretPosition origin = board->matches->At(last);
    ASSERT_EQ(origin.string, 4);

    SetPattern(*board, {{3, 0}, {5, 1}, {2, 3}, {4, -6}}); // Set Pattern without a new search
    ASSERT_TRUE(board->BuildPlacement(1));
    const auto placed = Positions(*board->placement);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(placed[2], (FretPosition{2 + origin.fret, 7}));
    EXPECT_EQ(placed[3], (FretPosition{4 + origin.fret, -2}));
    for (int s = 0; s < board->GetStringCount(); ++s)
        for (int f = 0; f <= 12; ++f)
            board->Classify(s, f);

    board->Restring(3, guitar.data()); // strings 3..5 gone, matches and placement stay
    ASSERT_TRUE(board->BuildPlacement(-2));
    EXPECT_EQ(Positions(*board->placement), (std::vector<FretPosition>{{3 + origin.fret, 4},
                                                                       {5 + origin.fret, 5},
                                                                       {2 + origin.fret, 7},
                                                                       {4 + origin.fret, -2}}));
    EXPECT_EQ(board->NextMatch(), last);
    EXPECT_EQ(board->PrevMatch(), last - 1);
}

} // namespace
