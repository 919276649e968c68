#include "ScaleChord.h"
#include "BoardHelpers.h"
#include "NoteSpeller.h"
#include "TableRows.h"

#include <gtest/gtest.h>

using namespace BoardHelpers;

namespace {

std::array<int, 12> Flags(const std::vector<int>& degrees)
{
    std::array<int, 12> flags{};
    for (int degree : degrees)
        flags[static_cast<std::size_t>(degree)] = 1;
    return flags;
}

const std::vector<int> harmonicMinor = {0, 2, 3, 5, 7, 8, 11};
const std::vector<int> dorian = {0, 2, 3, 5, 7, 9, 10};

struct Chords
{
    const char* name;
    std::vector<int> scale;
    int root;
    bool seventh;
    const char* titles; // the chords on steps I..VII, as the menu names them
    const char* fifth;  // the tones of the chord on step V
};

class ChordsOfTheScale : public testing::TestWithParam<Chords>
{
};

TEST_P(ChordsOfTheScale, NamedForTheKey)
{
    const Chords& row = GetParam();
    const std::array<int, 12> scale = Flags(row.scale);
    const NoteSpeller key = NoteSpeller::ForKey(row.root, scale);
    std::string titles;
    std::string fifth;
    for (int step = 0; step < 7; ++step) {
        const std::optional<ScaleChord> chord = ScaleChord::On(scale, step, row.seventh);
        ASSERT_TRUE(chord.has_value());
        const int root = (row.root + chord->rootDegree) % 12;
        titles += (step > 0 ? ", " : "") + chord->MenuText(key.Name(root));
        for (int tone = 0; step == 4 && tone < 12; ++tone) {
            if (chord->ToneFlags()[static_cast<std::size_t>(tone)] != 0)
                fifth += (fifth.empty() ? "" : " ") + key.Name((root + tone) % 12);
        }
    }
    EXPECT_EQ(titles, row.titles);
    EXPECT_EQ(fifth, row.fifth);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeRootsEach, ChordsOfTheScale,
    testing::Values(
        Chords{"C_major", majorDegrees, C, false,
               "I: C, ii: Dm, iii: Em, IV: F, V: G, vi: Am, vii°: Bdim", "G B D"},
        Chords{"D_major_sevenths", majorDegrees, D, true,
               "Imaj7: Dmaj7, ii7: Em7, iii7: F#m7, IVmaj7: Gmaj7, V7: A7, vi7: Bm7, viiø7: C#m7b5",
               "A C# E G"},
        Chords{"F_major", majorDegrees, F, false,
               "I: F, ii: Gm, iii: Am, IV: Bb, V: C, vi: Dm, vii°: Edim", "C E G"},
        Chords{"A_harmonic_minor", harmonicMinor, A, false,
               "i: Am, ii°: Bdim, III+: Caug, iv: Dm, V: E, VI: F, vii°: G#dim", "E G# B"},
        Chords{"C_harmonic_minor_sevenths", harmonicMinor, C, true,
               "i(maj7): Cm(maj7), iiø7: Dm7b5, III+maj7: Ebmaj7#5, iv7: Fm7, V7: G7, VImaj7: "
               "Abmaj7, vii°7: Bdim7",
               "G B D F"},
        Chords{"F_sharp_harmonic_minor", harmonicMinor, 9, false,
               "i: F#m, ii°: G#dim, III+: Aaug, iv: Bm, V: C#, VI: D, vii°: E#dim", "C# E# G#"},
        Chords{"D_dorian", dorian, D, false,
               "i: Dm, ii: Em, III: F, IV: G, v: Am, vi°: Bdim, VII: C", "A C E"},
        Chords{"E_dorian_sevenths", dorian, E, true,
               "i7: Em7, ii7: F#m7, IIImaj7: Gmaj7, IV7: A7, v7: Bm7, viø7: C#m7b5, VIImaj7: Dmaj7",
               "B D F# A"},
        Chords{"G_dorian", dorian, G, false,
               "i: Gm, ii: Am, III: Bb, IV: C, v: Dm, vi°: Edim, VII: F", "D F A"}));

TEST(ChordsOfTheScale, OnlySevenNoteScalesWithTheirRoot)
{
    EXPECT_FALSE(ScaleChord::On(Flags(minorPentatonicDegrees), 0, false).has_value());
    EXPECT_FALSE(ScaleChord::On(Flags({2, 3, 4, 5, 7, 9, 11}), 0, false).has_value());
    EXPECT_FALSE(ScaleChord::On(Flags(majorDegrees), 7, false).has_value());
    EXPECT_EQ(ScaleChord::NoteCount(Flags(minorPentatonicDegrees)), 5);
}

TEST(ChordsOfTheScale, ChordTonesShowAsOverlayNotesOnTheScale)
{
    auto board = MakeBoard({E});
    SetScale(*board, LAYER_SCALE, C, majorDegrees);
    board->overlayDegrees = ScaleChord::On(board->scaleDegrees, 4, true)->ToneFlags();
    board->SetRoot(G, LAYER_OVERLAY);
    board->chordTones = true;
    // Open E is in the scale only, G (fret 3) in the chord too, C (8) the scale's root alone.
    EXPECT_EQ(board->Classify(0, 0), SCALE_NOTE);
    EXPECT_EQ(board->Classify(0, 3), OVERLAY_NOTE);
    EXPECT_EQ(board->Classify(0, 8), SCALE_NOTE | ROOT_NOTE);
}

} // namespace
