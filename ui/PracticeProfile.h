#pragma once

#include "PracticeSettings.h"

// The practice settings (click, count-in, speed trainer, what plays, passes saved), kept between
// runs in the application's profile (QSettings), never in the settings file.
class PracticeProfile
{
public:
    /// The settings as last kept, each within its range; everything off when the profile holds
    /// none.
    static PracticeSettings Load();
    /// Keeps practice in the profile.
    static void Save(const PracticeSettings& practice);
};
