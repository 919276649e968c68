#include "CFretString.h"

#include "Notes.h"

#include <cassert>

namespace {

// Remainder in 0..n-1 for any dividend; equals (x + n) % n wherever that one is non-negative.
int Wrap(int x, int n)
{
    const int r = x % n;
    return r < 0 ? r + n : r;
}

} // namespace

CFretString::CFretString(int tuning, int fretCount, int startFret)
    : fretCount(fretCount), startFret(startFret), tuning(tuning)
{
}

int CFretString::NoteAt(int fret) const
{
    return Wrap(tuning + fret - startFret, 12);
}

int CFretString::DegreeOfNote(int note) const
{
    return Wrap(note - root.load(std::memory_order_relaxed), 12);
}

int CFretString::DegreeAt(int fret) const
{
    return DegreeOfNote(NoteAt(fret));
}

int CFretString::ClassifyDegree(int degree) const
{
    assert(degree >= 0 && degree < 12);
    assert(scaleDegrees != nullptr);
    if (degree < 0 || degree >= 12)
        return 0;
    int result = 0;
    if (scaleDegrees != nullptr && scaleDegrees[degree] != 0)
        result = degree == 0 ? SCALE_NOTE | ROOT_NOTE : SCALE_NOTE;
    if (overlayDegrees != nullptr)
        result += OverlayBit(degree);
    return result;
}

int CFretString::ClassifyFret(int fret) const
{
    if (fret < startFret)
        return OFF_STRING;
    return ClassifyDegree(DegreeAt(fret));
}

int CFretString::ClassifyNote(int note) const
{
    return ClassifyDegree(DegreeOfNote(note));
}

int CFretString::OverlayBit(int degree) const
{
    assert(degree >= 0 && degree < 12);
    if (overlayDegrees == nullptr)
        return 0;
    // Distance of the overlay root above the scale root, then the same note counted from the
    // overlay root.
    const int distance = Wrap(
        overlayRoot.load(std::memory_order_relaxed) - root.load(std::memory_order_relaxed), 12);
    const int overlayDegree = Wrap(degree - distance, 12);
    return overlayDegrees[overlayDegree] != 0 ? OVERLAY_NOTE : 0;
}

void CFretString::SetRoot(int value, int layer)
{
    if (layer == LAYER_SCALE)
        root.store(value, std::memory_order_relaxed);
    else if (layer == LAYER_OVERLAY)
        overlayRoot.store(value, std::memory_order_relaxed);
}

int CFretString::GetRoot(int layer) const
{
    if (layer == LAYER_SCALE)
        return root.load(std::memory_order_relaxed);
    if (layer == LAYER_OVERLAY)
        return overlayRoot.load(std::memory_order_relaxed);
    return 12;
}

void CFretString::SetDegreeFlags(const int* flags, int layer)
{
    if (layer == LAYER_SCALE)
        scaleDegrees = flags;
    else if (layer == LAYER_OVERLAY)
        overlayDegrees = flags;
}

const int* CFretString::GetDegreeFlags(int layer) const
{
    if (layer == LAYER_SCALE)
        return scaleDegrees;
    if (layer == LAYER_OVERLAY)
        return overlayDegrees;
    return nullptr;
}

void CFretString::SetTuning(int note)
{
    tuning = note;
}

int CFretString::GetTuning() const
{
    return tuning;
}

int CFretString::GetFretCount() const
{
    return fretCount;
}

void CFretString::SetFretCount(int count)
{
    fretCount = count;
}

int CFretString::GetStartFret() const
{
    return startFret;
}

int CFretString::SetStartFret(int fret)
{
    const int previous = startFret;
    startFret = fret;
    return previous;
}
