#pragma once

#include "DiagramLook.h"

// The colours of the whole program: the desktop's own style and palette, or the Fusion style
// with the program's light or dark palette, so that bars, dialogs, icons and the neck turn
// together.
class AppPalette
{
public:
    /// Gives the running application scheme's style and palette. System changes nothing unless
    /// another scheme is in force, and then brings back the style and palette the desktop gave.
    static void Apply(ColourScheme scheme);
};
