#pragma once

#include "DiagramState.h"
#include "ScaleVocabulary.h"
#include "SoundSchemeTable.h"

#include <array>
#include <string>

// The state the whole program shares while it runs: one instance, owned by the application. The
// part every picture of the neck is drawn from is its DiagramState; the rest belongs to the
// window's commands and dialogs.
class AppState : public DiagramState
{
public:
    int modulationSteps = 0; ///< scale steps the shown pattern is moved from its match
    std::string nameBuffer;  ///< name confirmed in the name dialog, at most 99 chars
    std::array<std::array<int, 7>, 13>
        setupGrid{};               ///< pattern board [fret 0..12][row 0..6], 1 = note
    SoundSchemeTable soundSchemes; ///< sample paths of the loaded sound schemes
    /// The scales installed with the program, offered after those of "_pinto_s.dat" when the
    /// program runs with --home; empty otherwise.
    ScaleVocabulary installedScales;
};
