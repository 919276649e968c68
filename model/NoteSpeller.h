#pragma once

#include <array>
#include <string>

class CFretboard;

// How note names are written: always with sharps ("A#"), or as the key of the scale spells them
// ("Bb" in F major, "E#" in F# major).
enum class NoteSpelling
{
    Sharps,
    Key
};

// How the root of a key on a black key is named when notes are spelled by key: as the scale is
// spelled with fewer accidentals (Auto), or always sharp or always flat.
enum class RootSpelling
{
    Auto,
    Sharp,
    Flat
};

// Names the twelve notes. The letter of a note is its degree's letter above the key's root, as
// ScaleLetters gives it; the accidental is whatever makes that letter sound the note. A root on a
// black key is named sharp or flat, whichever spells the scale with fewer accidentals; on a tie the
// key signature players use decides (G# minor's five sharps beat Ab minor's seven flats), and where
// that ties too (F# or Gb major) the flat name. RootSpelling::Sharp and ::Flat force the choice.
class NoteSpeller
{
public:
    /// Sharp names for every note: "A", "A#", "B", ... as the labels have always shown them.
    NoteSpeller();

    /// Every note spelled in the key of root (note 0..11 from A) whose scale holds the degrees
    /// with non-zero flags (0..11 above the root); sharp names when no degree is set.
    static NoteSpeller ForKey(int root, const std::array<int, 12>& degrees,
                              RootSpelling rootSpelling = RootSpelling::Auto);
    /// The key of one layer (LAYER_SCALE or LAYER_OVERLAY) of board alone; sharp names for
    /// NoteSpelling::Sharps or another layer.
    static NoteSpeller ForLayer(const CFretboard& board, int layer, NoteSpelling spelling,
                                RootSpelling rootSpelling = RootSpelling::Auto);
    /// The names the board's notes are shown with: a note of the scale as the scale's key spells
    /// it, a note only in the overlay as the overlay's key spells it; any other note by its
    /// letter, or flat on a black key when the scale (else the overlay) is spelled with more
    /// flats than sharps, else sharp. Sharp names for NoteSpelling::Sharps.
    static NoteSpeller ForBoard(const CFretboard& board, NoteSpelling spelling,
                                RootSpelling rootSpelling = RootSpelling::Auto);
    /// The names the open strings are shown with: a natural note by its letter, a black key
    /// flat when the scale (else the overlay) is spelled with more flats than sharps, else sharp
    /// (a player names a string by its pitch, never "Cb" or "Bbb"). Sharp names for
    /// NoteSpelling::Sharps.
    static NoteSpeller ForOpenStrings(const CFretboard& board, NoteSpelling spelling,
                                      RootSpelling rootSpelling = RootSpelling::Auto);

    /// Name of note 0..11 counted from A: a letter A..G and at most two accidentals, "#", "x"
    /// (double sharp), "b" or "bb".
    const std::string& Name(int note) const;
    /// The name padded with blanks to two characters, as the program writes note labels: "C ",
    /// "Bb", "Cbb"; in sharp names exactly the labels of noteNames.
    std::string Label(int note) const;

private:
    /// Letters for the natural notes, and for the black keys sharps, or flats when flat is set.
    static NoteSpeller Plain(bool flat);
    /// True when the board's key (the scale's, else the overlay's) is spelled with more flats
    /// than sharps.
    static bool LeansFlat(const CFretboard& board, RootSpelling rootSpelling);

    std::array<std::string, 12> m_names;
};
