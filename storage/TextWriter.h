#pragma once

#include <string>
#include <string_view>

// Builds the text of a data file with CR LF line ends; FileReplacer or an append stores it.
class TextWriter
{
public:
    // Adds text and a CR LF line end; text is written literally.
    void Line(std::string_view line);
    // Adds a signed decimal integer and a CR LF line end.
    void Number(int value);
    // Adds text exactly as given, line ends included.
    void Raw(std::string_view raw);
    // The text built so far.
    const std::string& Text() const;

private:
    std::string text;
};
