#pragma once

#include "DiagramOptions.h"

// The Diagram menu's toggles and fret count, kept between runs in the application's profile
// (QSettings of the application's organisation and name), never in the settings file.
class DiagramProfile
{
public:
    /// The toggles and the fret count as last kept; all off and 12 frets when the profile holds
    /// none.
    static DiagramOptions Load();
    /// Keeps options' toggles and fret count in the profile.
    static void Save(const DiagramOptions& options);
};
