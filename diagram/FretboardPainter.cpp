#include "FretboardPainter.h"

#include "DegreeSpeller.h"
#include "DiagramColours.h"
#include "DiagramState.h"
#include "DotStamp.h"
#include "FretMarkers.h"
#include "FretboardGeometry.h"
#include "Instrument.h"
#include "ModernGeometry.h"
#include "ModernPainter.h"
#include "NeckLabels.h"
#include "NoteSpeller.h"
#include "ReachPainter.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QStaticText>

#include <algorithm>
#include <array>

namespace {

// Draws text with its top-left corner at (x, y), as the diagram places all its text.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// The two-character label of layer's root, spelled as the options say.
QString RootLabel(const CFretboard& board, int layer, const DiagramOptions& options)
{
    return QString::fromStdString(
        NoteSpeller::ForLayer(board, layer, options.spelling, options.rootSpelling)
            .Label(board.GetRoot(layer)));
}

} // namespace

void FretboardPainter::DrawCaptions(QPainter& painter, const DiagramState& state,
                                    const ViewLayout& layout, int textHeight, int top)
{
    const CFretboard& board = *state.fretboard;
    const DiagramOptions& options = layout.options;
    if (const ScaleRecord* scale = state.scaleLibrary.Record(state.currentScale)) {
        const QString text =
            QStringLiteral("Scale Name: %1 %2")
                .arg(RootLabel(board, LAYER_SCALE, options), QString::fromStdString(scale->name));
        DrawTextAt(painter, layout.leftX, top, text);
    }
    if (const ScaleRecord* overlay = state.scaleLibrary.Record(state.overlayScale)) {
        const QString format = board.GetOverlayMode() == OVERLAY_ALL
                                   ? QStringLiteral("Overlay: %1 %2 showing all notes")
                                   : QStringLiteral("Overlay: %1 %2 showing common notes");
        const QString text = format.arg(RootLabel(board, LAYER_OVERLAY, options),
                                        QString::fromStdString(overlay->name));
        const int y = static_cast<int>(top + 1.5 * textHeight);
        DrawTextAt(painter, layout.leftX, y, text);
    } else if (!state.chordName.empty()) {
        const QString text =
            QStringLiteral("Chord: %1").arg(QString::fromStdString(state.chordName));
        const int y = static_cast<int>(top + 1.5 * textHeight);
        DrawTextAt(painter, layout.leftX, y, text);
    }
}

namespace {

void DrawNeck(QPainter& painter, const DiagramState& state, const ViewLayout& layout, bool printer,
              int textHeight)
{
    const CFretboard& board = *state.fretboard;
    const DiagramOptions& options = layout.options;
    const int n = state.settings.stringCount;
    // The five-string banjo's short string is string 0; the lines left of its nut leave out its
    // row, which is the bottom one unless the low string is on top.
    const int shortFret = ShortStringFret(state.settings.instrument, n);
    const bool shortString = shortFret > 0;
    const int shortRow = shortString ? options.RowOfString(0, n) : -1;
    const int topY = FretboardGeometry::RowY(layout, 0);
    const int bottomY = FretboardGeometry::RowY(layout, n - 1);
    const int longTopY = shortRow == 0 ? FretboardGeometry::RowY(layout, 1) : topY;
    const int longBottomY = shortRow == n - 1 ? FretboardGeometry::RowY(layout, n - 2) : bottomY;
    const int farEndX = FretboardGeometry::MirrorX(layout, layout.rightX);
    const NoteSpeller names = NeckLabels::StringNames(board, options);
    // A range drawn from a higher fret starts at a thin line, the fret line below its first fret.
    const int firstLine = layout.firstFret;

    for (int row = 0; row < n; ++row) {
        const int y = FretboardGeometry::RowY(layout, row);
        // The short string starts at the fret line before its nut, or runs on into the arrows'
        // cell of a range that begins above its nut.
        if (row == shortRow && shortFret - 1 >= firstLine) {
            const int startX = FretboardGeometry::FretLineX(layout, shortFret - 1);
            painter.drawLine(std::min(startX, farEndX), y, std::max(startX, farEndX), y);
        } else {
            painter.drawLine(layout.leftX, y, layout.rightX, y);
        }
        if (printer) {
            const int string = options.StringOfRow(row, n);
            if (board.GetString(string) != nullptr) {
                const QString name = QString::fromStdString(
                    names.Label(NeckLabels::StringNote(board, options, string)));
                // Beside the open strings: left of the neck, or right of a mirrored one.
                int x = layout.leftX - 2 * textHeight;
                if (options.leftHanded) {
                    x = FretboardGeometry::MirrorX(
                        layout, x + painter.fontMetrics().horizontalAdvance(name) - 1);
                }
                DrawTextAt(painter, x, y - textHeight / 2, name);
            }
        }
    }
    const int lastFret = FretboardGeometry::LastFret(layout);
    for (int line = firstLine; line <= lastFret; ++line) {
        const int x = FretboardGeometry::FretLineX(layout, line);
        const bool beforeShort = shortString && line < shortFret;
        painter.drawLine(x, beforeShort ? longTopY : topY, x, beforeShort ? longBottomY : bottomY);
    }
    if (firstLine == 0) {
        const int nutX = FretboardGeometry::FretLineX(layout, 0, -2);
        painter.drawLine(nutX, longTopY, nutX, longBottomY);
    }
    if (shortString && shortFret > firstLine && shortFret <= lastFret) {
        const int shortNutX = FretboardGeometry::FretLineX(layout, shortFret, -2);
        const int besideY = FretboardGeometry::RowY(layout, shortRow == 0 ? 1 : n - 2);
        const int shortY = FretboardGeometry::RowY(layout, shortRow);
        painter.drawLine(shortNutX, std::min(besideY, shortY), shortNutX,
                         std::max(besideY, shortY));
    }
    // The doubled line ends the neck, not a range that stops short of its end.
    if (lastFret == std::clamp(options.frets, DEFAULT_FRETS, MAX_FRETS)) {
        const int endX = FretboardGeometry::FretLineX(layout, lastFret, 2);
        painter.drawLine(endX, topY, endX, bottomY);
    }
}

void DrawMarkers(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                 const QColor& fill)
{
    const int lastFret = FretboardGeometry::LastFret(layout);
    for (const FretMarker& marker :
         FretMarker::Of(state.settings.instrument, state.settings.stringCount)) {
        if (marker.fret >= layout.options.fromFret && marker.fret <= lastFret) {
            DotStamp::DrawEllipse(
                painter, FretboardGeometry::MarkerBox(layout, marker.fret, marker.row), fill);
        }
    }
}

// Draws label at its top-left corner at, in ink on the dot inside box and in text where it
// reaches past the dot: two characters are wider than a small dot, and on dark colours the ink
// chosen for the fill would vanish in the background. An SVG drawing keeps no clip, so there the
// two parts are filled as outlines of the glyphs.
void DrawSpillingLabel(QPainter& painter, const QStaticText& label, const QPoint& at,
                       const QRect& box, const QColor& ink, const QColor& text)
{
    painter.save();
    if (painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::SVG) {
        QPainterPath glyphs;
        glyphs.addText(QPointF(at.x(), at.y() + QFontMetricsF(painter.font()).ascent()),
                       painter.font(), label.text());
        QPainterPath dot;
        dot.addEllipse(QRectF(box));
        painter.fillPath(glyphs.intersected(dot), ink);
        painter.fillPath(glyphs.subtracted(dot), text);
        painter.restore();
        return;
    }
    const QRegion dot(box, QRegion::Ellipse);
    painter.setClipRegion(dot);
    painter.setPen(ink);
    painter.drawStaticText(at, label);
    painter.setClipRegion(QRegion(QRectF(at, label.size()).toAlignedRect()).subtracted(dot));
    painter.setPen(text);
    painter.drawStaticText(at, label);
    painter.restore();
}

void DrawDots(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
              const DiagramColours& colours, int textHeight, int charWidth)
{
    const CFretboard& board = *state.fretboard;
    const Settings& settings = state.settings;
    // Note names spelled by key vary in length, and so do degrees named with flats and sharps or
    // as intervals ("m3" is wider than "-3"): each is centred on its dot. Classic degree labels
    // and sharp names keep the two-character placement.
    const DiagramOptions& options = layout.options;
    const bool centredNames = options.spelling == NoteSpelling::Key;
    const bool centredDegrees = options.degreeNaming != DegreeNaming::Classic;
    const NoteSpeller names = NeckLabels::DotNames(board, options);
    const DegreeSpeller degrees =
        DegreeSpeller::ForScale(board.scaleDegrees, options.degreeNaming, options.rootAsR);
    // Each label is laid out once per drawing and then only placed; a neck repeats them often.
    std::array<QStaticText, 12> degreeTexts;
    std::array<QStaticText, 12> noteTexts;
    std::array<int, 12> noteOffsets{};
    std::array<int, 12> degreeOffsets{};
    auto prepared = [&painter](QStaticText& text, const QString& label) -> QStaticText& {
        if (text.text().isEmpty()) {
            text.setText(label);
            text.setTextFormat(Qt::PlainText);
            text.prepare(painter.transform(), painter.font());
        }
        return text;
    };
    auto offset = [&painter, charWidth](bool centred, const std::string& name) {
        return centred ? painter.fontMetrics().horizontalAdvance(QString::fromStdString(name)) / 2
                       : charWidth / 2;
    };
    for (int i = 0; i < 12; ++i) {
        noteOffsets[i] = offset(centredNames, names.Name(i));
        degreeOffsets[i] = offset(centredDegrees, degrees.Name(i));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const int n = settings.stringCount;
    const bool colour = settings.suppressColor == 0;
    const QPen pen = painter.pen();
    DotStamp stamp(painter);
    // Every fret of the neck, and the one drawn beyond its end line; or the frets of a range.
    const int firstCell = layout.options.fromFret;
    const int lastCell = FretboardGeometry::LastDotFret(layout);
    for (int s = 0; s < board.GetStringCount(); ++s) {
        const CFretString* string = board.GetString(s);
        const int row = layout.options.RowOfString(s, n);
        const int y = FretboardGeometry::RowY(layout, row);
        for (int fret = firstCell; fret <= lastCell; ++fret) {
            const std::optional<DotKind> kind = DiagramColours::KindOf(board.Classify(s, fret));
            if (!kind) {
                continue;
            }
            const DotKind shown = colour ? *kind : DotKind::Scale;
            const QRect box = FretboardGeometry::DotBox(layout, row, fret);
            stamp.Draw(box, colours.Fill(shown));
            const QStaticText* label = nullptr;
            int left = 0;
            if (settings.viewDegrees) {
                const int degree = string->DegreeAt(fret);
                const std::string text =
                    centredDegrees ? degrees.Name(degree) : degrees.Label(degree);
                label = &prepared(degreeTexts[degree], QString::fromStdString(text));
                left = degreeOffsets[degree];
            } else if (settings.viewNotes) {
                const int note =
                    NeckLabels::DotNote(board, layout.options, s, string->NoteAt(fret));
                const std::string text = centredNames ? names.Name(note) : names.Label(note);
                label = &prepared(noteTexts[note], QString::fromStdString(text));
                left = noteOffsets[note];
            }
            if (label != nullptr) {
                // A static text is placed by its top-left corner, as the labels are.
                const QPoint at(FretboardGeometry::DotCenterX(layout, fret) - left,
                                y - textHeight / 2);
                if (colours.Ink(shown) == colours.text) {
                    if (colours.Ink(shown) != pen.color()) {
                        painter.setPen(colours.Ink(shown));
                    }
                    painter.drawStaticText(at, *label);
                } else {
                    DrawSpillingLabel(painter, *label, at, box, colours.Ink(shown), colours.text);
                }
                // Text on a PDF or printer leaves a pen of its own behind; the next outline must
                // keep the diagram's.
                painter.setPen(pen);
            }
        }
    }
}

} // namespace

QPen FretboardPainter::LinePen(const QColor& colour)
{
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    return pen;
}

ViewLayout FretboardPainter::Paint(QPainter& painter, const DiagramState& state,
                                   const PaintTarget& target)
{
    const ViewLayout layout = target.neck ? *target.neck : Layout(state, target);
    const DiagramColours colours = DiagramColours::For(state.diagram, target.printer);

    painter.save();
    if (target.fillBackground) {
        painter.fillRect(QRect(QPoint(0, 0), target.size), colours.background);
    }
    if (state.fretboard == nullptr) {
        painter.restore();
        return layout;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int textHeight = metrics.height();
    const int charWidth = metrics.averageCharWidth();

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(LinePen(colours.text));
    if (target.printer) {
        DrawCaptions(painter, state, layout, textHeight,
                     target.captionY >= 0 ? target.captionY : layout.topY / 2);
    }
    if (layout.options.look == DiagramLook::Modern) {
        ModernPainter::Paint(painter, state, layout, colours, target.printer);
        painter.restore();
        return layout;
    }
    painter.setPen(LinePen(colours.strings));
    DrawNeck(painter, state, layout, target.printer, textHeight);
    if (state.settings.dotMarkers) {
        DrawMarkers(painter, state, layout, colours.markers);
    }
    ReachPainter::PaintMuted(painter, state, layout, colours);
    ReachPainter::PaintCapo(painter, state, layout, colours);
    painter.setPen(LinePen(colours.outline));
    DrawDots(painter, state, layout, colours, textHeight, charWidth);
    ReachPainter::PaintArrows(painter, state, layout, colours);
    ReachPainter::PaintNumbers(painter, state, layout, colours);
    painter.restore();
    return layout;
}

ViewLayout FretboardPainter::Layout(const DiagramState& state, const PaintTarget& target)
{
    const DiagramOptions& options = state.diagram;
    const int n = state.settings.stringCount;
    const int firstFret = FretboardGeometry::FirstCellFret(options);
    const int lastFret = options.LastShownFret();
    if (options.look == DiagramLook::Modern) {
        return target.printer
                   ? ModernGeometry::Printer(target.dpiX, target.dpiY, target.printableWidth, n,
                                             options, firstFret, lastFret)
                   : ModernGeometry::Screen(target.size.width(), target.size.height(), n, options,
                                            firstFret, lastFret);
    }
    return target.printer ? FretboardGeometry::PrinterLayout(target.dpiX, target.dpiY,
                                                             target.printableWidth, options)
                          : FretboardGeometry::ScreenLayout(target.size.width(),
                                                            target.size.height(), n, options);
}
