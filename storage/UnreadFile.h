#pragma once

#include <string>

// A data file that is there but was not read to its end, and why.
struct UnreadFile
{
    std::string name; // as the program opens it, e.g. "pinto_s.dat"
    // The system's reason: an errno value or DataFile::NOT_REGULAR; 0 when the file was read but
    // holds something that is no record.
    int error = 0;

    bool operator==(const UnreadFile&) const = default;
};
