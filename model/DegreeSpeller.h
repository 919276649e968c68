#pragma once

#include <array>
#include <string>

// Which names the degrees of a scale are shown with.
enum class DegreeNaming
{
    Classic,        // "1 " "-2" "2 " "-3" ... "-5" ... "7 ", the labels the program always showed
    FlatsAndSharps, // "1" "b2" "2" "b3" "3" "4" "#4" or "b5" "5" "b6" "6" "b7" "7"
    Intervals       // "P1" "m2" "M2" "m3" "M3" "P4" "A4" or "d5" "P5" "m6" "M6" "m7" "M7"
};

// Names the twelve degrees (semitones above the root) of a scale. Flats and sharps, and the
// quality of an interval, follow the letter each degree is written on (ScaleLetters), so they agree
// with the notes spelled by key: C Lydian's F# is #4 and A4, the altered scale's D# is #2 and A2.
class DegreeSpeller
{
public:
    /// The classic names: exactly the labels of degreeNames.
    DegreeSpeller();

    /// The names of degrees 0..11 of the scale that holds the degrees with non-zero flags (any or
    /// none), in naming; the root (degree 0) as "R" when rootAsR is set.
    static DegreeSpeller ForScale(const std::array<int, 12>& degrees, DegreeNaming naming,
                                  bool rootAsR);

    /// Name of degree 0..11 (wrapped): one to three characters, no blanks ("1", "b3", "m3", "-3",
    /// "bb7").
    const std::string& Name(int degree) const;
    /// The name padded with a blank to two characters, as the program writes degree labels; in the
    /// classic names exactly the labels of degreeNames.
    std::string Label(int degree) const;

private:
    std::array<std::string, 12> m_names;
};
