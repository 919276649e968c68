#pragma once

#include "DiagramOptions.h"
#include "NoteSpeller.h"

class CFretboard;

// Which note a label of the neck names, and how it is spelled. With a capo the strings' names
// (the tuning labels, the printed string names) name the notes they sound open; with the capo's
// labels shown as shapes every note label names the note a player fingers, as if the capo were the
// nut, while the sound stays as it is.
class NeckLabels
{
public:
    /// The note 0..11 from A a dot sounding note on string index shows: note, or with shapes as
    /// many semitones lower as the capo stands above that string's own nut (a five-string banjo's
    /// short string is capoed apart from the others).
    static int DotNote(const CFretboard& board, const DiagramOptions& options, int index, int note);
    /// The names the dots' notes are spelled with; as shapes in the key that is fingered.
    static NoteSpeller DotNames(const CFretboard& board, const DiagramOptions& options);
    /// The note 0..11 from A that names string index: the note it sounds open with the capo on,
    /// or its open note when the labels are shapes.
    static int StringNote(const CFretboard& board, const DiagramOptions& options, int index);
    /// The names the strings' notes are spelled with; as shapes in the key that is fingered.
    static NoteSpeller StringNames(const CFretboard& board, const DiagramOptions& options);

private:
    /// The semitones a label is moved down: the capo's fret with shapes shown, else 0.
    static int Shift(const CFretboard& board, const DiagramOptions& options);
};
