#pragma once

#include "DegreeSpeller.h"
#include "NoteSpeller.h"
#include "PlayerState.h"

#include <optional>
#include <string>

class CFretboard;

/// Works out the notes the scale player plays (state.inRun, by degree above the root) and lists
/// (state.noteListed, by note from A) from the board's scale, overlay and overlay mode, and
/// returns the player's three text lines joined by CR LF. scaleName is empty-handed when no
/// scale is chosen, overlayName when no overlay scale is chosen. Note names are spelled as
/// spelling and rootSpelling say, each root by its own scale's key; degrees are named in
/// degreeNaming, the root as "R" when rootAsR is set.
std::string BuildScaleRun(PlayerState& state, const CFretboard& board,
                          const std::optional<std::string>& scaleName,
                          const std::optional<std::string>& overlayName,
                          NoteSpelling spelling = NoteSpelling::Sharps,
                          RootSpelling rootSpelling = RootSpelling::Auto,
                          DegreeNaming degreeNaming = DegreeNaming::Classic, bool rootAsR = false);
