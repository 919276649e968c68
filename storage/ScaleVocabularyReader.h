#pragma once

#include "ScaleVocabulary.h"

#include <string>
#include <vector>

// Reads the scale vocabulary installed with the program: a text file of families and scales, one
// item a line.
//
//   family NAME        starts a family; the scales below belong to it until the next family
//   scale NAME         starts a scale of the family
//   notes 0 2 3 ...    its semitones above the root, 0 first, rising, each 0..11
//   alias NAME         another name players use (any number of these lines)
//   mode N [of NAME]   the scale is NAME (or the family's first scale) started on its Nth note
//   source TEXT        where a definition that references disagree on is taken from
//
// Blank lines and lines starting with '#' are comments; a CR before a line end is ignored.
class ScaleVocabularyReader
{
public:
    /// The families and scales of text. A line the reader cannot use is named in errors ("line
    /// 12: ...") and skipped; a scale with such a line, without notes or with the name of an
    /// earlier scale is left out whole, so that nothing half-read is offered.
    static ScaleVocabulary Parse(const std::string& text, std::vector<std::string>& errors);
    /// The vocabulary of the file at path; false (and an empty vocabulary) when it is missing or
    /// cannot be read.
    static bool Read(const std::string& path, ScaleVocabulary& vocabulary,
                     std::vector<std::string>& errors);
};
