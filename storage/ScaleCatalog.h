#pragma once

#include "ScaleFilter.h"
#include "ScaleLibrary.h"

#include <string>
#include <vector>

// One branch of the scale chooser's tree: a title and the library records under it.
struct ScaleGroup
{
    std::string title;
    std::vector<int> records; ///< library record indexes, in the order shown
};

// The scale library seen as families: the groups the scale chooser shows, the names and aliases
// a scale is found by, and the family a scale belongs to. Holds a reference to the library, which
// must outlive it and stay unchanged meanwhile.
class ScaleCatalog
{
public:
    /// Title of the group of the 19 built-in scales, the first one.
    static constexpr const char* kBuiltInTitle = "Built-in Scales";
    /// Title of the group of the presets of "_pinto_s.dat".
    static constexpr const char* kPresetTitle = "Other Presets";
    /// Title of the group of the user's own scales, the last one.
    static constexpr const char* kUserTitle = "My Scales";

    explicit ScaleCatalog(const ScaleLibrary& library);

    /// The groups whose names or aliases filter matches, in this order: the built-in scales, the
    /// presets of "_pinto_s.dat", each family of the vocabulary (a built-in scale also under its
    /// family), the user's scales. A group without a match is left out, except that without a
    /// filter "My Scales" is always there.
    std::vector<ScaleGroup> Groups(const ScaleFilter& filter = ScaleFilter()) const;
    /// The name of record 0..scaleCount-1 followed by its aliases; empty out of range.
    std::vector<std::string> Names(int record) const;
    /// The vocabulary scale record stands for; null for a scale of the files or out of range.
    const VocabularyScale* Entry(int record) const;
    /// The vocabulary family of record: the family that lists it, else the family of the first
    /// vocabulary scale with the same notes (so "Major" is in the family of "Ionian Mode"); -1
    /// when there is none.
    int FamilyOf(int record) const;
    /// The records of vocabulary family 0..families-1, in the family's order; empty out of range.
    std::vector<int> FamilyRecords(int family) const;

private:
    const ScaleLibrary& m_library;
    std::vector<int> m_vocabularyScale; ///< per record: its vocabulary scale, or -1
};
