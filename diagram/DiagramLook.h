#pragma once

// How the neck is drawn: the picture as it has always been, or one that fills the view with
// larger dots, fitted labels and fret numbers.
enum class DiagramLook
{
    Classic,
    Modern
};

// Which colours the program and its pictures use: the desktop's own palette, or one of the two
// palettes the program brings.
enum class ColourScheme
{
    System,
    Light,
    Dark
};
