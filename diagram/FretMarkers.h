#pragma once

#include "Instrument.h"

#include <vector>

// A fret position marker: the fret it marks and the row it sits on, between two string rows when
// the row is fractional (rows counted from 0 at the top line).
struct FretMarker
{
    int fret;
    double row;

    /// The markers of a neck of instrument with stringCount strings, up to fret 24: frets 3, 5, 7,
    /// 9 (10 where the instrument marks the tenth), two at 12, then the same an octave higher.
    static std::vector<FretMarker> Of(Instrument instrument, int stringCount)
    {
        const double middle = (stringCount - 1) / 2.0;
        // The 22nd fret follows the tenth where the tenth is marked; the octaves get two markers
        // each.
        const int shift = MarksTenthFret(instrument) ? 1 : 0;
        return {{3, middle},      {5, middle},          {7, middle},      {9 + shift, middle},
                {12, middle - 1}, {12, middle + 1},     {15, middle},     {17, middle},
                {19, middle},     {21 + shift, middle}, {24, middle - 1}, {24, middle + 1}};
    }
};
