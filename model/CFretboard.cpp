#include "CFretboard.h"

#include <algorithm>
#include <cassert>

namespace {

bool IsLayer(int layer)
{
    return layer == LAYER_SCALE || layer == LAYER_OVERLAY;
}

} // namespace

CFretboard::CFretboard(int count, const int* tunings)
{
    if (count > 0 && count < MAX_STRINGS) {
        assert(tunings != nullptr);
        for (int i = 0; i < count; ++i)
            AddString(tunings != nullptr ? tunings[i] : 0);
    }
    AttachFlags();
}

CFretboard::~CFretboard()
{
    while (numStrings > 0)
        RemoveLastString();
}

void CFretboard::AttachFlags()
{
    for (int i = 0; i < numStrings; ++i) {
        strings[static_cast<size_t>(i)]->SetDegreeFlags(scaleDegrees.data(), LAYER_SCALE);
        strings[static_cast<size_t>(i)]->SetDegreeFlags(overlayDegrees.data(), LAYER_OVERLAY);
    }
}

void CFretboard::AddString(int tuning)
{
    if (numStrings >= MAX_STRINGS)
        return;
    // Every string has the open string and frets 1..frets.
    auto added = std::make_unique<CFretString>(tuning, frets + 1, 0);
    added->SetDegreeFlags(scaleDegrees.data(), LAYER_SCALE);
    added->SetDegreeFlags(overlayDegrees.data(), LAYER_OVERLAY);
    const CFretString* first = GetString(0);
    added->SetRoot(first != nullptr ? first->GetRoot(LAYER_SCALE) : 0, LAYER_SCALE);
    added->SetRoot(first != nullptr ? first->GetRoot(LAYER_OVERLAY) : 0, LAYER_OVERLAY);
    strings[static_cast<size_t>(numStrings)] = std::move(added);
    ++numStrings;
}

void CFretboard::RemoveLastString()
{
    if (numStrings <= 0)
        return;
    --numStrings;
    strings[static_cast<size_t>(numStrings)].reset();
}

int CFretboard::GetStringCount() const
{
    return numStrings;
}

CFretString* CFretboard::GetString(int index)
{
    if (index < 0 || index >= numStrings)
        return nullptr;
    return strings[static_cast<size_t>(index)].get();
}

const CFretString* CFretboard::GetString(int index) const
{
    if (index < 0 || index >= numStrings)
        return nullptr;
    return strings[static_cast<size_t>(index)].get();
}

int CFretboard::GetStartFret(int index) const
{
    const CFretString* string = GetString(index);
    assert(string != nullptr);
    return string != nullptr ? string->GetStartFret() : 0;
}

int CFretboard::GetFretCount(int index) const
{
    const CFretString* string = GetString(index);
    assert(string != nullptr);
    return string != nullptr ? string->GetFretCount() : 0;
}

int CFretboard::SetStartFret(int index, int fret)
{
    CFretString* string = GetString(index);
    assert(string != nullptr);
    return string != nullptr ? string->SetStartFret(fret) : 0;
}

int CFretboard::GetOpenNote(int index) const
{
    const CFretString* string = GetString(index);
    assert(string != nullptr);
    return string != nullptr ? string->NoteAt(string->GetStartFret()) : 0;
}

void CFretboard::Restring(int count, const int* tunings)
{
    assert(count <= MAX_STRINGS);
    assert(tunings != nullptr || count <= 0);
    while (numStrings > count && numStrings > 0)
        RemoveLastString();
    while (numStrings < count && numStrings < MAX_STRINGS)
        AddString(0);
    for (int i = 0; i < numStrings; ++i) {
        CFretString& string = *strings[static_cast<size_t>(i)];
        string.SetStartFret(0);
        string.SetTuning(tunings != nullptr ? tunings[i] : 0);
    }
    AttachFlags();
}

void CFretboard::SetFrets(int count)
{
    frets = std::clamp(count, DEFAULT_FRETS, MAX_FRETS);
    for (int i = 0; i < numStrings; ++i)
        strings[static_cast<size_t>(i)]->SetFretCount(frets + 1);
}

int CFretboard::GetFrets() const
{
    return frets;
}

void CFretboard::SetCapo(int fret)
{
    capo = std::clamp(fret, 0, frets);
}

int CFretboard::GetCapo() const
{
    return std::min(capo, frets);
}

int CFretboard::NutFret(int index) const
{
    return std::max(GetStartFret(index), GetCapo());
}

int CFretboard::CapoRise(int index) const
{
    return NutFret(index) - GetStartFret(index);
}

int CFretboard::SoundingOpenNote(int index) const
{
    const CFretString* string = GetString(index);
    assert(string != nullptr);
    return string != nullptr ? string->NoteAt(NutFret(index)) : 0;
}

void CFretboard::SetFretRange(int first, int last)
{
    rangeFirst = std::max(first, 0);
    rangeLast = last < 0 ? -1 : std::max(last, rangeFirst);
}

int CFretboard::RangeFirst() const
{
    return std::min(rangeFirst, frets);
}

int CFretboard::RangeLast() const
{
    return rangeLast < 0 ? frets : std::clamp(rangeLast, RangeFirst(), frets);
}

bool CFretboard::InReach(int fret) const
{
    return fret >= GetCapo() && fret >= RangeFirst() && fret <= RangeLast();
}

void CFretboard::SetRoot(int note, int layer)
{
    for (int i = 0; i < numStrings; ++i)
        strings[static_cast<size_t>(i)]->SetRoot(note, layer);
}

int CFretboard::GetRoot(int layer) const
{
    if (!IsLayer(layer))
        return 12;
    const CFretString* first = GetString(0);
    return first != nullptr ? first->GetRoot(layer) : 0;
}

void CFretboard::ShiftRoot(int semitones, int layer)
{
    if (!IsLayer(layer))
        return;
    int step = semitones % 12;
    if (step < 0)
        step += 12;
    SetRoot((GetRoot(layer) + step) % 12, layer);
}

void CFretboard::ToggleDegree(int degree, int layer)
{
    assert(degree >= 0 && degree < 12);
    if (degree < 0 || degree >= 12)
        return;
    const auto index = static_cast<size_t>(degree);
    if (layer == LAYER_SCALE)
        scaleDegrees[index] = scaleDegrees[index] != 0 ? 0 : 1;
    else if (layer == LAYER_OVERLAY)
        overlayDegrees[index] = overlayDegrees[index] != 0 ? 0 : 1;
}

void CFretboard::ClearDegrees(int layer)
{
    if (layer == LAYER_SCALE)
        scaleDegrees.fill(0);
    else if (layer == LAYER_OVERLAY)
        overlayDegrees.fill(0);
}

void CFretboard::SetOverlayMode(int mode)
{
    overlayMode = mode;
}

int CFretboard::GetOverlayMode() const
{
    return overlayMode;
}

int CFretboard::Classify(int string, int fret) const
{
    const CFretString* fretString = GetString(string);
    assert(fretString != nullptr);
    if (fretString == nullptr)
        return 0;
    // Frets below a capo do not sound: no dot there.
    if (fret < GetCapo()) {
        return OFF_STRING;
    }
    int x = fretString->ClassifyFret(fret);
    bool testPlacement = true;
    if (overlayMode == OVERLAY_COMMON) {
        const bool inScale = (x & SCALE_NOTE) != 0;
        const bool inOverlay = (x & OVERLAY_NOTE) != 0;
        // Only notes of both scales stay visible; a root outside the overlay keeps its
        // ROOT_NOTE bit alone, which is not drawn.
        if (inScale && !inOverlay)
            x &= ~SCALE_NOTE;
        else if (inOverlay && !inScale)
            x &= ~OVERLAY_NOTE;
    } else {
        testPlacement = (x & (SCALE_NOTE | OVERLAY_NOTE)) != 0;
    }
    if (chordTones && (x & SCALE_NOTE) && (x & OVERLAY_NOTE)) {
        x &= ~(SCALE_NOTE | ROOT_NOTE);
    }
    if (testPlacement && placement != nullptr && placement->Contains(string, fret))
        x |= PATTERN_NOTE;
    return x;
}
