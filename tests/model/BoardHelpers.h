#pragma once

#include "CFretboard.h"

#include <initializer_list>
#include <memory>
#include <vector>

// Small builders shared by the model tests.
namespace BoardHelpers {

// Note numbers counted from A.
inline constexpr int A = 0, B = 2, C = 3, D = 5, E = 7, F = 8, G = 10;

inline const std::vector<int> majorDegrees = {0, 2, 4, 5, 7, 9, 11};
inline const std::vector<int> minorPentatonicDegrees = {0, 3, 5, 7, 10};
inline const std::vector<int> chromaticDegrees = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// A board with the given tunings (string 0 first), built through AddString so that any count
// up to ten works.
inline std::unique_ptr<CFretboard> MakeBoard(const std::vector<int>& tunings)
{
    auto board = std::make_unique<CFretboard>(0, nullptr);
    for (int tuning : tunings)
        board->AddString(tuning);
    return board;
}

// Sets the root and ticks exactly the given degrees of one layer.
inline void SetScale(CFretboard& board, int layer, int root, const std::vector<int>& degrees)
{
    board.ClearDegrees(layer);
    board.SetRoot(root, layer);
    for (int degree : degrees)
        board.ToggleDegree(degree, layer);
}

// Replaces the pattern by the given (string, fret) cells, the way the setup dialog does.
inline void SetPattern(CFretboard& board, std::initializer_list<FretPosition> cells)
{
    board.pattern.Clear();
    for (const FretPosition& cell : cells)
        board.pattern.Toggle(cell.string, cell.fret);
}

inline std::vector<FretPosition> Positions(const PositionList& list)
{
    std::vector<FretPosition> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list.At(i));
    return result;
}

} // namespace BoardHelpers
