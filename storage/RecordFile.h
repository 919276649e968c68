#pragma once

#include "TextWriter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TextReader;

// The layout shared by the scale and pattern library files: records of one name line followed by
// a fixed number of decimal integers, one per line, with no header, count or separator.
class RecordFile
{
public:
    // Longest name kept, in characters (UTF-8 code points; a byte that is no part of a valid
    // sequence counts as one); a longer name line is cut and the rest of that line skipped.
    static constexpr std::size_t MAX_NAME_LENGTH = 99;

    struct Record
    {
        std::string name;
        std::vector<int> values;

        bool operator==(const Record&) const = default;
    };

    struct Contents
    {
        std::vector<Record> records;
        // False when reading stopped before the end: a value that is not a decimal 32-bit integer,
        // a record cut short, a file that could not be read (to its end). Such a file is never
        // rewritten, so that nothing the program did not read is lost.
        bool complete = true;
        // Why the file could not be read (an errno value or DataFile::NOT_REGULAR); 0 when it was
        // read but holds something that is no record.
        int error = 0;
    };

    // Every whole record of fileName (bare name = working folder), streamed in small pieces under
    // a shared lock; empty and complete when the file is missing.
    static Contents Read(const std::string& fileName, int valueCount);
    // Every whole record of the open file fd, read from its start.
    static Contents ReadFrom(int fd, int valueCount);
    // Every whole record of text. Reading stops at the first value that is not a decimal 32-bit
    // integer or at a record cut short by the end; that record and the rest are left unread.
    static Contents Parse(std::string text, int valueCount);
    // Adds one record (name line, then count values, one per line) to writer.
    static void Write(TextWriter& writer, std::string_view name, const int* values, int count);
    // name cut at its first CR, LF or NUL and to MAX_NAME_LENGTH characters, never inside a UTF-8
    // sequence: what a reader gives back.
    static std::string CleanName(std::string_view name);
    // True when name holds nothing but blanks and tabs (or nothing at all): such a name line would
    // be skipped as white space after the record before it.
    static bool IsBlank(std::string_view name);
    // Bytes of the first count characters of text (as counted for MAX_NAME_LENGTH).
    static std::size_t CharacterBytes(std::string_view text, std::size_t count);

private:
    static Contents ReadRecords(TextReader& reader, int valueCount);
};
