#pragma once

#include "ScaleRecord.h"
#include "StoreResult.h"

#include <string>
#include <vector>

class CFretboard;

// The scales offered by both scale lists: the built-ins, then the records of "_pinto_s.dat", then
// the user's scales of "pinto_s.dat". List item i + 1 shows records[i]; item 0 is the empty entry.
// The library is not limited to 100 records: every record of the files is kept.
class ScaleLibrary
{
public:
    // Record index 0..scaleCount-1; null when out of range.
    const ScaleRecord* Record(int index) const;

    std::vector<ScaleRecord> records;
    int scaleCount = 0;  // records in use, always records.size()
    int presetCount = 0; // leading records that cannot be forgotten (19 built-ins + "_pinto_s.dat")
    // Text of "pinto_s.dat" from its first unreadable record on; kept at the end of the file.
    std::string unreadUserText;
};

// Number of scales built into the program (records 0..18).
inline constexpr int BUILT_IN_SCALE_COUNT = 19;

// Rebuilds the library from the built-ins, "_pinto_s.dat" and "pinto_s.dat" in the working folder;
// missing files add nothing.
void LoadScaleLibrary(ScaleLibrary& library);

// Appends name (cut at a line break, at most 99 characters) with the degrees d = 0..11 for which
// string 0 of board classifies d as non-zero (scale and shown overlay) to "pinto_s.dat" and to the
// library. Ignored for an empty name, Failed when the file cannot be written (library unchanged).
StoreResult AppendScale(ScaleLibrary& library, const std::string& name, const CFretboard& board);

// Forgets the user scale at list index listIndex (record listIndex - 1) and rewrites "pinto_s.dat"
// whole. Refused for a preset or the empty entry (listIndex <= presetCount), Failed when the file
// cannot be replaced (library unchanged), Ignored past the last record.
StoreResult ForgetScale(ScaleLibrary& library, int listIndex);
