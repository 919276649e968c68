#include "TextReader.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::optional<std::string> TextReader::Load(const std::string& fileName)
{
    std::error_code error;
    // Directories, devices and pipes are no data files: reading them could fail or never end.
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, error)) {
        return std::nullopt;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    while (text.size() <= MAX_FILE_SIZE) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        text.append(buffer, got);
        if (got < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get()) || text.size() > MAX_FILE_SIZE) {
        return std::nullopt;
    }
    return text;
}

TextReader::TextReader(std::string text) : text(std::move(text)) {}

bool TextReader::AtEnd() const
{
    return pos >= text.size();
}

std::string TextReader::ReadLine()
{
    if (AtEnd()) {
        return {};
    }
    const std::size_t lineFeed = text.find('\n', pos);
    const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed;
    std::size_t length = end - pos;
    if (lineFeed != std::string::npos && length > 0 && text[end - 1] == '\r') {
        --length;
    }
    std::string line = text.substr(pos, length);
    pos = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
    return line;
}

std::size_t TextReader::Position() const
{
    return pos;
}

std::string TextReader::From(std::size_t position) const
{
    return position < text.size() ? text.substr(position) : std::string();
}

void TextReader::SkipWhiteSpace()
{
    while (pos < text.size() && IsWhiteSpace(text[pos])) {
        ++pos;
    }
}

bool TextReader::ReadInt(int& value)
{
    SkipWhiteSpace();
    std::size_t at = pos;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t firstDigit = at;
    std::int64_t magnitude = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) {
            return false;
        }
        ++at;
    }
    if (at == firstDigit || (at < text.size() && !IsWhiteSpace(text[at]))) {
        return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX || signedValue < INT32_MIN) {
        return false;
    }
    value = static_cast<int>(signedValue);
    pos = at;
    SkipWhiteSpace();
    return true;
}
