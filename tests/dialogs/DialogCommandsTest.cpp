#include "AppState.h"
#include "CConfigDlg.h"
#include "CMainFrame.h"
#include "CNameDlg.h"
#include "CPatternDlg.h"
#include "CommandId.h"
#include "ControlId.h"
#include "FileMessages.h"
#include "InfoBox.h"
#include "Instrument.h"
#include "ModalHelper.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cerrno>
#include <memory>

#include <sys/stat.h>

namespace {

void Trigger(CMainFrame& frame, CommandId id)
{
    auto* action = FindById<QAction>(&frame, id);
    QVERIFY2(action != nullptr, qPrintable(IdName(id)));
    QVERIFY(action->isEnabled());
    action->trigger();
}

void AnswerName(const QString& name, bool confirm)
{
    WhenModal<CNameDlg>([name, confirm](CNameDlg* dlg) {
        FindById<QLineEdit>(dlg, ControlId::NameEdit)->setText(name);
        if (confirm) {
            FindById<QPushButton>(dlg, ControlId::Ok)->click();
        } else {
            QTest::keyClick(dlg, Qt::Key_Escape);
        }
    });
}

bool InScale(const CFretboard& board, int string, int fret)
{
    return board.IsOnBoard(string, fret) &&
           (board.GetString(string)->ClassifyFret(fret) & (SCALE_NOTE | OVERLAY_NOTE)) != 0;
}

// The next fret above fret along the string that is a scale or overlay note, fret 0 skipped.
int NextScaleFret(const CFretboard& board, int string, int fret)
{
    for (int j = 1; j <= 12; ++j) {
        const int candidate = (fret + j) % 13;
        if (candidate != 0 && InScale(board, string, candidate)) {
            return candidate;
        }
    }
    return fret;
}

QList<QPoint> Positions(const PositionList& list) // (string, fret) in list order
{
    QList<QPoint> positions;
    for (int i = 0; i < list.Count(); ++i) {
        positions.append(QPoint(list.At(i).string, list.At(i).fret));
    }
    return positions;
}

// A main frame in its own empty working folder.
struct Fixture
{
    ScopedWorkDir dir;
    AppState state;
    std::unique_ptr<CMainFrame> frame;

    Fixture() : frame(std::make_unique<CMainFrame>(state)) {}
};

} // namespace

class DialogCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void saveScaleAddsToBothLists();
    void saveScaleWithOverlayStoresUnion();
    void saveScaleCancelledAfterSaveStoresNothing();
    void saveScaleFailureIsReported();
    void saveScaleBlankNameStoresNothing();
    void twoWindowsListWhatTheFileHolds();
    void partlyReadFileIsReportedAndOnlyAppendedTo();
    void unusableSettingsAreToldAtStartAndOnExit();
    void forgetNamesTheFolderThatAllowsNoSafeRewrite();
    void configureRestrings_data();
    void configureRestrings();
    void patternWorkflow();
    void messageBoxesShowTheirWholeTitle_data();
    void messageBoxesShowTheirWholeTitle();
};

void DialogCommandsTest::saveScaleAddsToBothLists()
{
    Fixture f;
    f.frame->ApplyScaleSelection(6); // "Major"
    const int count = f.state.scaleLibrary.scaleCount;
    const auto degrees = f.state.fretboard->scaleDegrees;
    AnswerName(QStringLiteral(" My scale "), true);
    Trigger(*f.frame, CommandId::SaveScale);

    QCOMPARE(f.state.nameBuffer, std::string(" My scale "));
    QCOMPARE(f.state.scaleLibrary.scaleCount, count + 1);
    QCOMPARE(f.frame->ScaleList()->count(), count + 2);
    QCOMPARE(f.frame->OverlayList()->count(), count + 2);
    QCOMPARE(f.frame->ScaleList()->itemText(count + 1), QStringLiteral(" My scale "));
    QCOMPARE(f.frame->OverlayList()->itemText(count + 1), QStringLiteral(" My scale "));
    QCOMPARE(f.frame->ScaleList()->currentIndex(), count + 1);
    // Selecting the new entry does not apply it: the scale on the neck is unchanged.
    QCOMPARE(f.state.currentScale, 5);
    QCOMPARE(f.state.fretboard->scaleDegrees, degrees);
    QVERIFY(QFile::exists(f.dir.FilePath(QStringLiteral("pinto_s.dat"))));
}

void DialogCommandsTest::saveScaleWithOverlayStoresUnion()
{
    Fixture f;
    f.frame->ApplyScaleSelection(10);  // "Minor Pentatonic": 0 3 5 7 10
    f.frame->ApplyOverlaySelection(8); // "Major Triad": 0 4 7
    f.frame->OnOverlayRootSpin(-1);    // the overlay's root one semitone above the scale's
    const int shift =
        (f.state.fretboard->GetRoot(LAYER_OVERLAY) - f.state.fretboard->GetRoot(LAYER_SCALE) + 12) %
        12;
    QCOMPARE(shift, 1);

    AnswerName(QStringLiteral("Union"), true);
    Trigger(*f.frame, CommandId::SaveScale);

    // Scale degrees 0 3 5 7 10 and the triad's notes 0 4 7 one semitone higher: 1 5 8.
    const std::array<int, 12> expected = {1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0};
    const ScaleRecord& saved = f.state.scaleLibrary.records.back();
    QCOMPARE(saved.name, std::string("Union"));
    for (int d = 0; d < 12; ++d) {
        QVERIFY2((saved.degrees[d] != 0) == (expected[d] != 0), qPrintable(QString::number(d)));
    }
    QFile file(f.dir.FilePath(QStringLiteral("pinto_s.dat")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines[0].trimmed(), QByteArray("Union"));
    for (int d = 0; d < 12; ++d) {
        QCOMPARE(lines[1 + d].trimmed().toInt(), expected[d]);
    }
}

void DialogCommandsTest::saveScaleCancelledAfterSaveStoresNothing()
{
    Fixture f;
    AnswerName(QStringLiteral("First"), true);
    Trigger(*f.frame, CommandId::SaveScale);
    QCOMPARE(f.state.nameBuffer, std::string("First"));
    const int count = f.state.scaleLibrary.scaleCount;

    AnswerName(QStringLiteral("Second"), false);
    Trigger(*f.frame, CommandId::SaveScale);
    QCOMPARE(f.state.nameBuffer, std::string());
    QCOMPARE(f.state.scaleLibrary.scaleCount, count);
    QCOMPARE(f.frame->ScaleList()->count(), count + 1);
}

void DialogCommandsTest::saveScaleFailureIsReported()
{
    Fixture f;
    QVERIFY(QDir(f.dir.FilePath(QString())).mkdir(QStringLiteral("pinto_s.dat")));
    const int count = f.state.scaleLibrary.scaleCount;
    const int selected = f.frame->ScaleList()->currentIndex();
    AnswerName(QStringLiteral("Lost"), true);
    const auto seen = AnswerNextMessageBox();
    Trigger(*f.frame, CommandId::SaveScale);
    QVERIFY(seen->text.contains(QStringLiteral("pinto_s.dat")));
    QVERIFY2(seen->text.endsWith(QStringLiteral(": Is a directory.")), qPrintable(seen->text));
    QVERIFY(!seen->title.isEmpty());
    QCOMPARE(f.state.scaleLibrary.scaleCount, count);
    QCOMPARE(f.frame->ScaleList()->count(), count + 1);
    QCOMPARE(f.frame->OverlayList()->count(), count + 1);
    QCOMPARE(f.frame->ScaleList()->currentIndex(), selected);
}

void DialogCommandsTest::saveScaleBlankNameStoresNothing()
{
    Fixture f;
    const int count = f.state.scaleLibrary.scaleCount;
    for (const QString& blank : {QStringLiteral(" "), QStringLiteral(" \t  ")}) {
        AnswerName(blank, true);
        Trigger(*f.frame, CommandId::SaveScale);
        QCOMPARE(f.state.nameBuffer, std::string());
    }
    QCOMPARE(f.state.scaleLibrary.scaleCount, count);
    QCOMPARE(f.frame->ScaleList()->count(), count + 1);
    QVERIFY(!QFile::exists(f.dir.FilePath(QStringLiteral("pinto_s.dat"))));
}

void DialogCommandsTest::twoWindowsListWhatTheFileHolds()
{
    Fixture a;
    AppState otherState;
    CMainFrame b(otherState);
    const int builtIns = a.state.scaleLibrary.scaleCount;

    AnswerName(QStringLiteral("FromA"), true);
    Trigger(*a.frame, CommandId::SaveScale);
    AnswerName(QStringLiteral("FromB"), true);
    Trigger(b, CommandId::SaveScale);
    QCOMPARE(b.ScaleList()->count(), builtIns + 3);
    QCOMPARE(b.OverlayList()->itemText(builtIns + 1), QStringLiteral("FromA"));
    QCOMPARE(b.ScaleList()->currentIndex(), builtIns + 2);

    // A applies its own scale as the overlay, then forgets it: B's scale survives and is listed.
    a.frame->ApplyOverlaySelection(builtIns + 1);
    a.frame->ScaleList()->setCurrentIndex(builtIns + 1);
    Trigger(*a.frame, CommandId::ForgetScale);
    QCOMPARE(a.frame->ScaleList()->count(), builtIns + 2);
    QCOMPARE(a.frame->OverlayList()->itemText(builtIns + 1), QStringLiteral("FromB"));
    QCOMPARE(a.state.overlayScale, -1);
    QCOMPARE(a.frame->ScaleList()->currentIndex(), 0);
    QFile file(a.dir.FilePath(QStringLiteral("pinto_s.dat")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().split('\n').first(), QByteArray("FromB\r"));
}

void DialogCommandsTest::partlyReadFileIsReportedAndOnlyAppendedTo()
{
    ScopedWorkDir dir;
    const QByteArray text = "Kept\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                            "A note of mine\r\nthat is no scale\r\n";
    {
        QFile file(QStringLiteral("pinto_s.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    AppState state;
    CMainFrame frame(state);
    auto seen = AnswerNextMessageBox();
    frame.ReportUnreadFiles();
    QCOMPARE(seen->text.count(QStringLiteral("pinto_s.dat")), 1);

    frame.ApplyScaleSelection(state.scaleLibrary.presetCount + 1); // "Kept"
    seen = AnswerNextMessageBox();
    Trigger(frame, CommandId::ForgetScale);
    QVERIFY2(seen->text.contains(QStringLiteral("pinto_s.dat could not be read completely")),
             qPrintable(seen->text));
    AnswerName(QStringLiteral("New"), true);
    seen = AnswerNextMessageBox();
    Trigger(frame, CommandId::SaveScale);
    QVERIFY2(seen->text.contains(QStringLiteral("will not be listed next time")),
             qPrintable(seen->text));
    QFile file(QStringLiteral("pinto_s.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    QVERIFY(now.startsWith(text));
    QVERIFY(now.mid(text.size()).startsWith("New\r\n"));
}

void DialogCommandsTest::unusableSettingsAreToldAtStartAndOnExit()
{
    ScopedWorkDir dir;
    QCOMPARE(::mkfifo("pinto_c.dat", 0666), 0);
    QCOMPARE(::mkfifo("pinto_p.dat", 0666), 0);
    AppState state;
    CMainFrame frame(state);
    auto seen = AnswerNextMessageBox();
    frame.ReportUnreadFiles();
    // Every file not read is named in one box.
    QCOMPARE(seen->text, QStringLiteral("pinto_c.dat could not be read, so nothing in it is used: "
                                        "Not a regular file.\n\npinto_p.dat could not be read, so "
                                        "nothing in it is used: Not a regular file."));
    seen = AnswerNextMessageBox();
    Trigger(frame, CommandId::Exit);
    QCOMPARE(
        seen->text,
        QStringLiteral("The settings could not be written to pinto_c.dat: Not a regular file."));
}

void DialogCommandsTest::forgetNamesTheFolderThatAllowsNoSafeRewrite()
{
    // Such a folder cannot be made for root, who may add files anywhere; the library's own tests
    // run the refusal as another user.
    const StoreFault fault{EACCES, "/home/ann/Pinto"};
    QCOMPARE(FileMessages::NotForgotten(QStringLiteral("pattern"), QStringLiteral("pinto_p.dat"),
                                        StoreResult::Failed, fault),
             QStringLiteral("The pattern was kept because the folder '/home/ann/Pinto' does not "
                            "allow a safe rewrite of pinto_p.dat: Permission denied."));
}

void DialogCommandsTest::configureRestrings_data()
{
    QTest::addColumn<ControlId>("radio"); // None: none clicked
    QTest::addColumn<QString>("closing");
    QTest::addColumn<int>("instrument");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shortStringStart");

    QTest::newRow("closed without changes") << ControlId::None << "close" << 1 << 6 << 0;
    QTest::newRow("escape after choosing banjo") << ControlId::Banjo << "escape" << 4 << 5 << 5;
    QTest::newRow("ok after choosing bass") << ControlId::Bass << "ok" << 2 << 4 << 0;
}

void DialogCommandsTest::configureRestrings()
{
    QFETCH(ControlId, radio);
    QFETCH(QString, closing);
    QFETCH(int, instrument);
    QFETCH(int, count);
    QFETCH(int, shortStringStart);

    Fixture f;
    f.frame->OnTuningSpin(0, -1); // retune the top string
    const std::vector<int> standard = StandardTuning(Instrument::Guitar, 6);
    QVERIFY(f.state.fretboard->GetOpenNote(5) != standard[5]);

    WhenModal<CConfigDlg>([radio, closing](CConfigDlg* dlg) {
        if (radio != ControlId::None) {
            FindById<QRadioButton>(dlg, radio)->click();
        }
        if (closing == QLatin1String("close")) {
            dlg->close();
        } else if (closing == QLatin1String("escape")) {
            QTest::keyClick(dlg, Qt::Key_Escape);
        } else {
            FindById<QPushButton>(dlg, ControlId::Ok)->click();
        }
    });
    Trigger(*f.frame, CommandId::Configure);

    QCOMPARE(f.state.settings.instrument, static_cast<Instrument>(instrument));
    QCOMPARE(f.state.settings.stringCount, count);
    const CFretboard& board = *f.state.fretboard;
    const std::vector<int> expected = StandardTuning(static_cast<Instrument>(instrument), count);
    QCOMPARE(board.GetStringCount(), count);
    for (int s = 0; s < count; ++s) {
        QCOMPARE(board.GetOpenNote(s), expected[s]);
    }
    QCOMPARE(board.GetStartFret(0), shortStringStart);
}

void DialogCommandsTest::patternWorkflow()
{
    Fixture f;
    f.frame->ApplyScaleSelection(10); // "Minor Pentatonic"
    f.state.modulationSteps = 3;

    // Set Pattern: fret 0 on the top row and fret 2 on the row below, then OK.
    WhenModal<CPatternDlg>([](CPatternDlg* dlg) {
        for (const QPoint& cell : {QPoint(0, 0), QPoint(2, 1)}) {
            QTest::mouseClick(dlg->windowHandle(), Qt::LeftButton, {},
                              dlg->Board().DotCentre(cell.x(), cell.y()));
        }
        FindById<QPushButton>(dlg, ControlId::Ok)->click();
    });
    Trigger(*f.frame, CommandId::SetPattern);
    QCOMPARE(f.state.modulationSteps, 0);
    const CFretboard& board = *f.state.fretboard;
    QCOMPARE(Positions(board.pattern), (QList<QPoint>{{5, 0}, {4, 2}}));

    // The corners where the shape (string + 1, fret) and (string, fret + 2) fits, in search order.
    QList<QPoint> corners;
    for (int s = 0; s + 1 < board.GetStringCount(); ++s) {
        for (int fret = 0; fret <= 12; ++fret) {
            if (InScale(board, s + 1, fret) && InScale(board, s, fret + 2)) {
                corners.append(QPoint(s, fret));
            }
        }
    }
    QVERIFY(corners.size() >= 2);

    const auto seen = AnswerNextMessageBox();
    Trigger(*f.frame, CommandId::FindPattern);
    QCOMPARE(seen->title, QStringLiteral("Pattern Match Done"));
    QVERIFY(seen->width >= CaptionWidth(seen->title));
    QCOMPARE(seen->text,
             QStringLiteral(
                 "Pattern matches found\nPress next pattern or prev. pattern to view matches"));
    QVERIFY(board.placement != nullptr);
    QCOMPARE(Positions(*board.placement), (QList<QPoint>{{corners[0].x() + 1, corners[0].y()},
                                                         {corners[0].x(), corners[0].y() + 2}}));

    Trigger(*f.frame, CommandId::NextPattern);
    const QPoint match = corners[1];
    const QList<QPoint> found = {{match.x() + 1, match.y()}, {match.x(), match.y() + 2}};
    QCOMPARE(Positions(*board.placement), found);

    Trigger(*f.frame, CommandId::ModulateUp);
    Trigger(*f.frame, CommandId::ModulateUp);
    Trigger(*f.frame, CommandId::ModulateDown);
    QCOMPARE(f.state.modulationSteps, 1);
    QList<QPoint> oneStepUp;
    for (const QPoint& position : found) {
        oneStepUp.append(QPoint(position.x(), NextScaleFret(board, position.x(), position.y())));
    }
    QVERIFY(oneStepUp != found);
    QCOMPARE(Positions(*board.placement), oneStepUp);
}

void DialogCommandsTest::messageBoxesShowTheirWholeTitle_data()
{
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no match") << false << QStringLiteral("Pattern Match Done")
                              << QStringLiteral("No pattern matches found\n");
    QTest::newRow("tempo") << true << QStringLiteral("Pinto2")
                           << QStringLiteral("Please enter an integer.");
    QTest::newRow("short text, long title")
        << false << QStringLiteral("Pattern not forgotten because of a long reason") << "x";
}

void DialogCommandsTest::messageBoxesShowTheirWholeTitle()
{
    QFETCH(bool, warning);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const auto seen = AnswerNextMessageBox();
    if (warning) {
        ShowWarning(nullptr, title, text);
    } else {
        ShowInfo(nullptr, title, text);
    }
    QCOMPARE(seen->title, title);
    QVERIFY2(seen->width >= CaptionWidth(title),
             qPrintable(QStringLiteral("%1 < %2").arg(seen->width).arg(CaptionWidth(title))));
    // The caption needs more than Qt's own allowance of the title plus 50 pixels.
    QVERIFY(CaptionWidth(title) > QFontMetrics(QApplication::font()).horizontalAdvance(title) + 50);
}

QTEST_MAIN(DialogCommandsTest)
#include "DialogCommandsTest.moc"
