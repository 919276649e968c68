#include "NoteSpeller.h"
#include "CFretboard.h"
#include "ScaleLibrary.h"
#include "ScaleVocabularyReader.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The note (0..11 from A) a name of a letter and accidentals sounds; -1 for a malformed name.
int Sounds(const std::string& name)
{
    static const std::string letters = "ABCDEFG";
    static const int naturals[] = {0, 2, 3, 5, 7, 8, 10};
    if (name.empty() || letters.find(name[0]) == std::string::npos) {
        return -1;
    }
    const std::string accidentals = name.substr(1);
    int shift = 0;
    if (accidentals == "#") {
        shift = 1;
    } else if (accidentals == "x") {
        shift = 2;
    } else if (accidentals == "b") {
        shift = -1;
    } else if (accidentals == "bb") {
        shift = -2;
    } else if (!accidentals.empty()) {
        return -1;
    }
    return (naturals[letters.find(name[0])] + shift + 12) % 12;
}

std::array<int, 12> Degrees(std::initializer_list<int> degrees)
{
    std::array<int, 12> flags{};
    for (int degree : degrees) {
        flags[degree] = 1;
    }
    return flags;
}

// The names of the scale's notes, root first, as the key spells them.
std::string ScaleText(int root, const std::array<int, 12>& degrees,
                      RootSpelling rootSpelling = RootSpelling::Auto)
{
    const NoteSpeller speller = NoteSpeller::ForKey(root, degrees, rootSpelling);
    std::string text;
    for (int degree = 0; degree < 12; ++degree) {
        if (degrees[degree] != 0) {
            text += (text.empty() ? "" : " ") + speller.Name(root + degree);
        }
    }
    return text;
}

const std::array<int, 12> major = Degrees({0, 2, 4, 5, 7, 9, 11});
const std::array<int, 12> minor = Degrees({0, 2, 3, 5, 7, 8, 10});

struct KeyCase
{
    const char* name;
    int root; // note number from A
    std::array<int, 12> degrees;
    const char* expected;
    RootSpelling rootSpelling = RootSpelling::Auto;
};

class SpelledKey : public testing::TestWithParam<KeyCase>
{
};

TEST_P(SpelledKey, NamesEachNoteOfTheScale)
{
    EXPECT_EQ(ScaleText(GetParam().root, GetParam().degrees, GetParam().rootSpelling),
              GetParam().expected);
}

const KeyCase keyCases[] = {
    {"FMajor", 8, major, "F G A Bb C D E"},
    {"ASharpMajorIsBFlat", 1, major, "Bb C D Eb F G A"},
    {"CLydianSharpFourth", 3, Degrees({0, 2, 4, 6, 7, 9, 11}), "C D E F# G A B"},
    {"CLocrianFlatFifth", 3, Degrees({0, 1, 3, 5, 6, 8, 10}), "C Db Eb F Gb Ab Bb"},
    {"FSharpHarmonicMinor", 9, Degrees({0, 2, 3, 5, 7, 8, 11}), "F# G# A B C# D E#"},
    {"DSharpMinorTieGoesFlat", 6, minor, "Eb F Gb Ab Bb Cb Db"},
    {"GSharpMajorIsAFlat", 11, major, "Ab Bb C Db Eb F G"},
    {"FSharpMajorTieGoesFlat", 9, major, "Gb Ab Bb Cb Db Eb F"},
    {"CSharpMajorIsDFlat", 4, major, "Db Eb F Gb Ab Bb C"},
    {"BluesHasBothFourthAndFlatFifth", 3, Degrees({0, 3, 5, 6, 7, 10}), "C Eb F Gb G Bb"},
    {"NoDegreeKeepsSharps", 1, Degrees({}), ""},
    // Seven notes take one letter each, but a scale with both thirds keeps its major third.
    {"AlteredKeepsItsThird", 3, Degrees({0, 1, 3, 4, 6, 8, 10}), "C Db D# E F# Ab Bb"},
    {"LydianAugmentedEachLetterOnce", 3, Degrees({0, 2, 4, 6, 8, 9, 11}), "C D E F# G# A B"},
    // Climbing b2 b3 b4, both thirds keep their letters; a diminished seventh is a double flat.
    {"EPhrygianFlatFour", 7, Degrees({0, 1, 3, 4, 7, 8, 10}), "E F G Ab B C D"},
    {"GSharpHarmonicMinorSeventhMode", 11, Degrees({0, 1, 3, 4, 6, 8, 9}), "G# A B C D E F"},
    {"WholeToneSharpFifth", 3, Degrees({0, 2, 4, 6, 8, 10}), "C D E F# G# Bb"},
    // Equal accidentals: the key signature players use decides (G# minor five sharps, Ab minor
    // seven flats); F# major against Gb major, and D# minor against Eb minor, tie again: flats.
    {"GSharpHarmonicMinorBySignature", 11, Degrees({0, 2, 3, 5, 7, 8, 11}), "G# A# B C# D# E Fx"},
    {"RootAsSharpAllowsDoubles", 6, major, "D# E# Fx G# A# B# Cx", RootSpelling::Sharp},
    {"RootAsFlat", 11, minor, "Ab Bb Cb Db Eb Fb Gb", RootSpelling::Flat},
    {"RootAsFlatLeavesWhiteKeys", 3, major, "C D E F G A B", RootSpelling::Flat},
};

INSTANTIATE_TEST_SUITE_P(Table, SpelledKey, testing::ValuesIn(keyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NoteSpeller, EmptyKeyAndSharpsGiveTheOldLabels)
{
    const NoteSpeller sharps;
    const NoteSpeller empty = NoteSpeller::ForKey(1, Degrees({}));
    for (int note = 0; note < 12; ++note) {
        EXPECT_EQ(sharps.Label(note), noteNames[note]);
        EXPECT_EQ(empty.Label(note), noteNames[note]);
    }
    EXPECT_EQ(NoteSpeller::ForKey(1, major).Label(1), "Bb");
}

// Every name of every note, for every root and every built-in or installed scale, is a letter
// and at most two accidentals that sound the note; the seven-note scales use each letter once,
// except the two "Magic" ones, which hold two notes a semitone apart on one step, and the altered
// scale, whose major third keeps its letter (1 b2 #2 3 #4 b6 b7).
TEST(NoteSpeller, EveryRootAndBuiltInScaleSpellsSoundNames)
{
    ScaleVocabulary vocabulary;
    std::vector<std::string> faults;
    ASSERT_TRUE(ScaleVocabularyReader::Read(PINTO_SCALE_VOCABULARY, vocabulary, faults));
    ScaleLibrary library;
    LoadScaleLibrary(library, vocabulary);
    ASSERT_GE(library.presetCount, BUILT_IN_SCALE_COUNT + 60);
    for (int index = 0; index < library.presetCount; ++index) {
        const ScaleRecord& scale = library.records[index];
        std::array<int, 12> degrees{};
        int size = 0;
        for (int degree = 0; degree < 12; ++degree) {
            degrees[degree] = scale.degrees[degree] != 0 ? 1 : 0;
            size += degrees[degree];
        }
        const bool lettersTwice = scale.name.rfind("Magic", 0) == 0 || scale.name == "Altered";
        for (int root = 0; root < 12; ++root) {
            SCOPED_TRACE(scale.name + " on " + noteNames[root]);
            const NoteSpeller speller = NoteSpeller::ForKey(root, degrees);
            std::set<char> letters;
            for (int note = 0; note < 12; ++note) {
                EXPECT_EQ(Sounds(speller.Name(note)), note) << speller.Name(note);
                if (degrees[(note - root + 12) % 12] != 0) {
                    letters.insert(speller.Name(note)[0]);
                }
            }
            if (size == 7 && !lettersTwice) {
                EXPECT_EQ(letters.size(), 7u) << ScaleText(root, degrees);
            }
        }
    }
}

struct BoardCase
{
    const char* name;
    int root;
    std::array<int, 12> scale;
    int overlayRoot;
    std::array<int, 12> overlay;
    NoteSpelling spelling;
    std::vector<std::pair<int, std::string>> names; // note, expected name on the board
    bool openStrings = false;                       // names of the open strings instead
};

class SpelledBoard : public testing::TestWithParam<BoardCase>
{
};

TEST_P(SpelledBoard, NamesNotesByTheLayerTheyBelongTo)
{
    const BoardCase& c = GetParam();
    const int tunings[] = {7, 0, 5, 10, 2, 7};
    CFretboard board(6, tunings);
    board.SetRoot(c.root, LAYER_SCALE);
    board.SetRoot(c.overlayRoot, LAYER_OVERLAY);
    board.scaleDegrees = c.scale;
    board.overlayDegrees = c.overlay;
    const NoteSpeller speller = c.openStrings ? NoteSpeller::ForOpenStrings(board, c.spelling)
                                              : NoteSpeller::ForBoard(board, c.spelling);
    for (const auto& [note, name] : c.names) {
        EXPECT_EQ(speller.Name(note), name) << "note " << note;
    }
}

const BoardCase boardCases[] = {
    // F major with A# major laid over it: A# is in both and keeps F major's Bb; D# (only in the
    // overlay) is spelled by the overlay's key as Eb.
    {"OverlayOnlyNoteByOverlayKey",
     8,
     major,
     1,
     major,
     NoteSpelling::Key,
     {{1, "Bb"}, {6, "Eb"}, {0, "A"}}},
    // E major over C major: G# only in the overlay is G# in E, C# too; C (scale) stays C.
    {"SharpOverlayOnFlatlessScale",
     3,
     major,
     7,
     major,
     NoteSpelling::Key,
     {{11, "G#"}, {4, "C#"}, {3, "C"}}},
    // A note in neither layer takes the scale's key: above F, G# is a minor third (Ab) and C# a
    // minor sixth (Db).
    {"OtherNotesInTheScaleKey",
     8,
     major,
     0,
     Degrees({}),
     NoteSpelling::Key,
     {{11, "Ab"}, {1, "Bb"}, {4, "Db"}}},
    {"EmptyScaleUsesOverlayKey", 3, Degrees({}), 8, major, NoteSpelling::Key, {{1, "Bb"}}},
    {"NothingTickedKeepsSharps",
     8,
     Degrees({}),
     8,
     Degrees({}),
     NoteSpelling::Key,
     {{1, "A#"}, {6, "D#"}}},
    {"SharpsModeIgnoresTheKey", 8, major, 1, major, NoteSpelling::Sharps, {{1, "A#"}, {6, "D#"}}},
    // Open strings are named by their pitch: in E flat minor the B string is no "Cb", in A flat
    // Phrygian the A string no "Bbb"; a black key leans the way the key is spelled.
    {"OpenStringsPlainInAFlatKey",
     6,
     Degrees({0, 2, 3, 5, 7, 8, 10}),
     0,
     Degrees({}),
     NoteSpelling::Key,
     {{2, "B"}, {0, "A"}, {6, "Eb"}, {11, "Ab"}},
     true},
    {"OpenStringsNeverDoubled",
     11,
     Degrees({0, 1, 3, 5, 7, 8, 10}),
     0,
     Degrees({}),
     NoteSpelling::Key,
     {{0, "A"}, {7, "E"}},
     true},
    {"OpenStringsSharpInASharpKey", 0, major, 0, Degrees({}), NoteSpelling::Key, {{6, "D#"}}, true},
};

INSTANTIATE_TEST_SUITE_P(Table, SpelledBoard, testing::ValuesIn(boardCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
