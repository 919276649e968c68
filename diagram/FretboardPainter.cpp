#include "FretboardPainter.h"

#include "DegreeSpeller.h"
#include "DiagramState.h"
#include "DotStamp.h"
#include "FretboardGeometry.h"
#include "Instrument.h"
#include "NoteSpeller.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <array>

namespace {

const QColor kScaleFill(255, 255, 255);
const QColor kRootFill(0, 0, 255);
const QColor kOverlayFill(255, 0, 0);
const QColor kPatternFill(0, 255, 0);
const QColor kMarkerFill(0, 0, 0);

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

void DrawCaptions(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                  int textHeight, int top)
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
    }
}

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
    const NoteSpeller names =
        NoteSpeller::ForOpenStrings(board, options.spelling, options.rootSpelling);

    for (int row = 0; row < n; ++row) {
        const int y = FretboardGeometry::RowY(layout, row);
        if (row == shortRow) {
            const int startX = FretboardGeometry::FretLineX(layout, shortFret - 1);
            painter.drawLine(std::min(startX, farEndX), y, std::max(startX, farEndX), y);
        } else {
            painter.drawLine(layout.leftX, y, layout.rightX, y);
        }
        if (printer) {
            if (const CFretString* string = board.GetString(options.StringOfRow(row, n))) {
                const QString name = QString::fromStdString(names.Label(string->GetTuning()));
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
    for (int line = 0; line <= lastFret; ++line) {
        const int x = FretboardGeometry::FretLineX(layout, line);
        const bool beforeShort = shortString && line < shortFret;
        painter.drawLine(x, beforeShort ? longTopY : topY, x, beforeShort ? longBottomY : bottomY);
    }
    const int nutX = FretboardGeometry::FretLineX(layout, 0, -2);
    painter.drawLine(nutX, longTopY, nutX, longBottomY);
    if (shortString) {
        const int shortNutX = FretboardGeometry::FretLineX(layout, shortFret, -2);
        const int besideY = FretboardGeometry::RowY(layout, shortRow == 0 ? 1 : n - 2);
        const int shortY = FretboardGeometry::RowY(layout, shortRow);
        painter.drawLine(shortNutX, std::min(besideY, shortY), shortNutX,
                         std::max(besideY, shortY));
    }
    const int endX = FretboardGeometry::FretLineX(layout, lastFret, 2);
    painter.drawLine(endX, topY, endX, bottomY);
}

void DrawMarkers(QPainter& painter, const DiagramState& state, const ViewLayout& layout)
{
    const double middle = (state.settings.stringCount - 1) / 2.0;
    // The 22nd fret follows the tenth where the tenth is marked; the octaves get two markers each.
    const int shift = MarksTenthFret(state.settings.instrument) ? 1 : 0;
    const struct
    {
        int fret;
        double row;
    } markers[] = {{3, middle},      {5, middle},          {7, middle},      {9 + shift, middle},
                   {12, middle - 1}, {12, middle + 1},     {15, middle},     {17, middle},
                   {19, middle},     {21 + shift, middle}, {24, middle - 1}, {24, middle + 1}};
    const int lastFret = FretboardGeometry::LastFret(layout);
    for (const auto& marker : markers) {
        if (marker.fret <= lastFret) {
            DotStamp::DrawEllipse(painter,
                                  FretboardGeometry::MarkerBox(layout, marker.fret, marker.row),
                                  kMarkerFill);
        }
    }
}

void DrawDots(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
              int textHeight, int charWidth)
{
    const CFretboard& board = *state.fretboard;
    const Settings& settings = state.settings;
    // Note names spelled by key vary in length, and so do degrees named with flats and sharps or
    // as intervals ("m3" is wider than "-3"): each is centred on its dot. Classic degree labels
    // and sharp names keep the two-character placement.
    const DiagramOptions& options = layout.options;
    const bool centredNames = options.spelling == NoteSpelling::Key;
    const bool centredDegrees = options.degreeNaming != DegreeNaming::Classic;
    const NoteSpeller names = NoteSpeller::ForBoard(board, options.spelling, options.rootSpelling);
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
    // Every fret of the neck, and the one drawn beyond its end line.
    const int lastCell = FretboardGeometry::LastFret(layout) + 1;
    for (int s = 0; s < board.GetStringCount(); ++s) {
        const CFretString* string = board.GetString(s);
        const int row = layout.options.RowOfString(s, n);
        const int y = FretboardGeometry::RowY(layout, row);
        for (int fret = 0; fret <= lastCell; ++fret) {
            const int value = board.Classify(s, fret);
            QColor fill;
            if (value & OFF_STRING) {
                continue;
            } else if (value & PATTERN_NOTE) {
                fill = colour ? kPatternFill : kScaleFill;
            } else if ((value & ROOT_NOTE) && (value & SCALE_NOTE)) {
                fill = colour ? kRootFill : kScaleFill;
            } else if (value & SCALE_NOTE) {
                fill = kScaleFill;
            } else if (value & OVERLAY_NOTE) {
                fill = colour ? kOverlayFill : kScaleFill;
            } else {
                continue;
            }
            stamp.Draw(FretboardGeometry::DotBox(layout, row, fret), fill);
            const QStaticText* label = nullptr;
            int left = 0;
            if (settings.viewDegrees) {
                const int degree = string->DegreeAt(fret);
                const std::string text =
                    centredDegrees ? degrees.Name(degree) : degrees.Label(degree);
                label = &prepared(degreeTexts[degree], QString::fromStdString(text));
                left = degreeOffsets[degree];
            } else if (settings.viewNotes) {
                const int note = string->NoteAt(fret);
                const std::string text = centredNames ? names.Name(note) : names.Label(note);
                label = &prepared(noteTexts[note], QString::fromStdString(text));
                left = noteOffsets[note];
            }
            if (label != nullptr) {
                // A static text is placed by its top-left corner, as the labels are.
                painter.drawStaticText(FretboardGeometry::DotCenterX(layout, fret) - left,
                                       y - textHeight / 2, *label);
                // Text on a PDF or printer leaves a pen of its own behind; the next outline must
                // keep the diagram's.
                painter.setPen(pen);
            }
        }
    }
}

} // namespace

QPen FretboardPainter::LinePen()
{
    QPen pen(Qt::black, 1);
    pen.setCosmetic(true);
    return pen;
}

ViewLayout FretboardPainter::Paint(QPainter& painter, const DiagramState& state,
                                   const PaintTarget& target)
{
    const int n = state.settings.stringCount;
    const ViewLayout layout =
        target.neck      ? *target.neck
        : target.printer ? FretboardGeometry::PrinterLayout(target.dpiX, target.dpiY,
                                                            target.printableWidth, state.diagram)
                         : FretboardGeometry::ScreenLayout(target.size.width(),
                                                           target.size.height(), n, state.diagram);

    painter.save();
    if (target.fillBackground) {
        painter.fillRect(QRect(QPoint(0, 0), target.size), Qt::white);
    }
    if (state.fretboard == nullptr) {
        painter.restore();
        return layout;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int textHeight = metrics.height();
    const int charWidth = metrics.averageCharWidth();

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(LinePen());
    if (target.printer) {
        DrawCaptions(painter, state, layout, textHeight,
                     target.captionY >= 0 ? target.captionY : layout.topY / 2);
    }
    DrawNeck(painter, state, layout, target.printer, textHeight);
    if (state.settings.dotMarkers) {
        DrawMarkers(painter, state, layout);
    }
    DrawDots(painter, state, layout, textHeight, charWidth);
    painter.restore();
    return layout;
}
