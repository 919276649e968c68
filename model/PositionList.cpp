#include "PositionList.h"

#include <algorithm>
#include <cassert>

int PositionList::Count() const
{
    return static_cast<int>(positions.size());
}

FretPosition PositionList::At(int index) const
{
    assert(index >= 0 && index < Count());
    if (index < 0 || index >= Count())
        return {};
    return positions[static_cast<size_t>(index)];
}

bool PositionList::Contains(int string, int fret) const
{
    const FretPosition wanted{fret, string};
    return std::find(positions.begin(), positions.end(), wanted) != positions.end();
}

bool PositionList::Add(int string, int fret)
{
    if (Contains(string, fret))
        return true;
    positions.push_back(FretPosition{fret, string});
    return false;
}

bool PositionList::Remove(int string, int fret)
{
    const auto it = std::find(positions.begin(), positions.end(), FretPosition{fret, string});
    if (it == positions.end())
        return false;
    positions.erase(it);
    return true;
}

void PositionList::Toggle(int string, int fret)
{
    if (Add(string, fret))
        Remove(string, fret);
}

void PositionList::Clear()
{
    positions.clear();
}
