#pragma once

// A clickable position of the diagram: row 0 is the top line, fret 0 the open string.
struct FretCell
{
    int row = 0;  ///< row counted from the top, 0..strings-1
    int fret = 0; ///< fret 0 (open string) up to the neck's highest fret
    bool operator==(const FretCell&) const = default;
};
