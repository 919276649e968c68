#include "RenderOptions.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <tuple>

namespace {

std::vector<std::string> Split(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::pair<int, int> SizeOf(const RenderOptions& o)
{
    return {o.width, o.height};
}

struct AcceptedCase
{
    const char* name;
    const char* args;
    std::function<void(const RenderOptions&)> check;
};

class RenderOptionsAccepts : public testing::TestWithParam<AcceptedCase>
{
};

TEST_P(RenderOptionsAccepts, ReadsTheValue)
{
    RenderOptions options;
    std::string error;
    ASSERT_TRUE(RenderOptions::Parse(Split(GetParam().args), options, error)) << error;
    GetParam().check(options);
}

const AcceptedCase acceptedCases[] = {
    {"Defaults", "--render a.png",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.format, RenderOptions::Format::Png);
         EXPECT_EQ(SizeOf(o), std::make_pair(640, 480));
         EXPECT_EQ(o.dpi, 600);
         EXPECT_FALSE(o.letter || o.landscape || o.common || o.noColor || o.noMarkers);
         EXPECT_EQ(o.book, RenderOptions::Book::None);
         EXPECT_FALSE(o.instrument || o.strings || o.tuning || o.scaleName || o.degrees);
         EXPECT_EQ(o.root + o.overlayRoot, 0);
         EXPECT_EQ(o.labels, RenderOptions::Labels::Degrees);
         EXPECT_EQ(o.diagram, DiagramOptions{});
     }},
    {"SvgSizeAnyCase", "--render dir.x/A.SVG --size 1024X768",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.format, RenderOptions::Format::Svg);
         EXPECT_EQ(SizeOf(o), std::make_pair(1024, 768));
     }},
    {"PdfWithEqualsForms", "--render=p.pdf --page Letter --dpi=300",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.file, "p.pdf");
         EXPECT_EQ(o.format, RenderOptions::Format::Pdf);
         EXPECT_TRUE(o.letter);
         EXPECT_EQ(o.dpi, 300);
     }},
    {"Instrument", "--render a.png --instrument Banjo --strings 4 --tuning g,D,G,b --root C#",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.instrument, Instrument::Banjo);
         EXPECT_EQ(o.strings, 4);
         EXPECT_EQ(o.tuning, (std::vector<int>{10, 5, 10, 2}));
         EXPECT_EQ(o.root, 4);
     }},
    {"DegreesAndFlags", "--render a.png --degrees 0,4,7,4 --labels notes --no-color --no-markers",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.degrees, (std::array<int, 12>{1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0}));
         EXPECT_EQ(o.labels, RenderOptions::Labels::Notes);
         EXPECT_TRUE(o.noColor && o.noMarkers);
     }},
    {"OverlayAndLaterValueWins",
     "--render a.png --scale=Minor --overlay Major --overlay-root G# --common --root D --root E",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.scaleName, "Minor");
         EXPECT_EQ(o.overlayName, "Major");
         EXPECT_EQ(o.overlayRoot, 11);
         EXPECT_TRUE(o.common);
         EXPECT_EQ(o.root, 7);
     }},
    {"HelpNeedsNoFileAndStopsTheReading", "--help --version --bogus",
     [](const RenderOptions& o) { EXPECT_TRUE(o.help && !o.version); }},
    {"ValueAfterEqualsMayStartWithADash", "--render=-dash.png --scale=-odd",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.file, "-dash.png");
         EXPECT_EQ(o.scaleName, "-odd");
     }},
    {"DiagramToggles", "--render a.png --left-handed --low-string-on-top --spelling Key",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.diagram,
                   (DiagramOptions{
                       .leftHanded = true, .lowStringOnTop = true, .spelling = NoteSpelling::Key}));
     }},
    {"SpellingSharps", "--render a.png --spelling=key --spelling sharps",
     [](const RenderOptions& o) { EXPECT_EQ(o.diagram.spelling, NoteSpelling::Sharps); }},
    {"Frets", "--render a.png --frets 24 --frets=13",
     [](const RenderOptions& o) { EXPECT_EQ(o.diagram.frets, 13); }},
    {"SoundDefaults", "--render run.WAV",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.format, RenderOptions::Format::Wav);
         EXPECT_EQ(std::make_tuple(o.bpm, o.passes, o.countInBars, o.beatsPerBar, o.click),
                   std::make_tuple(120, 1, 0, 4, false));
         EXPECT_EQ(o.direction, RenderOptions::Direction::Up);
         EXPECT_FALSE(o.trainer || o.patternName);
     }},
    {"SoundOptions",
     "--render run.mid --bpm 90 --direction updown --passes 12 --count-in 2 --click --beats 6 "
     "--trainer 40,-8,3,10 --pattern Lick",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.format, RenderOptions::Format::Mid);
         EXPECT_EQ(std::make_tuple(o.bpm, o.passes, o.countInBars, o.beatsPerBar, o.click),
                   std::make_tuple(90, 12, 2, 6, true));
         EXPECT_EQ(o.direction, RenderOptions::Direction::UpAndDown);
         EXPECT_EQ(o.trainer, (std::array<int, 4>{40, -8, 3, 10}));
         EXPECT_EQ(o.patternName, "Lick");
     }},
    {"PatternAlsoDrawn", "--render a.png --pattern Box",
     [](const RenderOptions& o) { EXPECT_EQ(o.patternName, "Box"); }},
    {"PresetCapoAndRange",
     "--render a.png --tuning-preset dadgad --capo 2 --frets 24 "
     "--fret-range 20-24",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.tuningPreset, "dadgad");
         EXPECT_EQ(o.diagram,
                   (DiagramOptions{.frets = 24, .capo = 2, .fromFret = 20, .toFret = 24}));
     }},
    {"BookAndLandscape", "--render b.pdf --scale Blues --book Keys --landscape --book=family",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.book, RenderOptions::Book::Family);
         EXPECT_TRUE(o.landscape);
     }},
    {"FlatsEverywhereANoteIsRead", "--render a.png --root Bb --overlay-root db --tuning Eb,Ab,bb",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.root, 1);
         EXPECT_EQ(o.overlayRoot, 4);
         EXPECT_EQ(o.tuning, (std::vector<int>{6, 11, 1}));
     }},
    {"DegreeNamesAndRootSpelling", "--render a.png --degree-names Flats --root-as sharp",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.diagram.degreeNaming, DegreeNaming::FlatsAndSharps);
         EXPECT_EQ(o.diagram.rootSpelling, RootSpelling::Sharp);
     }},
    {"LabelsIntervalsAreNamedDegrees", "--render a.png --labels intervals",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.labels, RenderOptions::Labels::Degrees);
         EXPECT_EQ(o.diagram.degreeNaming, DegreeNaming::Intervals);
     }},
    {"LookAndColours", "--render a.png --look Modern --colours=dark",
     [](const RenderOptions& o) {
         EXPECT_EQ(o.diagram.look, DiagramLook::Modern);
         EXPECT_EQ(o.diagram.colours, ColourScheme::Dark);
     }},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderOptionsAccepts, testing::ValuesIn(acceptedCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectedCase
{
    const char* name;
    const char* args;
    const char* message; // part of the expected error text
};

class RenderOptionsRejects : public testing::TestWithParam<RejectedCase>
{
};

TEST_P(RenderOptionsRejects, NamesTheProblemOnOneLine)
{
    RenderOptions options;
    std::string error;
    EXPECT_FALSE(RenderOptions::Parse(Split(GetParam().args), options, error));
    EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

const RejectedCase rejectedCases[] = {
    {"NoFile", "--root C", "--render FILE"},
    {"UnknownEnding", "--render a.jpg", "'a.jpg'"},
    {"UnknownOption", "--render a.png --colour", "'--colour'"},
    {"StrayWord", "--render a.png Major", "'Major'"},
    {"FlagWithValue", "--render a.png --common=yes", "--common takes no value"},
    {"SizeWithoutX", "--render a.png --size 640", "'640'"},
    {"SizeTooSmall", "--render a.png --size 10x480", "'10x480'"},
    {"SizeTooLarge", "--render a.png --size 640x100000", "'640x100000'"},
    {"DpiNotNumber", "--render a.pdf --dpi high", "'high'"},
    {"Page", "--render a.pdf --page a3", "'a3'"},
    {"Instrument", "--render a.png --instrument ukulele", "'ukulele'"},
    {"StringsNotNumber", "--render a.png --strings six", "'six'"},
    {"RootUnknown", "--render a.png --root H", "unknown note 'H' in --root"},
    {"RootSharpAndFlat", "--render a.png --root Bb#", "unknown note 'Bb#' in --root: use A to G"},
    {"TuningNote", "--render a.png --tuning E,A,D,G,B,Q", "unknown note 'Q' in --tuning"},
    {"DegreeTooLarge", "--render a.png --degrees 0,12", "'12'"},
    {"Labels", "--render a.png --labels letters", "'letters'"},
    {"Spelling", "--render a.png --spelling flats", "unknown spelling 'flats'"},
    {"DegreeNames", "--render a.png --degree-names roman", "'roman': use classic, flats or"},
    {"RootAs", "--render a.png --root-as natural", "'natural': use auto, sharp or flat"},
    {"FretsTooFew", "--render a.png --frets 11",
     "fret count '11' is out of range: use --frets 12..24"},
    {"FretsNegative", "--render a.png --frets -1", "fret count '-1' is out of range"},
    {"FretsNotNumber", "--render a.png --frets x", "bad fret count 'x': use --frets 12..24"},
    {"DegreeNegative", "--render a.png --degrees 3,-1", "bad degree '-1' in --degrees"},
    {"FretsTooMany", "--render a.png --frets 25", "'25'"},
    {"Look", "--render a.png --look fancy", "unknown look 'fancy': use classic or modern"},
    {"Colours", "--render a.png --colours system", "unknown colours 'system': use light or dark"},
    {"CapoAboveTwelve", "--render a.png --capo 13", "bad capo '13': use --capo 0..12"},
    {"CapoLeavesTooFewFrets", "--render a.png --capo 10",
     "bad capo '10': a capo on fret 10 leaves fewer than 3 frets of a 12-fret neck"},
    {"RangeBackwards", "--render a.png --fret-range 9-3", "bad fret range '9-3': show at least 4"},
    {"RangeBeyondTheNeck", "--render a.png --fret-range 5-15", "the neck ends at fret 12"},
    {"RangeStartsTooHigh", "--render a.png --frets 24 --fret-range 21-24", "start at fret 0 to 20"},
    {"RangeNoDash", "--render a.png --fret-range 5", "use --fret-range FROM-TO"},
    {"RangeOfOneFret", "--render a.png --fret-range 0-0", "bad fret range '0-0': show at least 4"},
    {"PresetUnknown", "--render a.png --tuning-preset Dropz", "unknown tuning preset 'Dropz'"},
    {"PresetAndTuning", "--render a.png --tuning-preset DADGAD --tuning D,A,D,G,A,D",
     "--tuning and --tuning-preset cannot be used together"},
    {"LeftHandedTakesNoValue", "--render a.png --left-handed=yes", "takes no value"},
    {"ScaleAndDegrees", "--render a.png --scale Major --degrees 0", "cannot be used together"},
    {"SoundOptionOnAPicture", "--render a.png --click", "use --render FILE.wav or FILE.mid"},
    {"TempoTooSlow", "--render a.wav --bpm 9", "bad value '9' of --bpm: use 10..600"},
    {"CountInOfThreeBars", "--render a.mid --count-in 3", "use 0..2"},
    {"BeatsTooMany", "--render a.mid --beats 13", "use 1..12"},
    {"NoPasses", "--render a.wav --passes 0", "use 1..999"},
    {"Direction", "--render a.wav --direction sideways", "unknown direction 'sideways'"},
    {"TrainerStepZero", "--render a.wav --trainer 60,0,1,100", "bad trainer '60,0,1,100'"},
    {"TrainerThreeValues", "--render a.wav --trainer 60,4,100", "START,STEP,EVERY,TARGET"},
    {"BookKind", "--render a.pdf --scale Major --book chords", "unknown book 'chords'"},
    {"BookIsAPdf", "--render a.png --scale Major --book keys", "--book writes a PDF"},
    {"BookOfAScale", "--render a.pdf --degrees 0,4 --book keys", "--book needs a scale"},
    {"ValueIsAnotherOption", "--render a.png --scale --help", "option --scale needs a value"},
    {"UnknownBeforeHelp", "--render a.png --bogus --help",
     "unknown option '--bogus'; see pinto --help"},
    {"ControlCharactersEscaped", "--render a.png --root \x1b[2J\x07",
     "unknown note '\\x1b[2J\\x07' in --root"},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderOptionsRejects, testing::ValuesIn(rejectedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RenderOptionsTest, ScaleNameMayHoldBlanksAsOneArgument)
{
    RenderOptions options;
    std::string error;
    ASSERT_TRUE(RenderOptions::Parse({"--render", "a.png", "--scale", "Super Lochrian (Gypsy)"},
                                     options, error));
    EXPECT_EQ(options.scaleName, "Super Lochrian (Gypsy)");
}

TEST(RenderOptionsTest, EchoedValuesAreCutAfter200Characters)
{
    RenderOptions options;
    std::string error;
    ASSERT_FALSE(RenderOptions::Parse({"--render", "a.png", "--page", std::string(205, '7')},
                                      options, error));
    EXPECT_EQ(error, "unknown page '" + std::string(200, '7') + "...': use a4 or letter");
}

TEST(RenderOptionsTest, NoteNamesAsPlayersTypeThem)
{
    const char* names[] = {"A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};
    for (int note = 0; note < 12; ++note)
        EXPECT_EQ(RenderOptions::ParseNote(names[note]), note) << names[note];
    const std::pair<const char*, int> typed[] = {
        {"bb", 1},      {"BB", 1},      {"Cb", 2},           {"e#", 8},
        {"Fx", 10},     {"f##", 10},    {"Ebb", 5},          {"A ", 0},
        {"D\u266d", 4}, {"C\u266f", 4}, {"F\U0001D12A", 10}, {"G\U0001D12B", 8}};
    for (const auto& [text, note] : typed)
        EXPECT_EQ(RenderOptions::ParseNote(text), note) << text;
    for (const char* bad : {"", "H", "#", "Bb#", "Cbbb", "C#x", "E natural", "A\u266e"})
        EXPECT_FALSE(RenderOptions::ParseNote(bad)) << bad;
}

} // namespace
