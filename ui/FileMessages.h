#pragma once

#include "StoreResult.h"
#include "UnreadFile.h"

#include <QString>

// The sentences of the information boxes about the data files. Each failure that has a system's
// reason ends with it ("…: No space left on device.").
class FileMessages
{
public:
    /// A Save of a thing ("scale", "pattern") into file that failed as fault says.
    static QString NotSaved(const QString& thing, const QString& file, const StoreFault& fault);
    /// A Forget of a thing that left it in file: result Failed (fault names the folder when it
    /// allowed no safe rewrite) or Unreadable.
    static QString NotForgotten(const QString& thing, const QString& file, StoreResult result,
                                const StoreFault& fault);
    /// A data file that was there at start-up but could not be read (to its end).
    static QString NotRead(const UnreadFile& file);
    /// The settings that could not be written when the window closed; error as SaveSettings
    /// returns it (not 0).
    static QString SettingsNotSaved(int error);
};
