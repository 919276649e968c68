#pragma once

#include "DiagramLook.h"

#include <QPalette>

// The two palettes the program brings, set on the whole application with the Fusion style so that
// bars, dialogs, icons and the neck turn together, and used alone by pictures drawn without a
// window.
class SchemePalette
{
public:
    /// Dark text on light grey windows and white fields.
    static QPalette Light();
    /// Light text on dark grey windows and darker fields.
    static QPalette Dark();
    /// The palette of scheme: Light() or Dark(), or for System the application's palette (Light()
    /// when no application runs).
    static QPalette Of(ColourScheme scheme);
    /// True when palette shows dark fields (its Base colour), whatever scheme it came from.
    static bool IsDark(const QPalette& palette);
};
