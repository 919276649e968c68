#include "TextWriter.h"

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
