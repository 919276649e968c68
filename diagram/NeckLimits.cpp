#include "NeckLimits.h"

#include "CFretboard.h"
#include "DiagramOptions.h"

#include <algorithm>

std::string NeckLimits::CapoRefusal(int capo, int lastFret)
{
    if (capo < 0 || capo > kHighestCapo) {
        return "A capo goes on fret 1 to " + std::to_string(kHighestCapo) + ".";
    }
    if (capo > lastFret - 3) {
        return "A capo on fret " + std::to_string(capo) + " leaves fewer than 3 frets of a " +
               std::to_string(lastFret) + "-fret neck.";
    }
    return {};
}

std::string NeckLimits::FromRefusal(int from, int lastFret)
{
    const int highest = std::min(kHighestStart, lastFret - (kFewestFrets - 1));
    if (from < 0 || from > highest) {
        return "Start at fret 0 to " + std::to_string(highest) + ".";
    }
    return {};
}

std::string NeckLimits::ToRefusal(int from, int to, int lastFret)
{
    if (to > lastFret) {
        return "The neck ends at fret " + std::to_string(lastFret) + ".";
    }
    if (to < from + kFewestFrets - 1) {
        return "Show at least " + std::to_string(kFewestFrets) + " frets: end at fret " +
               std::to_string(from + kFewestFrets - 1) + " or higher.";
    }
    return {};
}

void NeckLimits::ApplyTo(CFretboard& board, const DiagramOptions& options)
{
    board.SetCapo(options.capo);
    board.SetFretRange(options.fromFret, options.ShowsRange() ? options.LastShownFret() : -1);
}

DiagramOptions NeckLimits::Fitted(DiagramOptions options)
{
    options.frets = std::clamp(options.frets, DEFAULT_FRETS, MAX_FRETS);
    if (!CapoRefusal(options.capo, options.frets).empty()) {
        options.capo = 0;
    }
    if (options.fromFret == 0 && options.toFret == 0) {
        return options;
    }
    if (options.toFret > options.frets) {
        options.toFret = options.frets;
    }
    if (!FromRefusal(options.fromFret, options.frets).empty() ||
        !ToRefusal(options.fromFret, options.toFret, options.frets).empty()) {
        options.fromFret = 0;
        options.toFret = 0;
    }
    return options;
}
