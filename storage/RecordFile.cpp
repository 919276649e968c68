#include "RecordFile.h"

#include "TextReader.h"

#include <utility>

RecordFile::Contents RecordFile::Read(const std::string& fileName, int valueCount)
{
    std::optional<std::string> text = TextReader::Load(fileName);
    if (!text) {
        return {};
    }
    return Parse(std::move(*text), valueCount);
}

RecordFile::Contents RecordFile::Parse(std::string text, int valueCount)
{
    Contents contents;
    TextReader reader(std::move(text));
    // Leading blanks of a name are kept only for the first record: after a record the white
    // space that follows its last value, leading blanks of the next name included, is skipped.
    while (!reader.AtEnd()) {
        const std::size_t start = reader.Position();
        Record record;
        record.name = CleanName(reader.ReadLine());
        record.values.resize(static_cast<std::size_t>(valueCount));
        for (int& value : record.values) {
            if (!reader.ReadInt(value)) {
                contents.unread = reader.From(start);
                return contents;
            }
        }
        contents.records.push_back(std::move(record));
    }
    return contents;
}

void RecordFile::Write(TextWriter& writer, std::string_view name, const int* values, int count)
{
    writer.Line(name);
    for (int i = 0; i < count; ++i) {
        writer.Number(values[i]);
    }
}

std::string RecordFile::CleanName(std::string_view name)
{
    const std::size_t stop = name.find_first_of(std::string_view("\r\n\0", 3));
    if (stop != std::string_view::npos) {
        name = name.substr(0, stop);
    }
    return std::string(name.substr(0, MAX_NAME_LENGTH));
}
