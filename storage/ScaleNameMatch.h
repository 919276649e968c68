#pragma once

#include <string>
#include <vector>

class ScaleLibrary;

// Finds a library scale by the name a user typed: letter case and runs of blanks do not count.
class ScaleNameMatch
{
public:
    /// True when a scale called name is the one typed: the same ignoring letter case (A..Z),
    /// blanks at either end and repeated blanks.
    static bool Same(const std::string& name, const std::string& typed);
    /// The names (as the library writes them, each once) of the up to count scales nearest to
    /// name: first those that hold it, shortest first, then by the fewest letters to change.
    static std::vector<std::string> Nearest(const ScaleLibrary& library, const std::string& name,
                                            int count);
    /// name in lower case (A..Z) with blanks trimmed and each run of blanks made one space.
    static std::string Normalized(const std::string& name);
};
