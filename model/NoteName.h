#pragma once

#include <optional>
#include <string_view>

// Reads a note name as a player types it: a letter A..G in either case, then no accidental, a
// sharp ("#" or "♯"), a flat ("b" or "♭"), a double sharp ("x", "##" or "𝄪") or a double flat
// ("bb", "♭♭" or "𝄫"), the letters in any case; blanks around it are ignored. "bb" alone is B flat.
class NoteName
{
public:
    /// Note number 0..11 counted from A that text names ("Bb" 1, "e#" 8, "Cb" 2); nothing for any
    /// other text.
    static std::optional<int> Parse(std::string_view text);
    /// What Parse accepts, in words, for an error message: "A to G, then #, b, x or bb".
    static const char* Accepted();
};
