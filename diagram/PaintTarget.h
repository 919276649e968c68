#pragma once

#include <QSize>

// The device the diagram is painted for: a window (screen layout, no captions) or a printer page
// (printer layout with captions and string names).
struct PaintTarget
{
    bool printer = false;       ///< true for the printer layout
    QSize size;                 ///< screen: outer size of the window in pixels
    int dpiX = 96;              ///< printer: pixels per inch across
    int dpiY = 96;              ///< printer: pixels per inch down
    int printableWidth = 0;     ///< printer: printable width in pixels
    bool fillBackground = true; ///< paint the whole area white first

    /// A window of size pixels.
    static PaintTarget Screen(QSize size)
    {
        PaintTarget target;
        target.size = size;
        return target;
    }
    /// A printer page of dpiX x dpiY pixels per inch, printableWidth x printableHeight pixels.
    static PaintTarget Printer(int dpiX, int dpiY, int printableWidth, int printableHeight)
    {
        PaintTarget target;
        target.printer = true;
        target.dpiX = dpiX;
        target.dpiY = dpiY;
        target.printableWidth = printableWidth;
        target.size = QSize(printableWidth, printableHeight);
        return target;
    }
};
