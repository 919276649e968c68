#pragma once

#include "RecordRef.h"
#include "ScaleRecord.h"
#include "ScaleVocabulary.h"
#include "StoreResult.h"
#include "UnreadFile.h"

#include <string>
#include <vector>

class CFretboard;

// The scales offered by both scale lists: the built-ins, then the records of "_pinto_s.dat", then
// the scales of the installed vocabulary (when loaded with it), then the user's scales of
// "pinto_s.dat". List item i + 1 shows records[i]; item 0 is the empty entry. The library is not
// limited to 100 records: every record of the files is kept.
class ScaleLibrary
{
public:
    // Record index 0..scaleCount-1; null when out of range.
    const ScaleRecord* Record(int index) const;

    std::vector<ScaleRecord> records;
    int scaleCount = 0;  // records in use, always records.size()
    int presetCount = 0; // leading records that cannot be forgotten (19 built-ins + "_pinto_s.dat")
    // False when "pinto_s.dat" was not read to its end: Forget then leaves it as it is.
    bool userFileComplete = true;
    // Library files not read to their end at the latest load ("_pinto_s.dat", "pinto_s.dat"),
    // with the reason.
    std::vector<UnreadFile> unreadFiles;
    // Why the latest Save or Forget failed or found the file unreadable.
    StoreFault fault;
    // The families and aliases of the vocabulary loaded with the library; empty without one.
    ScaleVocabulary vocabulary;
    // Record index of each scale of vocabulary: a built-in scale for one named like it, else one
    // of the presets that follow the records of "_pinto_s.dat".
    std::vector<int> vocabularyRecords;
};

// A scale of the library that can be found again after the library was reloaded.
using ScaleRef = RecordRef<ScaleRecord>;

// Number of scales built into the program (records 0..18).
inline constexpr int BUILT_IN_SCALE_COUNT = 19;

// Rebuilds the library from the built-ins, "_pinto_s.dat" and "pinto_s.dat" in the working folder;
// missing files add nothing.
void LoadScaleLibrary(ScaleLibrary& library);
// The same with the scales of vocabulary as presets after those of "_pinto_s.dat"; a scale named
// like a built-in one adds no record but stands for the built-in scale.
void LoadScaleLibrary(ScaleLibrary& library, const ScaleVocabulary& vocabulary);

// Appends name (cut at a line break, at most 99 characters) with the degrees d = 0..11 for which
// string 0 of board classifies d as non-zero (scale and shown overlay) to the end of "pinto_s.dat"
// under its lock; the library then holds the file's user records, the new one last. Ignored for an
// empty or blank name, Busy when another process keeps the file locked, Failed when the file
// cannot be written (file and library unchanged).
StoreResult AppendScale(ScaleLibrary& library, const std::string& name, const CFretboard& board);

// Forgets the user scale at list index listIndex (record listIndex - 1): removes the same scale
// from what "pinto_s.dat" holds now and replaces the file whole; the library then holds the file's
// user records. Refused for a preset or the empty entry (listIndex <= presetCount), Ignored past
// the last record, Unreadable when the file was not read to its end, Busy when another process
// keeps it locked, Failed when it cannot be replaced, also in a folder that refuses new files, as
// it is never rewritten in place (file and library unchanged; library.fault tells why).
StoreResult ForgetScale(ScaleLibrary& library, int listIndex);

// The reference of library record index (-1 or out of range: no record).
ScaleRef IdentifyScale(const ScaleLibrary& library, int index);
// The library index of the scale ref names, -1 when it is gone.
int LocateScale(const ScaleLibrary& library, const ScaleRef& ref);
