#pragma once

// Outcome of a library operation that changes a file, for the window to act on.
enum class StoreResult
{
    Stored,  // the file and the records in memory were changed together
    Ignored, // an empty name: nothing stored, nothing changed
    Refused, // a preset or the empty list entry: the window shows "Sorry"
    Failed   // the file could not be written: nothing changed, the old file is whole
};
