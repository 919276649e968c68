#pragma once

#include <string>
#include <vector>

// Finds scales by what a player types: every typed word must begin a word of the name, in any
// order and any letter case, so "lyd dom" finds "Lydian Dominant" and "dim half" finds
// "Whole-Half Diminished". Words are runs of letters, digits and '#'; anything else parts them.
class ScaleFilter
{
public:
    /// A filter that lets every name through.
    ScaleFilter() = default;
    /// A filter for the words of query.
    explicit ScaleFilter(const std::string& query);

    /// True when nothing was typed: every name matches.
    bool IsEmpty() const { return m_words.empty(); }
    /// True when every typed word begins a word of name.
    bool Matches(const std::string& name) const;
    /// True when one of names (a scale's name and its aliases) matches.
    bool MatchesAny(const std::vector<std::string>& names) const;

private:
    static std::vector<std::string> Words(const std::string& text);

    std::vector<std::string> m_words;
};
