#pragma once

#include <array>
#include <string>
#include <vector>

// A scale of the vocabulary installed with the program: its standard name, the other names
// players know it by, its notes, and how it relates to the other scales of its family.
struct VocabularyScale
{
    std::string name;                 ///< the standard name, at most 99 characters
    std::vector<std::string> aliases; ///< other names, in the order the data gives them
    std::array<int, 12> degrees{};    ///< degrees[d] is 1 when the note d semitones up belongs
    int mode = 0;       ///< 1..notes of parent: the parent started on its mode-th note; 0 for none
    std::string parent; ///< the scale this one is a mode of (empty: the family's first scale)
    std::string source; ///< where a definition that references disagree on is taken from
    int family = -1;    ///< index of its family in ScaleVocabulary::families
};

// A family of scales as players group them (the modes of melodic minor, the bebop scales...).
struct ScaleFamily
{
    std::string name;
    std::vector<int> scales; ///< indexes into ScaleVocabulary::scales, in the data's order
};

// The families of scales installed with the program, read by ScaleVocabularyReader.
struct ScaleVocabulary
{
    std::vector<ScaleFamily> families;
    std::vector<VocabularyScale> scales; ///< every scale once, in the data's order

    /// Index of the scale called exactly name; -1 when there is none.
    int Find(const std::string& name) const
    {
        for (int i = 0; i < static_cast<int>(scales.size()); ++i) {
            if (scales[static_cast<std::size_t>(i)].name == name) {
                return i;
            }
        }
        return -1;
    }
};
