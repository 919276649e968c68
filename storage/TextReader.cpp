#include "TextReader.h"

#include "DataFile.h"

#include <cerrno>

#include <unistd.h>

namespace {

constexpr std::size_t CHUNK = 64 * 1024;
constexpr std::size_t MAX_DIGITS = 4096;

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::optional<std::string> TextReader::Load(const std::string& fileName, int* error)
{
    int reason = 0;
    std::optional<std::string> text = DataFile::Load(fileName, MAX_FILE_SIZE, reason);
    if (error != nullptr) {
        *error = reason;
    }
    return text;
}

TextReader::TextReader(std::string text) : buffer(std::move(text)) {}

TextReader::TextReader(int fd) : fd(fd), ended(fd < 0) {}

bool TextReader::Fill(std::size_t count)
{
    while (buffer.size() - pos < count && !ended) {
        if (pos >= CHUNK) {
            buffer.erase(0, pos);
            pos = 0;
        }
        const std::size_t old = buffer.size();
        buffer.resize(old + CHUNK);
        ssize_t got = 0;
        do {
            got = ::read(fd, buffer.data() + old, CHUNK);
        } while (got < 0 && errno == EINTR);
        buffer.resize(old + (got > 0 ? static_cast<std::size_t>(got) : 0));
        if (got <= 0) {
            ended = true;
            error = got < 0 ? errno : 0;
        }
    }
    return buffer.size() - pos >= count;
}

std::optional<char> TextReader::Peek(std::size_t ahead)
{
    if (!Fill(ahead + 1)) {
        return std::nullopt;
    }
    return buffer[pos + ahead];
}

void TextReader::Advance(std::size_t count)
{
    pos += count;
}

bool TextReader::AtEnd()
{
    return !Fill(1);
}

bool TextReader::Failed() const
{
    return error != 0;
}

int TextReader::Error() const
{
    return error;
}

std::string TextReader::ReadLine(std::size_t maxBytes)
{
    std::string line;
    std::size_t length = 0; // of the whole line, kept part or not
    bool lineFeed = false;
    while (Fill(1)) {
        const std::size_t found = buffer.find('\n', pos);
        const std::size_t end = found == std::string::npos ? buffer.size() : found;
        const std::size_t piece = end - pos;
        // One byte more than asked for is kept, so that a CR before the line feed can be told.
        const std::size_t room = maxBytes == std::string::npos
                                     ? piece
                                     : (line.size() > maxBytes ? 0 : maxBytes + 1 - line.size());
        line.append(buffer, pos, std::min(piece, room));
        length += piece;
        Advance(piece);
        if (found != std::string::npos) {
            Advance(1);
            lineFeed = true;
            break;
        }
    }
    if (lineFeed && length == line.size() && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (line.size() > maxBytes) {
        line.resize(maxBytes);
    }
    return line;
}

void TextReader::SkipWhiteSpace()
{
    while (Fill(1) && IsWhiteSpace(buffer[pos])) {
        Advance(1);
    }
}

bool TextReader::ReadInt(int& value)
{
    SkipWhiteSpace();
    std::size_t ahead = 0;
    bool negative = false;
    const std::optional<char> sign = Peek(0);
    if (sign && (*sign == '+' || *sign == '-')) {
        negative = *sign == '-';
        ++ahead;
    }
    const std::size_t firstDigit = ahead;
    std::int64_t magnitude = 0;
    std::optional<char> c = Peek(ahead);
    while (c && *c >= '0' && *c <= '9') {
        // Leading zeros are allowed, but not without end.
        if (ahead > MAX_DIGITS) {
            return false;
        }
        magnitude = magnitude * 10 + (*c - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) {
            return false;
        }
        c = Peek(++ahead);
    }
    if (ahead == firstDigit || (c && !IsWhiteSpace(*c))) {
        return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX || signedValue < INT32_MIN) {
        return false;
    }
    value = static_cast<int>(signedValue);
    Advance(ahead);
    SkipWhiteSpace();
    return true;
}
