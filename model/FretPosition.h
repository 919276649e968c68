#pragma once

// A position on the neck: absolute (fret, string) in the pattern and the placement, or an
// origin offset (possibly negative) in the match list.
struct FretPosition
{
    int fret = 0;
    int string = 0;
    bool operator==(const FretPosition&) const = default;
};
