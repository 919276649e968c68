#pragma once

#include "DiagramOptions.h"

#include <QColor>
#include <QPalette>

#include <array>
#include <optional>

// The kinds of dot, each with its fill: scale notes white, the root blue, overlay notes red,
// pattern notes green (lighter or darker shades as the palette asks).
enum class DotKind
{
    Scale,
    Root,
    Overlay,
    Pattern
};

// Every colour of one picture of the neck.
struct DiagramColours
{
    QColor background;           ///< behind the neck
    QColor strings;              ///< string lines
    QColor frets;                ///< fret lines
    QColor nut;                  ///< the nut and the short string's nut
    QColor markers;              ///< fret position markers
    QColor text;                 ///< captions and string names
    QColor numbers;              ///< fret numbers
    QColor outline;              ///< the edge of every dot
    QColor ring;                 ///< the ring around a root
    std::array<QColor, 4> fills; ///< dot fill by DotKind
    std::array<QColor, 4> inks;  ///< label colour on each fill, by DotKind

    /// Fill of a dot of kind.
    const QColor& Fill(DotKind kind) const { return fills[static_cast<int>(kind)]; }
    /// Label colour on the fill of kind.
    const QColor& Ink(DotKind kind) const { return inks[static_cast<int>(kind)]; }

    /// The colours the neck has always had: black lines, text and markers on white; white,
    /// blue, red and green dots with black labels.
    static DiagramColours Classic();
    /// Background, lines, text and markers from palette's Base and Text; fills light on a dark
    /// palette and strong on a light one, each label black or white, whichever reads better.
    static DiagramColours FromPalette(const QPalette& palette);
    /// The colours of a picture drawn with options: on the printer's paper the classic ones, or
    /// the light palette's for the modern look; else the palette options name, except that the
    /// classic look changes only for the dark palette.
    static DiagramColours For(const DiagramOptions& options, bool printer);

    /// The kind of dot a position classified as classification (SCALE_NOTE, ... bits) gets;
    /// none for OFF_STRING and for positions without a dot.
    static std::optional<DotKind> KindOf(int classification);
    /// Contrast ratio 1..21 of two colours as the web's accessibility guidelines measure it.
    static double Contrast(const QColor& a, const QColor& b);
};
