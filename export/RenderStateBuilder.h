#pragma once

#include "RenderOptions.h"
#include "ScaleVocabulary.h"

#include <string>

class DiagramState;
class ScaleLibrary;

// Builds the program state a rendered diagram shows from the render options, reading
// "pinto_c.dat" and the scale library files from the working folder as the program does at
// start-up. Writes no file and needs no Qt application.
class RenderStateBuilder
{
public:
    // Fills state (fretboard, settings, scale library with the scales of vocabulary, currentScale,
    // overlayScale); false with a one-line error text for an unknown scale name, a string count
    // the instrument does not allow, a tuning of the wrong length or a family book of a scale
    // that belongs to no family.
    static bool Build(const RenderOptions& options, DiagramState& state, std::string& error,
                      const ScaleVocabulary& vocabulary = {});
    // Record index of the first library scale called name, in any letter case and with any
    // blanks between its words, looked for among the program's own scales (built in, then
    // installed) before the folder's files, then among the aliases of the installed scales; -1
    // when there is none.
    static int FindScale(const ScaleLibrary& library, const std::string& name);
};
