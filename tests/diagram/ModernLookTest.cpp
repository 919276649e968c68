#include "CFretboard.h"
#include "DiagramColours.h"
#include "DiagramState.h"
#include "FretboardGeometry.h"
#include "FretboardPainter.h"
#include "LabelFitter.h"
#include "ModernGeometry.h"
#include "SchemePalette.h"

#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

// A seven-string guitar in standard tuning, frets 0..frets: C major with A minor pentatonic and
// a placed pattern, so every kind of dot is on the neck.
std::unique_ptr<DiagramState> BusyNeck(int frets)
{
    const int tuning[] = {2, 7, 0, 5, 10, 2, 7};
    auto state = std::make_unique<DiagramState>();
    state->settings.instrument = Instrument::Guitar;
    state->settings.stringCount = 7;
    state->fretboard = std::make_unique<CFretboard>(7, tuning);
    state->fretboard->SetFrets(frets);
    state->diagram.frets = frets;
    state->diagram.look = DiagramLook::Modern;
    CFretboard& board = *state->fretboard;
    board.SetRoot(3, LAYER_SCALE);
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        board.ToggleDegree(degree, LAYER_SCALE);
    }
    for (int degree : {0, 3, 5, 7, 10}) {
        board.ToggleDegree(degree, LAYER_OVERLAY);
    }
    board.SetRoot(1, LAYER_OVERLAY);
    board.pattern.Add(0, 3);
    board.pattern.Add(1, 5);
    board.FindMatches();
    board.SelectMatch(0);
    return state;
}

QImage Render(const DiagramState& state, QSize size, ViewLayout* layout = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const ViewLayout used = FretboardPainter::Paint(painter, state, PaintTarget::Screen(size));
    if (layout != nullptr) {
        *layout = used;
    }
    return image;
}

} // namespace

class ModernLookTest : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void labelsInsideTheirDots_data();
    void labelsInsideTheirDots();
    void fittedAtEverySize();
    void rootRingWithoutColour();
};

void ModernLookTest::geometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("strings");
    QTest::addColumn<int>("frets");
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<QList<int>>("expected"); // fret spacing, string spacing, dot diameter

    // Fret spacing from the width: 14 or 26 cells between margins of a fortieth of the smaller
    // side; string spacing from the height, at most 1.4 fret spacings; dots 0.8 of the smaller.
    QTest::newRow("710x475, 6 strings")
        << QSize(710, 475) << 6 << 12 << false << QList<int>{49, 65, 40};
    QTest::newRow("1920x1080, 7 strings, 24 frets, capped by the frets")
        << QSize(1920, 1080) << 7 << 24 << false << QList<int>{71, 99, 56};
    QTest::newRow("1200x200 short, 4 strings, by the height")
        << QSize(1200, 200) << 4 << 12 << true << QList<int>{85, 39, 32};
    QTest::newRow("300x900 narrow, 6 strings")
        << QSize(300, 900) << 6 << 12 << false << QList<int>{20, 28, 16};
    QTest::newRow("3840x2160, 10 strings, 24 frets, left-handed")
        << QSize(3840, 2160) << 10 << 24 << true << QList<int>{143, 188, 114};
}

void ModernLookTest::geometry()
{
    QFETCH(QSize, size);
    QFETCH(int, strings);
    QFETCH(int, frets);
    QFETCH(bool, leftHanded);
    QFETCH(QList<int>, expected);
    const DiagramOptions options{.leftHanded = leftHanded, .frets = frets};
    const ViewLayout layout =
        ModernGeometry::Screen(size.width(), size.height(), strings, options, 0, frets);
    QCOMPARE((QList<int>{layout.fretSpacing, layout.stringSpacing, layout.dotDiameter}), expected);

    // Every dot with a root's ring, and the fret numbers below the neck, lie inside the view.
    const QRect view(QPoint(0, 0), size);
    const int ring = layout.dotDiameter / 8 + 2;
    for (int fret = 0; fret <= frets + 1; ++fret) {
        for (int row : {0, strings - 1}) {
            QVERIFY(view.contains(
                FretboardGeometry::DotBox(layout, row, fret).adjusted(-ring, -ring, ring, ring)));
        }
    }
    const int bottomDot = FretboardGeometry::RowY(layout, strings - 1) + layout.dotDiameter / 2;
    QVERIFY(layout.numbersY - layout.numberSize / 2 >= bottomDot + ring);
    QVERIFY(layout.numbersY + layout.numberSize / 2 < size.height());
    // The open strings' cell beside the nut, at the left or mirrored to the right.
    const QRect open = FretboardGeometry::DotBox(layout, 0, 0);
    QCOMPARE(open.center().x() > size.width() / 2, leftHanded);
    QCOMPARE(FretboardGeometry::CellAt(layout, strings, open.center().x(), layout.topY),
             (std::optional<FretCell>(FretCell{0, 0})));
}

void ModernLookTest::labelsInsideTheirDots_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<ColourScheme>("colours");
    QTest::addColumn<bool>("notes");           // note names spelled by key, else degrees
    QTest::addColumn<DegreeNaming>("degrees"); // the names degrees are shown with
    QTest::addColumn<bool>("classic"); // the classic look: labels reach past small dots, readable

    const struct
    {
        const char* name;
        bool notes;
        DegreeNaming degrees;
    } kinds[] = {{"degrees", false, DegreeNaming::Classic},
                 {"intervals", false, DegreeNaming::Intervals},
                 {"notes", true, DegreeNaming::Classic}};
    for (const QSize size : {QSize(710, 475), QSize(1920, 1080)}) {
        for (const ColourScheme colours : {ColourScheme::Light, ColourScheme::Dark}) {
            for (const auto& kind : kinds) {
                QTest::addRow("%dx%d %s %s", size.width(), size.height(),
                              colours == ColourScheme::Light ? "light" : "dark", kind.name)
                    << size << colours << kind.notes << kind.degrees << false;
            }
        }
    }
    QTest::newRow("classic dark degrees")
        << QSize(710, 475) << ColourScheme::Dark << false << DegreeNaming::Classic << true;
}

// Measured on the pixels of a 24-fret seven-string neck: what the labels add to the picture lies
// inside the circle of their dot, and each label's strongest pixel stands at least 4.5 : 1 against
// the fill beneath it.
void ModernLookTest::labelsInsideTheirDots()
{
    QFETCH(QSize, size);
    QFETCH(ColourScheme, colours);
    QFETCH(bool, notes);
    QFETCH(DegreeNaming, degrees);
    QFETCH(bool, classic);
    const QPalette ui = SchemePalette::Of(colours); // a selected item's text on its highlight
    QVERIFY(DiagramColours::Contrast(ui.highlightedText().color(), ui.highlight().color()) > 4.5);
    auto state = BusyNeck(MAX_FRETS);
    state->diagram.look = classic ? DiagramLook::Classic : DiagramLook::Modern;
    state->diagram.colours = colours;
    state->diagram.degreeNaming = degrees;
    state->diagram.spelling = NoteSpelling::Key;
    state->settings.viewDegrees = 0;
    state->settings.viewNotes = 0;
    const QImage plain = Render(*state, size);
    state->settings.viewDegrees = notes ? 0 : 1;
    state->settings.viewNotes = notes ? 1 : 0;
    ViewLayout layout;
    const QImage labelled = Render(*state, size, &layout);

    const CFretboard& board = *state->fretboard;
    const double radius = layout.dotDiameter / 2.0;
    int labels = 0;
    double farthest = 0;
    double weakest = 21;
    for (int s = 0; s < 7; ++s) {
        const int row = layout.options.RowOfString(s, 7);
        for (int fret = 0; fret <= MAX_FRETS + 1; ++fret) {
            const QRect dot = FretboardGeometry::DotBox(layout, row, fret);
            const QPointF centre = QRectF(dot).center();
            const QRect cell(dot.center().x() - layout.fretSpacing / 2,
                             dot.center().y() - layout.stringSpacing / 2, layout.fretSpacing,
                             layout.stringSpacing);
            const bool hasDot = DiagramColours::KindOf(board.Classify(s, fret)).has_value();
            int ink = 0;
            std::array<double, 2> strongest{1, 0}; // inside the dot, past it (0: nothing past)
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    if (labelled.pixel(x, y) == plain.pixel(x, y)) {
                        continue;
                    }
                    ++ink;
                    const double distance = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
                    farthest = std::max(farthest, distance / radius);
                    const bool past = distance > radius + 2;
                    strongest[past] = std::max(
                        strongest[past], DiagramColours::Contrast(QColor(labelled.pixel(x, y)),
                                                                  QColor(plain.pixel(x, y))));
                }
            }
            QVERIFY2(
                hasDot == (ink > 0),
                qPrintable(QStringLiteral("string %1 fret %2 ink %3").arg(s).arg(fret).arg(ink)));
            if (hasDot) {
                ++labels;
                weakest = std::min({weakest, strongest[0], strongest[1] > 0 ? strongest[1] : 21});
            }
        }
    }
    qInfo("%d labels: ink within %.2f of the dot's radius, contrast at least %.1f : 1", labels,
          farthest, weakest);
    QVERIFY(labels > 100);
    QVERIFY2(classic || farthest < 0.95, qPrintable(QString::number(farthest)));
    QVERIFY2(weakest >= 4.5, qPrintable(QString::number(weakest)));
}

// From the smallest dot that takes a label to a 4K screen's, labels of one to three characters
// keep their ink inside the circle, and a larger dot never gets a smaller font; a dot too small
// for a legible label stays plain.
void ModernLookTest::fittedAtEverySize()
{
    const QStringList labels{QStringLiteral("R"),   QStringLiteral("b3"),  QStringLiteral("#4"),
                             QStringLiteral("m3"),  QStringLiteral("Bb"),  QStringLiteral("A#"),
                             QStringLiteral("b13"), QStringLiteral("#11"), QStringLiteral("Cbb")};
    int previous = 0;
    for (const int diameter : {8, 12, 16, 20, 28, 40, 64, 100, 160, 240}) {
        QImage image(diameter + 8, diameter + 8, QImage::Format_RGB32);
        const auto fitted = LabelFitter::FitToDot(QFont(), diameter, 1.0, labels, &image);
        QCOMPARE(fitted != nullptr, diameter >= 20);
        if (fitted == nullptr) {
            continue;
        }
        QVERIFY(fitted->font.pixelSize() >= previous);
        previous = fitted->font.pixelSize();
        const QPointF centre(image.width() / 2.0, image.height() / 2.0);
        for (const LabelFitter::Placed& placed : fitted->texts) {
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(fitted->font);
            painter.drawStaticText(centre + placed.offset, placed.text);
            painter.end();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                        QVERIFY2(std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) <
                                     diameter / 2.0,
                                 qPrintable(QStringLiteral("%1 at %2 px")
                                                .arg(placed.text.text())
                                                .arg(diameter)));
                    }
                }
            }
        }
    }
}

// Without colour every dot is filled alike; the root still shows its ring, in the text colour,
// just outside the dot.
void ModernLookTest::rootRingWithoutColour()
{
    auto state = BusyNeck(DEFAULT_FRETS);
    state->settings.suppressColor = 1;
    state->diagram.colours = ColourScheme::Light;
    ViewLayout layout;
    const QImage image = Render(*state, QSize(710, 475), &layout);
    const QColor ring = DiagramColours::FromPalette(SchemePalette::Light()).ring;
    // The low B string (row 6) holds the root C at fret 1 and a plain scale note D at fret 3.
    auto justOutside = [&](int fret) {
        const QRect dot = FretboardGeometry::DotBox(layout, 6, fret);
        return QColor(image.pixel(dot.center().x(), dot.top() - 3));
    };
    QCOMPARE(justOutside(1), ring);
    QVERIFY(justOutside(3) != ring);
}

QTEST_MAIN(ModernLookTest)
#include "ModernLookTest.moc"
