#include "FretboardPainter.h"
#include "AppState.h"
#include "BoardSetup.h"
#include "CMainFrame.h"
#include "CPinto2View.h"
#include "CommandId.h"
#include "ControlId.h"
#include "FretboardGeometry.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

// Renders the frame's view as the screen shows it.
QImage RenderView(CMainFrame& frame)
{
    CPinto2View* view = frame.View();
    QImage image(view->size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    view->render(&image);
    return image;
}

// The fill of the dot at (row, fret), sampled above the string line and clear of its label.
QRgb DotColour(const QImage& image, const ViewLayout& layout, int row, int fret)
{
    return image.pixel(FretboardGeometry::DotCenterX(layout, fret),
                       FretboardGeometry::RowY(layout, row) - layout.dotDiameter / 4);
}

// The pixel at the centre of (row, fret), where string line, dot and outline would meet.
QRgb CentreColour(const QImage& image, const ViewLayout& layout, int row, int fret)
{
    return image.pixel(FretboardGeometry::DotCenterX(layout, fret),
                       FretboardGeometry::RowY(layout, row));
}

// The distinct operands of the line-width operator "w" in the PDF's compressed content streams.
QSet<QByteArray> PdfLineWidths(const QByteArray& pdf)
{
    QSet<QByteArray> widths;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        qsizetype start = at + 6;
        start += pdf.at(start) == '\r' ? 2 : 1;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0) {
            break;
        }
        // qUncompress wants the inflated size up front; any generous guess will do.
        QByteArray packed = pdf.mid(start, end - start);
        const quint32 guess = static_cast<quint32>(packed.size()) * 64;
        packed.prepend(static_cast<char>(guess & 0xff));
        packed.prepend(static_cast<char>((guess >> 8) & 0xff));
        packed.prepend(static_cast<char>((guess >> 16) & 0xff));
        packed.prepend(static_cast<char>((guess >> 24) & 0xff));
        const QByteArray content = qUncompress(packed);
        for (const QByteArray& line : content.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() >= 2 && words.at(1) == "w") {
                widths.insert(words.at(0));
            }
        }
        at = end + 9;
    }
    return widths;
}

// True when two colours differ by at most 8 in every channel.
bool Near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8 &&
           qAbs(qBlue(a) - qBlue(b)) <= 8;
}

// The neck as the painter draws it for target, without a window.
QImage Paint(const AppState& state, const PaintTarget& target)
{
    QImage image(target.size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    FretboardPainter::Paint(painter, state, target);
    return image;
}

// True when any pixel of box is darker than a light grey.
bool InkIn(const QImage& image, const QRect& box)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 200) {
                return true;
            }
        }
    }
    return false;
}

// A state showing instrument with stringCount strings in standard tuning, G major on G with the
// minor pentatonic of E laid over it, a placed pattern note, unlabelled dots.
std::unique_ptr<AppState> NeckState(int instrument, int stringCount)
{
    auto state = std::make_unique<AppState>();
    state->settings.instrument = static_cast<Instrument>(instrument);
    state->settings.stringCount = stringCount;
    state->settings.viewDegrees = 0;
    state->settings.viewNotes = 0;
    std::vector<int> tuning = instrument == 4 ? std::vector<int>{10, 5, 10, 2, 5, 7}
                                              : std::vector<int>{7, 0, 5, 10, 2, 7};
    tuning.resize(static_cast<std::size_t>(stringCount));
    state->fretboard = std::make_unique<CFretboard>(0, nullptr);
    SetUpBoard(*state->fretboard, state->settings.instrument, tuning, DEFAULT_FRETS);
    CFretboard& board = *state->fretboard;
    board.SetRoot(10, LAYER_SCALE);
    board.SetRoot(7, LAYER_OVERLAY);
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        board.ToggleDegree(degree, LAYER_SCALE);
    }
    for (int degree : {0, 3, 5, 7, 10}) {
        board.ToggleDegree(degree, LAYER_OVERLAY);
    }
    board.placement = std::make_unique<PositionList>();
    board.placement->Add(1, 2);
    return state;
}

} // namespace

class FretboardPainterTest : public QObject
{
    Q_OBJECT

private slots:
    void dotColours_data();
    void dotColours();
    void banjoShortString();
    void viewClickInExampleWindow();
    void printerLayoutAndCaption();
    void printToPdf();
    void mirroredNeck_data();
    void mirroredNeck();
    void lowStringOnTop();
    void labelsReadOnEitherHand_data();
    void labelsReadOnEitherHand();
    void longNeck_data();
    void longNeck();
};

void FretboardPainterTest::dotColours_data()
{
    QTest::addColumn<int>("suppressColor");
    QTest::addColumn<QList<QRgb>>("expected"); // root, scale, overlay, pattern, empty

    QTest::newRow("colours") << 0 << QList<QRgb>{kBlue, kWhite, kRed, kGreen, kWhite};
    QTest::newRow("Supress color") << 1 << QList<QRgb>{kWhite, kWhite, kWhite, kWhite, kWhite};
}

void FretboardPainterTest::dotColours()
{
    QFETCH(int, suppressColor);
    QFETCH(QList<QRgb>, expected);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowAndWait(frame));

    // Top row is the high E string (string 5): fret 5 = A (root), 7 = B (scale), 8 = C (overlay
    // only), 10 = D placed as a pattern note, 9 = C# in neither scale.
    state.settings.viewDegrees = 0;
    state.settings.viewNotes = 0;
    state.settings.suppressColor = suppressColor;
    CFretboard& board = *state.fretboard;
    board.ToggleDegree(0, LAYER_SCALE);
    board.ToggleDegree(2, LAYER_SCALE);
    board.ToggleDegree(5, LAYER_SCALE);
    board.ToggleDegree(3, LAYER_OVERLAY);
    board.placement = std::make_unique<PositionList>();
    board.placement->Add(5, 10);

    const QImage image = RenderView(frame);
    const ViewLayout& layout = frame.View()->Layout();
    const QList<QRgb> actual{DotColour(image, layout, 0, 5), DotColour(image, layout, 0, 7),
                             DotColour(image, layout, 0, 8), DotColour(image, layout, 0, 10),
                             DotColour(image, layout, 0, 9)};
    QCOMPARE(actual, expected);
    // The outline of a dot is black: the left edge pixel of the root's box on its row.
    const QRect box = FretboardGeometry::DotBox(layout, 0, 5);
    QCOMPARE(qGray(image.pixel(box.left(), FretboardGeometry::RowY(layout, 0))) < 100, true);
}

void FretboardPainterTest::banjoShortString()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowAndWait(frame));
    state.settings.viewDegrees = 0;
    state.settings.dotMarkers = 0;
    ConfigureBanjo(state, frame);
    QCOMPARE(state.fretboard->GetStartFret(0), 5);
    for (int degree = 0; degree < 12; ++degree) {
        state.fretboard->ToggleDegree(degree, LAYER_SCALE);
    }
    state.fretboard->SetRoot(10, LAYER_SCALE); // G: the short string's first fret is a root

    const QImage image = RenderView(frame);
    const ViewLayout& layout = frame.View()->Layout();
    const int bottomY = FretboardGeometry::RowY(layout, 4);
    // No dots left of fret 5 on the bottom line, which starts at fret line 4.
    for (int fret = 0; fret < 5; ++fret) {
        QCOMPARE(CentreColour(image, layout, 4, fret), kWhite);
    }
    QCOMPARE(image.pixel(layout.leftX + 2, bottomY), kWhite);
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, 4) + 2, bottomY), kBlack);
    // Fret lines 0..4 stop one row above; line 5 runs down to the bottom line.
    const int between = (FretboardGeometry::RowY(layout, 3) + bottomY) / 2;
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, 2), between), kWhite);
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, 6), between), kBlack);
    // The short string's own nut, two pixels left of fret line 5.
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, 5) - 2, between), kBlack);
    QCOMPARE(DotColour(image, layout, 4, 5), kBlue);
    // Frets 6..9: fret 5 lies below them, so the short string reaches the arrow's cell too.
    state.diagram.fromFret = 6;
    state.diagram.toFret = 9;
    const QImage ranged = RenderView(frame);
    QCOMPARE(ranged.pixel(layout.leftX + 2, FretboardGeometry::RowY(layout, 4)), kBlack);
}

void FretboardPainterTest::viewClickInExampleWindow()
{
    ScopedWorkDir dir;
    AppState state;
    state.fretboard = std::make_unique<CFretboard>(6, std::array{7, 0, 5, 10, 2, 7}.data());
    CPinto2View view(state);
    view.resize(640, 480);
    QImage image(640, 480, QImage::Format_RGB32);
    view.render(&image);
    QCOMPARE(view.Layout().topY, 140);
    QCOMPARE(view.Layout().nutX, 80);

    QSignalSpy spy(&view, &CPinto2View::cellClicked);
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(95, 178));
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(570, 178)); // fret 13: ignored
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(95, 178));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 1);
}

void FretboardPainterTest::printerLayoutAndCaption()
{
    ScopedWorkDir dir;
    AppState state;
    state.fretboard = std::make_unique<CFretboard>(6, std::array{7, 0, 5, 10, 2, 7}.data());
    LoadScaleLibrary(state.scaleLibrary);
    state.currentScale = 0;

    // A 600 dpi page 4800 pixels wide, cut to the part above the neck.
    QImage page(4800, 1400, QImage::Format_Grayscale8);
    const int dotsPerMeter = qRound(600 / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    QPainter painter(&page);
    const ViewLayout layout =
        FretboardPainter::Paint(painter, state, PaintTarget::Printer(600, 600, 4800, 1400));
    const int textHeight = painter.fontMetrics().height();
    painter.end();
    QCOMPARE(layout.leftX, 600);
    QCOMPARE(layout.topY, 1200);
    QCOMPARE(layout.rightX, 4200);
    QCOMPARE(layout.fretSpacing, 257);
    QCOMPARE(layout.nutX, 857);
    QCOMPARE(layout.dotDiameter, 128);
    QCOMPARE(layout.markerDiameter, 42);

    // The caption's ink starts just right of (600, 600) and no further up than 600.
    auto inkIn = [&page](const QRect& rect) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (qGray(page.pixel(x, y)) < 128) {
                    return true;
                }
            }
        }
        return false;
    };
    QVERIFY(inkIn(QRect(600, 600, 200, textHeight)));
    QVERIFY(!inkIn(QRect(400, 0, 4000, 600)));
    QVERIFY(!inkIn(QRect(400, 600, 199, textHeight)));
    // No overlay chosen: nothing on the caption's second line.
    QVERIFY(!inkIn(QRect(600, 600 + textHeight * 3 / 2 + 2, 2000, textHeight - 4)));
    // String names stand two text heights left of the strings: "E " of the top string.
    QVERIFY(inkIn(QRect(600 - 2 * textHeight, 1200 - textHeight / 2, textHeight, textHeight)));
}

void FretboardPainterTest::printToPdf()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    frame.ApplyScaleSelection(1);
    frame.ApplyOverlaySelection(2);
    const QString scaleName = frame.ScaleList()->itemText(1);
    const QString overlayName = frame.OverlayList()->itemText(2);

    QVERIFY(ShowAndWait(frame));
    frame.View()->repaint();
    const ViewLayout screen = frame.View()->Layout();

    const QString pdf = dir.FilePath(QStringLiteral("page.pdf"));
    QPrinter& printer = frame.Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    FindById<QAction>(&frame, CommandId::PrintDirect)->trigger();
    // The page had its own layout; a click right after printing still finds the screen's cell.
    QCOMPARE(frame.View()->Layout().leftX, screen.leftX);
    QSignalSpy clicked(frame.View(), &CPinto2View::cellClicked);
    QTest::mouseClick(
        frame.View(), Qt::LeftButton, {},
        QPoint(FretboardGeometry::DotCenterX(screen, 7), FretboardGeometry::RowY(screen, 2)));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0), (QVariantList{2, 7}));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    QVERIFY2(text.contains(QStringLiteral("Scale Name: A ") + scaleName), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Overlay: A ") + overlayName +
                           QStringLiteral(" showing all notes")),
             qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("Scale Name:")), 1);

    // Lines, dots before and after the first label and markers share one pen, one device pixel.
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(state.settings.viewDegrees, 1);
    QCOMPARE(PdfLineWidths(file.readAll()), QSet<QByteArray>{"1"});
}

void FretboardPainterTest::mirroredNeck_data()
{
    QTest::addColumn<int>("instrument");
    QTest::addColumn<int>("strings");
    QTest::addColumn<bool>("lowStringOnTop");
    QTest::addColumn<bool>("printer");

    QTest::newRow("guitar on screen") << 1 << 6 << false << false;
    QTest::newRow("five-string banjo on screen") << 4 << 5 << false << false;
    QTest::newRow("banjo with its short string on top") << 4 << 5 << true << false;
    QTest::newRow("guitar on a 300 dpi page") << 1 << 6 << false << true;
    QTest::newRow("banjo on a 300 dpi page, short string on top") << 4 << 5 << true << true;
}

// Without labels the left-handed neck is the right-handed one mirrored pixel for pixel across
// the strings' span, dots, markers, nut and the banjo's short string included (the smoothed rims
// of the dots may round a few steps apart).
void FretboardPainterTest::mirroredNeck()
{
    QFETCH(int, instrument);
    QFETCH(int, strings);
    QFETCH(bool, lowStringOnTop);
    QFETCH(bool, printer);
    const PaintTarget target =
        printer ? PaintTarget::Printer(300, 300, 2480, 1400) : PaintTarget::Screen(QSize(700, 420));
    std::unique_ptr<AppState> state = NeckState(instrument, strings);
    state->diagram.lowStringOnTop = lowStringOnTop;
    const QImage right = Paint(*state, target);
    state->diagram.leftHanded = true;
    const QImage left = Paint(*state, target);

    const ViewLayout neck = printer ? FretboardGeometry::PrinterLayout(300, 300, 2480)
                                    : FretboardGeometry::ScreenLayout(700, 420, strings);
    const int span = neck.leftX + neck.rightX;
    const int top = neck.topY - neck.dotDiameter;
    const int bottom = FretboardGeometry::RowY(neck, strings - 1) + neck.dotDiameter;
    int differing = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = neck.leftX; x <= neck.rightX; ++x) {
            differing += Near(left.pixel(x, y), right.pixel(span - x, y)) ? 0 : 1;
        }
    }
    QCOMPARE(differing, 0);
    QVERIFY(left != right);
}

// The five-string banjo upside down: its short string is the top line, starting at fret line 4,
// with the fret lines left of it and the nut stopping one row below it. (The mirrored picture is
// checked against this one above.)
void FretboardPainterTest::lowStringOnTop()
{
    std::unique_ptr<AppState> state = NeckState(4, 5);
    state->settings.dotMarkers = 0;
    state->diagram = DiagramOptions{.lowStringOnTop = true};
    const QImage image = Paint(*state, PaintTarget::Screen(QSize(640, 480)));
    const ViewLayout layout = FretboardGeometry::ScreenLayout(640, 480, 5);
    auto at = [&image](int x, int y) { return image.pixel(x, y); };
    const int topY = FretboardGeometry::RowY(layout, 0);
    const int between = (topY + FretboardGeometry::RowY(layout, 1)) / 2;

    QCOMPARE(at(layout.leftX + 2, topY), kWhite);
    QCOMPARE(at(FretboardGeometry::FretLineX(layout, 4) + 2, topY), kBlack);
    QCOMPARE(at(FretboardGeometry::FretLineX(layout, 2), between), kWhite);
    QCOMPARE(at(FretboardGeometry::FretLineX(layout, 6), between), kBlack);
    QCOMPARE(at(FretboardGeometry::FretLineX(layout, 5, -2), between), kBlack);
    // The nut runs on below, down to the bottom line, the highest D string.
    const int lowerBetween =
        (FretboardGeometry::RowY(layout, 3) + FretboardGeometry::RowY(layout, 4)) / 2;
    QCOMPARE(at(FretboardGeometry::FretLineX(layout, 0, -2), lowerBetween), kBlack);
    // Dots: none left of fret 5 on the short string; its fret 5 is a G, the root. The open G
    // string (string 2) is in the middle row either way; the bottom row is string 4 (D).
    for (int fret = 0; fret < 5; ++fret) {
        QCOMPARE(CentreColour(image, layout, 0, fret), kWhite);
    }
    QCOMPARE(DotColour(image, layout, 0, 5), kBlue);
    QCOMPARE(DotColour(image, layout, 4, 0), kWhite);
    QCOMPARE(DotColour(image, layout, 1, 2), kGreen); // the pattern note on string 1
}

void FretboardPainterTest::labelsReadOnEitherHand_data()
{
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<DegreeNaming>("naming");
    QTest::newRow("notes by key") << false << DegreeNaming::Classic;
    QTest::newRow("intervals") << true << DegreeNaming::Intervals;
}

// A label spelled by key, or a degree named as an interval, reads left to right on a mirrored neck
// and sits on its dot as on the right-handed one: the dot with its label is the same picture on
// either hand. Degrees named as chosen differ from the classic ones.
void FretboardPainterTest::labelsReadOnEitherHand()
{
    QFETCH(bool, degrees);
    QFETCH(DegreeNaming, naming);
    std::unique_ptr<AppState> state = NeckState(1, 6);
    state->settings.viewNotes = degrees ? 0 : 1;
    state->settings.viewDegrees = degrees ? 1 : 0;
    state->settings.dotMarkers = 0;
    state->fretboard->placement.reset();
    const PaintTarget target = PaintTarget::Screen(QSize(640, 480));
    state->diagram = DiagramOptions{.spelling = NoteSpelling::Key};
    const QImage classic = Paint(*state, target);
    state->diagram.degreeNaming = naming;
    const QImage right = Paint(*state, target);
    QCOMPARE(right == classic, naming == DegreeNaming::Classic);
    state->diagram.leftHanded = true;
    const QImage left = Paint(*state, target);
    const ViewLayout rightLayout = FretboardGeometry::ScreenLayout(640, 480, 6);
    const ViewLayout leftLayout =
        FretboardGeometry::ScreenLayout(640, 480, 6, DiagramOptions{.leftHanded = true});
    // The label of a dot is the same picture on either hand: the F# at the open high E's second
    // fret, in the top row.
    const QRect box = FretboardGeometry::DotBox(rightLayout, 0, 2);
    const QRect mirroredBox = FretboardGeometry::DotBox(leftLayout, 0, 2);
    QCOMPARE(left.copy(mirroredBox), right.copy(box));
}

void FretboardPainterTest::longNeck_data()
{
    QTest::addColumn<int>("instrument");
    QTest::addColumn<int>("frets");
    QTest::addColumn<bool>("printer");
    QTest::addColumn<QList<int>>("marked"); // frets with one marker in the middle

    const QList<int> guitar{3, 5, 7, 9, 15, 17, 19, 21};
    QTest::newRow("guitar, 640x480") << 1 << 24 << false << guitar;
    QTest::newRow("guitar, 600 dpi page") << 1 << 24 << true << guitar;
    QTest::newRow("banjo, 640x480") << 4 << 24 << false << QList<int>{3, 5, 7, 10, 15, 17, 19, 22};
    QTest::newRow("banjo of 21 frets") << 4 << 21 << false << QList<int>{3, 5, 7, 10, 15, 17, 19};
}

// A four-string neck of F frets (markers between the strings): the end line doubles fret line
// F, markers stand at their frets up to F, two at each octave; then, with a scale, the
// five-string banjo's short string still begins at its fifth fret.
void FretboardPainterTest::longNeck()
{
    QFETCH(int, instrument);
    QFETCH(int, frets);
    QFETCH(bool, printer);
    QFETCH(QList<int>, marked);
    const PaintTarget target =
        printer ? PaintTarget::Printer(600, 600, 4800, 2200) : PaintTarget::Screen(QSize(640, 480));
    std::unique_ptr<AppState> state = NeckState(instrument, 4);
    state->fretboard->ClearDegrees(LAYER_SCALE);
    state->fretboard->ClearDegrees(LAYER_OVERLAY);
    state->fretboard->SetFrets(frets);
    state->diagram.frets = frets;
    QImage image = Paint(*state, target);
    ViewLayout layout = printer ? FretboardGeometry::PrinterLayout(600, 600, 4800, state->diagram)
                                : FretboardGeometry::ScreenLayout(640, 480, 4, state->diagram);
    const int between = layout.topY + layout.stringSpacing / 2;
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, frets, 2), between), kBlack);
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, frets + 1), between), kWhite);
    QList<int> single;
    for (int fret = 1; fret <= frets + 1; ++fret) {
        if (InkIn(image, FretboardGeometry::MarkerBox(layout, fret, 1.5))) {
            single << fret;
        }
        const bool octave = (fret == 12 || fret == 24) && fret <= frets;
        QCOMPARE(InkIn(image, FretboardGeometry::MarkerBox(layout, fret, 0.5)), octave);
    }
    QCOMPARE(single, marked);

    state = NeckState(4, 5); // G major on G: the short string's fifth and 17th frets are roots
    state->fretboard->SetFrets(frets);
    state->diagram.frets = frets;
    image = Paint(*state, target);
    layout = printer ? FretboardGeometry::PrinterLayout(600, 600, 4800, state->diagram)
                     : FretboardGeometry::ScreenLayout(640, 480, 5, state->diagram);
    for (int fret = 0; fret < 5; ++fret) {
        QCOMPARE(CentreColour(image, layout, 4, fret), kWhite);
    }
    QCOMPARE(DotColour(image, layout, 4, 17), kBlue);
    QCOMPARE(image.pixel(FretboardGeometry::FretLineX(layout, frets, 2),
                         FretboardGeometry::RowY(layout, 4) - 2),
             kBlack);
}

QTEST_MAIN(FretboardPainterTest)
#include "FretboardPainterTest.moc"
