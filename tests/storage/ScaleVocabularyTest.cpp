#include "ScaleCatalog.h"
#include "ScaleLibrary.h"
#include "ScaleVocabularyReader.h"
#include "StorageTestSupport.h"
#include "TableRows.h"

#include <set>
#include <sstream>

namespace {

using Strings = std::vector<std::string>;

// The notes of a textbook formula such as "1 b2 #2 3": degree numbers 1..7 of the major scale,
// each with any number of flats or sharps.
std::array<int, 12> Formula(const std::string& formula)
{
    static const int major[] = {0, 2, 4, 5, 7, 9, 11};
    std::array<int, 12> degrees{};
    std::istringstream words(formula);
    std::string word;
    while (words >> word) {
        int shift = 0;
        for (const char c : word) {
            shift += c == '#' ? 1 : c == 'b' ? -1 : 0;
        }
        degrees[static_cast<std::size_t>((major[word.back() - '1'] + shift + 12) % 12)] = 1;
    }
    return degrees;
}

std::vector<int> Semitones(const std::array<int, 12>& degrees)
{
    std::vector<int> semitones;
    for (int d = 0; d < 12; ++d) {
        if (degrees[static_cast<std::size_t>(d)] != 0) {
            semitones.push_back(d);
        }
    }
    return semitones;
}

class ShippedVocabulary : public StorageTest
{
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        ASSERT_TRUE(ScaleVocabularyReader::Read(PINTO_SCALE_VOCABULARY, vocabulary, faults));
        LoadScaleLibrary(library, vocabulary);
    }

    ScaleVocabulary vocabulary;
    std::vector<std::string> faults;
    ScaleLibrary library;
};

TEST_F(ShippedVocabulary, SixtyScalesOfTheirOwnUnderUniqueNames)
{
    EXPECT_EQ(faults, Strings{});
    EXPECT_GE(library.presetCount - BUILT_IN_SCALE_COUNT, 60);
    std::set<std::string> names;
    for (const ScaleRecord& record : library.records) {
        EXPECT_TRUE(names.insert(record.name).second) << record.name;
    }
    for (std::size_t i = 0; i < vocabulary.scales.size(); ++i) {
        const VocabularyScale& scale = vocabulary.scales[i];
        // A scale named like a built-in one stands for it and so has its notes.
        EXPECT_EQ(library.records[static_cast<std::size_t>(library.vocabularyRecords[i])].degrees,
                  scale.degrees)
            << scale.name;
        for (const std::string& alias : scale.aliases) {
            EXPECT_EQ(names.count(alias), 0u) << scale.name << " has the alias " << alias;
        }
    }
}

TEST_F(ShippedVocabulary, EveryModeIsARotationOfItsParent)
{
    for (const VocabularyScale& scale : vocabulary.scales) {
        if (scale.mode == 0) {
            continue;
        }
        SCOPED_TRACE(scale.name);
        const int parent =
            scale.parent.empty()
                ? vocabulary.families[static_cast<std::size_t>(scale.family)].scales.front()
                : vocabulary.Find(scale.parent);
        ASSERT_GE(parent, 0);
        const std::array<int, 12>& notes =
            vocabulary.scales[static_cast<std::size_t>(parent)].degrees;
        ASSERT_LE(scale.mode, static_cast<int>(Semitones(notes).size()));
        const int start = Semitones(notes)[static_cast<std::size_t>(scale.mode - 1)];
        for (int d = 0; d < 12; ++d) {
            EXPECT_EQ(scale.degrees[static_cast<std::size_t>(d)], notes[(d + start) % 12]) << d;
        }
    }
}

struct FormulaCase
{
    const char* name;
    const char* formula;
};

class ShippedFormulas : public ShippedVocabulary, public testing::WithParamInterface<FormulaCase>
{
};

TEST_P(ShippedFormulas, AgreeWithTheTextbooks)
{
    const int index = vocabulary.Find(GetParam().name);
    ASSERT_GE(index, 0);
    EXPECT_EQ(vocabulary.scales[static_cast<std::size_t>(index)].degrees,
              Formula(GetParam().formula));
}

const FormulaCase formulaCases[] = {
    {"Melodic Minor", "1 2 b3 4 5 6 7"}, {"Altered", "1 b2 #2 3 #4 #5 b7"},
    {"Minor Blues", "1 b3 4 b5 5 b7"},   {"Bebop Dominant", "1 2 3 4 5 6 b7 7"},
    {"Hirajoshi", "1 2 b3 5 b6"},        {"Enigmatic", "1 b2 3 #4 #5 #6 7"},
};

INSTANTIATE_TEST_SUITE_P(Table, ShippedFormulas, testing::ValuesIn(formulaCases));

struct FaultCase
{
    const char* name;
    const char* text;
    Strings scales;    // the scales read
    const char* fault; // start of the first fault, "" for none
};

class VocabularyFaults : public testing::TestWithParam<FaultCase>
{
};

TEST_P(VocabularyFaults, LeaveOutTheScaleAndNameTheLine)
{
    std::vector<std::string> faults;
    const ScaleVocabulary vocabulary = ScaleVocabularyReader::Parse(GetParam().text, faults);
    Strings names;
    for (const VocabularyScale& scale : vocabulary.scales) {
        names.push_back(scale.name);
    }
    EXPECT_EQ(names, GetParam().scales);
    if (*GetParam().fault == '\0') {
        EXPECT_EQ(faults, Strings{});
    } else {
        ASSERT_FALSE(faults.empty());
        EXPECT_EQ(faults[0].rfind(GetParam().fault, 0), 0u) << faults[0];
    }
}

const FaultCase faultCases[] = {
    {"CommentsBlanksAndCrLf", "#\r\n\r\nfamily F\r\n  scale A \r\nnotes 0 4\r\n", {"A"}, ""},
    {"NotesMustRise", "family F\nscale A\nnotes 0 3 2\nscale B\nnotes 0\n", {"B"}, "line 3: notes"},
    {"UnknownWord", "family F\nscale A\nnotes 0 4\nnote 7\n", {}, "line 4: unknown word 'note'"},
    {"NameListedTwice", "family F\nscale A\nnotes 0\nscale A\nnotes 0\n", {"A"}, "line 4: scale"},
    {"NoNotes", "family F\nscale A\nalias B\nfamily G\n", {}, "line 2: scale 'A' has no notes"},
    {"ModeInWords", "family F\nscale A\nnotes 0 4\nmode 2 from B\n", {}, "line 4: write a mode"},
};

INSTANTIATE_TEST_SUITE_P(Table, VocabularyFaults, testing::ValuesIn(faultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A small vocabulary of two families with a built-in scale and a name the user has too, after a
// preset file of one scale.
class VocabularyLibrary : public StorageTest
{
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        WriteFile("_pinto_s.dat",
                  CrLf({"P0", "1", "0", "0", "0", "0", "0", "0", "1", "0", "0", "0", "0"}));
        WriteFile("pinto_s.dat", CrLf({"Lydian Dominant", "1", "0", "0", "0", "1", "0", "0", "1",
                                       "0", "0", "0", "0"}));
        std::vector<std::string> faults;
        LoadScaleLibrary(library, ScaleVocabularyReader::Parse("family Modes\n"
                                                               "scale Major\n"
                                                               "notes 0 2 4 5 7 9 11\n"
                                                               "alias Ionian Too\n"
                                                               "scale Lydian Dominant\n"
                                                               "notes 0 2 4 6 7 9 10\n"
                                                               "family Empty Handed\n",
                                                               faults));
    }

    ScaleLibrary library;
};

TEST_F(VocabularyLibrary, PresetsFollowThePresetFileAndTheUserKeepsItsOwn)
{
    EXPECT_EQ(Names(library, 19), (Strings{"P0", "Lydian Dominant", "Lydian Dominant"}));
    EXPECT_EQ(library.presetCount, 21);
    EXPECT_EQ(library.vocabularyRecords, (std::vector<int>{5, 20}));
    EXPECT_EQ(ForgetScale(library, 21), StoreResult::Refused);
    EXPECT_EQ(ForgetScale(library, 22), StoreResult::Stored);
    EXPECT_EQ(ReadFile("pinto_s.dat"), "");
    EXPECT_EQ(Names(library, 19), (Strings{"P0", "Lydian Dominant"}));
}

struct QueryCase
{
    const char* name;
    const char* query;
    Strings found; // "group: scale" in tree order
};

class VocabularyQueries : public VocabularyLibrary, public testing::WithParamInterface<QueryCase>
{
};

TEST_P(VocabularyQueries, FindEveryWordAtTheStartOfAWord)
{
    const ScaleCatalog catalog(library);
    Strings found;
    for (const ScaleGroup& group : catalog.Groups(ScaleFilter(GetParam().query))) {
        for (int record : group.records) {
            found.push_back(group.title + ": " + library.Record(record)->name);
        }
    }
    EXPECT_EQ(found, GetParam().found);
}

const QueryCase queryCases[] = {
    {"WordsInAnyOrderAndCase", "DOM lyd", {"Modes: Lydian Dominant", "My Scales: Lydian Dominant"}},
    {"AliasFindsTheBuiltInTwice", "ionian t", {"Built-in Scales: Major", "Modes: Major"}},
    {"PunctuationParts", "(gypsy) super-", {"Built-in Scales: Super Lochrian (Gypsy)"}},
    {"OnlyWordStarts", "ydian", {}},
};

INSTANTIATE_TEST_SUITE_P(Table, VocabularyQueries, testing::ValuesIn(queryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VocabularyLibrary, GroupsAndFamilies)
{
    const ScaleCatalog catalog(library);
    Strings titles;
    for (const ScaleGroup& group : catalog.Groups()) {
        titles.push_back(group.title);
    }
    EXPECT_EQ(titles, (Strings{"Built-in Scales", "Other Presets", "Modes", "My Scales"}));
    EXPECT_EQ(catalog.FamilyOf(12), 0) << "Ionian Mode has the notes of Major";
    EXPECT_EQ(catalog.FamilyOf(21), -1) << "the user's scale of that name has other notes";
    EXPECT_EQ(catalog.FamilyOf(7), -1) << "Major Triad";
}

} // namespace
