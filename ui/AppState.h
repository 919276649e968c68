#pragma once

#include "CFretboard.h"
#include "DiagramOptions.h"
#include "ScaleLibrary.h"
#include "Settings.h"
#include "SoundSchemeTable.h"
#include "ViewLayout.h"

#include <array>
#include <memory>
#include <string>

// The state the whole program shares while it runs: one instance, owned by the application.
class AppState
{
public:
    std::unique_ptr<CFretboard> fretboard; ///< the one neck model; built by the main frame
    Settings settings;                     ///< display and instrument settings
    ScaleLibrary scaleLibrary;             ///< built-in, preset and user scales
    int currentScale = -1;                 ///< library index applied as the scale, -1 for none
    int overlayScale = -1;                 ///< library index applied as the overlay, -1 for none
    int modulationSteps = 0; ///< scale steps the shown pattern is moved from its match
    std::string nameBuffer;  ///< name confirmed in the name dialog, at most 99 chars
    std::array<std::array<int, 7>, 13>
        setupGrid{};               ///< pattern board [fret 0..12][row 0..6], 1 = note
    SoundSchemeTable soundSchemes; ///< sample paths of the loaded sound schemes
    bool printing = false;         ///< true for the whole of a print job or preview
    ViewLayout layout;             ///< the diagram's layout of its latest drawing
    DiagramOptions diagram;        ///< how every picture of the neck is drawn
};
