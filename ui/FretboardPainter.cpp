#include "FretboardPainter.h"

#include "AppState.h"
#include "DotStamp.h"
#include "FretboardGeometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

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

void DrawCaptions(QPainter& painter, const AppState& state, const ViewLayout& layout,
                  int textHeight)
{
    const CFretboard& board = *state.fretboard;
    if (const ScaleRecord* scale = state.scaleLibrary.Record(state.currentScale)) {
        const QString text = QStringLiteral("Scale Name: %1 %2")
                                 .arg(QString::fromLatin1(noteNames[board.GetRoot(LAYER_SCALE)]),
                                      QString::fromStdString(scale->name));
        DrawTextAt(painter, layout.leftX, layout.topY / 2, text);
    }
    if (const ScaleRecord* overlay = state.scaleLibrary.Record(state.overlayScale)) {
        const QString format = board.GetOverlayMode() == OVERLAY_ALL
                                   ? QStringLiteral("Overlay: %1 %2 showing all notes")
                                   : QStringLiteral("Overlay: %1 %2 showing common notes");
        const QString text =
            format.arg(QString::fromLatin1(noteNames[board.GetRoot(LAYER_OVERLAY)]),
                       QString::fromStdString(overlay->name));
        const int y = static_cast<int>(layout.topY / 2 + 1.5 * textHeight);
        DrawTextAt(painter, layout.leftX, y, text);
    }
}

void DrawNeck(QPainter& painter, const AppState& state, const ViewLayout& layout, bool printer,
              int textHeight)
{
    const CFretboard& board = *state.fretboard;
    const int n = state.settings.stringCount;
    const bool banjo = state.settings.instrument == 4;
    const bool shortString = banjo && n == 5;
    const int bottomY = FretboardGeometry::RowY(layout, n - 1);
    const int aboveShortY = FretboardGeometry::RowY(layout, n - 2);

    for (int row = 0; row < n; ++row) {
        const int y = FretboardGeometry::RowY(layout, row);
        const int startX =
            banjo && row == 4 ? FretboardGeometry::FretLineX(layout, 4) : layout.leftX;
        painter.drawLine(startX, y, layout.rightX, y);
        if (printer) {
            if (const CFretString* string = board.GetString(n - 1 - row)) {
                DrawTextAt(painter, layout.leftX - 2 * textHeight, y - textHeight / 2,
                           QString::fromLatin1(noteNames[string->GetTuning()]));
            }
        }
    }
    for (int line = 0; line <= 12; ++line) {
        const int x = FretboardGeometry::FretLineX(layout, line);
        painter.drawLine(x, layout.topY, x, shortString && line <= 4 ? aboveShortY : bottomY);
    }
    const int nutX = FretboardGeometry::FretLineX(layout, 0) - 2;
    painter.drawLine(nutX, layout.topY, nutX, shortString ? aboveShortY : bottomY);
    if (shortString) {
        const int shortNutX = FretboardGeometry::FretLineX(layout, 5) - 2;
        painter.drawLine(shortNutX, aboveShortY, shortNutX, bottomY);
    }
    const int endX = FretboardGeometry::FretLineX(layout, 12) + 2;
    painter.drawLine(endX, layout.topY, endX, bottomY);
}

void DrawMarkers(QPainter& painter, const AppState& state, const ViewLayout& layout)
{
    const int instrument = state.settings.instrument;
    const double middle = (state.settings.stringCount - 1) / 2.0;
    const int fourth = instrument == 3 || instrument == 4 ? 10 : 9;
    const struct
    {
        int fret;
        double row;
    } markers[] = {{3, middle},      {5, middle},      {7, middle},
                   {fourth, middle}, {12, middle - 1}, {12, middle + 1}};
    for (const auto& marker : markers) {
        DotStamp::DrawEllipse(
            painter, FretboardGeometry::MarkerBox(layout, marker.fret, marker.row), kMarkerFill);
    }
}

void DrawDots(QPainter& painter, const AppState& state, const ViewLayout& layout, int textHeight,
              int charWidth)
{
    // Each label is laid out once per drawing and then only placed; a neck repeats them often.
    std::array<QStaticText, 12> degreeTexts;
    std::array<QStaticText, 12> noteTexts;
    auto labelText = [&](std::array<QStaticText, 12>& cache,
                         const std::array<const char*, 12>& names, int index) -> QStaticText& {
        QStaticText& text = cache[index];
        if (text.text().isEmpty()) {
            text.setText(QString::fromLatin1(names[index], 2));
            text.setTextFormat(Qt::PlainText);
            text.prepare(painter.transform(), painter.font());
        }
        return text;
    };
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const CFretboard& board = *state.fretboard;
    const Settings& settings = state.settings;
    const int n = settings.stringCount;
    const bool colour = settings.suppressColor == 0;
    const QPen pen = painter.pen();
    DotStamp stamp(painter);
    for (int s = 0; s < board.GetStringCount(); ++s) {
        const CFretString* string = board.GetString(s);
        const int row = n - 1 - s;
        const int y = FretboardGeometry::RowY(layout, row);
        for (int fret = 0; fret <= board.GetFretCount(s); ++fret) {
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
            if (settings.viewDegrees) {
                label = &labelText(degreeTexts, degreeNames, string->DegreeAt(fret));
            } else if (settings.viewNotes) {
                label = &labelText(noteTexts, noteNames, string->NoteAt(fret));
            }
            if (label != nullptr) {
                // A static text is placed by its top-left corner, as the labels are.
                painter.drawStaticText(FretboardGeometry::DotCenterX(layout, fret) - charWidth / 2,
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

ViewLayout FretboardPainter::Paint(QPainter& painter, const AppState& state,
                                   const PaintTarget& target)
{
    const int n = state.settings.stringCount;
    const ViewLayout layout =
        target.printer
            ? FretboardGeometry::PrinterLayout(target.dpiX, target.dpiY, target.printableWidth)
            : FretboardGeometry::ScreenLayout(target.size.width(), target.size.height(), n);

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
        DrawCaptions(painter, state, layout, textHeight);
    }
    DrawNeck(painter, state, layout, target.printer, textHeight);
    if (state.settings.dotMarkers) {
        DrawMarkers(painter, state, layout);
    }
    DrawDots(painter, state, layout, textHeight, charWidth);
    painter.restore();
    return layout;
}
