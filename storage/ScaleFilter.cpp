#include "ScaleFilter.h"

#include <algorithm>

namespace {

// Letters, digits, '#' and every byte of a UTF-8 sequence (a letter such as "ō") build words.
bool InWord(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#' ||
           c >= 0x80;
}

char Lower(unsigned char c)
{
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

} // namespace

ScaleFilter::ScaleFilter(const std::string& query) : m_words(Words(query)) {}

std::vector<std::string> ScaleFilter::Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (InWord(static_cast<unsigned char>(c))) {
            word += Lower(static_cast<unsigned char>(c));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

bool ScaleFilter::Matches(const std::string& name) const
{
    if (m_words.empty()) {
        return true;
    }
    const std::vector<std::string> nameWords = Words(name);
    return std::all_of(m_words.begin(), m_words.end(), [&](const std::string& typed) {
        return std::any_of(nameWords.begin(), nameWords.end(), [&](const std::string& word) {
            return word.compare(0, typed.size(), typed) == 0;
        });
    });
}

bool ScaleFilter::MatchesAny(const std::vector<std::string>& names) const
{
    return m_words.empty() || std::any_of(names.begin(), names.end(),
                                          [this](const std::string& n) { return Matches(n); });
}
