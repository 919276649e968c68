#include "DegreeSpeller.h"

#include "Notes.h"
#include "ScaleLetters.h"

namespace {

int Wrap(int degree)
{
    return (degree % 12 + 12) % 12;
}

// "b3", "#4", "5": the degree's number on its letter step with its sharp or flat.
std::string FlatOrSharp(int step, int alteration)
{
    const std::string accidentals(
        static_cast<std::size_t>(alteration < 0 ? -alteration : alteration),
        alteration < 0 ? 'b' : '#');
    return accidentals + std::to_string(step + 1);
}

// "m3", "A4", "P5", "d7": the interval of a degree on its letter step, the quality from the sharps
// or flats against the major scale (which holds only perfect and major intervals).
std::string Interval(int step, int alteration)
{
    const bool perfect = step == 0 || step == 3 || step == 4;
    char quality = perfect ? 'P' : 'M';
    if (alteration > 0) {
        quality = 'A';
    } else if (alteration < 0) {
        quality = perfect || alteration < -1 ? 'd' : 'm';
    }
    return quality + std::to_string(step + 1);
}

} // namespace

DegreeSpeller::DegreeSpeller()
{
    for (int degree = 0; degree < 12; ++degree) {
        m_names[degree] = degreeNames[degree];
        if (m_names[degree].back() == ' ') {
            m_names[degree].pop_back();
        }
    }
}

DegreeSpeller DegreeSpeller::ForScale(const std::array<int, 12>& degrees, DegreeNaming naming,
                                      bool rootAsR)
{
    DegreeSpeller speller;
    if (naming != DegreeNaming::Classic) {
        const ScaleLetters letters(degrees);
        for (int degree = 0; degree < 12; ++degree) {
            const int step = letters.Step(degree);
            const int alteration = letters.Alteration(degree);
            speller.m_names[degree] = naming == DegreeNaming::Intervals
                                          ? Interval(step, alteration)
                                          : FlatOrSharp(step, alteration);
        }
    }
    if (rootAsR) {
        speller.m_names[0] = "R";
    }
    return speller;
}

const std::string& DegreeSpeller::Name(int degree) const
{
    return m_names[Wrap(degree)];
}

std::string DegreeSpeller::Label(int degree) const
{
    std::string label = Name(degree);
    if (label.size() < 2) {
        label.resize(2, ' ');
    }
    return label;
}
