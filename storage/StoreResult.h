#pragma once

#include <string>

// Outcome of a library operation that changes a file, for the window to act on.
enum class StoreResult
{
    Stored,    // the file was changed and the records in memory are what it now holds
    Ignored,   // an empty or blank name: nothing stored, nothing changed
    Refused,   // a preset or the empty list entry: the window shows "Sorry"
    Failed,    // the file could not be written: nothing changed, the old file is whole
    Busy,      // another process kept the file locked: nothing changed
    Unreadable // the file was not read to its end, so it is not rewritten: nothing changed
};

// Why a change to a library file did not happen (Failed, Unreadable).
struct StoreFault
{
    // The system's reason: an errno value or DataFile::NOT_REGULAR; 0 when there is none (a file
    // that holds something other than records).
    int error = 0;
    // The folder, as an absolute path, that refused the new file a safe rewrite needs; the file is
    // then never rewritten in place. Empty for any other failure.
    std::string refusingFolder;
};
