#include "TextWriter.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

// Writes all of text to an open file and closes it; false when any step failed.
bool WriteAndClose(std::FILE* file, std::string_view text)
{
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fflush(file) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    // The data must be on disk before a rename makes it the file, or a crash could leave it empty.
    ok = fsync(fileno(file)) == 0 && ok;
#endif
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

// True when the file of size bytes ends in something other than a line feed.
bool EndsWithoutLineEnd(const std::string& fileName, std::uintmax_t size)
{
    if (size == 0) {
        return false;
    }
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file) {
        return false;
    }
    int last = '\n';
    if (std::fseek(file, -1, SEEK_END) == 0) {
        last = std::fgetc(file);
    }
    std::fclose(file);
    return last != '\n' && last != EOF;
}

} // namespace

void TextWriter::Line(std::string_view line)
{
    text.append(line);
    text.append("\r\n");
}

void TextWriter::Number(int value)
{
    Line(std::to_string(value));
}

void TextWriter::Raw(std::string_view raw)
{
    text.append(raw);
}

const std::string& TextWriter::Text() const
{
    return text;
}

bool TextWriter::ReplaceFile(const std::string& fileName) const
{
    const std::string temporary = fileName + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        return false;
    }
    std::error_code error;
    if (!WriteAndClose(file, text)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool TextWriter::AppendToFile(const std::string& fileName) const
{
    std::error_code error;
    const bool existed = std::filesystem::exists(fileName, error);
    std::uintmax_t oldSize = 0;
    if (existed) {
        oldSize = std::filesystem::file_size(fileName, error);
        if (error) {
            return false;
        }
    }
    const bool needsLineEnd = EndsWithoutLineEnd(fileName, oldSize);
    std::FILE* file = std::fopen(fileName.c_str(), "ab");
    if (!file) {
        return false;
    }
    const std::string all = needsLineEnd ? "\r\n" + text : text;
    if (WriteAndClose(file, all)) {
        return true;
    }
    if (existed) {
        std::filesystem::resize_file(fileName, oldSize, error);
    } else {
        std::filesystem::remove(fileName, error);
    }
    return false;
}
