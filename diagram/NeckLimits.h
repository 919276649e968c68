#pragma once

#include <string>

class CFretboard;
struct DiagramOptions;

// What a capo and a range of frets may be on a neck, and why a choice is refused: one sentence a
// dialog shows beside its field and the command line prints, empty when the choice is fine.
class NeckLimits
{
public:
    /// Highest fret the Capo menu offers.
    static constexpr int kHighestCapo = 12;
    /// Highest fret a range may start from.
    static constexpr int kHighestStart = 20;
    /// Fewest frets a range shows.
    static constexpr int kFewestFrets = 4;

    /// Why a capo on fret capo (0 for none) cannot go on a neck of lastFret frets: it must leave
    /// three frets above it and stay within 0..kHighestCapo.
    static std::string CapoRefusal(int capo, int lastFret);
    /// Why a range cannot start at fret from on a neck of lastFret frets.
    static std::string FromRefusal(int from, int lastFret);
    /// Why a range from..to cannot be shown on a neck of lastFret frets (from itself fine).
    static std::string ToRefusal(int from, int to, int lastFret);

    /// options with a capo or a range that its neck cannot take dropped: a range whose end lies
    /// beyond the neck ends with the neck when it still shows kFewestFrets, else the whole neck.
    static DiagramOptions Fitted(DiagramOptions options);
    /// Gives board the capo and the range of frets of options, which clicks, the pattern search
    /// and modulation keep to.
    static void ApplyTo(CFretboard& board, const DiagramOptions& options);
};
