#pragma once

#include "RenderOptions.h"

#include <QSize>
#include <QString>

#include <vector>

class DiagramState;
class QPagedPaintDevice;

// A printable scale book: one neck diagram a row, as many rows as fit a page, each captioned as
// the printed diagram is and drawn with the same display choices. A book of keys shows one scale
// on all 12 roots, a book of a family every scale of the scale's family on one root.
class ScaleBook
{
public:
    struct Diagram
    {
        int root;  ///< scale root, note number 0..11 counted from A
        int scale; ///< library record index
    };

    /// The diagrams of a book of kind for state's library scale (currentScale) and scale root:
    /// keys = that scale on the 12 roots rising from the root; family = every scale of its family
    /// (ScaleCatalog::FamilyOf) on the root, in the family's order. Empty when no library scale
    /// is chosen or, for a family book, when it belongs to no family.
    static std::vector<Diagram> Diagrams(const DiagramState& state, RenderOptions::Book kind);
    /// Rows that fit a page of page pixels at dpiX x dpiY pixels per inch, for a neck of frets
    /// 12..24 and strings strings with captions textHeight pixels high; at least 1.
    static int RowsPerPage(QSize page, int dpiX, int dpiY, int frets, int strings, int textHeight);
    /// Paints the book of kind for state on device from its current page on, starting a new page
    /// whenever one is full; the scale's root, neck, settings and display choices are state's,
    /// without its overlay and pattern. False with error when there is nothing to print or the
    /// page cannot be painted.
    static bool Paint(QPagedPaintDevice& device, const DiagramState& state,
                      RenderOptions::Book kind, QString& error);
};
