#include "NoteSpeller.h"

#include "CFretboard.h"
#include "Notes.h"
#include "ScaleLetters.h"

#include <cstdlib>

namespace {

constexpr int kLetters = 7;
constexpr char kLetterNames[kLetters] = {'A', 'B', 'C', 'D', 'E', 'F', 'G'};
// Note number of each natural letter, counted from A.
constexpr int kNaturalNotes[kLetters] = {0, 2, 3, 5, 7, 8, 10};
// The keys whose signatures settle a root that spells its scale as well sharp as flat.
constexpr std::array<int, 12> kMajorKey = {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1};
constexpr std::array<int, 12> kMinorKey = {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0};
constexpr int kMinorThird = 3;
constexpr int kMajorThird = 4;

int Wrap(int note)
{
    return (note % 12 + 12) % 12;
}

bool AnyDegree(const std::array<int, 12>& degrees)
{
    for (int flag : degrees) {
        if (flag != 0) {
            return true;
        }
    }
    return false;
}

// The letter (0..6 from A) a note is named with when spelled sharp, or flat when flat is set.
int LetterOf(int note, bool flat)
{
    for (int letter = 0; letter < kLetters; ++letter) {
        if (kNaturalNotes[letter] == note) {
            return letter;
        }
    }
    // A black key lies one semitone above one letter and below the next.
    for (int letter = 0; letter < kLetters; ++letter) {
        if (Wrap(kNaturalNotes[letter] + 1) == note) {
            return flat ? (letter + 1) % kLetters : letter;
        }
    }
    return 0;
}

// Semitones from letter's natural note to note, -2..+2, that the accidentals add.
int Alteration(int letter, int note)
{
    const int up = Wrap(note - kNaturalNotes[letter]);
    return up > 6 ? up - 12 : up;
}

std::string NameOf(int letter, int alteration)
{
    static const char* const accidentals[5] = {"bb", "b", "", "#", "x"};
    if (alteration < -2 || alteration > 2) {
        return std::string();
    }
    return kLetterNames[letter] + std::string(accidentals[alteration + 2]);
}

// The letter of each degree above a root named with rootLetter.
std::array<int, 12> DegreeLetters(int rootLetter, const std::array<int, 12>& degrees)
{
    const ScaleLetters steps(degrees);
    std::array<int, 12> letters{};
    for (int degree = 0; degree < 12; ++degree) {
        letters[degree] = (rootLetter + steps.Step(degree)) % kLetters;
    }
    return letters;
}

// Accidentals the scale's notes need when the root is named with rootLetter; a double counts two.
int AccidentalCount(int root, int rootLetter, const std::array<int, 12>& degrees)
{
    const std::array<int, 12> letters = DegreeLetters(rootLetter, degrees);
    int count = 0;
    for (int degree = 0; degree < 12; ++degree) {
        if (degrees[degree] != 0) {
            count += std::abs(Alteration(letters[degree], Wrap(root + degree)));
        }
    }
    return count;
}

// The letter (0..6 from A) the root of the scale is named with: on a black key the one that spells
// the scale with fewer accidentals; on a tie the one whose key signature has fewer (the minor key's
// for a scale with only a minor third, else the major key's); on a second tie, or in a scale
// without a third, the flat one.
int RootLetter(int root, const std::array<int, 12>& degrees, RootSpelling rootSpelling)
{
    const int sharpLetter = LetterOf(root, false);
    const int flatLetter = LetterOf(root, true);
    if (sharpLetter == flatLetter || rootSpelling == RootSpelling::Sharp) {
        return sharpLetter;
    }
    if (rootSpelling == RootSpelling::Flat) {
        return flatLetter;
    }
    const int sharps = AccidentalCount(root, sharpLetter, degrees);
    const int flats = AccidentalCount(root, flatLetter, degrees);
    if (sharps != flats) {
        return sharps < flats ? sharpLetter : flatLetter;
    }
    const std::array<int, 12>* key = degrees[kMajorThird] != 0   ? &kMajorKey
                                     : degrees[kMinorThird] != 0 ? &kMinorKey
                                                                 : nullptr;
    if (key != nullptr &&
        AccidentalCount(root, sharpLetter, *key) < AccidentalCount(root, flatLetter, *key)) {
        return sharpLetter;
    }
    return flatLetter;
}

// True when speller, spelling the key of root, writes the degrees' notes with more flats than
// sharps.
bool SpelledFlat(const NoteSpeller& speller, int root, const std::array<int, 12>& degrees)
{
    int flats = 0;
    int sharps = 0;
    for (int degree = 0; degree < 12; ++degree) {
        if (degrees[degree] != 0) {
            const std::string& name = speller.Name(root + degree);
            flats += name.find('b', 1) != std::string::npos ? 1 : 0;
            sharps += name.find_first_of("#x", 1) != std::string::npos ? 1 : 0;
        }
    }
    return flats > sharps;
}

} // namespace

NoteSpeller::NoteSpeller()
{
    for (int note = 0; note < 12; ++note) {
        m_names[note] = noteNames[note];
        if (m_names[note].back() == ' ') {
            m_names[note].pop_back();
        }
    }
}

NoteSpeller NoteSpeller::ForKey(int root, const std::array<int, 12>& degrees,
                                RootSpelling rootSpelling)
{
    NoteSpeller speller;
    if (!AnyDegree(degrees)) {
        return speller;
    }
    root = Wrap(root);
    const int rootLetter = RootLetter(root, degrees, rootSpelling);
    const std::array<int, 12> letters = DegreeLetters(rootLetter, degrees);
    for (int degree = 0; degree < 12; ++degree) {
        const int note = Wrap(root + degree);
        const std::string name = NameOf(letters[degree], Alteration(letters[degree], note));
        if (!name.empty()) {
            speller.m_names[note] = name;
        }
    }
    return speller;
}

NoteSpeller NoteSpeller::ForLayer(const CFretboard& board, int layer, NoteSpelling spelling,
                                  RootSpelling rootSpelling)
{
    if (spelling != NoteSpelling::Key || (layer != LAYER_SCALE && layer != LAYER_OVERLAY)) {
        return NoteSpeller();
    }
    return ForKey(board.GetRoot(layer),
                  layer == LAYER_SCALE ? board.scaleDegrees : board.overlayDegrees, rootSpelling);
}

NoteSpeller NoteSpeller::Plain(bool flat)
{
    NoteSpeller speller;
    for (int note = 0; note < 12; ++note) {
        const int letter = LetterOf(note, flat);
        speller.m_names[note] = NameOf(letter, Alteration(letter, note));
    }
    return speller;
}

bool NoteSpeller::LeansFlat(const CFretboard& board, RootSpelling rootSpelling)
{
    if (AnyDegree(board.scaleDegrees)) {
        const int root = Wrap(board.GetRoot(LAYER_SCALE));
        return SpelledFlat(ForKey(root, board.scaleDegrees, rootSpelling), root,
                           board.scaleDegrees);
    }
    const int overlayRoot = Wrap(board.GetRoot(LAYER_OVERLAY));
    return SpelledFlat(ForKey(overlayRoot, board.overlayDegrees, rootSpelling), overlayRoot,
                       board.overlayDegrees);
}

NoteSpeller NoteSpeller::ForBoard(const CFretboard& board, NoteSpelling spelling,
                                  RootSpelling rootSpelling)
{
    if (spelling != NoteSpelling::Key) {
        return NoteSpeller();
    }
    const NoteSpeller scale = ForLayer(board, LAYER_SCALE, spelling, rootSpelling);
    const NoteSpeller overlay = ForLayer(board, LAYER_OVERLAY, spelling, rootSpelling);
    const int root = Wrap(board.GetRoot(LAYER_SCALE));
    const int overlayRoot = Wrap(board.GetRoot(LAYER_OVERLAY));
    // A note of neither scale (an open string, say) has no degree to name it by: it keeps its
    // letter on a white key, and a black key leans the way the scale (else the overlay) does.
    NoteSpeller speller = Plain(LeansFlat(board, rootSpelling));
    for (int note = 0; note < 12; ++note) {
        if (board.scaleDegrees[Wrap(note - root)] != 0) {
            speller.m_names[note] = scale.m_names[note];
        } else if (board.overlayDegrees[Wrap(note - overlayRoot)] != 0) {
            speller.m_names[note] = overlay.m_names[note];
        }
    }
    return speller;
}

NoteSpeller NoteSpeller::ForOpenStrings(const CFretboard& board, NoteSpelling spelling,
                                        RootSpelling rootSpelling)
{
    if (spelling != NoteSpelling::Key) {
        return NoteSpeller();
    }
    return Plain(LeansFlat(board, rootSpelling));
}

const std::string& NoteSpeller::Name(int note) const
{
    return m_names[Wrap(note)];
}

std::string NoteSpeller::Label(int note) const
{
    std::string label = Name(note);
    if (label.size() < 2) {
        label.resize(2, ' ');
    }
    return label;
}
