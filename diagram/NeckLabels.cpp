#include "NeckLabels.h"

#include "CFretboard.h"

#include <memory>

namespace {

// A one-string board with board's scale, overlay and mode, both roots moved down by shift
// semitones: the key the shapes are fingered in, for spelling.
std::unique_ptr<CFretboard> ShapeKey(const CFretboard& board, int shift)
{
    const int tuning = 0;
    auto key = std::make_unique<CFretboard>(1, &tuning);
    key->scaleDegrees = board.scaleDegrees;
    key->overlayDegrees = board.overlayDegrees;
    key->SetOverlayMode(board.GetOverlayMode());
    key->SetRoot((board.GetRoot(LAYER_SCALE) - shift + 12) % 12, LAYER_SCALE);
    key->SetRoot((board.GetRoot(LAYER_OVERLAY) - shift + 12) % 12, LAYER_OVERLAY);
    return key;
}

} // namespace

int NeckLabels::Shift(const CFretboard& board, const DiagramOptions& options)
{
    return options.capoShapes ? board.GetCapo() % 12 : 0;
}

int NeckLabels::DotNote(const CFretboard& board, const DiagramOptions& options, int index, int note)
{
    const int shift = options.capoShapes ? board.CapoRise(index) : 0;
    return (note - shift % 12 + 12) % 12;
}

NoteSpeller NeckLabels::DotNames(const CFretboard& board, const DiagramOptions& options)
{
    const int shift = Shift(board, options);
    if (shift == 0) {
        return NoteSpeller::ForBoard(board, options.spelling, options.rootSpelling);
    }
    return NoteSpeller::ForBoard(*ShapeKey(board, shift), options.spelling, options.rootSpelling);
}

int NeckLabels::StringNote(const CFretboard& board, const DiagramOptions& options, int index)
{
    return options.capoShapes ? board.GetOpenNote(index) : board.SoundingOpenNote(index);
}

NoteSpeller NeckLabels::StringNames(const CFretboard& board, const DiagramOptions& options)
{
    const int shift = Shift(board, options);
    if (shift == 0) {
        return NoteSpeller::ForOpenStrings(board, options.spelling, options.rootSpelling);
    }
    return NoteSpeller::ForOpenStrings(*ShapeKey(board, shift), options.spelling,
                                       options.rootSpelling);
}
