#include "ScaleLetters.h"

namespace {

// Semitones above the root of the major scale's note on each letter step.
constexpr int kMajorScale[7] = {0, 2, 4, 5, 7, 9, 11};
// The usual letter step of each degree: b2 and 2 on the second, b3 and 3 on the third, ...
constexpr int kUsualSteps[12] = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};
constexpr int kMinorSecond = 1;
constexpr int kMinorThird = 3;
constexpr int kMajorThird = 4;
constexpr int kPerfectFourth = 5;
constexpr int kTritone = 6;
constexpr int kPerfectFifth = 7;
constexpr int kMinorSixth = 8;
constexpr int kMinorSeventh = 10;
constexpr int kSecondStep = 1;
constexpr int kThirdStep = 2;
constexpr int kFourthStep = 3;
constexpr int kFifthStep = 4;

// Semitones -6..+5 from the major scale's note on step to degree.
int AlterationOn(int step, int degree)
{
    const int up = ((degree - kMajorScale[step]) % 12 + 12) % 12;
    return up > 5 ? up - 12 : up;
}

// True for the steps of the perfect intervals: unison, fourth and fifth.
bool IsPerfect(int step)
{
    return step == 0 || step == kFourthStep || step == kFifthStep;
}

int Wrap(int degree)
{
    return (degree % 12 + 12) % 12;
}

} // namespace

ScaleLetters::ScaleLetters(const std::array<int, 12>& degrees)
{
    int count = 0;
    for (int degree = 0; degree < 12; ++degree) {
        m_steps[degree] = kUsualSteps[degree];
        count += degrees[degree] != 0 ? 1 : 0;
    }
    if (degrees[kPerfectFourth] == 0) {
        m_steps[kTritone] = kFourthStep;
    }
    const bool hasMinorThird = degrees[kMinorThird] != 0;
    const bool hasMajorThird = degrees[kMajorThird] != 0;
    if (count == 7 && degrees[0] != 0) {
        // One letter per note, in order, if every note stays between a diminished and an
        // augmented interval (a double flat only on a second, third, sixth or seventh) and the
        // scale's third keeps the third letter. Of both thirds that is the major one, unless the
        // scale climbs b2 b3 b4 and is no dominant without a fifth: Phrygian b4 and harmonic
        // minor's seventh mode (1 b2 b3 b4 b5 b6 bb7) keep the minor one, the altered scale
        // (1 b2 #2 3 #4 b6 b7) the major one.
        const bool minorThirdFirst = hasMinorThird && hasMajorThird && degrees[kMinorSecond] != 0 &&
                                     (degrees[kPerfectFifth] != 0 || degrees[kMinorSeventh] == 0);
        const int third = hasMajorThird && !minorThirdFirst ? kMajorThird
                          : hasMinorThird                   ? kMinorThird
                                                            : -1;
        std::array<int, 12> steps = m_steps;
        bool fits = true;
        int step = 0;
        for (int degree = 0; degree < 12; ++degree) {
            if (degrees[degree] != 0) {
                const int alteration = AlterationOn(step, degree);
                fits = fits && alteration >= (IsPerfect(step) ? -1 : -2) && alteration <= 1;
                fits = fits && (degree != third || step == kThirdStep);
                steps[degree] = step++;
            }
        }
        if (fits) {
            m_steps = steps;
            m_eachLetterOnce = true;
        } else if (hasMinorThird && hasMajorThird) {
            m_steps[kMinorThird] = kSecondStep;
        }
    } else if (count != 7 && hasMajorThird && degrees[kPerfectFifth] == 0 &&
               !(degrees[kTritone] != 0 && m_steps[kTritone] == kFifthStep)) {
        m_steps[kMinorSixth] = kFifthStep;
    }
}

int ScaleLetters::Step(int degree) const
{
    return m_steps[Wrap(degree)];
}

int ScaleLetters::Alteration(int degree) const
{
    return AlterationOn(Step(degree), Wrap(degree));
}
