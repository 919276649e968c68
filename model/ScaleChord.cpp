#include "ScaleChord.h"

#include <cctype>

namespace {

constexpr const char* kNumerals[] = {"I", "II", "III", "IV", "V", "VI", "VII"};

// How a stack of thirds is named: the intervals above the root (the seventh -1 for a triad), the
// name's ending, whether the numeral is lower case (a minor third) and the numeral's ending.
struct Quality
{
    int third;
    int fifth;
    int seventh;
    const char* name;
    bool lower;
    const char* mark;
};

constexpr Quality kQualities[] = {
    {4, 7, -1, "", false, ""},
    {3, 7, -1, "m", true, ""},
    {3, 6, -1, "dim", true, "°"},
    {4, 8, -1, "aug", false, "+"},
    {2, 7, -1, "sus2", false, "sus2"},
    {5, 7, -1, "sus4", false, "sus4"},
    {4, 6, -1, "(b5)", false, "(b5)"},
    {4, 7, 11, "maj7", false, "maj7"},
    {4, 7, 10, "7", false, "7"},
    {3, 7, 10, "m7", true, "7"},
    {3, 7, 11, "m(maj7)", true, "(maj7)"},
    {3, 6, 10, "m7b5", true, "ø7"},
    {3, 6, 9, "dim7", true, "°7"},
    {4, 8, 11, "maj7#5", false, "+maj7"},
    {4, 8, 10, "7#5", false, "+7"},
    {4, 6, 10, "7b5", false, "7(b5)"},
    {2, 7, 10, "7sus2", false, "7sus2"},
    {5, 7, 10, "7sus4", false, "7sus4"},
};

// Interval names for a stack that no quality names: "C(b3,#5)".
constexpr const char* kIntervals[] = {"1",  "b2", "2",  "b3", "3",  "4",
                                      "b5", "5",  "#5", "6",  "b7", "7"};

std::string LowerCase(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

int ScaleChord::NoteCount(const std::array<int, 12>& degrees)
{
    int count = 0;
    for (int flag : degrees) {
        count += flag != 0 ? 1 : 0;
    }
    return count;
}

bool ScaleChord::Fits(const std::array<int, 12>& degrees)
{
    return degrees[0] != 0 && NoteCount(degrees) == 7;
}

std::optional<ScaleChord> ScaleChord::On(const std::array<int, 12>& degrees, int step, bool seventh)
{
    if (!Fits(degrees) || step < 0 || step > 6) {
        return std::nullopt;
    }
    std::vector<int> steps;
    for (int degree = 0; degree < 12; ++degree) {
        if (degrees[static_cast<std::size_t>(degree)] != 0) {
            steps.push_back(degree);
        }
    }
    ScaleChord chord;
    chord.step = step;
    chord.seventh = seventh;
    chord.rootDegree = steps[static_cast<std::size_t>(step)];
    for (int tone = 0; tone < (seventh ? 4 : 3); ++tone) {
        const int degree = steps[static_cast<std::size_t>((step + 2 * tone) % 7)];
        chord.tones.push_back((degree - chord.rootDegree + 12) % 12);
    }
    const int third = chord.tones[1];
    const int fifth = chord.tones[2];
    const std::string numeral = kNumerals[step];
    // The numeral in the case of the third, marked as the quality: "vii°", "V7".
    auto name = [&](int top, std::string& quality, std::string& written) {
        for (const Quality& q : kQualities) {
            if (q.third == third && q.fifth == fifth && q.seventh == top) {
                quality = q.name;
                written = (q.lower ? LowerCase(numeral) : numeral) + q.mark;
                return;
            }
        }
        // A stack the names above do not cover (scales with a second or fourth between
        // neighbouring steps): its intervals, after an upper-case numeral.
        quality = std::string("(") + kIntervals[third] + "," + kIntervals[fifth] +
                  (top >= 0 ? std::string(",") + kIntervals[top] : std::string()) + ")";
        written = numeral + quality;
    };
    name(-1, chord.quality, chord.stepNumeral);
    chord.numeral = chord.stepNumeral;
    if (seventh) {
        name(chord.tones[3], chord.quality, chord.numeral);
    }
    return chord;
}

std::array<int, 12> ScaleChord::ToneFlags() const
{
    std::array<int, 12> flags{};
    for (int tone : tones) {
        flags[static_cast<std::size_t>(tone)] = 1;
    }
    return flags;
}
