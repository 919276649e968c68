#pragma once

#include "FretPosition.h"

#include <vector>

// An ordered list of unique fret positions, in insertion order.
class PositionList
{
public:
    // Number of positions held.
    int Count() const;
    // Position at index 0..Count()-1; a default position for an index out of range.
    FretPosition At(int index) const;
    // Appends (string, fret) unless present; returns true when it was already present.
    bool Add(int string, int fret);
    // Removes (string, fret) keeping the order of the rest; returns whether it was present.
    bool Remove(int string, int fret);
    // Adds (string, fret) when absent, removes it when present.
    void Toggle(int string, int fret);
    // Removes every position.
    void Clear();
    // True when (string, fret) is in the list.
    bool Contains(int string, int fret) const;

private:
    std::vector<FretPosition> positions;
};
