#include "ScaleRunText.h"

#include "CFretboard.h"
#include "Notes.h"

std::string BuildScaleRun(PlayerState& state, const CFretboard& board,
                          const std::optional<std::string>& scaleName,
                          const std::optional<std::string>& overlayName, NoteSpelling spelling,
                          RootSpelling rootSpelling, DegreeNaming degreeNaming, bool rootAsR)
{
    for (int i = 0; i < 12; ++i) {
        state.inRun[static_cast<std::size_t>(i)] = false;
        state.noteListed[static_cast<std::size_t>(i)] = false;
    }

    const int root = board.GetRoot(LAYER_SCALE) % 12;
    const bool allNotes = board.GetOverlayMode() == OVERLAY_ALL;
    if (const CFretString* first = board.GetString(0)) {
        for (int note = 0; note < 12; ++note) {
            const int bits = first->ClassifyNote(note);
            const bool inScale = (bits & SCALE_NOTE) != 0;
            const bool inOverlay = (bits & OVERLAY_NOTE) != 0;
            bool taken = inScale;
            if (overlayName) {
                taken = allNotes ? (inScale || inOverlay) : (inScale && inOverlay);
            }
            if (taken) {
                state.noteListed[static_cast<std::size_t>(note)] = true;
                state.inRun[static_cast<std::size_t>(first->DegreeOfNote(note))] = true;
            }
        }
    }

    const NoteSpeller names = NoteSpeller::ForBoard(board, spelling, rootSpelling);
    std::string text;
    if (scaleName) {
        text += NoteSpeller::ForLayer(board, LAYER_SCALE, spelling, rootSpelling).Label(root);
        text += ' ';
        text += *scaleName;
    }
    if (overlayName) {
        text += " and ";
        text += NoteSpeller::ForLayer(board, LAYER_OVERLAY, spelling, rootSpelling)
                    .Label(board.GetRoot(LAYER_OVERLAY));
        text += ' ';
        text += *overlayName;
        text += allNotes ? " playinging all notes" : " playing common notes";
    }
    text += "\r\nNotes:";
    for (int i = 0; i < 12; ++i) {
        const int note = (root + i) % 12;
        if (state.noteListed[static_cast<std::size_t>(note)]) {
            text += ' ';
            text += names.Label(note);
        }
    }
    const DegreeSpeller degrees =
        DegreeSpeller::ForScale(board.scaleDegrees, degreeNaming, rootAsR);
    text += "\r\nDegrees:";
    for (int degree = 0; degree < 12; ++degree) {
        if (state.inRun[static_cast<std::size_t>(degree)]) {
            text += ' ';
            text += degrees.Label(degree);
        }
    }
    return text;
}
