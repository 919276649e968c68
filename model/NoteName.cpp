#include "NoteName.h"

#include <array>
#include <cctype>
#include <string>

namespace {

// Note number of each letter A..G, counted from A.
constexpr std::array<int, 7> kNaturalNotes = {0, 2, 3, 5, 7, 8, 10};

struct Accidental
{
    std::string_view text;
    int shift; // semitones, -2..+2
};

// The longest spellings first, so that "bb" is read as one double flat before "b".
constexpr std::array<Accidental, 9> kAccidentals = {{{"\xF0\x9D\x84\xAA", 2},
                                                     {"\xF0\x9D\x84\xAB", -2},
                                                     {"\xE2\x99\xAF", 1},
                                                     {"\xE2\x99\xAD", -1},
                                                     {"##", 2},
                                                     {"bb", -2},
                                                     {"#", 1},
                                                     {"b", -1},
                                                     {"x", 2}}};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<int> NoteName::Parse(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    if (letter < 'a' || letter > 'g') {
        return std::nullopt;
    }
    std::string rest;
    for (char c : text.substr(1)) {
        rest += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    int shift = 0;
    int accidentals = 0;
    std::string_view left = rest;
    while (!left.empty()) {
        const Accidental* found = nullptr;
        for (const Accidental& accidental : kAccidentals) {
            if (left.substr(0, accidental.text.size()) == accidental.text) {
                found = &accidental;
                break;
            }
        }
        // Sharps and flats do not mix, and no note carries more than two of them.
        if (found == nullptr || (shift != 0 && (shift > 0) != (found->shift > 0))) {
            return std::nullopt;
        }
        shift += found->shift;
        accidentals += found->shift > 0 ? found->shift : -found->shift;
        if (accidentals > 2) {
            return std::nullopt;
        }
        left.remove_prefix(found->text.size());
    }
    return (kNaturalNotes[static_cast<std::size_t>(letter - 'a')] + shift + 12) % 12;
}

const char* NoteName::Accepted()
{
    return "A to G, then #, b, x or bb";
}
