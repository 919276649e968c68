#pragma once

#include "ViewLayout.h"

// Where the parts of the modern look's neck lie: the neck fills the view, its fret spacing taken
// from the width and its string spacing from the height (at most 1.4 fret spacings), dots of 0.8
// of the smaller spacing, and a band below the neck for the fret numbers. The cells are those of
// frets firstFret..lastFret plus one beyond; firstFret 0 shows the open strings left of the nut.
// Positions and clicks are then mapped by FretboardGeometry, as for the classic look.
class ModernGeometry
{
public:
    /// Layout for a window of width x height pixels showing stringCount (1..10) strings and frets
    /// firstFret..lastFret (0..MAX_FRETS).
    static ViewLayout Screen(int width, int height, int stringCount, const DiagramOptions& options,
                             int firstFret, int lastFret);
    /// Layout for a printer of dpiX x dpiY pixels per inch and printableWidth pixels: the neck
    /// between one-inch margins, its top string two inches down, strings as far apart as frets.
    static ViewLayout Printer(int dpiX, int dpiY, int printableWidth, int stringCount,
                              const DiagramOptions& options, int firstFret, int lastFret);
    /// Layout for a neck whose strings run from leftX to rightX, the top one at topY, strings as
    /// far apart as frets: a row of a page that holds several necks.
    static ViewLayout Box(int leftX, int topY, int rightX, int stringCount,
                          const DiagramOptions& options);
};
