#pragma once

#include "DiagramOptions.h"

// Where the diagram was last drawn, in device pixels; the click handler maps points with it.
struct ViewLayout
{
    int topY = 180;         ///< y of the top string line
    int leftX = 240;        ///< x where the string lines start
    int rightX = 630;       ///< x where the string lines end
    int fretSpacing = 28;   ///< distance between fret lines
    int stringSpacing = 30; ///< distance between string lines
    int nutX = 265;         ///< x of the nut (fret line 0) before any mirroring
    int dotDiameter = 15;   ///< diameter of a note dot
    int markerDiameter = 5; ///< diameter of a fret marker
    int firstFret = 0;      ///< fret shown in the first cell (0: the open strings left of the nut)
    int lineWidth = 1;      ///< width of string and fret lines
    int nutWidth = 1;       ///< width of the nut (the classic look doubles a thin line instead)
    int numbersY = -1;      ///< y of the middle of the fret numbers below the neck; -1 for none
    int numberSize = 0;     ///< pixel size of the fret numbers' font
    DiagramOptions options; ///< the picture's orientation and spelling
};
