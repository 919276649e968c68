#pragma once

#include <array>

// Layer selectors for root and degree operations; each equals the classification bit it controls.
inline constexpr int LAYER_SCALE = 1;
inline constexpr int LAYER_OVERLAY = 4;

// Classification bits of a fret position.
inline constexpr int SCALE_NOTE = 1;   // the note belongs to the scale
inline constexpr int ROOT_NOTE = 2;    // the note is the scale root (only with SCALE_NOTE)
inline constexpr int OVERLAY_NOTE = 4; // the note belongs to the overlay scale
inline constexpr int PATTERN_NOTE = 8; // the position belongs to the pattern placement on show
inline constexpr int OFF_STRING = 16; // the fret lies below the string's first fret; never combined

// Overlay modes: show every note of both scales, or only the notes they share.
inline constexpr int OVERLAY_ALL = 1;
inline constexpr int OVERLAY_COMMON = 0;

// Most strings a fretboard holds.
inline constexpr int MAX_STRINGS = 10;

// Highest fret of a neck: 12 unless the player asks for more, at most 24.
inline constexpr int DEFAULT_FRETS = 12;
inline constexpr int MAX_FRETS = 24;

// Two-character labels indexed by note number 0..11 counted from A ("A ", "A#", ...).
extern const std::array<const char*, 12> noteNames;

// Two-character labels indexed by degree 0..11 in semitones above the root ("1 ", "-2", ...).
extern const std::array<const char*, 12> degreeNames;
