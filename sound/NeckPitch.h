#pragma once

#include "FretPosition.h"
#include "Instrument.h"

#include <vector>

class CFretboard;

// The pitch each place on the neck sounds, as a MIDI note number (60 is middle C). A neck tuned
// as a preset tuning sounds its published pitches; otherwise a string sounds in the octave of its
// instrument's standard tuning: a string tuned away from the standard note takes the octave
// nearest the standard string's pitch.
class NeckPitch
{
public:
    /// MIDI pitch of string 0..stringCount-1 (0 the bottom line) of instrument tuned to openNote
    /// 0..11 from A, played at its first fret. A string count the instrument does not have
    /// counts as a six-string guitar's strings, the last one repeated upward.
    static int OpenPitch(Instrument instrument, int stringCount, int string, int openNote);
    /// MIDI pitch of (string, fret) on board, fret 0 the open string (a banjo's short string
    /// sounds its open note at its start fret).
    static int At(const CFretboard& board, Instrument instrument, int string, int fret);
    /// The pattern on show, as it plays: from the low string up (string 0 first) and, on a string,
    /// from the lowest fret; empty when none is placed.
    static std::vector<FretPosition> PatternOrder(const CFretboard& board);
    /// The MIDI pitches of PatternOrder, in that order.
    static std::vector<int> PatternPitches(const CFretboard& board, Instrument instrument);
    /// Where pitch sounds: with inPattern the places of the pattern on show that sound it; else
    /// every place within the fret range and from the capo up that sounds it, or, when there is
    /// none, every such place of the same note in another octave.
    static std::vector<FretPosition> PlacesOf(const CFretboard& board, Instrument instrument,
                                              int pitch, bool inPattern);
};
