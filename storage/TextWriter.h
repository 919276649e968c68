#pragma once

#include <string>
#include <string_view>

// Builds the text of a data file with CR LF line ends and stores it without ever leaving a
// half-written file behind.
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

    // Replaces fileName (bare name = working folder) whole: writes fileName + ".tmp" in the same
    // folder and renames it over the old file; false on any failure, the old file then unchanged.
    bool ReplaceFile(const std::string& fileName) const;
    // Appends the text to fileName, creating it when missing and first ending a last line that has
    // no line end; false on any failure, the file then cut back to its old length.
    bool AppendToFile(const std::string& fileName) const;

private:
    std::string text;
};
