#pragma once

#include "CFretString.h"
#include "Notes.h"
#include "PositionList.h"

#include <array>
#include <memory>

// The whole neck: up to MAX_STRINGS strings (string 0 is the bottom line of the diagram), the
// scale and overlay shared by all of them, the overlay mode, the pattern, the places where the
// pattern fits and the placement on show.
class CFretboard
{
public:
    // Builds count strings (only when 0 < count < MAX_STRINGS) with tunings[i], note numbers 0..11.
    CFretboard(int count, const int* tunings);
    ~CFretboard();
    CFretboard(const CFretboard&) = delete;
    CFretboard& operator=(const CFretboard&) = delete;

    // Adds a string of note number 0..11 on top with frets 0..GetFrets(); ignored at MAX_STRINGS
    // strings.
    void AddString(int tuning);
    // Removes the top string, if any.
    void RemoveLastString();
    // Number of strings in use, 0..MAX_STRINGS.
    int GetStringCount() const;
    // String index 0..count-1 (0 = bottom line); null for an index out of range.
    CFretString* GetString(int index);
    // String index 0..count-1 (0 = bottom line); null for an index out of range.
    const CFretString* GetString(int index) const;
    // Lowest existing fret of string index; 0 for an index out of range.
    int GetStartFret(int index) const;
    // Number of fret positions of string index; 0 for an index out of range.
    int GetFretCount(int index) const;
    // Sets the lowest existing fret of string index; returns the previous one (0 if no string).
    int SetStartFret(int index, int fret);
    // Note number 0..11 the string sounds when played open (at its start fret).
    int GetOpenNote(int index) const;
    // Makes count strings (1..MAX_STRINGS) with tunings[i], all starting at fret 0; keeps roots.
    void Restring(int count, const int* tunings);
    // Gives every string, and every string added later, frets 0..count, count kept within
    // DEFAULT_FRETS..MAX_FRETS. The pattern, the matches and the placement stay as they are.
    void SetFrets(int count);
    // Highest fret of every string, DEFAULT_FRETS..MAX_FRETS.
    int GetFrets() const;

    // Puts a capo on fret 1..GetFrets() (0 takes it off): the strings sound from that fret, as
    // from a nut; a string that starts higher (the banjo's short string) from its own first fret.
    void SetCapo(int fret);
    // Fret of the capo, 0 for none.
    int GetCapo() const;
    // Fret a string sounds from when played open: its first fret, or the capo's when higher.
    int NutFret(int index) const;
    // Frets the capo stands above string index's own first fret, 0 below it: what a shape
    // fingered from the capo is moved by on that string.
    int CapoRise(int index) const;
    // Note number 0..11 string index sounds played open, the capo on (GetOpenNote without it).
    int SoundingOpenNote(int index) const;
    // Keeps clicks, the pattern search and modulation within frets first..last (last -1: up to
    // the neck's highest fret); 0, -1 is the whole neck. The pattern and the matches stay.
    void SetFretRange(int first, int last);
    // Lowest fret of the range, 0..GetFrets().
    int RangeFirst() const;
    // Highest fret of the range, RangeFirst()..GetFrets().
    int RangeLast() const;
    // True when fret lies in the range and at or above the capo: a fret the player works in.
    bool InReach(int fret) const;

    // Sets the root note number 0..11 of LAYER_SCALE or LAYER_OVERLAY on every string.
    void SetRoot(int note, int layer);
    // Root note number 0..11 of the layer (from string 0); 12 for another layer.
    int GetRoot(int layer) const;
    // Moves the root of the layer by a signed number of semitones, wrapping within 0..11.
    void ShiftRoot(int semitones, int layer);
    // Flips degree 0..11 of LAYER_SCALE or LAYER_OVERLAY; other layers ignored.
    void ToggleDegree(int degree, int layer);
    // Clears all 12 degree flags of LAYER_SCALE or LAYER_OVERLAY.
    void ClearDegrees(int layer);
    // Sets OVERLAY_ALL (1) or OVERLAY_COMMON (0).
    void SetOverlayMode(int mode);
    // OVERLAY_ALL (1) or OVERLAY_COMMON (0).
    int GetOverlayMode() const;
    // Display classification of (string index, fret 0..GetFrets() + 1) under the overlay mode and
    // placement; OFF_STRING below the fret the string sounds from. With chord tones shown, a
    // note of both the scale and the overlay is an overlay note alone.
    int Classify(int string, int fret) const;

    // Searches the board for every origin where the whole pattern fits; true when any was found.
    bool FindMatches();
    // Non-zero when the pattern elements depth..end fit at origin (stringOffset, fretOffset).
    int MatchAt(int stringOffset, int fretOffset, int depth) const;
    // True when the string exists and fret lies in its NutFret..fretCount-1 and in the range.
    bool IsOnBoard(int string, int fret) const;
    // Shows match index (kept when out of range); returns currentMatch, or 0 without a search.
    int SelectMatch(int index);
    // Shows the next match without wrapping; returns currentMatch, or 0 without a search.
    int NextMatch();
    // Shows the previous match without wrapping; returns currentMatch, or 0 without a search.
    int PrevMatch();
    // Places the current match moved by signed scale steps; false when there is no match to place.
    bool BuildPlacement(int steps);
    // Fret 1..GetFrets() reached from fret by signed scale steps along the string (a ring of the
    // string's fret positions within the range and from the capo up, skipping the open string or
    // the capo's fret); fret unchanged when too few scale frets or the string is not on the board.
    int ModulateFret(int string, int fret, int steps) const;
    // Forgets the search (matches null, searched false); the placement stays on show.
    void ClearMatches();
    // Forgets the search and the placement; the pattern itself stays.
    void RemovePattern();

    PositionList pattern;
    std::array<std::unique_ptr<CFretString>, MAX_STRINGS> strings;
    int numStrings = 0;
    std::array<int, 12> scaleDegrees{};
    std::array<int, 12> overlayDegrees{};
    std::unique_ptr<PositionList> matches;
    int currentMatch = 0;
    std::unique_ptr<PositionList> placement;
    int overlayMode = OVERLAY_ALL;
    bool searched = false;
    int frets = DEFAULT_FRETS; ///< highest fret of every string, DEFAULT_FRETS..MAX_FRETS
    int capo = 0;              ///< fret of the capo, 0 for none
    int rangeFirst = 0;        ///< lowest fret of the range
    int rangeLast = -1;        ///< highest fret of the range, -1 for the neck's highest
    bool chordTones = false;   ///< the overlay holds chord tones of the scale, shown as overlay

private:
    void AttachFlags();
};
