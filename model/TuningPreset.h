#pragma once

#include "Instrument.h"

#include <optional>
#include <string>
#include <vector>

// A named tuning of one instrument: the pitch of every string written out with its octave, so
// that the sound knows which E a string is, not only that it is an E.
struct TuningPreset
{
    std::string name;      ///< as the Tunings menu lists it: "Drop D", "Open G gDGBD"
    Instrument instrument; ///< the instrument it is a tuning of
    std::vector<int>
        pitches; ///< MIDI note numbers (60 = middle C), string 0 (the lowest line) first

    /// Number of strings, 1..MAX_STRINGS.
    int StringCount() const { return static_cast<int>(pitches.size()); }
    /// The open notes as the board keeps them: note numbers 0..11 from A, string 0 first.
    std::vector<int> Notes() const;

    /// Every preset, grouped by instrument and string count, the usual tuning of each group first.
    static const std::vector<TuningPreset>& All();
    /// The presets of instrument with stringCount strings, in the order of All().
    static std::vector<const TuningPreset*> For(Instrument instrument, int stringCount);
    /// The presets of instrument whose open notes are notes (string 0 first); none for a tuning no
    /// preset has, as after a single spin of a tuning arrow.
    static std::vector<const TuningPreset*> Matching(Instrument instrument,
                                                     const std::vector<int>& notes);
    /// The preset called name in any letter case, or whose name begins with name and a blank
    /// ("Standard" for "Standard GDAE"): of instrument with stringCount strings when one is,
    /// else of instrument, else the first of All() (an exact name before a beginning); null when
    /// no preset is so called.
    static const TuningPreset* Named(const std::string& name, std::optional<Instrument> instrument,
                                     std::optional<int> stringCount);
    /// The MIDI pitches instrument's strings sound open when tuned to notes (string 0 first):
    /// those of the first preset matching them; none for a tuning no preset has.
    static std::optional<std::vector<int>> Pitches(Instrument instrument,
                                                   const std::vector<int>& notes);
};
