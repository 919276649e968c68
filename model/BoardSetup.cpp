#include "BoardSetup.h"

#include "CFretboard.h"

void SetUpBoard(CFretboard& board, Instrument instrument, const std::vector<int>& tuning, int frets)
{
    const int strings = static_cast<int>(tuning.size());
    board.Restring(strings, tuning.data());
    board.SetFrets(frets);
    if (const int shortFret = ShortStringFret(instrument, strings); shortFret > 0) {
        board.SetStartFret(0, shortFret);
    }
}
