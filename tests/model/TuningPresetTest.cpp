#include "TuningPreset.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// "E2 A2 D3 G3 B3 E4" as MIDI note numbers, written apart from the table under test.
std::vector<int> Midi(const std::string& pitches)
{
    std::vector<int> midi;
    std::istringstream words(pitches);
    for (std::string word; words >> word;) {
        const int letter = std::string("CDEFGAB").find(word[0]);
        const int natural[] = {0, 2, 4, 5, 7, 9, 11};
        const int accidental = word[1] == '#' ? 1 : word[1] == 'b' ? -1 : 0;
        midi.push_back(12 * (word.back() - '0' + 1) + natural[letter] + accidental);
    }
    return midi;
}

struct Published
{
    const char* name;
    Instrument instrument;
    const char* pitches; // lowest line first; a banjo's short string first
};

class PublishedTunings : public testing::TestWithParam<Published>
{
};

TEST_P(PublishedTunings, PitchesWithTheirOctaves)
{
    const Published& row = GetParam();
    const auto strings = static_cast<int>(Midi(row.pitches).size());
    const TuningPreset* preset = TuningPreset::Named(row.name, row.instrument, strings);
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->name, row.name);
    EXPECT_EQ(preset->instrument, row.instrument);
    EXPECT_EQ(preset->pitches, Midi(row.pitches));
}

using enum Instrument;
INSTANTIATE_TEST_SUITE_P(Presets, PublishedTunings,
                         testing::Values(Published{"Standard", Guitar, "E2 A2 D3 G3 B3 E4"},
                                         Published{"Half Step Down", Guitar,
                                                   "Eb2 Ab2 Db3 Gb3 Bb3 Eb4"},
                                         Published{"Full Step Down", Guitar, "D2 G2 C3 F3 A3 D4"},
                                         Published{"Drop D", Guitar, "D2 A2 D3 G3 B3 E4"},
                                         Published{"Drop C#", Guitar, "C#2 G#2 C#3 F#3 A#3 D#4"},
                                         Published{"Drop C", Guitar, "C2 G2 C3 F3 A3 D4"},
                                         Published{"Drop B", Guitar, "B1 F#2 B2 E3 G#3 C#4"},
                                         Published{"Double Drop D", Guitar, "D2 A2 D3 G3 B3 D4"},
                                         Published{"DADGAD", Guitar, "D2 A2 D3 G3 A3 D4"},
                                         Published{"Open D", Guitar, "D2 A2 D3 F#3 A3 D4"},
                                         Published{"Open E", Guitar, "E2 B2 E3 G#3 B3 E4"},
                                         Published{"Open G", Guitar, "D2 G2 D3 G3 B3 D4"},
                                         Published{"Open A", Guitar, "E2 A2 E3 A3 C#4 E4"},
                                         Published{"Open C", Guitar, "C2 G2 C3 G3 C4 E4"},
                                         Published{"C Standard", Guitar, "C2 F2 A#2 D#3 G3 C4"},
                                         Published{"D Standard", Guitar, "D2 G2 C3 F3 A3 D4"},
                                         Published{"All Fourths", Guitar, "E2 A2 D3 G3 C4 F4"},
                                         Published{"Baritone B", Guitar, "B1 E2 A2 D3 F#3 B3"},
                                         Published{"Standard B", Guitar, "B1 E2 A2 D3 G3 B3 E4"},
                                         Published{"Drop A", Guitar, "A1 E2 A2 D3 G3 B3 E4"},
                                         Published{"Standard", Bass, "E1 A1 D2 G2"},
                                         Published{"Half Step Down", Bass, "D#1 G#1 C#2 F#2"},
                                         Published{"Drop D", Bass, "D1 A1 D2 G2"},
                                         Published{"BEAD", Bass, "B0 E1 A1 D2"},
                                         Published{"BEADG", Bass, "B0 E1 A1 D2 G2"},
                                         Published{"EADGC", Bass, "E1 A1 D2 G2 C3"},
                                         Published{"BEADGC", Bass, "B0 E1 A1 D2 G2 C3"},
                                         Published{"Standard GDAE", Mandolin, "G3 D4 A4 E5"},
                                         Published{"Cross AEAE", Mandolin, "A3 E4 A4 E5"},
                                         Published{"Open G GDGD", Mandolin, "G3 D4 G4 D5"},
                                         Published{"Open G gDGBD", Banjo, "G4 D3 G3 B3 D4"},
                                         Published{"Double C gCGCD", Banjo, "G4 C3 G3 C4 D4"},
                                         Published{"Open D f#DF#AD", Banjo, "F#4 D3 F#3 A3 D4"},
                                         Published{"G Modal gDGCD", Banjo, "G4 D3 G3 C4 D4"},
                                         Published{"Tenor CGDA", Banjo, "C3 G3 D4 A4"},
                                         Published{"Irish GDAE", Banjo, "G2 D3 A3 E4"},
                                         Published{"Plectrum CGBD", Banjo, "C3 G3 B3 D4"}));

TEST(TuningPresets, EveryStandardTuningOfTheNeckHasItsPreset)
{
    for (int number = 1; number <= 4; ++number) {
        const Instrument instrument = *InstrumentFromNumber(number);
        for (int strings : AllowedStringCounts(instrument)) {
            const auto matching =
                TuningPreset::Matching(instrument, StandardTuning(instrument, strings));
            ASSERT_FALSE(matching.empty()) << InstrumentName(instrument) << " " << strings;
            EXPECT_EQ(matching.front(), TuningPreset::For(instrument, strings).front());
        }
    }
    EXPECT_GE(TuningPreset::All().size(), 30u);
}

} // namespace
