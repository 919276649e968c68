#include "ModernPainter.h"

#include "DegreeSpeller.h"
#include "DiagramColours.h"
#include "DiagramState.h"
#include "DotStamp.h"
#include "FretMarkers.h"
#include "FretboardGeometry.h"
#include "Instrument.h"
#include "LabelFitter.h"
#include "NeckLabels.h"
#include "NoteSpeller.h"
#include "ReachPainter.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// x of fret line 0.. in the right-handed picture.
int LineX(const ViewLayout& layout, int line)
{
    return layout.nutX + (line - layout.firstFret) * layout.fretSpacing;
}

// Fills a box of the right-handed picture, mirrored as the layout shows it.
void FillBox(QPainter& painter, const ViewLayout& layout, const QRect& box, const QColor& colour)
{
    painter.fillRect(FretboardGeometry::MirrorBox(layout, box), colour);
}

// A vertical bar width pixels wide centred on x, from y top to y bottom inclusive.
QRect Bar(int x, int width, int top, int bottom)
{
    return QRect(x - width / 2, top, width, bottom - top + 1);
}

void DrawNeck(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
              const DiagramColours& colours)
{
    const DiagramOptions& options = layout.options;
    const int n = state.settings.stringCount;
    const int lw = layout.lineWidth;
    // The five-string banjo's short string (string 0) starts at its own nut; the fret lines before
    // it stop at the long strings.
    const int shortNutLine = ShortStringFret(state.settings.instrument, n);
    const bool shortString = shortNutLine > 0;
    const int shortRow = shortString ? options.RowOfString(0, n) : -1;
    const int topY = FretboardGeometry::RowY(layout, 0);
    const int bottomY = FretboardGeometry::RowY(layout, n - 1);
    const int longTopY = shortRow == 0 ? FretboardGeometry::RowY(layout, 1) : topY;
    const int longBottomY = shortRow == n - 1 ? FretboardGeometry::RowY(layout, n - 2) : bottomY;
    const int lastFret = FretboardGeometry::LastFret(layout);

    for (int line = layout.firstFret + (layout.firstFret == 0 ? 1 : 0); line <= lastFret; ++line) {
        const bool beforeShort = shortString && line < shortNutLine;
        FillBox(painter, layout,
                Bar(LineX(layout, line), lw, (beforeShort ? longTopY : topY) - lw / 2,
                    (beforeShort ? longBottomY : bottomY) + (lw - 1) / 2),
                colours.frets);
    }
    for (int row = 0; row < n; ++row) {
        const int y = FretboardGeometry::RowY(layout, row);
        const int startX = row == shortRow ? std::max(LineX(layout, shortNutLine - 1), layout.leftX)
                                           : layout.leftX;
        FillBox(painter, layout, QRect(startX, y - lw / 2, layout.rightX - startX + 1, lw),
                colours.strings);
    }
    const int nut = layout.nutWidth;
    if (layout.firstFret == 0) {
        FillBox(painter, layout,
                Bar(LineX(layout, 0), nut, longTopY - lw / 2, longBottomY + (lw - 1) / 2),
                colours.nut);
    }
    if (shortString && layout.firstFret < shortNutLine && shortNutLine <= lastFret) {
        const int shortY = FretboardGeometry::RowY(layout, shortRow);
        const int half = layout.stringSpacing / 3;
        FillBox(painter, layout,
                Bar(LineX(layout, shortNutLine), nut, shortY - half, shortY + half), colours.nut);
    }
}

void DrawMarkers(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                 const DiagramColours& colours)
{
    painter.setPen(Qt::NoPen);
    DotStamp stamp(painter);
    const int lastFret = FretboardGeometry::LastFret(layout);
    for (const FretMarker& marker :
         FretMarker::Of(state.settings.instrument, state.settings.stringCount)) {
        if (marker.fret > layout.firstFret && marker.fret <= lastFret) {
            stamp.Draw(FretboardGeometry::MarkerBox(layout, marker.fret, marker.row),
                       colours.markers);
        }
    }
}

void DrawFretNumbers(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                     const DiagramColours& colours)
{
    if (layout.numbersY < 0 || layout.numberSize < LabelFitter::kSmallestSize) {
        return;
    }
    QStringList texts;
    std::vector<int> frets;
    const int lastFret = FretboardGeometry::LastFret(layout);
    if (layout.options.ShowsRange()) {
        // A range numbers every fret, its first one above all.
        for (int fret = std::max(layout.options.fromFret, 1); fret <= lastFret; ++fret) {
            frets.push_back(fret);
            texts << QString::number(fret);
        }
    }
    for (const FretMarker& marker :
         FretMarker::Of(state.settings.instrument, state.settings.stringCount)) {
        // The octaves have two markers but one number.
        if (marker.fret > layout.firstFret && marker.fret <= lastFret &&
            std::find(frets.begin(), frets.end(), marker.fret) == frets.end()) {
            frets.push_back(marker.fret);
            texts << QString::number(marker.fret);
        }
    }
    const auto fitted =
        LabelFitter::Centred(painter.font(), layout.numberSize, texts, painter.device());
    painter.save();
    painter.setPen(colours.numbers);
    painter.setFont(fitted->font);
    for (std::size_t i = 0; i < frets.size(); ++i) {
        const LabelFitter::Placed& placed = fitted->texts[i];
        const QPointF centre(FretboardGeometry::DotCenterX(layout, frets[i]), layout.numbersY);
        painter.drawStaticText(centre + placed.offset, placed.text);
    }
    painter.restore();
}

void DrawStringNames(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                     const DiagramColours& colours)
{
    const CFretboard& board = *state.fretboard;
    const int n = state.settings.stringCount;
    const NoteSpeller names = NeckLabels::StringNames(board, layout.options);
    const QFontMetrics metrics = painter.fontMetrics();
    const int gap = layout.fretSpacing / 3;
    painter.setPen(colours.text);
    for (int row = 0; row < n; ++row) {
        const int string = layout.options.StringOfRow(row, n);
        if (board.GetString(string) == nullptr) {
            continue;
        }
        const QString name = QString::fromStdString(
            names.Name(NeckLabels::StringNote(board, layout.options, string)));
        const int width = metrics.horizontalAdvance(name);
        // Beside the open strings: left of the neck, or right of a mirrored one.
        const int x = layout.options.leftHanded ? layout.rightX + gap : layout.leftX - gap - width;
        const int y = FretboardGeometry::RowY(layout, row) + metrics.capHeight() / 2;
        painter.drawText(x, y, name);
    }
}

// The labels the dots may show, one per note or degree: what the settings ask for, without the
// blanks that pad them to two characters; empty for plain dots.
QStringList DotLabels(const DiagramState& state, const NoteSpeller& names,
                      const DegreeSpeller& degrees)
{
    QStringList labels;
    for (int i = 0; i < 12; ++i) {
        if (state.settings.viewDegrees) {
            labels << QString::fromStdString(degrees.Name(i));
        } else if (state.settings.viewNotes) {
            labels << QString::fromStdString(names.Name(i));
        }
    }
    return labels;
}

void DrawDots(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
              const DiagramColours& colours)
{
    const CFretboard& board = *state.fretboard;
    const Settings& settings = state.settings;
    const int n = settings.stringCount;
    const bool colour = settings.suppressColor == 0;
    const int d = layout.dotDiameter;
    const DiagramOptions& options = layout.options;
    const NoteSpeller names = NeckLabels::DotNames(board, options);
    const DegreeSpeller degrees =
        DegreeSpeller::ForScale(board.scaleDegrees, options.degreeNaming, options.rootAsR);
    const QStringList labels = DotLabels(state, names, degrees);
    const auto fitted = labels.isEmpty() ? nullptr
                                         : LabelFitter::FitToDot(painter.font(), d, 0.5 + 0.04 * d,
                                                                 labels, painter.device());
    // The root's ring: outside the dot with a gap, so that it shows on every fill and without
    // colour, and leaves the label its full room.
    const qreal ringWidth = std::max(1.5, 0.08 * d);
    const int ringReach = static_cast<int>(std::ceil(std::max(1.0, 0.04 * d) + ringWidth));
    const QPen outline(colours.outline, std::max(1, layout.lineWidth));
    const QPen ring(colours.ring, ringWidth);

    // The dots and rings first, then the labels: the pens change once per colour, not per dot.
    struct Label
    {
        QPointF centre;
        int index; ///< note or degree 0..11
        DotKind shown;
    };
    std::vector<Label> shownLabels;
    DotStamp stamp(painter);
    painter.setPen(outline);
    const int lastCell = FretboardGeometry::LastDotFret(layout);
    for (int s = 0; s < board.GetStringCount(); ++s) {
        const CFretString* string = board.GetString(s);
        const int row = layout.options.RowOfString(s, n);
        const int y = FretboardGeometry::RowY(layout, row);
        for (int fret = layout.options.fromFret; fret <= lastCell; ++fret) {
            const int value = board.Classify(s, fret);
            const std::optional<DotKind> kind = DiagramColours::KindOf(value);
            if (!kind) {
                continue;
            }
            const DotKind shown = colour ? *kind : DotKind::Scale;
            const QRect box = FretboardGeometry::DotBox(layout, row, fret);
            stamp.Draw(box, colours.Fill(shown));
            if ((value & ROOT_NOTE) && (value & SCALE_NOTE)) {
                painter.setPen(ring);
                stamp.Draw(box.adjusted(-ringReach, -ringReach, ringReach, ringReach),
                           Qt::transparent);
                painter.setPen(outline);
            }
            if (fitted != nullptr) {
                const int index =
                    settings.viewDegrees
                        ? string->DegreeAt(fret)
                        : NeckLabels::DotNote(board, layout.options, s, string->NoteAt(fret));
                shownLabels.push_back({QPointF(box.left() + d / 2.0, y), index, shown});
            }
        }
    }
    if (fitted == nullptr) {
        return;
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(fitted->font);
    for (const DotKind kind : {DotKind::Scale, DotKind::Root, DotKind::Overlay, DotKind::Pattern}) {
        painter.setPen(colours.Ink(kind));
        for (const Label& label : shownLabels) {
            if (label.shown == kind) {
                const LabelFitter::Placed& placed =
                    fitted->texts[static_cast<std::size_t>(label.index)];
                painter.drawStaticText(label.centre + placed.offset, placed.text);
            }
        }
    }
}

} // namespace

void ModernPainter::Paint(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                          const DiagramColours& colours, bool printer)
{
    painter.save();
    // Lines lie on whole pixels of the screen; a page that may be shown scaled (the print
    // preview) draws them antialiased, so that even its thinnest line shows as a shade.
    const QPaintEngine* engine = painter.paintEngine();
    painter.setRenderHint(QPainter::Antialiasing,
                          engine == nullptr || engine->type() != QPaintEngine::Raster ||
                              painter.transform().type() > QTransform::TxTranslate);
    DrawNeck(painter, state, layout, colours);
    if (state.settings.dotMarkers) {
        DrawMarkers(painter, state, layout, colours);
    }
    DrawFretNumbers(painter, state, layout, colours);
    if (printer) {
        DrawStringNames(painter, state, layout, colours);
    }
    ReachPainter::PaintMuted(painter, state, layout, colours);
    ReachPainter::PaintCapo(painter, state, layout, colours);
    DrawDots(painter, state, layout, colours);
    ReachPainter::PaintArrows(painter, state, layout, colours);
    painter.restore();
}
