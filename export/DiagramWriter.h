#pragma once

#include "RenderOptions.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

class DiagramState;

// Draws the diagram of a program state into a picture or a file: the PNG, SVG and PDF files that
// `pinto --render` and the Export Diagram command write, and the picture Copy Diagram puts on the
// clipboard.
class DiagramWriter
{
public:
    /// The diagram as the window shows it at size pixels, on white.
    static QImage Picture(const DiagramState& state, QSize size);
    /// Writes state's diagram into options.file (the file name's bytes as given) in
    /// options.format: PNG and SVG at width x height pixels, PDF as the printed page (or the
    /// scale book options.book asks for) at dpi on A4 or letter, upright or landscape. The
    /// picture is drawn in memory and stored through a fresh temporary beside the
    /// file that replaces it only once every byte is on disk; on failure nothing new is left
    /// behind, an earlier file stays as it was and error reads "cannot write 'FILE': reason".
    static bool Write(const DiagramState& state, const RenderOptions& options, std::string& error);
};
