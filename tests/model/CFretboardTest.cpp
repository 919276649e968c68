#include "BoardHelpers.h"

#include <gtest/gtest.h>

using namespace BoardHelpers;

namespace {

const std::vector<int> guitar = {E, A, D, G, B, E};

TEST(CFretboardStrings, NewBoardClassifiesNothing)
{
    CFretboard board(6, guitar.data());
    ASSERT_EQ(board.GetStringCount(), 6);
    for (int s = 0; s < 6; ++s)
        for (int f = 0; f <= 12; ++f)
            EXPECT_EQ(board.Classify(s, f), 0) << "string " << s << " fret " << f;
    EXPECT_EQ(board.GetRoot(LAYER_SCALE), 0);
    EXPECT_EQ(board.GetOverlayMode(), OVERLAY_ALL);
    EXPECT_EQ(board.matches, nullptr);
    EXPECT_EQ(board.placement, nullptr);
    EXPECT_FALSE(board.searched);
}

TEST(CFretboardStrings, ConstructorBuildsStringsOnlyForOneToNine)
{
    const std::vector<int> tunings(10, E);
    for (const auto& [count, expected] :
         std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {9, 9}, {10, 0}, {-1, 0}}) {
        SCOPED_TRACE(count);
        CFretboard board(count, tunings.data());
        EXPECT_EQ(board.GetStringCount(), expected);
    }
}

TEST(CFretboardStrings, AddStringStopsAtTenAndCopiesTheRoots)
{
    CFretboard board(1, guitar.data());
    board.SetRoot(C, LAYER_SCALE);
    board.SetRoot(F, LAYER_OVERLAY);
    for (int i = 0; i < 12; ++i)
        board.AddString(G);
    EXPECT_EQ(board.GetStringCount(), MAX_STRINGS);
    EXPECT_EQ(board.GetString(MAX_STRINGS), nullptr);
    EXPECT_EQ(board.GetString(-1), nullptr);
    const CFretString* top = board.GetString(MAX_STRINGS - 1);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->GetRoot(LAYER_SCALE), C);
    EXPECT_EQ(top->GetRoot(LAYER_OVERLAY), F);
    EXPECT_EQ(top->GetTuning(), G);
    EXPECT_EQ(top->GetFretCount(), 13);
}

TEST(CFretboardStrings, RestringSixToSevenKeepsRootsAndResetsStartFrets)
{
    const std::vector<int> banjo = {G, D, G, B, D}; // short string first
    CFretboard board(5, banjo.data());
    board.SetStartFret(0, 5);
    EXPECT_EQ(board.GetOpenNote(0), G);
    board.Restring(6, guitar.data());
    board.SetRoot(D, LAYER_SCALE);
    board.SetRoot(C, LAYER_OVERLAY);
    board.ToggleDegree(0, LAYER_SCALE);

    const std::vector<int> seven = {B, E, A, D, G, B, E};
    board.Restring(7, seven.data());
    ASSERT_EQ(board.GetStringCount(), 7);
    for (int s = 0; s < 7; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(board.GetStartFret(s), 0);
        EXPECT_EQ(board.GetString(s)->GetTuning(), seven[static_cast<size_t>(s)]);
        EXPECT_EQ(board.GetString(s)->GetRoot(LAYER_SCALE), D);
        EXPECT_EQ(board.GetString(s)->GetRoot(LAYER_OVERLAY), C);
        // The new string shares the board's flags: every D is the marked root.
        EXPECT_EQ(board.Classify(s, (D - seven[static_cast<size_t>(s)] + 12) % 12),
                  SCALE_NOTE | ROOT_NOTE);
    }
    board.Restring(4, seven.data());
    EXPECT_EQ(board.GetStringCount(), 4);
    EXPECT_EQ(board.GetString(4), nullptr);
}

TEST(CFretboardStrings, FretsReachEveryStringOldAndNew)
{
    const std::vector<int> banjo = {G, D, G, B, D}; // short string first
    CFretboard board(5, banjo.data());
    board.SetStartFret(0, 5);
    board.SetFrets(24);
    board.AddString(E);
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(board.GetFretCount(s), 25) << "string " << s;
    // The short string still begins at its fifth fret.
    EXPECT_FALSE(board.IsOnBoard(0, 4));
    EXPECT_TRUE(board.IsOnBoard(0, 24));
    EXPECT_FALSE(board.IsOnBoard(0, 25));
    for (const auto& [asked, kept] : std::vector<std::pair<int, int>>{{11, 12}, {99, 24}}) {
        board.SetFrets(asked);
        EXPECT_EQ(board.GetFretCount(3), kept + 1);
    }
}

TEST(CFretboardStrings, MissingStringsAnswerSafely)
{
    CFretboard board(2, guitar.data());
    EXPECT_DEBUG_DEATH(EXPECT_EQ(board.Classify(2, 0), 0), "");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(board.GetStartFret(-1), 0), "");
    CFretboard empty(0, nullptr);
    EXPECT_EQ(empty.GetRoot(LAYER_SCALE), 0);
    EXPECT_EQ(empty.GetRoot(3), 12);
}

struct OverlayCase
{
    int note;
    int mode;
    int expected;
};

class CFretboardOverlay : public testing::TestWithParam<OverlayCase>
{
};

// Scale C major with overlay A minor pentatonic, read on a string tuned A so that the fret
// equals the note number.
TEST_P(CFretboardOverlay, CMajorWithAMinorPentatonic)
{
    const OverlayCase& c = GetParam();
    auto board = MakeBoard({A});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    SetScale(*board, LAYER_OVERLAY, A, minorPentatonicDegrees);
    board->SetOverlayMode(c.mode);
    EXPECT_EQ(board->Classify(0, c.note), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    BothModes, CFretboardOverlay,
    testing::Values(OverlayCase{C, OVERLAY_ALL, SCALE_NOTE | ROOT_NOTE | OVERLAY_NOTE},
                    OverlayCase{C, OVERLAY_COMMON, SCALE_NOTE | ROOT_NOTE | OVERLAY_NOTE},
                    OverlayCase{F, OVERLAY_ALL, SCALE_NOTE}, OverlayCase{F, OVERLAY_COMMON, 0},
                    OverlayCase{A, OVERLAY_ALL, SCALE_NOTE | OVERLAY_NOTE},
                    OverlayCase{A, OVERLAY_COMMON, SCALE_NOTE | OVERLAY_NOTE},
                    OverlayCase{B, OVERLAY_COMMON, 0},    // scale only
                    OverlayCase{C + 1, OVERLAY_ALL, 0})); // C#: neither

TEST(CFretboardOverlay, OverlayOnlyNoteVanishesInCommonMode)
{
    auto board = MakeBoard({A});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    SetScale(*board, LAYER_OVERLAY, C + 1, {0});
    EXPECT_EQ(board->Classify(0, C + 1), OVERLAY_NOTE);
    board->SetOverlayMode(OVERLAY_COMMON);
    EXPECT_EQ(board->Classify(0, C + 1), 0);
}

TEST(CFretboardOverlay, LoneRootIsTwoInCommonModeWithoutOverlay)
{
    auto board = MakeBoard(guitar);
    SetScale(*board, LAYER_SCALE, C, {0});
    board->SetOverlayMode(OVERLAY_COMMON);
    for (int s = 0; s < board->GetStringCount(); ++s)
        for (int f = 0; f <= 12; ++f) {
            const int expected = board->GetString(s)->NoteAt(f) == C ? ROOT_NOTE : 0;
            EXPECT_EQ(board->Classify(s, f), expected) << "string " << s << " fret " << f;
        }
}

TEST(CFretboardOverlay, PlacementIsMarkedAlwaysInCommonModeOnlyOnNotesInAllMode)
{
    auto board = MakeBoard({A});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    board->placement = std::make_unique<PositionList>();
    board->placement->Add(0, C);     // in the scale
    board->placement->Add(0, C + 1); // outside
    EXPECT_EQ(board->Classify(0, C), SCALE_NOTE | ROOT_NOTE | PATTERN_NOTE);
    EXPECT_EQ(board->Classify(0, C + 1), 0);
    board->SetOverlayMode(OVERLAY_COMMON);
    EXPECT_EQ(board->Classify(0, C), ROOT_NOTE | PATTERN_NOTE);
    EXPECT_EQ(board->Classify(0, C + 1), PATTERN_NOTE);
}

TEST(CFretboardRoots, ShiftRootWraps)
{
    struct Row
    {
        int from, semitones, layer, expected;
    };
    for (const Row& r : std::vector<Row>{{A, -1, LAYER_SCALE, 11},
                                         {11, 1, LAYER_SCALE, A},
                                         {C, -25, LAYER_SCALE, C - 1},
                                         {C, 14, LAYER_OVERLAY, D},
                                         {C, 12, LAYER_OVERLAY, C}}) {
        SCOPED_TRACE(testing::Message() << r.from << " by " << r.semitones);
        auto board = MakeBoard(guitar);
        board->SetRoot(r.from, r.layer);
        board->ShiftRoot(r.semitones, r.layer);
        for (int s = 0; s < board->GetStringCount(); ++s)
            EXPECT_EQ(board->GetString(s)->GetRoot(r.layer), r.expected);
    }
}

TEST(CFretboardRoots, OtherLayersChangeNothing)
{
    auto board = MakeBoard(guitar);
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    const auto before = board->scaleDegrees;
    board->ToggleDegree(3, 2);
    board->ShiftRoot(1, 2);
    board->SetRoot(5, 2);
    board->ClearDegrees(2);
    EXPECT_EQ(board->scaleDegrees, before);
    EXPECT_EQ(board->overlayDegrees, (std::array<int, 12>{}));
    EXPECT_EQ(board->GetRoot(LAYER_SCALE), C);
    board->ToggleDegree(3, LAYER_SCALE);
    EXPECT_NE(board->scaleDegrees, before);
    board->ToggleDegree(3, LAYER_SCALE);
    EXPECT_EQ(board->scaleDegrees, before);
}

} // namespace
