#pragma once

#include "CFretboard.h"
#include "DiagramOptions.h"
#include "ScaleLibrary.h"
#include "Settings.h"

#include <memory>
#include <string>

// What a picture of the neck is drawn from: the fretboard with its scale, overlay and pattern,
// the display settings, the names of the library scales applied, and how the neck is turned.
// The window's state extends it; the command-line export builds one of its own.
class DiagramState
{
public:
    std::unique_ptr<CFretboard> fretboard; ///< the one neck model; built by the main frame
    Settings settings;                     ///< display and instrument settings
    ScaleLibrary scaleLibrary;             ///< built-in, preset and user scales
    int currentScale = -1;                 ///< library index applied as the scale, -1 for none
    int overlayScale = -1;                 ///< library index applied as the overlay, -1 for none
    std::string chordName;                 ///< chord of the scale as the overlay, "ii: Dm7"
    DiagramOptions diagram;                ///< how every picture of the neck is drawn
};
