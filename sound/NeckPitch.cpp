#include "NeckPitch.h"

#include "CFretboard.h"
#include "TuningPreset.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct StandardPitches
{
    Instrument instrument;
    std::vector<int> pitches; // string 0 first
};

// The standard tunings as pitches: E2 A2 D3 G3 B3 E4 on a guitar (a seventh string B1 below),
// E1 A1 D2 G2 on a bass (B0 below for five and six strings, C3 above for six), G3 D4 A4 E5 on a
// mandolin, and G2 D3 G3 B3 on a four-string banjo; the five-string banjo's short string (string
// 0) is the high G4 above D3 G3 B3 D4.
const std::array<StandardPitches, 8> TABLE = {{
    {Instrument::Guitar, {40, 45, 50, 55, 59, 64}},
    {Instrument::Guitar, {35, 40, 45, 50, 55, 59, 64}},
    {Instrument::Bass, {28, 33, 38, 43}},
    {Instrument::Bass, {23, 28, 33, 38, 43}},
    {Instrument::Bass, {23, 28, 33, 38, 43, 48}},
    {Instrument::Mandolin, {55, 62, 69, 76}},
    {Instrument::Banjo, {43, 50, 55, 59}},
    {Instrument::Banjo, {67, 50, 55, 59, 62}},
}};

int StandardPitch(Instrument instrument, int stringCount, int string)
{
    for (const StandardPitches& row : TABLE) {
        if (row.instrument == instrument && static_cast<int>(row.pitches.size()) == stringCount) {
            return row.pitches[static_cast<std::size_t>(std::clamp(string, 0, stringCount - 1))];
        }
    }
    const std::vector<int>& guitar = TABLE[0].pitches;
    return guitar[static_cast<std::size_t>(std::clamp(string, 0, 5))];
}

} // namespace

int NeckPitch::OpenPitch(Instrument instrument, int stringCount, int string, int openNote)
{
    const int standard = StandardPitch(instrument, stringCount, string);
    // MIDI note 21 is an A; the nearest pitch of openNote, the lower one of two as near.
    const int above = ((openNote + 21 - standard) % 12 + 12) % 12;
    return above < 6 ? standard + above : standard + above - 12;
}

int NeckPitch::At(const CFretboard& board, Instrument instrument, int string, int fret)
{
    const int count = board.GetStringCount();
    std::vector<int> notes;
    for (int s = 0; s < count; ++s) {
        notes.push_back(board.GetOpenNote(s));
    }
    // A tuning of the Tunings menu sounds in its published octaves (a tenor banjo's D and A lie
    // a fourth and more above the neck's usual strings).
    const std::optional<std::vector<int>> published = TuningPreset::Pitches(instrument, notes);
    const int open = published && string >= 0 && string < count
                         ? (*published)[static_cast<std::size_t>(string)]
                         : OpenPitch(instrument, count, string, board.GetOpenNote(string));
    return open + fret - board.GetStartFret(string);
}

std::vector<FretPosition> NeckPitch::PatternOrder(const CFretboard& board)
{
    std::vector<FretPosition> order;
    if (board.placement) {
        for (int i = 0; i < board.placement->Count(); ++i) {
            order.push_back(board.placement->At(i));
        }
    }
    std::sort(order.begin(), order.end(), [](const FretPosition& a, const FretPosition& b) {
        return a.string != b.string ? a.string < b.string : a.fret < b.fret;
    });
    return order;
}

std::vector<int> NeckPitch::PatternPitches(const CFretboard& board, Instrument instrument)
{
    std::vector<int> pitches;
    for (const FretPosition& place : PatternOrder(board)) {
        pitches.push_back(At(board, instrument, place.string, place.fret));
    }
    return pitches;
}

std::vector<FretPosition> NeckPitch::PlacesOf(const CFretboard& board, Instrument instrument,
                                              int pitch, bool inPattern)
{
    std::vector<FretPosition> places;
    if (inPattern) {
        for (const FretPosition& place : PatternOrder(board)) {
            if (At(board, instrument, place.string, place.fret) == pitch) {
                places.push_back(place);
            }
        }
        return places;
    }
    for (const bool anyOctave : {false, true}) {
        for (int string = 0; string < board.GetStringCount(); ++string) {
            for (int fret = board.NutFret(string); fret <= board.GetFrets(); ++fret) {
                if (!board.InReach(fret)) {
                    continue; // under the capo or off the fret range: not drawn
                }
                const int sounds = At(board, instrument, string, fret);
                if (sounds == pitch || (anyOctave && (sounds - pitch) % 12 == 0)) {
                    places.push_back({fret, string});
                }
            }
        }
        if (!places.empty()) {
            break;
        }
    }
    return places;
}
