#include "DegreeSpeller.h"
#include "NoteSpeller.h"
#include "ScaleLibrary.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct ScaleCase
{
    const char* name;              // a built-in scale's name, or the row's own for listed degrees
    const char* flats;             // its degrees as Flats and Sharps names them
    const char* intervals;         // and as Intervals names them
    std::array<int, 12> degrees{}; // for a scale that is not built in
};

class NamedDegrees : public testing::TestWithParam<ScaleCase>
{
};

std::string Names(const std::array<int, 12>& degrees, DegreeNaming naming)
{
    const DegreeSpeller speller = DegreeSpeller::ForScale(degrees, naming, false);
    std::string text;
    for (int degree = 0; degree < 12; ++degree) {
        if (degrees[degree] != 0) {
            text += (text.empty() ? "" : " ") + speller.Name(degree);
        }
    }
    return text;
}

// Each scale's degrees in both new name sets; on three roots every note's letter lies as many
// letters above the root's as its degree's number says, so the dots' names agree with the notes.
TEST_P(NamedDegrees, AgreeWithTheNotesSpelledByKey)
{
    const ScaleCase& c = GetParam();
    std::array<int, 12> degrees = c.degrees;
    ScaleLibrary library;
    LoadScaleLibrary(library);
    for (const ScaleRecord& record : library.records) {
        for (int degree = 0; degree < 12 && record.name == c.name; ++degree) {
            degrees[degree] = record.degrees[degree] != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(Names(degrees, DegreeNaming::FlatsAndSharps), c.flats);
    EXPECT_EQ(Names(degrees, DegreeNaming::Intervals), c.intervals);
    const DegreeSpeller numbers =
        DegreeSpeller::ForScale(degrees, DegreeNaming::FlatsAndSharps, false);
    for (int root : {3, 9, 1}) {
        const NoteSpeller notes = NoteSpeller::ForKey(root, degrees);
        for (int degree = 0; degree < 12; ++degree) {
            if (degrees[degree] != 0) {
                const int number = numbers.Name(degree).back() - '1';
                const int letters = (notes.Name(root + degree)[0] - notes.Name(root)[0] + 7) % 7;
                EXPECT_EQ(letters, number) << notes.Name(root + degree) << " over root " << root;
            }
        }
    }
}

const ScaleCase scaleCases[] = {
    {"Diminished", "1 2 b3 4 b5 b6 6 7", "P1 M2 m3 P4 d5 m6 M6 M7"},
    {"Super Lochrian (Gypsy)", "1 b2 3 4 5 b6 b7", "P1 m2 M3 P4 P5 m6 m7"},
    {"Harmonic Minor", "1 2 b3 4 5 b6 7", "P1 M2 m3 P4 P5 m6 M7"},
    {"Magic Major", "1 2 #2 3 5 b6 6", "P1 M2 A2 M3 P5 m6 M6"},
    {"Magic Minor", "1 b3 4 b5 5 b7 7", "P1 m3 P4 d5 P5 m7 M7"},
    {"Major", "1 2 3 4 5 6 7", "P1 M2 M3 P4 P5 M6 M7"},
    {"Major Pentatonic", "1 2 3 5 6", "P1 M2 M3 P5 M6"},
    {"Major Triad", "1 3 5", "P1 M3 P5"},
    {"Minor", "1 2 b3 4 5 b6 b7", "P1 M2 m3 P4 P5 m6 m7"},
    {"Minor Pentatonic", "1 b3 4 5 b7", "P1 m3 P4 P5 m7"},
    {"Minor Triad", "1 b3 5", "P1 m3 P5"},
    {"Whole Tone", "1 2 3 #4 #5 b7", "P1 M2 M3 A4 A5 m7"},
    {"Ionian Mode", "1 2 3 4 5 6 7", "P1 M2 M3 P4 P5 M6 M7"},
    {"Dorian Mode", "1 2 b3 4 5 6 b7", "P1 M2 m3 P4 P5 M6 m7"},
    {"Phrygian Mode", "1 b2 b3 4 5 b6 b7", "P1 m2 m3 P4 P5 m6 m7"},
    {"Lydian Mode", "1 2 3 #4 5 6 7", "P1 M2 M3 A4 P5 M6 M7"},
    {"Mixolydian Mode", "1 2 3 4 5 6 b7", "P1 M2 M3 P4 P5 M6 m7"},
    {"Aeolian Mode", "1 2 b3 4 5 b6 b7", "P1 M2 m3 P4 P5 m6 m7"},
    {"Locrian Mode", "1 b2 b3 4 b5 b6 b7", "P1 m2 m3 P4 d5 m6 m7"},
    {"Altered", "1 b2 #2 3 #4 b6 b7", "P1 m2 A2 M3 A4 m6 m7", {1, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0}},
    {"UltraLocrian",
     "1 b2 b3 b4 b5 b6 bb7",
     "P1 m2 m3 d4 d5 m6 d7",
     {1, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 0}},
    {"LydianAugmented",
     "1 2 3 #4 #5 6 7",
     "P1 M2 M3 A4 A5 M6 M7",
     {1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1}},
};

INSTANTIATE_TEST_SUITE_P(Table, NamedDegrees, testing::ValuesIn(scaleCases), [](const auto& info) {
    std::string name = info.param.name;
    std::erase_if(name, [](unsigned char c) { return std::isalnum(c) == 0; });
    return name;
});

} // namespace
