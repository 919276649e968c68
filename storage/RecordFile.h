#pragma once

#include "TextWriter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The layout shared by the scale and pattern library files: records of one name line followed by
// a fixed number of decimal integers, one per line, with no header, count or separator.
class RecordFile
{
public:
    // Longest name kept, in bytes; a longer name line is cut and the rest of that line skipped.
    static constexpr std::size_t MAX_NAME_LENGTH = 99;

    struct Record
    {
        std::string name;
        std::vector<int> values;
    };

    struct Contents
    {
        std::vector<Record> records;
        std::string unread; // the text from the first record that could not be read, else empty
    };

    // Every whole record of fileName (bare name = working folder); empty when the file is missing.
    static Contents Read(const std::string& fileName, int valueCount);
    // Every whole record of text. Reading stops at the first value that is not a decimal 32-bit
    // integer or at a record cut short by the end; that record and the rest are left unread.
    static Contents Parse(std::string text, int valueCount);
    // Adds one record (name line, then count values, one per line) to writer.
    static void Write(TextWriter& writer, std::string_view name, const int* values, int count);
    // name cut at its first CR, LF or NUL and to MAX_NAME_LENGTH bytes: what a reader gives back.
    static std::string CleanName(std::string_view name);
};
