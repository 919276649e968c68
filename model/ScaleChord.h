#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// A chord built on one step of a seven-note scale by stacking the scale's own thirds: the triad
// of steps s, s + 2, s + 4, and for a seventh chord also s + 6. Named for its step (roman
// numerals, lower case for a minor third) and by its root and quality ("Dm7", "Bdim").
struct ScaleChord
{
    int step = 0;            ///< 0..6: the step of the scale the chord stands on (0 = I)
    bool seventh = false;    ///< four notes instead of three
    int rootDegree = 0;      ///< the chord's root in semitones 0..11 above the scale's root
    std::vector<int> tones;  ///< semitones 0..11 above the chord's root: 0, the third, ...
    std::string numeral;     ///< "I", "ii", "vii°", "V7", "viiø7", "III+maj7"
    std::string stepNumeral; ///< the numeral of the chord's triad: "V" for V7, "vii°" for viiø7
    std::string quality;     ///< what follows the root's name: "", "m", "dim", "maj7", "m7b5"

    /// Number of degrees (flags non-zero) in a scale of 12 degree flags.
    static int NoteCount(const std::array<int, 12>& degrees);
    /// True when the scale holds its root and six more notes: chords can be built on it.
    static bool Fits(const std::array<int, 12>& degrees);
    /// The chord on step 0..6 of the scale; none when the scale does not fit or step is outside.
    static std::optional<ScaleChord> On(const std::array<int, 12>& degrees, int step, bool seventh);

    /// The chord's name after its root's name, rootName ("Dm7").
    std::string Name(const std::string& rootName) const { return rootName + quality; }
    /// The step's numeral and the name, as the overlay bar shows them ("ii: Dm7").
    std::string Title(const std::string& rootName) const
    {
        return stepNumeral + ": " + Name(rootName);
    }
    /// The chord's numeral and name, as the menu lists them ("ii7: Dm7").
    std::string MenuText(const std::string& rootName) const
    {
        return numeral + ": " + Name(rootName);
    }
    /// The chord's tones as degrees 0..11 above its root: flags for the overlay.
    std::array<int, 12> ToneFlags() const;
};
