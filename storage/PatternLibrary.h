#pragma once

#include "PatternRecord.h"
#include "StoreResult.h"
#include "UnreadFile.h"

#include <array>
#include <string>
#include <vector>

// The patterns offered by the pattern setup dialog: the two built-ins, then the records of
// "_pinto_p.dat", then those of "pinto_p.dat". List entry k + 1 shows records[k]; entry 0 is
// empty. The library is not limited to 100 records: every record of the files is kept.
class PatternLibrary
{
public:
    // Record index 0..patternCount-1; null when out of range.
    const PatternRecord* Record(int index) const;

    std::vector<PatternRecord> records;
    int patternCount = 0; // records in use, always records.size()
    int presetCount = 0;  // leading records that cannot be forgotten (2 built-ins + "_pinto_p.dat")
    // False when "pinto_p.dat" was not read to its end: Forget then leaves it as it is.
    bool userFileComplete = true;
    // Library files not read to their end at the latest load ("_pinto_p.dat", "pinto_p.dat"),
    // with the reason.
    std::vector<UnreadFile> unreadFiles;
    // Why the latest Save or Forget failed or found the file unreadable.
    StoreFault fault;
};

// Number of patterns built into the program (records 0 and 1).
inline constexpr int BUILT_IN_PATTERN_COUNT = 2;

// Rebuilds the library from the built-ins, "_pinto_p.dat" and "pinto_p.dat" in the working
// folder; missing files add nothing.
void LoadPatterns(PatternLibrary& library);

// Appends name (cut at a line break, at most 99 characters) and cells[fret 0..12][row 0..5] (row 6
// stored as 0) to the end of "pinto_p.dat" under its lock; the library then holds the file's user
// records, the new one last. Ignored for an empty or blank name, Busy when another process keeps
// the file locked, Failed when the file cannot be written (file and library unchanged).
StoreResult AppendPattern(PatternLibrary& library, const std::string& name,
                          const std::array<std::array<int, 7>, 13>& cells);

// Forgets the user pattern at list index listIndex (record listIndex - 1): removes the same pattern
// from what "pinto_p.dat" holds now and replaces the file whole; the library then holds the file's
// user records. Refused for a preset, the empty entry or no selection (listIndex <= presetCount),
// Ignored past the last record, Unreadable when the file was not read to its end, Busy when
// another process keeps it locked, Failed when it cannot be replaced, also in a folder that refuses
// new files, as it is never rewritten in place (file and library unchanged; library.fault why).
StoreResult ForgetPattern(PatternLibrary& library, int listIndex);
