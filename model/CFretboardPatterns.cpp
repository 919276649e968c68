// Pattern search, stepping through the matches and modulation along the scale.
#include "CFretboard.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int IN_EITHER_SCALE = SCALE_NOTE | OVERLAY_NOTE;

} // namespace

bool CFretboard::IsOnBoard(int string, int fret) const
{
    const CFretString* fretString = GetString(string);
    return fretString != nullptr && fret >= NutFret(string) && fret < fretString->GetFretCount() &&
           InReach(fret);
}

int CFretboard::MatchAt(int stringOffset, int fretOffset, int depth) const
{
    const int length = pattern.Count();
    if (depth < 0 || depth >= length)
        return 0;
    // The elements are checked from the last one back to element depth, stopping at the first
    // one that is off the board or on neither scale; the result is element depth's class.
    for (int d = length - 1; d >= depth; --d) {
        const FretPosition e = pattern.At(d);
        const int string = stringOffset + e.string;
        const int fret = fretOffset + e.fret;
        if (!IsOnBoard(string, fret))
            return 0;
        const int x = strings[static_cast<size_t>(string)]->ClassifyFret(fret);
        if (d == depth)
            return x;
        if ((x & IN_EITHER_SCALE) == 0)
            return 0;
    }
    return 0;
}

bool CFretboard::FindMatches()
{
    ClearMatches();
    matches = std::make_unique<PositionList>();
    bool found = false;
    const int length = pattern.Count();
    if (length > 0) {
        int minFret = 99;
        int minString = 99;
        int maxFret = -99;
        int maxString = -99;
        for (int i = 0; i < length; ++i) {
            const FretPosition e = pattern.At(i);
            minFret = std::min(minFret, e.fret);
            minString = std::min(minString, e.string);
            maxFret = std::max(maxFret, e.fret);
            maxString = std::max(maxString, e.string);
        }
        // One bit per fret of each string that lies on the board and on either scale: an origin
        // fits, as MatchAt decides, when every element lands on such a bit.
        std::array<std::uint32_t, MAX_STRINGS> fitting{};
        int fretPositions = 0;
        for (int s = 0; s < numStrings; ++s) {
            const CFretString& string = *strings[static_cast<size_t>(s)];
            const int fretCount = std::min(string.GetFretCount(), 32);
            fretPositions = std::max(fretPositions, fretCount);
            const int lowest = std::max({NutFret(s), RangeFirst(), 0});
            const int highest = std::min(fretCount - 1, RangeLast());
            for (int f = lowest; f <= highest; ++f) {
                if ((string.ClassifyFret(f) & IN_EITHER_SCALE) != 0)
                    fitting[static_cast<size_t>(s)] |= std::uint32_t{1} << f;
            }
        }
        std::vector<FretPosition> cells;
        for (int i = length - 1; i >= 0; --i)
            cells.push_back(pattern.At(i));
        auto fits = [&](int stringOffset, int fretOffset) {
            for (const FretPosition& e : cells) {
                const int string = stringOffset + e.string;
                const int fret = fretOffset + e.fret;
                if (string < 0 || string >= numStrings || fret < 0 || fret >= 32 ||
                    (fitting[static_cast<size_t>(string)] >> fret & 1) == 0)
                    return false;
            }
            return true;
        };
        for (int s = 0; s < numStrings; ++s) {
            // The far corner of the pattern's bounding box must lie on the board too; skipping
            // origins where it cannot saves walking long patterns that are bound to fail.
            if (s + maxString - minString >= numStrings)
                break;
            const int fretCount = GetFretCount(s);
            for (int f = 0; f < fretCount; ++f) {
                if (f + maxFret - minFret >= fretPositions)
                    break;
                if (fits(s - minString, f - minFret)) {
                    matches->Add(s - minString, f - minFret);
                    found = true;
                }
            }
        }
    }
    searched = true;
    return found;
}

int CFretboard::SelectMatch(int index)
{
    if (!searched)
        return 0;
    if (matches != nullptr && matches->Count() > 0) {
        if (index >= 0 && index < matches->Count())
            currentMatch = index;
        BuildPlacement(0);
        return currentMatch;
    }
    FindMatches();
    BuildPlacement(0);
    return currentMatch;
}

int CFretboard::NextMatch()
{
    if (!searched)
        return 0;
    if (matches != nullptr && currentMatch + 1 < matches->Count())
        SelectMatch(currentMatch + 1);
    return currentMatch;
}

int CFretboard::PrevMatch()
{
    if (!searched)
        return 0;
    if (currentMatch - 1 >= 0)
        SelectMatch(currentMatch - 1);
    return currentMatch;
}

bool CFretboard::BuildPlacement(int steps)
{
    if (matches == nullptr || currentMatch < 0 || currentMatch >= matches->Count())
        return false;
    placement = std::make_unique<PositionList>();
    const FretPosition origin = matches->At(currentMatch);
    for (int i = 0; i < pattern.Count(); ++i) {
        const FretPosition e = pattern.At(i);
        const int string = e.string + origin.string;
        int fret = e.fret + origin.fret;
        if (steps != 0)
            fret = ModulateFret(string, fret, steps);
        // Two elements landing on the same position cancel each other out.
        placement->Toggle(string, fret);
    }
    return true;
}

int CFretboard::ModulateFret(int string, int fret, int steps) const
{
    // A pattern set after the search, or a board restrung with fewer strings, can place an
    // element on a string that does not exist; it stays where it is.
    const CFretString* fretString = GetString(string);
    if (fretString == nullptr)
        return fret;
    // The string's fret positions within reach form a ring: on the whole neck up from the last
    // fret continues at fret 1, down from fret 1 at the last fret. The fret the strings sound
    // open from (the nut's, or the capo's) is never a target.
    const int lowest = std::max(GetCapo(), RangeFirst());
    const int ring = std::min(fretString->GetFretCount() - 1, RangeLast()) - lowest + 1;
    const int direction = steps > 0 ? 1 : -1;
    const long long wanted = std::llabs(static_cast<long long>(steps));
    long long counted = 0;
    for (int j = 1; j < ring; ++j) {
        int candidate = (fret - lowest + direction * j) % ring;
        if (candidate < 0)
            candidate += ring;
        candidate += lowest;
        if (candidate == GetCapo())
            continue;
        if ((fretString->ClassifyFret(candidate) & IN_EITHER_SCALE) != 0 && ++counted == wanted)
            return candidate;
    }
    return fret;
}

void CFretboard::ClearMatches()
{
    matches.reset();
    searched = false;
}

void CFretboard::RemovePattern()
{
    ClearMatches();
    placement.reset();
    searched = false;
}
