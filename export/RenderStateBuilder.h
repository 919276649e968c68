#pragma once

#include "RenderOptions.h"

#include <string>

class DiagramState;
class ScaleLibrary;

// Builds the program state a rendered diagram shows from the render options, reading
// "pinto_c.dat" and the scale library files from the working folder as the program does at
// start-up. Writes no file and needs no Qt application.
class RenderStateBuilder
{
public:
    // Fills state (fretboard, settings, scale library, currentScale, overlayScale, printing);
    // false with a one-line error text for an unknown scale name, a string count the instrument
    // does not allow or a tuning of the wrong length.
    static bool Build(const RenderOptions& options, DiagramState& state, std::string& error);
    // Record index of the first library scale called name, in any letter case and with any
    // blanks between its words; -1 when there is none.
    static int FindScale(const ScaleLibrary& library, const std::string& name);
};
