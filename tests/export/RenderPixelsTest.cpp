// The pictures --render draws, checked in process: the options as parsed, the state built from
// them and the picture drawn from that state, with no program started.
#include "DiagramState.h"
#include "DiagramWriter.h"
#include "RenderOptions.h"
#include "RenderStateBuilder.h"
#include "TableRows.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Centre of the dot of (string, fret) in a 640 x 480 picture of count strings; a left-handed
// picture mirrors pixel column x to 640 - x (the strings run from 40 to 600), so the centre, the
// right one of the dot's two middle columns, moves to 641 - x.
QPoint DotCentre(int count, int string, int fret, bool leftHanded, bool lowStringOnTop)
{
    const int topY = 240 - ((count - 1) * 40) / 2;
    const int x = 60 + 40 * fret;
    const int row = lowStringOnTop ? string : count - 1 - string;
    return QPoint(leftHanded ? 641 - x : x, topY + 40 * row);
}

const QRgb blue = qRgb(0, 0, 255);      // root
const QRgb white = qRgb(255, 255, 255); // scale note, or any dot without colour
const QRgb red = qRgb(255, 0, 0);       // overlay-only note
const QRgb muted = qRgb(165, 165, 165); // a string line below a capo
const QRgb black = qRgb(0, 0, 0);       // no dot: the string line shows

struct Probe
{
    int string;
    int fret;
    QRgb colour;
};

struct PixelCase
{
    const char* name;
    std::vector<std::string> args; // after --render out.png --labels none
    int strings;
    std::vector<Probe> probes;
};

class RenderPixels : public testing::TestWithParam<PixelCase>
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "render_pixels_test";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
};

TEST_P(RenderPixels, DotCentresShowTheirKind)
{
    const PixelCase& c = GetParam();
    std::vector<std::string> args = {"--render", "out.png", "--labels", "none"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    RenderOptions options;
    std::string error;
    ASSERT_TRUE(RenderOptions::Parse(args, options, error)) << error;
    DiagramState state;
    ASSERT_TRUE(RenderStateBuilder::Build(options, state, error)) << error;
    const QImage image = DiagramWriter::Picture(state, QSize(options.width, options.height));
    ASSERT_EQ(image.size(), QSize(640, 480));
    for (const Probe& probe : c.probes) {
        const QPoint centre = DotCentre(c.strings, probe.string, probe.fret,
                                        options.diagram.leftHanded, options.diagram.lowStringOnTop);
        EXPECT_EQ(image.pixel(centre), probe.colour)
            << "string " << probe.string << " fret " << probe.fret;
    }
}

// A major triad on A with a major triad on C as the overlay, on a standard six-string guitar;
// on the low E string: fret 0 E (both), 2 F# (neither), 3 G (overlay), 5 A (root), 8 C (overlay),
// 9 C# (scale only).
const std::vector<std::string> triads = {"--instrument",   "guitar",    "--scale",
                                         "Major Triad",    "--overlay", "Major Triad",
                                         "--overlay-root", "C"};

std::vector<std::string> Triads(std::vector<std::string> more)
{
    more.insert(more.begin(), triads.begin(), triads.end());
    return more;
}

const PixelCase pixelCases[] = {
    {"AllNotes",
     triads,
     6,
     {{0, 5, blue},
      {0, 0, white},
      {0, 9, white},
      {0, 3, red},
      {0, 8, red},
      {0, 2, black},
      {5, 5, blue}}},
    {"CommonNotesHideRootOutsideOverlay",
     Triads({"--common"}),
     6,
     {{0, 0, white}, {0, 5, black}, {0, 3, black}, {0, 9, black}, {1, 7, white}}},
    {"NoColour", Triads({"--no-color"}), 6, {{0, 5, white}, {0, 3, white}}},
    {"LeftHandedLowStringOnTop",
     Triads({"--left-handed", "--low-string-on-top"}),
     6,
     {{0, 5, blue},
      {0, 0, white},
      {0, 9, white},
      {0, 3, red},
      {0, 8, red},
      {0, 2, black},
      {5, 5, blue}}},
    // A capo on 4: below it no dot, and the string lines muted towards the paper.
    {"CapoHidesTheFretsBelowIt",
     Triads({"--capo", "4"}),
     6,
     {{0, 0, muted}, {0, 3, muted}, {0, 5, blue}, {0, 8, red}, {5, 2, muted}}},
    {"OwnTuningAndRoot",
     {"--instrument", "bass", "--tuning", "E,E,E,G", "--root", "E", "--degrees", "0"},
     4,
     {{0, 0, blue}, {2, 12, blue}, {3, 0, black}, {3, 9, blue}}},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderPixels, testing::ValuesIn(pixelCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
