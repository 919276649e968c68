#pragma once

#include <atomic>

// One string of the instrument: its tuning and first fret, the shared scale and overlay roots,
// and references to the fretboard's two sets of 12 degree flags. Answers notes, degrees and the
// classification of every fret.
class CFretString
{
public:
    // tuning: note number 0..11 counted from A sounding at startFret; fretCount: frets
    // 0..fretCount-1.
    CFretString(int tuning, int fretCount, int startFret);
    CFretString(const CFretString&) = delete;
    CFretString& operator=(const CFretString&) = delete;

    // Note number 0..11 counted from A sounding at fret (0 = open string).
    int NoteAt(int fret) const;
    // Degree 0..11 of note number 0..11 above the scale root.
    int DegreeOfNote(int note) const;
    // Degree 0..11 above the scale root of the note at fret.
    int DegreeAt(int fret) const;
    // Classification bits (SCALE_NOTE, ROOT_NOTE, OVERLAY_NOTE) of degree 0..11.
    int ClassifyDegree(int degree) const;
    // Classification of fret: OFF_STRING below the start fret, else that of its degree.
    int ClassifyFret(int fret) const;
    // Classification of note number 0..11 counted from A.
    int ClassifyNote(int note) const;
    // OVERLAY_NOTE when degree 0..11 (above the scale root) is in the overlay scale, else 0.
    int OverlayBit(int degree) const;
    // Sets the root note number 0..11 of layer LAYER_SCALE or LAYER_OVERLAY; other layers ignored.
    void SetRoot(int value, int layer);
    // Root note number 0..11 of layer LAYER_SCALE or LAYER_OVERLAY; 12 for any other layer.
    int GetRoot(int layer) const;
    // Refers to 12 degree flags (not owned) for layer LAYER_SCALE or LAYER_OVERLAY.
    void SetDegreeFlags(const int* flags, int layer);
    // The 12 degree flags referred to for the layer; null for another layer or when unattached.
    const int* GetDegreeFlags(int layer) const;
    // Sets the note number 0..11 sounding at the start fret.
    void SetTuning(int note);
    // Note number 0..11 sounding at the start fret.
    int GetTuning() const;
    // Number of fret positions: the open string and frets 1..fretCount-1 (13 on a 12-fret neck).
    int GetFretCount() const;
    // Sets the number of fret positions (13..25 for a neck of 12..24 frets).
    void SetFretCount(int count);
    // Lowest fret that exists on the string (0, or 5 for a banjo's short string).
    int GetStartFret() const;
    // Sets the lowest existing fret; returns the previous one.
    int SetStartFret(int fret);

private:
    int fretCount;
    int startFret;
    int tuning;
    // The scale player's beat thread reads the scale root while the UI thread may change it.
    std::atomic<int> root{0};
    const int* scaleDegrees = nullptr;
    std::atomic<int> overlayRoot{0};
    const int* overlayDegrees = nullptr;
};
