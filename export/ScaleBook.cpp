#include "ScaleBook.h"

#include "DiagramState.h"
#include "FretboardGeometry.h"
#include "FretboardPainter.h"
#include "ModernGeometry.h"
#include "NeckLimits.h"
#include "ScaleCatalog.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Where the rows of a page lie, in device pixels.
struct Rows
{
    int count = 1;    // rows a page
    int top = 0;      // top of the first row's caption
    int pitch = 0;    // from one row's top to the next one's
    int neckDrop = 0; // from a row's top to its top string
    int leftX = 0;    // where the strings start
    int rightX = 0;   // where they end
};

Rows Measure(QSize page, int dpiX, int dpiY, const DiagramOptions& options, int strings,
             int textHeight)
{
    // The cells the neck is drawn in: a fret range's, larger, or the whole neck's.
    const int cells = options.LastShownFret() - FretboardGeometry::FirstCellFret(options) + 2;
    // Three quarters of the printed diagram's width, centred: four rows of a twelve-fret neck
    // fit an upright A4 or letter page.
    const int spacing = std::max(1, (page.width() - 2 * dpiX) * 3 / 4 / cells);
    Rows rows;
    rows.leftX = (page.width() - spacing * cells) / 2;
    rows.rightX = rows.leftX + spacing * cells;
    // The caption line, then the top dots' upper halves with as much air again.
    rows.neckDrop = textHeight + spacing / 2;
    // The modern look numbers the frets below the bottom string, and so does a fret range.
    int below = options.look == DiagramLook::Modern ? 5 * spacing / 4 : spacing / 4;
    if (options.ShowsRange()) {
        below = std::max(below, spacing / 4 + 2 + textHeight);
    }
    const int height = rows.neckDrop + (std::max(strings, 1) - 1) * spacing + below;
    // Half an inch of paper above the first row and below the last; a fret spacing at least
    // between two rows, the rows then spread over the page.
    const int usable = page.height() - dpiY;
    rows.count = std::max(1, (usable + spacing) / (height + spacing));
    rows.pitch = rows.count > 1 ? (usable - height) / (rows.count - 1) : height + spacing;
    rows.top = dpiY / 2;
    return rows;
}

// A neck like board's (strings, tunings, start frets, frets, overlay root and mode) with no
// scale, overlay or pattern.
std::unique_ptr<CFretboard> CopyNeck(const CFretboard& board)
{
    std::vector<int> tunings;
    for (int s = 0; s < board.GetStringCount(); ++s) {
        tunings.push_back(board.GetString(s)->GetTuning());
    }
    auto copy = std::make_unique<CFretboard>(board.GetStringCount(), tunings.data());
    copy->SetFrets(board.GetFrets());
    for (int s = 0; s < board.GetStringCount(); ++s) {
        copy->SetStartFret(s, board.GetStartFret(s));
    }
    copy->SetRoot(board.GetRoot(LAYER_OVERLAY), LAYER_OVERLAY);
    copy->SetOverlayMode(board.GetOverlayMode());
    return copy;
}

// Makes state show diagram: its scale on its root.
void Show(DiagramState& state, const ScaleBook::Diagram& diagram)
{
    CFretboard& board = *state.fretboard;
    board.ClearDegrees(LAYER_SCALE);
    if (const ScaleRecord* record = state.scaleLibrary.Record(diagram.scale)) {
        for (int degree = 0; degree < 12; ++degree) {
            if (record->degrees[static_cast<std::size_t>(degree)] != 0) {
                board.ToggleDegree(degree, LAYER_SCALE);
            }
        }
    }
    board.SetRoot(diagram.root, LAYER_SCALE);
    state.currentScale = diagram.scale;
}

} // namespace

std::vector<ScaleBook::Diagram> ScaleBook::Diagrams(const DiagramState& state,
                                                    RenderOptions::Book kind)
{
    std::vector<Diagram> diagrams;
    if (state.fretboard == nullptr || state.scaleLibrary.Record(state.currentScale) == nullptr) {
        return diagrams;
    }
    const int root = state.fretboard->GetRoot(LAYER_SCALE);
    if (kind == RenderOptions::Book::Keys) {
        for (int step = 0; step < 12; ++step) {
            diagrams.push_back(Diagram{(root + step) % 12, state.currentScale});
        }
    } else if (kind == RenderOptions::Book::Family) {
        const ScaleCatalog catalog(state.scaleLibrary);
        for (int record : catalog.FamilyRecords(catalog.FamilyOf(state.currentScale))) {
            diagrams.push_back(Diagram{root, record});
        }
    }
    return diagrams;
}

int ScaleBook::RowsPerPage(QSize page, int dpiX, int dpiY, int frets, int strings, int textHeight)
{
    DiagramOptions options;
    options.frets = frets;
    return Measure(page, dpiX, dpiY, options, strings, textHeight).count;
}

bool ScaleBook::Paint(QPagedPaintDevice& device, const DiagramState& source,
                      RenderOptions::Book kind, QString& error)
{
    const std::vector<Diagram> diagrams = Diagrams(source, kind);
    if (diagrams.empty()) {
        error = kind == RenderOptions::Book::Family
                    ? QStringLiteral("the scale belongs to no family of scales")
                    : QStringLiteral("no scale of the library is chosen");
        return false;
    }
    DiagramState state;
    state.fretboard = CopyNeck(*source.fretboard);
    state.settings = source.settings;
    state.scaleLibrary = source.scaleLibrary;
    state.diagram = source.diagram;
    NeckLimits::ApplyTo(*state.fretboard, state.diagram);

    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("the PDF page could not be started");
        return false;
    }
    const QSize page(device.width(), device.height());
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const Rows rows = Measure(page, dpiX, dpiY, state.diagram, state.settings.stringCount,
                              painter.fontMetrics().height());
    for (std::size_t i = 0; i < diagrams.size(); ++i) {
        const int row = static_cast<int>(i) % rows.count;
        if (i > 0 && row == 0 && !device.newPage()) {
            painter.end();
            error = QStringLiteral("a new page could not be started");
            return false;
        }
        Show(state, diagrams[i]);
        const int top = rows.top + row * rows.pitch;
        const ViewLayout neck =
            state.diagram.look == DiagramLook::Modern
                ? ModernGeometry::Box(rows.leftX, top + rows.neckDrop, rows.rightX,
                                      state.settings.stringCount, state.diagram)
                : FretboardGeometry::BoxLayout(rows.leftX, top + rows.neckDrop, rows.rightX,
                                               state.diagram);
        FretboardPainter::Paint(painter, state,
                                PaintTarget::PrinterRow(dpiX, dpiY, page, neck, top));
    }
    if (!painter.end()) {
        error = QStringLiteral("the PDF page could not be finished");
        return false;
    }
    return true;
}
