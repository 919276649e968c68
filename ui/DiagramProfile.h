#pragma once

#include "DiagramOptions.h"

// The Diagram menu's toggles, kept between runs in the application's profile (QSettings of the
// application's organisation and name), never in the settings file.
class DiagramProfile
{
public:
    /// The toggles as last kept; all off when the profile holds none.
    static DiagramOptions Load();
    /// Keeps options' toggles in the profile.
    static void Save(const DiagramOptions& options);
};
