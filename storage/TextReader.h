#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads a whole text file held in memory line by line and integer by integer. A line ends at LF;
// a CR right before the LF belongs to the line end; the last line may have no line end.
class TextReader
{
public:
    // Largest file read (16 MiB); a larger file counts as unreadable, so it is never rewritten.
    static constexpr std::size_t MAX_FILE_SIZE = 16u << 20;

    // Contents of the regular file fileName (bare name = working folder); nothing when it is
    // missing, not a regular file, larger than MAX_FILE_SIZE or cannot be read.
    static std::optional<std::string> Load(const std::string& fileName);

    explicit TextReader(std::string text);

    // True when every character has been consumed.
    bool AtEnd() const;
    // Next line without its line end; empty at the end of the text.
    std::string ReadLine();
    // Skips white space (blanks, tabs, CR, LF, VT, FF).
    void SkipWhiteSpace();
    // Reads a signed decimal 32-bit integer after any white space and skips the white space after
    // it; false when the next item is no such integer (a word, junk, too large, or the end).
    bool ReadInt(int& value);
    // Byte offset of the next character, 0..size of the text.
    std::size_t Position() const;
    // The text from byte offset position to the end.
    std::string From(std::size_t position) const;

private:
    std::string text;
    std::size_t pos = 0;
};
