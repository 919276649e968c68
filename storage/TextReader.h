#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads text line by line and integer by integer, either from a string held in memory or streamed
// from an open file, so that a file of any size is read in small pieces. A line ends at LF; a CR
// right before the LF belongs to the line end; the last line may have no line end.
class TextReader
{
public:
    // Largest file Load reads (16 MiB); a larger file counts as unreadable, so it is never
    // rewritten. Library files are streamed instead and have no limit.
    static constexpr std::size_t MAX_FILE_SIZE = 16u << 20;

    // Contents of the regular file fileName (bare name = working folder); nothing when it is
    // missing, not a regular file, larger than MAX_FILE_SIZE or cannot be read, and then the
    // reason (an errno value or DataFile::NOT_REGULAR) in error when it is given.
    static std::optional<std::string> Load(const std::string& fileName, int* error = nullptr);

    explicit TextReader(std::string text);
    // Streams the open file descriptor fd from its current offset; fd stays open and is not owned.
    explicit TextReader(int fd);

    // True when every character has been consumed (or the file could not be read further).
    bool AtEnd();
    // True when reading the file failed before its end (never for text in memory).
    bool Failed() const;
    // errno value of the read that failed, else 0.
    int Error() const;
    // Next line without its line end, at most maxBytes bytes of it (the rest of the line is
    // skipped); empty at the end of the text.
    std::string ReadLine(std::size_t maxBytes = std::string::npos);
    // Skips white space (blanks, tabs, CR, LF, VT, FF).
    void SkipWhiteSpace();
    // Reads a signed decimal 32-bit integer after any white space and skips the white space after
    // it; false when the next item is no such integer (a word, junk, too large, or the end).
    bool ReadInt(int& value);

private:
    // Makes at least count bytes available after pos unless the end comes first; false when not.
    bool Fill(std::size_t count);
    // Character at offset ahead of pos, filling as needed; nothing past the end.
    std::optional<char> Peek(std::size_t ahead);
    void Advance(std::size_t count);

    std::string buffer;
    std::size_t pos = 0;
    int fd = -1;
    bool ended = true;
    int error = 0;
};
