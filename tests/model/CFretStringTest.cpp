#include "CFretString.h"
#include "Notes.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A lone string with its own flag arrays, as the fretboard would attach them.
struct StringUnderTest
{
    std::array<int, 12> scale{};
    std::array<int, 12> overlay{};
    CFretString string;

    StringUnderTest(int tuning, int startFret, int root, const std::vector<int>& degrees)
        : string(tuning, 13, startFret)
    {
        for (int d : degrees)
            scale[static_cast<size_t>(d)] = 1;
        string.SetDegreeFlags(scale.data(), LAYER_SCALE);
        string.SetRoot(root, LAYER_SCALE);
    }

    void AttachOverlay(int root, const std::vector<int>& degrees)
    {
        for (int d : degrees)
            overlay[static_cast<size_t>(d)] = 1;
        string.SetDegreeFlags(overlay.data(), LAYER_OVERLAY);
        string.SetRoot(root, LAYER_OVERLAY);
    }
};

TEST(CFretStringNotes, NoteAndDegreeLabels)
{
    StringUnderTest e(7, 0, 3, {});
    EXPECT_EQ(e.string.NoteAt(0), 7);
    EXPECT_STREQ(noteNames[7], "E ");
    EXPECT_EQ(e.string.DegreeAt(0), 4);
    EXPECT_STREQ(degreeNames[static_cast<size_t>(e.string.DegreeAt(0))], "3 ");
    EXPECT_EQ(e.string.NoteAt(12), 7);
    for (const char* label : noteNames)
        EXPECT_EQ(std::string(label).size(), 2u);
    for (const char* label : degreeNames)
        EXPECT_EQ(std::string(label).size(), 2u);
}

TEST(CFretStringNotes, ShortBanjoStringCountsFromItsStartFret)
{
    StringUnderTest banjo(10, 5, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(banjo.string.NoteAt(5), 10);
    EXPECT_EQ(banjo.string.NoteAt(7), 0);
    for (int fret = 0; fret < 5; ++fret)
        EXPECT_EQ(banjo.string.ClassifyFret(fret), OFF_STRING) << "fret " << fret;
    EXPECT_EQ(banjo.string.ClassifyFret(5), SCALE_NOTE);
}

struct ClassifyCase
{
    const char* name;
    int root;
    std::vector<int> scale;
    bool withOverlay;
    int overlayRoot;
    std::vector<int> overlay;
    int fret; // on a string tuned A, so the fret equals the note number up to fret 11
    int expected;
};

class CFretStringClassify : public testing::TestWithParam<ClassifyCase>
{
};

TEST_P(CFretStringClassify, ClassifiesFret)
{
    const ClassifyCase& c = GetParam();
    StringUnderTest a(0, 0, c.root, c.scale);
    if (c.withOverlay)
        a.AttachOverlay(c.overlayRoot, c.overlay);
    EXPECT_EQ(a.string.ClassifyFret(c.fret), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CFretStringClassify,
    testing::Values(
        ClassifyCase{"RootOnlyOpen", 0, {0}, false, 0, {}, 0, SCALE_NOTE | ROOT_NOTE},
        ClassifyCase{"RootOnlyOctave", 0, {0}, false, 0, {}, 12, SCALE_NOTE | ROOT_NOTE},
        ClassifyCase{"RootOnlyFifth", 0, {0}, false, 0, {}, 7, 0},
        ClassifyCase{"UntickedRootIsPlain", 0, {7}, false, 0, {}, 0, 0},
        ClassifyCase{"FifthWithoutRootMark", 0, {7}, false, 0, {}, 7, SCALE_NOTE},
        ClassifyCase{"OverlayRootOnlyOverlay", 3, {0}, true, 5, {0}, 5, OVERLAY_NOTE},
        ClassifyCase{
            "OverlayRootAlsoInScale", 3, {0, 2}, true, 5, {0}, 5, SCALE_NOTE | OVERLAY_NOTE},
        ClassifyCase{"OverlayBelowScaleRoot",
                     5,
                     {0},
                     true,
                     3,
                     {2},
                     5,
                     SCALE_NOTE | ROOT_NOTE | OVERLAY_NOTE},
        ClassifyCase{"EmptyOverlayMarksNothing", 0, {0}, true, 0, {}, 0, SCALE_NOTE | ROOT_NOTE}),
    [](const testing::TestParamInfo<ClassifyCase>& info) { return info.param.name; });

TEST(CFretStringClassify, EmptyOverlayNeverMarksAnyFret)
{
    StringUnderTest a(0, 0, 0, {0, 2, 4, 5, 7, 9, 11});
    a.AttachOverlay(4, {});
    for (int fret = 0; fret <= 12; ++fret)
        EXPECT_EQ(a.string.ClassifyFret(fret) & OVERLAY_NOTE, 0) << "fret " << fret;
}

TEST(CFretStringLayers, OtherLayerSelectorsAreIgnored)
{
    StringUnderTest a(0, 0, 3, {0});
    a.AttachOverlay(8, {0});
    EXPECT_EQ(a.string.GetRoot(2), 12);
    a.string.SetRoot(5, 2);
    EXPECT_EQ(a.string.GetRoot(LAYER_SCALE), 3);
    EXPECT_EQ(a.string.GetRoot(LAYER_OVERLAY), 8);
    a.string.SetDegreeFlags(nullptr, 2);
    EXPECT_EQ(a.string.GetDegreeFlags(2), nullptr);
    EXPECT_EQ(a.string.GetDegreeFlags(LAYER_SCALE), a.scale.data());
    EXPECT_EQ(a.string.GetDegreeFlags(LAYER_OVERLAY), a.overlay.data());
}

TEST(CFretStringLayers, SetStartFretReturnsThePreviousOne)
{
    CFretString s(7, 13, 0);
    EXPECT_EQ(s.SetStartFret(5), 0);
    EXPECT_EQ(s.SetStartFret(0), 5);
}

TEST(CFretStringRange, StaysInsideTheFlagArrays)
{
    StringUnderTest a(0, 0, 0, {0});
    a.AttachOverlay(0, {0});
    // Notes and degrees wrap into 0..11 even for frets past the neck or odd stored roots.
    EXPECT_EQ(a.string.NoteAt(-13), 11);
    a.string.SetRoot(-1, LAYER_OVERLAY);
    EXPECT_EQ(a.string.OverlayBit(11), OVERLAY_NOTE);
    EXPECT_DEBUG_DEATH(EXPECT_EQ(a.string.ClassifyDegree(12), 0), "");
}

} // namespace
