#include "CPatternDlg.h"
#include "CFretboard.h"
#include "CNameDlg.h"
#include "ControlId.h"
#include "ModalHelper.h"
#include "WindowFrame.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

using Cells = QList<QPoint>; // (fret, row) pairs

std::unique_ptr<CFretboard> MakeBoard(int strings)
{
    const int tunings[7] = {7, 0, 5, 10, 2, 7, 2};
    return std::make_unique<CFretboard>(strings, tunings);
}

PatternGrid GridOf(const Cells& cells)
{
    PatternGrid grid{};
    for (const QPoint& cell : cells) {
        grid[cell.x()][cell.y()] = 1;
    }
    return grid;
}

Cells MarkedCells(const PatternGrid& grid)
{
    Cells cells;
    for (int fret = 0; fret < 13; ++fret) {
        for (int row = 0; row < 7; ++row) {
            if (grid[fret][row] != 0) {
                cells.append(QPoint(fret, row));
            }
        }
    }
    return cells;
}

QList<QPoint> PatternOf(const CFretboard& board) // (string, fret) pairs in list order
{
    QList<QPoint> positions;
    for (int i = 0; i < board.pattern.Count(); ++i) {
        positions.append(QPoint(board.pattern.At(i).string, board.pattern.At(i).fret));
    }
    return positions;
}

void Click(QWidget& dlg, const QPoint& point)
{
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {}, point);
}

void TypeNameAndConfirm(const QString& name)
{
    WhenModal<CNameDlg>([name](CNameDlg* nameDlg) {
        FindById<QLineEdit>(nameDlg, ControlId::NameEdit)->setText(name);
        FindById<QPushButton>(nameDlg, ControlId::Ok)->click();
    });
}

void CancelNameDialog()
{
    WhenModal<CNameDlg>([](CNameDlg* nameDlg) { QTest::keyClick(nameDlg, Qt::Key_Escape); });
}

// A shown pattern dialog on a six-string board with its own grid and name buffer.
struct Fixture
{
    std::unique_ptr<CFretboard> board = MakeBoard(6);
    PatternGrid grid{};
    std::string nameBuffer;
    std::unique_ptr<CPatternDlg> dlg;

    DiagramOptions options;

    void Open()
    {
        dlg = std::make_unique<CPatternDlg>(*board, grid, nameBuffer);
        dlg->SetDiagramOptions(options);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    QComboBox* List() const { return FindById<QComboBox>(dlg.get(), ControlId::PatternList); }
    void Press(ControlId id) const { FindById<QPushButton>(dlg.get(), id)->click(); }
    void Choose(int listIndex) const
    {
        List()->setCurrentIndex(listIndex);
        emit List()->activated(listIndex);
    }
};

} // namespace

class CPatternDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void listAndGeometry();
    void clickBounds_data();
    void clickBounds();
    void twoClicksRestoreTheCell();
    void minorPentatonicSelection();
    void emptyEntryClearsBoard();
    void okWritesPattern_data();
    void okWritesPattern();
    void escapeLeavesModelAndKeepsBoard();
    void saveAndForgetPattern();
    void forgetRefusesPresets_data();
    void forgetRefusesPresets();
    void saveFailureIsReported();
    void forgetFailureIsReported();
    void boardTurnedLikeTheNeck_data();
    void boardTurnedLikeTheNeck();
};

void CPatternDlgTest::listAndGeometry()
{
    Fixture f;
    f.Open();
    // The list: the empty entry, then the two built-ins; nothing selected.
    QCOMPARE(f.List()->count(), 3);
    QCOMPARE(f.List()->itemText(0), QString());
    QCOMPARE(f.List()->itemText(1), QStringLiteral("Minor Pentatonic"));
    QCOMPARE(f.List()->itemText(2), QStringLiteral("Castles Made of Sand"));
    QCOMPARE(f.List()->currentIndex(), -1);
    // The closed list stays inside the "Fretboard" group box.
    QVERIFY(f.List()->geometry().bottom() <
            FindById<QWidget>(f.dlg.get(), ControlId::PatternBoard)->geometry().bottom());
    // Field and open list span 100 pixels, to scroll through the library.
    f.List()->showPopup();
    QWidget* popup = f.List()->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const QRect field(f.List()->mapToGlobal(QPoint(0, 0)), f.List()->size());
    QCOMPARE(field.united(popup->geometry()).height(), 100);
    f.List()->hidePopup();

    // Board geometry from the group box, measured from the window's outer left edge.
    const PatternBoard& board = f.dlg->Board();
    const int frameLeft = WindowFrame::ClientOffset(f.dlg.get()).x();
    QCOMPARE(board.Left(), 11 + frameLeft + 20);
    QCOMPARE(board.Right(), 486 + frameLeft - 20);
    QCOMPARE(board.FretSpacing(), 31);
    QCOMPARE(board.Top(), 60);
    QCOMPARE(board.NutX(), board.Left() + 31);
    QCOMPARE(board.DotDiameter(), 15);
}

void CPatternDlgTest::clickBounds_data()
{
    // x is counted from an anchor: L = board left bound, N = nut, R = right bound;
    // y from: T = top string, U = upper bound (T - 7), B = lower bound (T + 6 x 31 + 7).
    QTest::addColumn<QChar>("xFrom");
    QTest::addColumn<int>("dx");
    QTest::addColumn<QChar>("yFrom");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QPoint>("cell"); // (-1, -1): the press does not count

    const QPoint none(-1, -1);
    QTest::newRow("on the left bound") << QChar('L') << 0 << QChar('T') << 0 << none;
    QTest::newRow("just right of the left bound")
        << QChar('L') << 1 << QChar('T') << 0 << QPoint(0, 0);
    QTest::newRow("just left of the nut") << QChar('N') << -1 << QChar('T') << 0 << QPoint(0, 0);
    QTest::newRow("on the nut is fret 1") << QChar('N') << 0 << QChar('T') << 0 << QPoint(1, 0);
    QTest::newRow("between frets 2 and 3")
        << QChar('N') << 2 * 31 + 5 << QChar('T') << 31 << QPoint(3, 1);
    QTest::newRow("on the right bound") << QChar('R') << 0 << QChar('T') << 0 << none;
    QTest::newRow("right of fret line 12") << QChar('R') << -1 << QChar('T') << 0 << QPoint(12, 0);
    QTest::newRow("on the upper bound") << QChar('N') << 40 << QChar('U') << 0 << none;
    QTest::newRow("just below the upper bound")
        << QChar('N') << 40 << QChar('U') << 1 << QPoint(2, 0);
    QTest::newRow("half way between rows 0 and 1")
        << QChar('N') << 40 << QChar('T') << 15 << QPoint(2, 0);
    QTest::newRow("past half way") << QChar('N') << 40 << QChar('T') << 16 << QPoint(2, 1);
    QTest::newRow("far below the bottom string")
        << QChar('N') << 40 << QChar('B') << -1 << QPoint(2, 5);
    QTest::newRow("on the lower bound") << QChar('N') << 40 << QChar('B') << 0 << none;
}

void CPatternDlgTest::clickBounds()
{
    QFETCH(QChar, xFrom);
    QFETCH(int, dx);
    QFETCH(QChar, yFrom);
    QFETCH(int, dy);
    QFETCH(QPoint, cell);

    Fixture f;
    f.Open();
    const PatternBoard& board = f.dlg->Board();
    const int x = (xFrom == QChar('L')   ? board.Left()
                   : xFrom == QChar('N') ? board.NutX()
                                         : board.Right()) +
                  dx;
    const int y = (yFrom == QChar('T')   ? board.Top()
                   : yFrom == QChar('U') ? board.Top() - 7
                                         : board.Top() + 6 * 31 + 7) +
                  dy;
    Click(*f.dlg, QPoint(x, y));
    QCOMPARE(MarkedCells(f.grid), cell.x() < 0 ? Cells{} : Cells{cell});
    QVERIFY(f.board->pattern.Count() == 0);
}

void CPatternDlgTest::twoClicksRestoreTheCell()
{
    Fixture f;
    f.grid = GridOf({{4, 2}});
    f.Open();
    const QPoint centre = f.dlg->Board().DotCentre(4, 2);
    QCOMPARE(Snapshot(f.dlg.get()).pixel(centre), qRgb(0, 255, 0));
    Click(*f.dlg, centre);
    QCOMPARE(MarkedCells(f.grid), Cells{});
    QVERIFY(Snapshot(f.dlg.get()).pixel(centre) != qRgb(0, 255, 0));
    Click(*f.dlg, centre);
    QCOMPARE(MarkedCells(f.grid), Cells{QPoint(4, 2)});
}

void CPatternDlgTest::minorPentatonicSelection()
{
    Fixture f;
    f.grid[9][6] = 1; // row 6 is never touched by a selection
    f.Open();
    f.Choose(1);
    const Cells expected = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {2, 2},
                            {2, 3}, {2, 4}, {3, 0}, {3, 1}, {3, 5}, {9, 6}};
    QCOMPARE(MarkedCells(f.grid), expected);

    const QImage image = Snapshot(f.dlg.get());
    for (int fret = 0; fret < 13; ++fret) {
        for (int row = 0; row < 6; ++row) {
            const bool green = image.pixel(f.dlg->Board().DotCentre(fret, row)) == qRgb(0, 255, 0);
            QVERIFY2(green == expected.contains(QPoint(fret, row)),
                     qPrintable(QStringLiteral("fret %1 row %2").arg(fret).arg(row)));
        }
    }
}

void CPatternDlgTest::emptyEntryClearsBoard()
{
    Fixture f;
    f.grid = GridOf({{1, 1}, {12, 5}});
    f.Open();
    f.Choose(0);
    QCOMPARE(MarkedCells(f.grid), Cells{});
}

void CPatternDlgTest::okWritesPattern_data()
{
    QTest::addColumn<int>("strings");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QList<QPoint>>("pattern"); // (string, fret) in list order

    QTest::newRow("six strings, fret 0 row 0") << 6 << Cells{{0, 0}} << QList<QPoint>{{5, 0}};
    QTest::newRow("empty board") << 6 << Cells{} << QList<QPoint>{};
    QTest::newRow("frets ascending, rows within a fret")
        << 6 << Cells{{3, 0}, {0, 5}, {0, 1}} << QList<QPoint>{{4, 0}, {0, 0}, {5, 3}};
    QTest::newRow("four strings keep negative strings")
        << 4 << Cells{{2, 4}, {2, 5}} << QList<QPoint>{{-1, 2}, {-2, 2}};
    QTest::newRow("seven strings leave string 0 out")
        << 7 << Cells{{1, 0}, {1, 5}} << QList<QPoint>{{6, 1}, {1, 1}};
}

void CPatternDlgTest::okWritesPattern()
{
    QFETCH(int, strings);
    QFETCH(Cells, cells);
    QFETCH(QList<QPoint>, pattern);

    Fixture f;
    f.board = MakeBoard(strings);
    f.board->pattern.Add(2, 2); // replaced, not merged
    f.grid = GridOf(cells);
    CPatternDlg dlg(*f.board, f.grid, f.nameBuffer);
    WhenModal<CPatternDlg>(
        [](CPatternDlg* shown) { FindById<QPushButton>(shown, ControlId::Ok)->click(); });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(PatternOf(*f.board), pattern);
}

void CPatternDlgTest::escapeLeavesModelAndKeepsBoard()
{
    Fixture f;
    f.board->pattern.Add(3, 4);
    {
        CPatternDlg dlg(*f.board, f.grid, f.nameBuffer);
        WhenModal<CPatternDlg>([](CPatternDlg* shown) {
            Click(*shown, shown->Board().DotCentre(5, 1));
            Click(*shown, shown->Board().DotCentre(7, 2));
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    }
    QCOMPARE(PatternOf(*f.board), QList<QPoint>{QPoint(3, 4)});
    QCOMPARE(MarkedCells(f.grid), (Cells{{5, 1}, {7, 2}}));

    f.Open();
    const QImage image = Snapshot(f.dlg.get());
    QCOMPARE(image.pixel(f.dlg->Board().DotCentre(5, 1)), qRgb(0, 255, 0));
    QCOMPARE(image.pixel(f.dlg->Board().DotCentre(7, 2)), qRgb(0, 255, 0));
}

void CPatternDlgTest::saveAndForgetPattern()
{
    ScopedWorkDir dir;
    Fixture f;
    f.grid = GridOf({{2, 1}, {4, 3}});
    f.Open();

    TypeNameAndConfirm(QStringLiteral("My lick"));
    f.Press(ControlId::SavePattern);
    QCOMPARE(f.nameBuffer, std::string("My lick"));
    QCOMPARE(f.List()->count(), 4);
    QCOMPARE(f.List()->itemText(3), QStringLiteral("My lick"));
    QCOMPARE(f.List()->currentIndex(), 3);
    QCOMPARE(MarkedCells(f.grid), (Cells{{2, 1}, {4, 3}}));
    QFile file(dir.FilePath(QStringLiteral("pinto_p.dat")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QCOMPARE(lines.size(), 93); // 92 lines and the empty rest after the last line end
    QCOMPARE(lines[0].trimmed(), QByteArray("My lick"));
    QCOMPARE(lines[1 + 2 * 7 + 1].trimmed(), QByteArray("1"));

    // A cancelled name after an earlier save stores nothing and leaves the name empty.
    CancelNameDialog();
    f.Press(ControlId::SavePattern);
    QCOMPARE(f.nameBuffer, std::string());
    QCOMPARE(f.List()->count(), 4);

    f.Press(ControlId::ForgetPattern);
    QCOMPARE(f.List()->count(), 3);
    QCOMPARE(f.List()->currentIndex(), -1);
    QCOMPARE(MarkedCells(f.grid), Cells{});
    QCOMPARE(QFileInfo(dir.FilePath(QStringLiteral("pinto_p.dat"))).size(), 0);

    // The next opening lists only the presets.
    f.Open();
    QCOMPARE(f.List()->count(), 3);
}

void CPatternDlgTest::forgetRefusesPresets_data()
{
    QTest::addColumn<int>("listIndex");
    QTest::newRow("no selection") << -1;
    QTest::newRow("empty entry") << 0;
    QTest::newRow("Minor Pentatonic") << 1;
    QTest::newRow("Castles Made of Sand") << 2;
}

void CPatternDlgTest::forgetRefusesPresets()
{
    QFETCH(int, listIndex);

    ScopedWorkDir dir;
    Fixture f;
    f.grid = GridOf({{6, 0}});
    f.Open();
    f.List()->setCurrentIndex(listIndex);
    const auto seen = AnswerNextMessageBox();
    f.Press(ControlId::ForgetPattern);
    QCOMPARE(seen->title, QStringLiteral("Sorry"));
    QCOMPARE(seen->text, QStringLiteral("You can not delete one of the preset patterns."));
    QCOMPARE(f.List()->count(), 3);
    QCOMPARE(MarkedCells(f.grid), Cells{QPoint(6, 0)});
}

void CPatternDlgTest::saveFailureIsReported()
{
    ScopedWorkDir dir;
    QVERIFY(QDir(dir.FilePath(QString())).mkdir(QStringLiteral("pinto_p.dat")));
    Fixture f;
    f.Open();
    TypeNameAndConfirm(QStringLiteral("Lost"));
    const auto seen = AnswerNextMessageBox();
    f.Press(ControlId::SavePattern);
    QVERIFY(seen->text.contains(QStringLiteral("pinto_p.dat")));
    QVERIFY(!seen->title.isEmpty());
    QCOMPARE(f.List()->count(), 3);
    QCOMPARE(f.dlg->Library().patternCount, 2);
}

void CPatternDlgTest::forgetFailureIsReported()
{
    ScopedWorkDir dir;
    Fixture f;
    f.Open();
    TypeNameAndConfirm(QStringLiteral("Kept"));
    f.Press(ControlId::SavePattern);
    QCOMPARE(f.List()->count(), 4);

    // The file turns into a folder, so it cannot be rewritten.
    QVERIFY(QFile::remove(dir.FilePath(QStringLiteral("pinto_p.dat"))));
    QVERIFY(QDir(dir.FilePath(QString())).mkdir(QStringLiteral("pinto_p.dat")));
    const auto seen = AnswerNextMessageBox();
    f.Press(ControlId::ForgetPattern);
    QVERIFY(seen->text.contains(QStringLiteral("pinto_p.dat")));
    QCOMPARE(f.List()->count(), 4);
    QCOMPARE(f.List()->itemText(3), QStringLiteral("Kept"));
    QCOMPARE(f.dlg->Library().patternCount, 3);
}

void CPatternDlgTest::boardTurnedLikeTheNeck_data()
{
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<bool>("lowStringOnTop");
    QTest::newRow("left-handed") << true << false;
    QTest::newRow("low string on top") << false << true;
    QTest::newRow("both") << true << true;
}

// The board shows the cells where the turned neck has them, a click there toggles the same cell,
// and OK hands the model the same pattern as the unturned board.
void CPatternDlgTest::boardTurnedLikeTheNeck()
{
    QFETCH(bool, leftHanded);
    QFETCH(bool, lowStringOnTop);
    Fixture f;
    f.options = DiagramOptions{.leftHanded = leftHanded, .lowStringOnTop = lowStringOnTop};
    f.grid = GridOf({{0, 0}});
    f.Open();
    const PatternBoard& board = f.dlg->Board();
    const PatternBoard plain(board.Left() - 20, board.Right() + 20);
    // The open top string's cell is beside the nut: at the right when left-handed, and on the
    // bottom line when the low string is on top.
    const QPoint open = board.DotCentre(0, 0);
    QCOMPARE(open.x(), leftHanded ? board.Left() + board.Right() - plain.DotCentre(0, 0).x()
                                  : plain.DotCentre(0, 0).x());
    QCOMPARE(open.y(), lowStringOnTop ? plain.DotCentre(0, 5).y() : plain.DotCentre(0, 0).y());
    QCOMPARE(Snapshot(f.dlg.get()).pixel(open), qRgb(0, 255, 0));
    QVERIFY(Snapshot(f.dlg.get()).pixel(plain.DotCentre(3, 1)) != qRgb(0, 255, 0));

    Click(*f.dlg, board.DotCentre(3, 1));
    QCOMPARE(MarkedCells(f.grid), (Cells{{0, 0}, {3, 1}}));
    QCOMPARE(Snapshot(f.dlg.get()).pixel(board.DotCentre(3, 1)), qRgb(0, 255, 0));
    Click(*f.dlg, open);
    QCOMPARE(MarkedCells(f.grid), (Cells{{3, 1}}));
    f.Press(ControlId::Ok);
    QCOMPARE(PatternOf(*f.board), (QList<QPoint>{{4, 3}}));
}

QTEST_MAIN(CPatternDlgTest)
#include "CPatternDlgTest.moc"
