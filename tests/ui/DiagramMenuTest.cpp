#include "AppState.h"
#include "CMainFrame.h"
#include "CPinto2View.h"
#include "CUpDown.h"
#include "CommandId.h"
#include "ControlId.h"
#include "FretboardGeometry.h"
#include "SchemePalette.h"
#include "UiTestSupport.h"
#include "WindowProfile.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

namespace {

QAction* Action(CMainFrame& frame, const char* name)
{
    return frame.findChild<QAction*>(QString::fromLatin1(name));
}

// Chooses the major scale on A# (the root spin's upper arrow once from A).
void AsharpMajor(CMainFrame& frame)
{
    ClickArrow(frame, ControlId::RootSpin, "up");
    frame.ApplyScaleSelection(frame.ScaleList()->findText(QStringLiteral("Major")));
}

// Shows the window and makes it the active one, so that its keys reach it.
bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the next Export Diagram dialog: chooses filter filterIndex and the file path.
void AnswerExportDialog(int filterIndex, const QString& path)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, filterIndex, path, polls = 0]() mutable {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr || ++polls > 500) {
            timer->stop();
            timer->deleteLater();
        }
        if (dialog != nullptr) {
            // As the user does: the format picked with the arrow keys in the file type list,
            // then the name typed.
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < filterIndex; ++i) {
                QTest::keyClick(types, Qt::Key_Down);
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        }
    });
    timer->start();
}

} // namespace

// The Diagram menu of the main window: the three toggles, the profile that keeps them, Copy
// Diagram and Export Diagram.
class DiagramMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void menuBetweenSoundAndHelp();
    void clicksFollowThePicture_data();
    void clicksFollowThePicture();
    void tuningColumnFollowsTheStrings();
    void namesSpelledByKey();
    void degreeNamesAndRootSpelling();
    void profileKeepsTogglesNotSettingsFile();
    void fretsLengthenTheNeck();
    void fretsSubmenuTakesTheKeyboard_data();
    void fretsSubmenuTakesTheKeyboard();
    void lookAndColoursKeptAndApplied();
    void windowKeptInTheProfile_data();
    void windowKeptInTheProfile();
    void copyPutsTheViewOnTheClipboard();
    void exportWritesEachFormat_data();
    void exportWritesEachFormat();
    void exportFailureNamesTheFile();

private:
    QTemporaryDir m_profileDir;
};

void DiagramMenuTest::initTestCase()
{
    // A profile of the test's own, under the program's names.
    QVERIFY(m_profileDir.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Pinto2"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profileDir.path());
}

void DiagramMenuTest::init()
{
    QSettings().clear();
}

void DiagramMenuTest::menuBetweenSoundAndHelp()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions()) {
        titles << menu->text();
    }
    QCOMPARE(titles, (QStringList{"&Scale", "&Pattern Find", "&Sound", "&Diagram", "&Help"}));

    const QList<QAction*> items = frame.menuBar()->actions().at(3)->menu()->actions();
    QStringList texts;
    for (QAction* item : items) {
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(texts, (QStringList{"&Left-handed", "Low string on &top", "Note names by &key",
                                 "Root as Sharp", "Root as Flat", "Degree &Names", "&Frets",
                                 "Fret &Range...", "&Whole Neck\tCtrl+0", "L&ook", "Colo&urs", "-",
                                 "&Copy Diagram\tCtrl+C", "&Export Diagram...\tCtrl+E"}));
    QStringList names; // radio items, Classic ticked, then Root as R
    for (QAction* item : items.at(5)->menu()->actions()) {
        names << (item->isSeparator() ? QStringLiteral("-") : item->text()) +
                     (item->isChecked() ? QStringLiteral("*") : QString());
    }
    QCOMPARE(names, (QStringList{"&Classic (-3, +4)*", "&Flats and Sharps (b3, #4)",
                                 "&Intervals (m3, P5)", "-", "Root as &R"}));
    QStringList counts; // radio items, twelve ticked
    for (QAction* item : items.at(6)->menu()->actions()) {
        QVERIFY(item->actionGroup()->isExclusive());
        counts << item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
    }
    QCOMPARE(counts, (QStringList{"12*", "15", "17", "19", "21", "22", "24"}));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(items.at(i)->isCheckable());
        QVERIFY(!items.at(i)->isChecked());
    }
    QCOMPARE(Action(frame, "copyDiagram")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QCOMPARE(Action(frame, "exportDiagram")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    // The editing command keeps only its other key, so Ctrl+C is nobody else's.
    QCOMPARE(FindById<QAction>(&frame, CommandId::EditCopy)->shortcuts(),
             (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Ins"))}));
    QCOMPARE(state.diagram, DiagramOptions{});
}

void DiagramMenuTest::clicksFollowThePicture_data()
{
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<bool>("lowStringOnTop");
    QTest::newRow("right-handed") << false << false;
    QTest::newRow("left-handed") << true << false;
    QTest::newRow("low string on top") << false << true;
    QTest::newRow("left-handed, low string on top") << true << true;
}

// A click on the spot where the picture shows the low E string's third fret (G, the minor
// seventh above A) flips that degree, however the neck is turned.
void DiagramMenuTest::clicksFollowThePicture()
{
    QFETCH(bool, leftHanded);
    QFETCH(bool, lowStringOnTop);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowAndWait(frame));
    if (leftHanded) {
        Action(frame, "leftHanded")->trigger();
    }
    if (lowStringOnTop) {
        Action(frame, "lowStringOnTop")->trigger();
    }
    QCOMPARE(state.diagram.leftHanded, leftHanded);
    QCOMPARE(state.diagram.lowStringOnTop, lowStringOnTop);
    frame.View()->repaint();
    const ViewLayout& layout = frame.View()->Layout();
    const int row = lowStringOnTop ? 0 : 5;
    const QPoint point(FretboardGeometry::DotCenterX(layout, 3),
                       FretboardGeometry::RowY(layout, row));
    QCOMPARE(point.x() > layout.leftX + layout.rightX - point.x(), leftHanded);
    QTest::mouseClick(frame.View(), Qt::LeftButton, {}, point);
    QCOMPARE(state.fretboard->scaleDegrees[10], 1);
    QVERIFY(FindById<QCheckBox>(&frame, DegreeCheckId(10))->isChecked());
    QCOMPARE(
        std::count(state.fretboard->scaleDegrees.begin(), state.fretboard->scaleDegrees.end(), 1),
        1);
}

// With the low string on top the tuning column lists the strings the same way round, and a
// spin retunes the string beside it.
void DiagramMenuTest::tuningColumnFollowsTheStrings()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    Action(frame, "lowStringOnTop")->trigger();
    QCOMPARE(TuningLabels(frame), (QStringList{"E ", "A ", "D ", "G ", "B ", "E ", "  "}));
    ClickArrow(frame, TuningSpinId(0), "up"); // the top row: the low E string becomes F
    QCOMPARE(TuningLabels(frame), (QStringList{"F ", "A ", "D ", "G ", "B ", "E ", "  "}));
    QCOMPARE(state.fretboard->GetOpenNote(0), 8);
    QCOMPARE(state.fretboard->GetOpenNote(5), 7);
    Action(frame, "lowStringOnTop")->trigger();
    QCOMPARE(TuningLabels(frame), (QStringList{"E ", "B ", "G ", "D ", "A ", "F ", "  "}));
}

void DiagramMenuTest::namesSpelledByKey()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    AsharpMajor(frame);
    ClickArrow(frame, TuningSpinId(5), "down"); // the low E string down to D#
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("A#"));
    QCOMPARE(TuningLabels(frame).at(5), QStringLiteral("D#"));

    Action(frame, "noteNamesByKey")->trigger();
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("Bb"));
    QCOMPARE(Text(frame, ControlId::OverlayRootLabel),
             QStringLiteral("A ")); // no overlay: sharp names
    QCOMPARE(TuningLabels(frame), (QStringList{"E ", "B ", "G ", "D ", "A ", "Eb", "  "}));
    // Names follow the scale: without its fourth (D#) the scale no longer spells it, and the
    // D# string leans flat with the rest of B flat major.
    FindById<QCheckBox>(&frame, DegreeCheckId(5))->click();
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("Bb"));
    QCOMPARE(TuningLabels(frame).at(5), QStringLiteral("Eb"));
    ClickArrow(frame, ControlId::RootSpin, "up"); // B major: the root is a white key
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("B "));

    Action(frame, "noteNamesByKey")->trigger();
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("B "));
    QCOMPARE(TuningLabels(frame).at(5), QStringLiteral("D#"));
}

// The degree check boxes are named as chosen, following the scale; the root's sharp or flat is
// forced or left to the key signature; every choice comes back in the next run.
void DiagramMenuTest::degreeNamesAndRootSpelling()
{
    ScopedWorkDir dir;
    auto captions = [](CMainFrame& frame) {
        QStringList texts;
        for (int degree = 0; degree < 12; ++degree) {
            texts << FindById<QCheckBox>(&frame, DegreeCheckId(degree))->text();
        }
        return texts.join(QLatin1Char(' '));
    };
    const QString classic = "1 +1 / -2 2 +2 / -3 3 4 +4 / -5 5 +5 / -6 6 +6 / -7 7";
    {
        AppState state;
        CMainFrame frame(state);
        ClickArrow(frame, ControlId::RootSpin, "down"); // G#
        frame.ApplyScaleSelection(frame.ScaleList()->findText(QStringLiteral("Harmonic Minor")));
        QCOMPARE(captions(frame), classic);
        QVERIFY(!Action(frame, "rootAsFlat")->isEnabled());
        Action(frame, "noteNamesByKey")->trigger();
        QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("G#"));
        Action(frame, "rootAsFlat")->trigger();
        QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("Ab"));
        Action(frame, "rootAsSharp")->trigger(); // clears Root as Flat
        QVERIFY(!Action(frame, "rootAsFlat")->isChecked());
        QCOMPARE(state.diagram.rootSpelling, RootSpelling::Sharp);

        Action(frame, "degreeNamesFlats")->trigger();
        QCOMPARE(captions(frame), QStringLiteral("1 b2 2 b3 3 4 b5 5 b6 6 b7 7"));
        FindById<QCheckBox>(&frame, DegreeCheckId(5))->click(); // no fourth: the tritone is #4
        QCOMPARE(captions(frame), QStringLiteral("1 b2 2 b3 3 4 #4 5 b6 6 b7 7"));
        Action(frame, "rootAsR")->trigger();
        Action(frame, "degreeNamesIntervals")->trigger();
        QCOMPARE(captions(frame), QStringLiteral("R m2 M2 m3 M3 P4 A4 P5 m6 M6 m7 M7"));
    }
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(state.diagram.degreeNaming, DegreeNaming::Intervals);
    QVERIFY(state.diagram.rootAsR && Action(frame, "rootAsR")->isChecked());
    QVERIFY(Action(frame, "rootAsSharp")->isChecked());
    QCOMPARE(QSettings().value(QStringLiteral("Diagram/RootAs")).toString(), "sharp");
    Action(frame, "rootAsR")->trigger();
    Action(frame, "degreeNamesClassic")->trigger();
    QCOMPARE(captions(frame), classic);
}

// The toggles come back in the next run from the profile; pinto_c.dat is written byte for byte
// as without them.
void DiagramMenuTest::profileKeepsTogglesNotSettingsFile()
{
    ScopedWorkDir dir;
    QByteArray plain;
    {
        AppState state;
        CMainFrame frame(state);
    }
    plain = Contents(QStringLiteral("pinto_c.dat"));
    QCOMPARE(plain.count('\n'), 14);
    {
        AppState state;
        CMainFrame frame(state);
        for (const char* toggle : {"leftHanded", "lowStringOnTop", "noteNamesByKey"}) {
            Action(frame, toggle)->trigger();
        }
    }
    QCOMPARE(Contents(QStringLiteral("pinto_c.dat")), plain);
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(state.diagram,
             (DiagramOptions{
                 .leftHanded = true, .lowStringOnTop = true, .spelling = NoteSpelling::Key}));
    for (const char* toggle : {"leftHanded", "lowStringOnTop", "noteNamesByKey"}) {
        QVERIFY2(Action(frame, toggle)->isChecked(), toggle);
    }
    QCOMPARE(TuningLabels(frame).first(), QStringLiteral("E "));
    Action(frame, "leftHanded")->trigger();
    QCOMPARE(QSettings().value(QStringLiteral("Diagram/LeftHanded")).toBool(), false);
}

// The look and the colours come back in the next run; Light and Dark colour the whole program,
// System gives it back the desktop's palette.
void DiagramMenuTest::lookAndColoursKeptAndApplied()
{
    ScopedWorkDir dir;
    const QColor desktopWindow = QApplication::palette().color(QPalette::Window);
    {
        AppState state;
        CMainFrame frame(state);
        QVERIFY(Action(frame, "lookClassic")->isChecked());
        QVERIFY(Action(frame, "coloursSystem")->isChecked());
        Action(frame, "lookModern")->trigger();
        Action(frame, "coloursDark")->trigger();
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 SchemePalette::Dark().color(QPalette::Window));
        // The modern neck in the dark palette's colours.
        const QImage view = frame.View()->grab().toImage();
        QCOMPARE(frame.View()->Layout().options.look, DiagramLook::Modern);
        QCOMPARE(view.pixelColor(1, 1), SchemePalette::Dark().color(QPalette::Base));
    }
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(state.diagram.look, DiagramLook::Modern);
    QCOMPARE(state.diagram.colours, ColourScheme::Dark);
    QVERIFY(Action(frame, "lookModern")->isChecked() && Action(frame, "coloursDark")->isChecked());
    QCOMPARE(QApplication::palette().color(QPalette::Window),
             SchemePalette::Dark().color(QPalette::Window));
    Action(frame, "coloursSystem")->trigger();
    QCOMPARE(QApplication::palette().color(QPalette::Window), desktopWindow);
}

void DiagramMenuTest::windowKeptInTheProfile_data()
{
    QTest::addColumn<QRect>("closed");   // the window's place when it was closed
    QTest::addColumn<bool>("maximized"); // ... and whether it was maximised
    QTest::addColumn<QRect>("expected"); // the place it opens at; no position: where it was put

    QTest::newRow("first start") << QRect() << false << QRect(QPoint(), QSize(710, 475));
    QTest::newRow("on the screen") << QRect(20, 30, 760, 520) << false << QRect(20, 30, 760, 520);
    QTest::newRow("off every screen")
        << QRect(-4000, 3000, 760, 520) << false << QRect(QPoint(), QSize(760, 520));
    QTest::newRow("maximised") << QRect(20, 30, 760, 520) << true << QRect(20, 30, 760, 520);
}

void DiagramMenuTest::windowKeptInTheProfile()
{
    QFETCH(QRect, closed);
    QFETCH(bool, maximized);
    QFETCH(QRect, expected);
    ScopedWorkDir dir;
    if (closed.isValid()) {
        AppState state;
        CMainFrame frame(state);
        frame.setGeometry(closed);
        QVERIFY(ShowAndWait(frame));
        if (maximized) {
            frame.showMaximized();
        }
        frame.close();
    }
    AppState state;
    CMainFrame frame(state);
    const QPoint defaultPlace = frame.geometry().topLeft();
    WindowProfile::Restore(frame);
    QCOMPARE(frame.size(), expected.size());
    QCOMPARE(frame.geometry().topLeft(),
             expected.topLeft().isNull() ? defaultPlace : expected.topLeft());
    QCOMPARE(frame.windowState().testFlag(Qt::WindowMaximized), maximized);
}

// 24 frets reach the board, the clicks and the next run; the matches found on the shorter neck
// are forgotten, and so is a placement that no longer fits.
void DiagramMenuTest::fretsLengthenTheNeck()
{
    ScopedWorkDir dir;
    {
        AppState state;
        CMainFrame frame(state);
        QVERIFY(ShowAndWait(frame));
        Action(frame, "frets24")->trigger();
        CFretboard& board = *state.fretboard;
        QCOMPARE(board.GetFretCount(0), 25);
        frame.View()->repaint();
        // The low E string's 24th fret is an E, the fifth above A; the cell beyond is no fret.
        const ViewLayout& layout = frame.View()->Layout();
        const QPoint fret24(FretboardGeometry::DotCenterX(layout, 24),
                            FretboardGeometry::RowY(layout, 5));
        QTest::mouseClick(frame.View(), Qt::LeftButton, {}, fret24);
        QTest::mouseClick(frame.View(), Qt::LeftButton, {}, fret24 + QPoint(layout.fretSpacing, 0));
        QCOMPARE(board.scaleDegrees, (std::array<int, 12>{0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}));

        board.pattern.Toggle(0, 0);
        QVERIFY(board.FindMatches());
        board.SelectMatch(1); // string 0, fret 12: still on a neck of 17 frets
        Action(frame, "frets17")->trigger();
        QCOMPARE(board.matches, nullptr);
        QCOMPARE(board.placement->At(0), (FretPosition{12, 0}));
        Action(frame, "frets24")->trigger();
        QVERIFY(board.FindMatches());
        board.SelectMatch(2); // string 0, fret 24
        Action(frame, "frets21")->trigger();
        QCOMPARE(board.placement, nullptr);
    }
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(state.fretboard->GetFrets(), 21);
    QVERIFY(Action(frame, "frets21")->isChecked());
}

void DiagramMenuTest::fretsSubmenuTakesTheKeyboard_data()
{
    QTest::addColumn<bool>("walk"); // Down keys to the Frets item first
    QTest::addColumn<int>("key");
    QTest::newRow("its mnemonic") << false << int(Qt::Key_F);
    QTest::newRow("Right on its item") << true << int(Qt::Key_Right);
    QTest::newRow("Enter on its item") << true << int(Qt::Key_Return);
}

// Alt+D and then F (or Right or Enter on Frets): the submenu has the keyboard with the fret count
// in force active, so Down moves on to the next count and Enter chooses it.
void DiagramMenuTest::fretsSubmenuTakesTheKeyboard()
{
    QFETCH(bool, walk);
    QFETCH(int, key);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowActive(frame));
    Action(frame, "frets17")->trigger();
    auto press = [](int pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        QTest::keyClick(target != nullptr ? target : QApplication::activeWindow(), Qt::Key(pressed),
                        modifiers);
    };
    press(Qt::Key_D, Qt::AltModifier);
    auto* diagram = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(diagram != nullptr);
    for (int i = 0; walk && i < diagram->actions().size(); ++i) {
        if (diagram->activeAction() != nullptr && diagram->activeAction()->menu() != nullptr &&
            diagram->activeAction()->menu()->objectName() == QStringLiteral("fretsMenu")) {
            break;
        }
        press(Qt::Key_Down);
    }
    press(key);
    auto* frets = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(frets != nullptr);
    QCOMPARE(frets->objectName(), QStringLiteral("fretsMenu"));
    QCOMPARE(frets->activeAction(), Action(frame, "frets17"));
    press(Qt::Key_Down);
    QCOMPARE(frets->activeAction(), Action(frame, "frets19"));
    press(Qt::Key_Return);
    QCOMPARE(state.diagram.frets, 19);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void DiagramMenuTest::copyPutsTheViewOnTheClipboard()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowActive(frame));
    AsharpMajor(frame);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&frame, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), frame.View()->size());
    QImage shown(frame.View()->size(), QImage::Format_RGB32);
    frame.View()->render(&shown);
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), shown);
}

void DiagramMenuTest::exportWritesEachFormat_data()
{
    QTest::addColumn<int>("filter"); // 0 PNG, 1 SVG, 2 PDF
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("PNG") << 0 << "neck.png"
                         << "neck.png";
    QTest::newRow("SVG, ending added") << 1 << "neck"
                                       << "neck.svg";
    QTest::newRow("PDF") << 2 << "neck.pdf"
                         << "neck.pdf";
    QTest::newRow("the typed ending wins") << 0 << "neck.svg"
                                           << "neck.svg";
}

void DiagramMenuTest::exportWritesEachFormat()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowActive(frame));
    AsharpMajor(frame);
    Action(frame, "noteNamesByKey")->trigger();
    const QSize viewSize = frame.View()->size();

    AnswerExportDialog(filter, dir.FilePath(typed));
    QTest::keyClick(&frame, Qt::Key_E, Qt::ControlModifier);
    const QString path = dir.FilePath(written);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QByteArray bytes = Contents(path);
    if (written.endsWith(QStringLiteral(".png"))) {
        QCOMPARE(QImage::fromData(bytes, "PNG").size(), viewSize);
    } else if (written.endsWith(QStringLiteral(".svg"))) {
        QSvgRenderer svg(bytes);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), viewSize));
    } else {
        QVERIFY(bytes.startsWith("%PDF"));
        // The printed page, with its caption spelled as the window spells the root.
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        QVERIFY2(text.contains(QStringLiteral("Scale Name: Bb Major")), qPrintable(text));
    }
}

void DiagramMenuTest::exportFailureNamesTheFile()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    const QString path = dir.FilePath(QStringLiteral("missing/neck.png"));
    MessageBoxAnswer answer;
    QVERIFY(!frame.ExportDiagram(path));
    QCOMPARE(answer.icon, QMessageBox::Information);
    QVERIFY2(answer.text.contains(path), qPrintable(answer.text));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(DiagramMenuTest)
#include "DiagramMenuTest.moc"
