#pragma once

#include "Instrument.h"

#include <vector>

class CFretboard;

/// Strings board as instrument with tuning (note numbers 0..11 from A, string 0 first, one per
/// string, 1..MAX_STRINGS strings) and frets 0..frets (kept within DEFAULT_FRETS..MAX_FRETS); the
/// five-string banjo's short string starts at its fifth fret. Roots, degrees, the overlay mode
/// and the pattern stay as they are. The window at start-up, Configure and `pinto --render` all
/// build their neck with it.
void SetUpBoard(CFretboard& board, Instrument instrument, const std::vector<int>& tuning,
                int frets);
