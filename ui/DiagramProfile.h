#pragma once

#include "DiagramOptions.h"

// The Diagram menu's toggles, fret count, degree names, root spelling, look, colours and fret
// range, and the capo, kept between runs in the application's profile (QSettings of the
// application's organisation and name), never in the settings file.
class DiagramProfile
{
public:
    /// The choices as last kept; all off, 12 frets, classic names, the root spelled by key
    /// signature (Auto), the classic look, the desktop's colours, no capo and the whole neck when
    /// the profile holds none.
    static DiagramOptions Load();
    /// Keeps options' toggles, fret count, degree names, root spelling, look, colours, capo and
    /// range in the profile.
    static void Save(const DiagramOptions& options);
};
