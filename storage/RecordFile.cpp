#include "RecordFile.h"

#include "DataFile.h"
#include "LockedFile.h"
#include "TextReader.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Longest name line kept before cutting by characters: every character takes at most 4 bytes.
constexpr std::size_t MAX_NAME_BYTES = RecordFile::MAX_NAME_LENGTH * 4;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting text[at]; 1 for a byte that starts none.
std::size_t SequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (at + length > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) {
            return 1;
        }
    }
    return length;
}

RecordFile::Contents Unreadable(int error)
{
    RecordFile::Contents contents;
    contents.complete = false;
    contents.error = error;
    return contents;
}

} // namespace

RecordFile::Contents RecordFile::Read(const std::string& fileName, int valueCount)
{
    LockedFile file(fileName, LockedFile::Access::Read);
    switch (file.GetStatus()) {
    case LockedFile::Status::Locked:
        return ReadFrom(file.Fd(), valueCount);
    case LockedFile::Status::Missing:
        return {};
    case LockedFile::Status::Busy:
        break;
    case LockedFile::Status::Failed:
        return Unreadable(file.Error());
    }
    // Another process holds the file for longer than a lock is waited for: read what is there; a
    // record it is writing just then reads as cut short, and the file then counts as not read.
    int error = 0;
    const int fd = DataFile::Open(file.RealPath(), O_RDONLY, error);
    if (fd < 0) {
        return Unreadable(error);
    }
    Contents contents = ReadFrom(fd, valueCount);
    ::close(fd);
    return contents;
}

RecordFile::Contents RecordFile::ReadFrom(int fd, int valueCount)
{
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return Unreadable(errno);
    }
    TextReader reader(fd);
    return ReadRecords(reader, valueCount);
}

RecordFile::Contents RecordFile::Parse(std::string text, int valueCount)
{
    TextReader reader(std::move(text));
    return ReadRecords(reader, valueCount);
}

RecordFile::Contents RecordFile::ReadRecords(TextReader& reader, int valueCount)
{
    Contents contents;
    // Leading blanks of a name are kept only for the first record: after a record the white
    // space that follows its last value, leading blanks of the next name included, is skipped.
    while (!reader.AtEnd()) {
        Record record;
        record.name = CleanName(reader.ReadLine(MAX_NAME_BYTES));
        record.values.resize(static_cast<std::size_t>(valueCount));
        for (int& value : record.values) {
            if (!reader.ReadInt(value)) {
                contents.complete = false;
                return contents;
            }
        }
        contents.records.push_back(std::move(record));
    }
    contents.complete = !reader.Failed();
    contents.error = reader.Error();
    return contents;
}

void RecordFile::Write(TextWriter& writer, std::string_view name, const int* values, int count)
{
    writer.Line(name);
    for (int i = 0; i < count; ++i) {
        writer.Number(values[i]);
    }
}

std::size_t RecordFile::CharacterBytes(std::string_view text, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t characters = 0; characters < count && at < text.size(); ++characters) {
        at += SequenceLength(text, at);
    }
    return at;
}

std::string RecordFile::CleanName(std::string_view name)
{
    const std::size_t stop = name.find_first_of(std::string_view("\r\n\0", 3));
    if (stop != std::string_view::npos) {
        name = name.substr(0, stop);
    }
    return std::string(name.substr(0, CharacterBytes(name, MAX_NAME_LENGTH)));
}

bool RecordFile::IsBlank(std::string_view name)
{
    return name.find_first_not_of(" \t\v\f") == std::string_view::npos;
}
