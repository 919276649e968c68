#pragma once

#include "DiagramOptions.h"

// The Diagram menu's toggles, fret count, look, colours and fret range, and the capo, kept between
// runs in the application's profile (QSettings of the application's organisation and name), never
// in the settings file.
class DiagramProfile
{
public:
    /// The toggles, fret count, look and colours as last kept; all off, 12 frets, the classic look
    /// and the desktop's colours when the profile holds none.
    static DiagramOptions Load();
    /// Keeps options' toggles, fret count, look, colours, capo and range in the profile.
    static void Save(const DiagramOptions& options);
};
