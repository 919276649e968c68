#pragma once

#include "Instrument.h"

// The seven settings kept in "pinto_c.dat", with their defaults.
struct Settings
{
    int viewDots = 1;      // 1 = "View dots" ticked, else 0
    int suppressColor = 0; // 1 = "Supress color" ticked, else 0
    int viewDegrees = 1;   // 1 = "View scale degrees" ticked, else 0
    int viewNotes = 0;     // 1 = "View notes" ticked, else 0
    int dotMarkers = 1;    // 1 = "Dot Markers" ticked, else 0
    // The instrument, kept as its number 1..4.
    Instrument instrument = Instrument::Guitar;
    int stringCount = 6; // strings of the instrument: Guitar 6-7, Bass 4-6, Mandolin 4, Banjo 4-5

    bool operator==(const Settings&) const = default;
};
