#pragma once

#include <string>
#include <vector>

class ScaleLibrary;

// Finds a library scale by the name a user typed: letter case and runs of blanks do not count.
class ScaleNameMatch
{
public:
    /// Record index of the first scale whose name equals name, ignoring letter case (A..Z),
    /// blanks at either end and repeated blanks; -1 when there is none.
    static int Find(const ScaleLibrary& library, const std::string& name);
    /// The names (as the library writes them, each once) of the up to count scales nearest to
    /// name: first those that hold it, shortest first, then by the fewest letters to change.
    static std::vector<std::string> Nearest(const ScaleLibrary& library, const std::string& name,
                                            int count);
    /// name in lower case (A..Z) with blanks trimmed and each run of blanks made one space.
    static std::string Normalized(const std::string& name);
};
