#include "Notes.h"

const std::array<const char*, 12> noteNames = {"A ", "A#", "B ", "C ", "C#", "D ",
                                               "D#", "E ", "F ", "F#", "G ", "G#"};

const std::array<const char*, 12> degreeNames = {"1 ", "-2", "2 ", "-3", "3 ", "4 ",
                                                 "-5", "5 ", "-6", "6 ", "-7", "7 "};
