#pragma once

#include "DiagramOptions.h"

// The Diagram menu's toggles, fret count, degree names and root spelling, kept between runs in the
// application's profile (QSettings of the application's organisation and name), never in the
// settings file.
class DiagramProfile
{
public:
    /// The choices as last kept; all off, 12 frets, classic names and the root spelled by key
    /// signature (Auto) when the profile holds none.
    static DiagramOptions Load();
    /// Keeps options' toggles, fret count, degree names and root spelling in the profile.
    static void Save(const DiagramOptions& options);
};
