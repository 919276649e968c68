#pragma once

#include "DegreeSpeller.h"
#include "DiagramLook.h"
#include "NoteSpeller.h"
#include "Notes.h"

#include <algorithm>

// How every picture of the neck is drawn: the view, the printed page, the exported files and the
// pattern setup board. All off is the picture as it has always been.
struct DiagramOptions
{
    bool leftHanded = false;     ///< mirrored: the nut and open strings at the right
    bool lowStringOnTop = false; ///< string 0 (the lowest, or a banjo's short one) is the top row
    NoteSpelling spelling = NoteSpelling::Sharps; ///< how note labels are spelled
    int frets = DEFAULT_FRETS; ///< highest fret of the neck, DEFAULT_FRETS..MAX_FRETS
    DegreeNaming degreeNaming = DegreeNaming::Classic; ///< which names degree labels use
    bool rootAsR = false;                              ///< the root's degree label reads "R"
    RootSpelling rootSpelling = RootSpelling::Auto;    ///< a black-key root spelled by key
    DiagramLook look = DiagramLook::Classic;           ///< geometry, labels and fret numbers
    ColourScheme colours = ColourScheme::System; ///< the palette the picture takes its colours from
    int capo = 0;                                ///< fret of the capo, 0 for none
    bool capoShapes = false; ///< note labels as if the capo were the nut: the shapes fingered
    int fromFret = 0;        ///< lowest fret drawn (0: the nut and the open strings)
    int toFret = 0;          ///< highest fret drawn, 0 for the neck's last

    /// Highest fret drawn: toFret within the neck, or the neck's last fret for 0.
    int LastShownFret() const
    {
        const int last = std::clamp(frets, DEFAULT_FRETS, MAX_FRETS);
        return toFret > 0 && toFret < last ? toFret : last;
    }
    /// True when only frets fromFret..LastShownFret() are drawn, not the whole neck.
    bool ShowsRange() const
    {
        return fromFret > 0 || LastShownFret() < std::clamp(frets, DEFAULT_FRETS, MAX_FRETS);
    }

    /// Row 0..count-1 (0 = top line) that shows string 0..count-1 of count strings.
    int RowOfString(int string, int count) const
    {
        return lowStringOnTop ? string : count - 1 - string;
    }
    /// String 0..count-1 shown in row 0..count-1 (0 = top line) of count strings.
    int StringOfRow(int row, int count) const { return RowOfString(row, count); }

    bool operator==(const DiagramOptions&) const = default;
};
