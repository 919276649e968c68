#pragma once

#include <array>

// The letter each degree of a scale is written on, counted in letter steps above the root's letter
// (0 the root's own letter, 2 its third, 4 its fifth), and the sharp or flat that the degree then
// carries against the major scale.
//
// A seven-note scale on its root is written with each letter once, in order, when every note then
// lies between a diminished and an augmented interval above the root and its third sits on the
// third letter (of both thirds the major one, but the minor one in a scale that climbs b2 b3 b4
// unless it is a dominant without a fifth): Lydian Augmented is 1 2 3 #4 #5 6 7, harmonic minor
// 1 2 b3 4 5 b6 7, Phrygian b4 1 b2 b3 b4 5 b6 b7, harmonic minor's seventh mode 1 b2 b3 b4 b5 b6
// bb7. Any other scale takes each degree's usual letter: 1 b2 2 b3 3 4 b5 5 b6 6 b7 7, with the
// tritone a sharp fourth when the scale has no perfect fourth. In a seven-note scale that keeps
// both thirds the minor one is a sharp second, so the altered scale reads 1 b2 #2 3 #4 b6 b7; in a
// smaller scale with a major third and no fifth, the minor sixth is a sharp fifth (the whole-tone
// scale is 1 2 3 #4 #5 b7).
class ScaleLetters
{
public:
    /// The letters of the scale that holds degrees 0..11 above its root where the flag is non-zero;
    /// with no flag set, every degree's usual letter.
    explicit ScaleLetters(const std::array<int, 12>& degrees);

    /// Letter step 0..6 above the root's letter for degree 0..11 (semitones above the root).
    int Step(int degree) const;
    /// Semitones -2..+1 by which degree 0..11 lies off the major scale's note on its letter step:
    /// -1 for b3, +1 for #4, 0 for 5, -2 for bb7.
    int Alteration(int degree) const;
    /// True when the scale has seven notes written with each letter once.
    bool EachLetterOnce() const { return m_eachLetterOnce; }

private:
    std::array<int, 12> m_steps{};
    bool m_eachLetterOnce = false;
};
