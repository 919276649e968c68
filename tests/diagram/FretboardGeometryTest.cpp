#include "FretboardGeometry.h"

#include <QTest>

Q_DECLARE_METATYPE(ViewLayout)

class FretboardGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void layouts_data();
    void layouts();
    void dotAndMarkerBoxes();
    void shortWideViewsKeepEveryDot_data();
    void shortWideViewsKeepEveryDot();
    void clicks_data();
    void clicks();
    void neckOf24Frets_data();
    void neckOf24Frets();
    void mirroredAgainstRightHanded_data();
    void mirroredAgainstRightHanded();
    void rangeOfFrets_data();
    void rangeOfFrets();
};

void FretboardGeometryTest::layouts_data()
{
    QTest::addColumn<ViewLayout>("layout");
    QTest::addColumn<QList<int>>("expected"); // topY leftX rightX fret string nut dot marker

    QTest::newRow("screen 640x480, 6 strings") << FretboardGeometry::ScreenLayout(640, 480, 6)
                                               << QList<int>{140, 40, 600, 40, 40, 80, 20, 6};
    // The strings are centred with width/16 as the spacing estimate, not the real spacing.
    QTest::newRow("screen 700x400, 7 strings")
        << FretboardGeometry::ScreenLayout(700, 400, 7)
        << QList<int>{200 - (6 * 43) / 2, 43, 657, 43, 43, 86, 21, 7};
    QTest::newRow("screen 100x50, 4 strings: integer division truncates")
        << FretboardGeometry::ScreenLayout(100, 50, 4) << QList<int>{16, 6, 94, 6, 6, 12, 3, 1};
    // Too short for the width: the layout of a narrower window (1197 and 749 px) whose dots fit,
    // moved right by half the difference.
    QTest::newRow("screen 1270x410, 6 strings: fitted to the height")
        << FretboardGeometry::ScreenLayout(1270, 410, 6)
        << QList<int>{20, 110, 1159, 74, 74, 184, 37, 12};
    QTest::newRow("screen 1024x300, 7 strings: fitted to the height")
        << FretboardGeometry::ScreenLayout(1024, 300, 7)
        << QList<int>{12, 183, 840, 46, 46, 229, 23, 7};
    QTest::newRow("screen 800x200, 4 strings: fits, as the rule gives it")
        << FretboardGeometry::ScreenLayout(800, 200, 4)
        << QList<int>{25, 50, 750, 50, 50, 100, 25, 8};
    QTest::newRow("printer 600 dpi, 4800 px")
        << FretboardGeometry::PrinterLayout(600, 600, 4800)
        << QList<int>{1200, 600, 4200, 257, 257, 857, 128, 42};
    QTest::newRow("printer 300x600 dpi") << FretboardGeometry::PrinterLayout(300, 600, 2400)
                                         << QList<int>{1200, 300, 2100, 128, 128, 428, 64, 21};
    // 24 frets share the span among 26 cells; the strings stay centred with the margin scaled
    // by 14 / 26 (21 pixels) as the estimate of their spacing.
    QTest::newRow("screen 640x480, 6 strings, 24 frets")
        << FretboardGeometry::ScreenLayout(640, 480, 6, DiagramOptions{.frets = 24})
        << QList<int>{240 - (5 * 21) / 2, 40, 600, 21, 21, 61, 10, 3};
    QTest::newRow("printer 600 dpi, 4800 px, 24 frets")
        << FretboardGeometry::PrinterLayout(600, 600, 4800, DiagramOptions{.frets = 24})
        << QList<int>{1200, 600, 4200, 138, 138, 738, 69, 23};
}

void FretboardGeometryTest::layouts()
{
    QFETCH(ViewLayout, layout);
    QFETCH(QList<int>, expected);
    const QList<int> actual{layout.topY,        layout.leftX,         layout.rightX,
                            layout.fretSpacing, layout.stringSpacing, layout.nutX,
                            layout.dotDiameter, layout.markerDiameter};
    QCOMPARE(actual, expected);
}

void FretboardGeometryTest::dotAndMarkerBoxes()
{
    const ViewLayout layout = FretboardGeometry::ScreenLayout(640, 480, 6);
    // The dot of the open top string is the box (50, 130)-(70, 150), right and bottom exclusive.
    QCOMPARE(FretboardGeometry::DotBox(layout, 0, 0), QRect(50, 130, 20, 20));
    QCOMPARE(FretboardGeometry::DotCenterX(layout, 13), 80 - 20 + 13 * 40);
    QCOMPARE(FretboardGeometry::FretLineX(layout, 12), 80 + 12 * 40);
    QCOMPARE(FretboardGeometry::RowY(layout, 5), 340);
    // Row 2.5 lies between two strings: y = 240, bounds truncated from 237.0 and 243.0.
    QCOMPARE(FretboardGeometry::MarkerBox(layout, 3, 2.5), QRect(177, 237, 6, 6));
    // Fractional bounds are truncated: y = 140 + 41 * 1.5 = 201.5, so 198.5 and 204.5.
    ViewLayout odd = layout;
    odd.stringSpacing = 41;
    QCOMPARE(FretboardGeometry::MarkerBox(odd, 12, 1.5), QRect(537, 198, 6, 6));
}

void FretboardGeometryTest::shortWideViewsKeepEveryDot_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("strings");
    QTest::newRow("1270x410, 6 strings") << QSize(1270, 410) << 6;
    QTest::newRow("1270x448, 7 strings") << QSize(1270, 448) << 7;
    QTest::newRow("1900x300, 4 strings") << QSize(1900, 300) << 4;
    QTest::newRow("3000x120, 7 strings") << QSize(3000, 120) << 7;
    QTest::newRow("641x200, 6 strings") << QSize(641, 200) << 6;
}

void FretboardGeometryTest::shortWideViewsKeepEveryDot()
{
    QFETCH(QSize, size);
    QFETCH(int, strings);
    const ViewLayout layout = FretboardGeometry::ScreenLayout(size.width(), size.height(), strings);
    const QRect view(QPoint(0, 0), size);
    for (int fret = 0; fret <= 13; ++fret) {
        QVERIFY(view.contains(FretboardGeometry::DotBox(layout, 0, fret)));
        QVERIFY(view.contains(FretboardGeometry::DotBox(layout, strings - 1, fret)));
    }
    // Centred across the width, and still filling the height: the spacing shrank no more than
    // the fit needs.
    QVERIFY(qAbs(layout.leftX - (size.width() - layout.rightX)) <= 1);
    const int extent = (strings - 1) * layout.stringSpacing + layout.dotDiameter;
    QVERIFY2(extent * 100 >= size.height() * 95, qPrintable(QString::number(extent)));
}

void FretboardGeometryTest::clicks_data()
{
    QTest::addColumn<int>("strings");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("row"); // -1: ignored
    QTest::addColumn<int>("fret");

    QTest::newRow("example click") << 6 << QPoint(95, 178) << 1 << 1;
    QTest::newRow("open string cell") << 6 << QPoint(41, 140) << 0 << 0;
    QTest::newRow("on the left edge") << 6 << QPoint(40, 140) << -1 << 0;
    QTest::newRow("fret 12 accepted") << 6 << QPoint(559, 300) << 4 << 12;
    QTest::newRow("fret 13 ignored") << 6 << QPoint(560, 300) << -1 << 0;
    QTest::newRow("right edge") << 6 << QPoint(600, 300) << -1 << 0;
    QTest::newRow("just above the top dot") << 6 << QPoint(200, 131) << 0 << 4;
    QTest::newRow("above the band") << 6 << QPoint(200, 130) << -1 << 0;
    QTest::newRow("nearest row rounds up") << 6 << QPoint(200, 160) << 1 << 4;
    QTest::newRow("below the bottom row, inside the band") << 6 << QPoint(200, 365) << -1 << 0;
    QTest::newRow("7 strings: lower half of the bottom dot") << 7 << QPoint(200, 389) << 6 << 4;
    QTest::newRow("7 strings: below the band") << 7 << QPoint(200, 430) << -1 << 0;
}

void FretboardGeometryTest::clicks()
{
    QFETCH(int, strings);
    QFETCH(QPoint, point);
    QFETCH(int, row);
    QFETCH(int, fret);
    ViewLayout layout = FretboardGeometry::ScreenLayout(640, 480, 6); // the same band for 7
    const auto cell = FretboardGeometry::CellAt(layout, strings, point.x(), point.y());
    if (row < 0) {
        QVERIFY(!cell.has_value());
    } else {
        QVERIFY(cell.has_value());
        QCOMPARE(*cell, (FretCell{row, fret}));
    }
}

void FretboardGeometryTest::neckOf24Frets_data()
{
    QTest::addColumn<ViewLayout>("layout");
    QTest::addColumn<QRect>("dot24");  // the top string's dot at fret 24
    QTest::addColumn<int>("endLine");  // x of the line doubling fret line 24
    QTest::addColumn<QRect>("octave"); // the upper marker of fret 24, row 1.5
    QTest::addColumn<int>("lastX");    // the click at (lastX, topY) selects fret 24 ...
    QTest::addColumn<int>("beyondX");  // ... and one at (beyondX, topY) nothing

    const DiagramOptions right{.frets = 24};
    const DiagramOptions left{.leftHanded = true, .frets = 24};
    QTest::newRow("screen 640x480")
        << FretboardGeometry::ScreenLayout(640, 480, 6, right) << QRect(550, 183, 10, 10) << 567
        << QRect(554, 218, 2, 2) << 564 << 565;
    QTest::newRow("left-handed screen")
        << FretboardGeometry::ScreenLayout(640, 480, 6, left) << QRect(81, 183, 10, 10) << 73
        << QRect(85, 218, 2, 2) << 76 << 75;
    QTest::newRow("printer 600 dpi")
        << FretboardGeometry::PrinterLayout(600, 600, 4800, right) << QRect(3947, 1166, 68, 68)
        << 4052 << QRect(3970, 1396, 22, 22) << 4049 << 4050;
    QTest::newRow("left-handed printer")
        << FretboardGeometry::PrinterLayout(600, 600, 4800, left) << QRect(786, 1166, 68, 68) << 748
        << QRect(809, 1396, 22, 22) << 751 << 750;
}

void FretboardGeometryTest::neckOf24Frets()
{
    QFETCH(ViewLayout, layout);
    QFETCH(QRect, dot24);
    QFETCH(int, endLine);
    QFETCH(QRect, octave);
    QFETCH(int, lastX);
    QFETCH(int, beyondX);
    QCOMPARE(FretboardGeometry::DotBox(layout, 0, 24), dot24);
    QCOMPARE(FretboardGeometry::FretLineX(layout, 24, 2), endLine);
    QCOMPARE(FretboardGeometry::MarkerBox(layout, 24, 1.5), octave);
    // The dot beyond the last fret still lies within the strings.
    const QRect dot25 = FretboardGeometry::DotBox(layout, 0, 25);
    QVERIFY(dot25.left() > layout.leftX && dot25.right() < layout.rightX);
    QCOMPARE(FretboardGeometry::CellAt(layout, 6, lastX, layout.topY),
             (std::optional<FretCell>(FretCell{0, 24})));
    QCOMPARE(FretboardGeometry::CellAt(layout, 6, beyondX, layout.topY), std::nullopt);
}

void FretboardGeometryTest::mirroredAgainstRightHanded_data()
{
    QTest::addColumn<ViewLayout>("right");
    QTest::addColumn<ViewLayout>("left");

    const DiagramOptions lefty{.leftHanded = true};
    const DiagramOptions leftyOnTop{.leftHanded = true, .lowStringOnTop = true};
    QTest::newRow("screen 640x480") << FretboardGeometry::ScreenLayout(640, 480, 6)
                                    << FretboardGeometry::ScreenLayout(640, 480, 6, lefty);
    QTest::newRow("screen 701x400, odd span")
        << FretboardGeometry::ScreenLayout(701, 400, 7)
        << FretboardGeometry::ScreenLayout(701, 400, 7, leftyOnTop);
    QTest::newRow("printer 600 dpi") << FretboardGeometry::PrinterLayout(600, 600, 4800)
                                     << FretboardGeometry::PrinterLayout(600, 600, 4800, lefty);
}

// Pixel column x of the right-handed picture is column leftX + rightX - x of the left-handed one:
// lines, dots and markers land there, and a click there selects the same cell.
void FretboardGeometryTest::mirroredAgainstRightHanded()
{
    QFETCH(ViewLayout, right);
    QFETCH(ViewLayout, left);
    const int span = right.leftX + right.rightX;
    auto mirrored = [span](const QRect& box) {
        return QRect(QPoint(span - box.right(), box.top()),
                     QPoint(span - box.left(), box.bottom()));
    };
    QCOMPARE(left.nutX, right.nutX);
    QCOMPARE(FretboardGeometry::FretLineX(left, 0), span - right.nutX);
    for (int line = 0; line <= 13; ++line) {
        for (int offset : {-2, 0, 2}) {
            QCOMPARE(FretboardGeometry::FretLineX(left, line, offset),
                     span - FretboardGeometry::FretLineX(right, line, offset));
        }
    }
    for (int fret = 0; fret <= 13; ++fret) {
        const QRect box = FretboardGeometry::DotBox(right, 2, fret);
        QCOMPARE(FretboardGeometry::DotBox(left, 2, fret), mirrored(box));
        // The centre keeps its place within the box, so a label sits on its dot as before.
        QCOMPARE(FretboardGeometry::DotCenterX(left, fret) -
                     FretboardGeometry::DotBox(left, 2, fret).left(),
                 FretboardGeometry::DotCenterX(right, fret) - box.left());
        QCOMPARE(FretboardGeometry::MarkerBox(left, fret, 2.5),
                 mirrored(FretboardGeometry::MarkerBox(right, fret, 2.5)));
    }
    for (int y = right.topY - right.dotDiameter; y < right.topY + 7 * right.stringSpacing;
         y += right.stringSpacing / 3) {
        for (int x = right.leftX - 1; x <= right.rightX + 1; ++x) {
            QCOMPARE(FretboardGeometry::CellAt(left, 6, span - x, y),
                     FretboardGeometry::CellAt(right, 6, x, y));
        }
    }
    // The open string's cell is now at the right: a click just left of the right edge.
    QCOMPARE(FretboardGeometry::CellAt(left, 6, left.rightX - 1, left.topY),
             (std::optional<FretCell>(FretCell{0, 0})));
}

QTEST_GUILESS_MAIN(FretboardGeometryTest)
#include "FretboardGeometryTest.moc"

void FretboardGeometryTest::rangeOfFrets_data()
{
    QTest::addColumn<ViewLayout>("layout");
    QTest::addColumn<QList<int>>("expected"); // topY leftX fretSpacing nutX firstFret lastFret
    QTest::addColumn<QList<int>>("clicks");   // x of a click on the top string, then its fret
                                              // (-1 for none), in pairs

    // Frets 5..9 of 24 in seven cells: the arrows' cell below fret 5 (fret line 4 is the thin line
    // at nutX), frets 5..9 and the arrows' cell beyond fret line 9.
    const DiagramOptions range{.frets = 24, .fromFret = 5, .toFret = 9};
    QTest::newRow("screen 640x480, frets 5 to 9")
        << FretboardGeometry::ScreenLayout(640, 480, 6, range) << QList<int>{40, 40, 80, 120, 4, 9}
        << QList<int>{119, -1, 121, 5, 519, 9, 520, -1};
    DiagramOptions left = range;
    left.leftHanded = true;
    QTest::newRow("left-handed screen, frets 5 to 9")
        << FretboardGeometry::ScreenLayout(640, 480, 6, left) << QList<int>{40, 40, 80, 120, 4, 9}
        << QList<int>{521, -1, 519, 5, 121, 9, 120, -1};
    QTest::newRow("printer 600 dpi, frets 5 to 9")
        << FretboardGeometry::PrinterLayout(600, 600, 4800, range)
        << QList<int>{1200, 600, 514, 1114, 4, 9}
        << QList<int>{1113, -1, 1115, 5, 3683, 9, 3684, -1};
    // From the nut: the open strings' cell is part of the range.
    QTest::newRow("screen 640x480, frets 0 to 7")
        << FretboardGeometry::ScreenLayout(640, 480, 6, DiagramOptions{.toFret = 7})
        << QList<int>{85, 40, 62, 102, 0, 7} << QList<int>{41, 0, 535, 7, 536, -1};
}

void FretboardGeometryTest::rangeOfFrets()
{
    QFETCH(ViewLayout, layout);
    QFETCH(QList<int>, expected);
    QFETCH(QList<int>, clicks);
    QCOMPARE((QList<int>{layout.topY, layout.leftX, layout.fretSpacing, layout.nutX,
                         layout.firstFret, FretboardGeometry::LastFret(layout)}),
             expected);
    for (qsizetype i = 0; i < clicks.size(); i += 2) {
        const auto cell = FretboardGeometry::CellAt(layout, 6, clicks[i], layout.topY);
        QCOMPARE(cell ? cell->fret : -1, clicks[i + 1]);
    }
    // A capo on the first fret shown: its bar lies between that fret's dots and the next's.
    const int capo = layout.options.fromFret + 1;
    const QRect bar = FretboardGeometry::CapoBarBox(layout, capo, 0, 5);
    const QRect below = FretboardGeometry::DotBox(layout, 0, capo);
    const QRect above = FretboardGeometry::DotBox(layout, 0, capo + 1);
    QVERIFY(bar.intersects(QRect(QPoint(std::min(below.right(), above.right()), 0),
                                 QPoint(std::max(below.left(), above.left()), 5000))));
    QVERIFY(!bar.intersects(below) && !bar.intersects(above));
}
