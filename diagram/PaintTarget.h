#pragma once

#include "ViewLayout.h"

#include <QSize>

#include <optional>

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
    /// printer: where the neck lies when it is not one inch in and two inches down the page
    std::optional<ViewLayout> neck;
    int captionY = -1; ///< printer: top of the first caption; -1 = half way down to the neck

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
    /// One of several diagrams on a printer page of dpiX x dpiY pixels per inch and page pixels:
    /// the neck as neck lays it out, the captions from captionY down; the page is not cleared.
    static PaintTarget PrinterRow(int dpiX, int dpiY, QSize page, const ViewLayout& neck,
                                  int captionY)
    {
        PaintTarget target = Printer(dpiX, dpiY, page.width(), page.height());
        target.neck = neck;
        target.captionY = captionY;
        target.fillBackground = false;
        return target;
    }
};
