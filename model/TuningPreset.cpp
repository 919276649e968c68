#include "TuningPreset.h"

#include <algorithm>
#include <cctype>

namespace {

// MIDI note numbers of the naturals in octave 0 (C0 = 12), and the accidentals.
constexpr int C0 = 12;
constexpr int kLetter[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G above C

// A pitch written as players write it: a letter, an optional '#' or 'b' and the octave, "E2",
// "F#3", "Bb1". Written so, the table reads as the tunings are published.
constexpr int P(const char* name)
{
    int pitch = kLetter[name[0] - 'A'];
    int i = 1;
    if (name[i] == '#') {
        ++pitch;
        ++i;
    } else if (name[i] == 'b') {
        --pitch;
        ++i;
    }
    return C0 + pitch + 12 * (name[i] - '0');
}

TuningPreset Preset(const char* name, Instrument instrument, std::initializer_list<int> pitches)
{
    return TuningPreset{name, instrument, pitches};
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The notes a name's last part spells, as "gdgbd" (five) or "f#df#ad" (five); -1 when it is not
// only note letters and sharps.
int SpeltNotes(const std::string& letters)
{
    int notes = 0;
    for (const char c : letters) {
        if (c >= 'a' && c <= 'g') {
            ++notes;
        } else if (c != '#') {
            return -1;
        }
    }
    return notes;
}

} // namespace

std::vector<int> TuningPreset::Notes() const
{
    std::vector<int> notes;
    notes.reserve(pitches.size());
    // MIDI note 21 is A0, note number 0.
    for (int pitch : pitches) {
        notes.push_back((pitch - 21) % 12);
    }
    return notes;
}

const std::vector<TuningPreset>& TuningPreset::All()
{
    using enum Instrument;
    static const std::vector<TuningPreset> table = {
        Preset("Standard", Guitar, {P("E2"), P("A2"), P("D3"), P("G3"), P("B3"), P("E4")}),
        Preset("Half Step Down", Guitar,
               {P("Eb2"), P("Ab2"), P("Db3"), P("Gb3"), P("Bb3"), P("Eb4")}),
        Preset("Full Step Down", Guitar, {P("D2"), P("G2"), P("C3"), P("F3"), P("A3"), P("D4")}),
        Preset("Drop D", Guitar, {P("D2"), P("A2"), P("D3"), P("G3"), P("B3"), P("E4")}),
        Preset("Drop C#", Guitar, {P("C#2"), P("G#2"), P("C#3"), P("F#3"), P("A#3"), P("D#4")}),
        Preset("Drop C", Guitar, {P("C2"), P("G2"), P("C3"), P("F3"), P("A3"), P("D4")}),
        Preset("Drop B", Guitar, {P("B1"), P("F#2"), P("B2"), P("E3"), P("G#3"), P("C#4")}),
        Preset("Double Drop D", Guitar, {P("D2"), P("A2"), P("D3"), P("G3"), P("B3"), P("D4")}),
        Preset("DADGAD", Guitar, {P("D2"), P("A2"), P("D3"), P("G3"), P("A3"), P("D4")}),
        Preset("Open D", Guitar, {P("D2"), P("A2"), P("D3"), P("F#3"), P("A3"), P("D4")}),
        Preset("Open E", Guitar, {P("E2"), P("B2"), P("E3"), P("G#3"), P("B3"), P("E4")}),
        Preset("Open G", Guitar, {P("D2"), P("G2"), P("D3"), P("G3"), P("B3"), P("D4")}),
        Preset("Open A", Guitar, {P("E2"), P("A2"), P("E3"), P("A3"), P("C#4"), P("E4")}),
        Preset("Open C", Guitar, {P("C2"), P("G2"), P("C3"), P("G3"), P("C4"), P("E4")}),
        Preset("C Standard", Guitar, {P("C2"), P("F2"), P("Bb2"), P("Eb3"), P("G3"), P("C4")}),
        Preset("D Standard", Guitar, {P("D2"), P("G2"), P("C3"), P("F3"), P("A3"), P("D4")}),
        Preset("All Fourths", Guitar, {P("E2"), P("A2"), P("D3"), P("G3"), P("C4"), P("F4")}),
        Preset("Baritone B", Guitar, {P("B1"), P("E2"), P("A2"), P("D3"), P("F#3"), P("B3")}),
        Preset("Standard B", Guitar,
               {P("B1"), P("E2"), P("A2"), P("D3"), P("G3"), P("B3"), P("E4")}),
        Preset("Drop A", Guitar, {P("A1"), P("E2"), P("A2"), P("D3"), P("G3"), P("B3"), P("E4")}),
        Preset("Standard", Bass, {P("E1"), P("A1"), P("D2"), P("G2")}),
        Preset("Half Step Down", Bass, {P("Eb1"), P("Ab1"), P("Db2"), P("Gb2")}),
        Preset("Drop D", Bass, {P("D1"), P("A1"), P("D2"), P("G2")}),
        Preset("BEAD", Bass, {P("B0"), P("E1"), P("A1"), P("D2")}),
        Preset("BEADG", Bass, {P("B0"), P("E1"), P("A1"), P("D2"), P("G2")}),
        Preset("EADGC", Bass, {P("E1"), P("A1"), P("D2"), P("G2"), P("C3")}),
        Preset("BEADGC", Bass, {P("B0"), P("E1"), P("A1"), P("D2"), P("G2"), P("C3")}),
        Preset("Standard GDAE", Mandolin, {P("G3"), P("D4"), P("A4"), P("E5")}),
        Preset("Cross AEAE", Mandolin, {P("A3"), P("E4"), P("A4"), P("E5")}),
        Preset("Open G GDGD", Mandolin, {P("G3"), P("D4"), P("G4"), P("D5")}),
        // The four-string banjo as the neck has always strung it, then the usual tenor and
        // plectrum tunings.
        Preset("Standard GDGB", Banjo, {P("G2"), P("D3"), P("G3"), P("B3")}),
        Preset("Tenor CGDA", Banjo, {P("C3"), P("G3"), P("D4"), P("A4")}),
        Preset("Irish GDAE", Banjo, {P("G2"), P("D3"), P("A3"), P("E4")}),
        Preset("Plectrum CGBD", Banjo, {P("C3"), P("G3"), P("B3"), P("D4")}),
        // The five-string banjo's short string, high and first, is string 0.
        Preset("Open G gDGBD", Banjo, {P("G4"), P("D3"), P("G3"), P("B3"), P("D4")}),
        Preset("Double C gCGCD", Banjo, {P("G4"), P("C3"), P("G3"), P("C4"), P("D4")}),
        Preset("Open D f#DF#AD", Banjo, {P("F#4"), P("D3"), P("F#3"), P("A3"), P("D4")}),
        Preset("G Modal gDGCD", Banjo, {P("G4"), P("D3"), P("G3"), P("C4"), P("D4")}),
    };
    return table;
}

std::vector<const TuningPreset*> TuningPreset::For(Instrument instrument, int stringCount)
{
    std::vector<const TuningPreset*> presets;
    for (const TuningPreset& preset : All()) {
        if (preset.instrument == instrument && preset.StringCount() == stringCount) {
            presets.push_back(&preset);
        }
    }
    return presets;
}

std::vector<const TuningPreset*> TuningPreset::Matching(Instrument instrument,
                                                        const std::vector<int>& notes)
{
    std::vector<const TuningPreset*> presets;
    for (const TuningPreset* preset : For(instrument, static_cast<int>(notes.size()))) {
        if (preset->Notes() == notes) {
            presets.push_back(preset);
        }
    }
    return presets;
}

const TuningPreset* TuningPreset::Named(const std::string& name,
                                        std::optional<Instrument> instrument,
                                        std::optional<int> stringCount)
{
    const std::string wanted = Lower(name);
    if (wanted.empty()) {
        return nullptr;
    }
    // Ranks a preset: lower is better; -1 when its name does not fit.
    auto rank = [&](const TuningPreset& preset) {
        const std::string own = Lower(preset.name);
        int score = 0;
        if (own != wanted) {
            // A name may leave out the strings spelt after it ("Standard" for "Standard GDAE"),
            // never more: "Open" names no tuning, though "Open D" and "Open G" begin with it.
            if (own.rfind(wanted + " ", 0) != 0 ||
                SpeltNotes(own.substr(wanted.size() + 1)) != preset.StringCount()) {
                return -1;
            }
            score += 1;
        }
        if (instrument && preset.instrument != *instrument) {
            score += 4;
        } else if (stringCount && preset.StringCount() != *stringCount) {
            score += 2;
        }
        return score;
    };
    const TuningPreset* best = nullptr;
    int bestRank = 0;
    for (const TuningPreset& preset : All()) {
        const int r = rank(preset);
        if (r >= 0 && (best == nullptr || r < bestRank)) {
            best = &preset;
            bestRank = r;
        }
    }
    return best;
}

std::optional<std::vector<int>> TuningPreset::Pitches(Instrument instrument,
                                                      const std::vector<int>& notes)
{
    const std::vector<const TuningPreset*> presets = Matching(instrument, notes);
    if (presets.empty()) {
        return std::nullopt;
    }
    return presets.front()->pitches;
}
