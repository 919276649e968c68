#include "AppState.h"
#include "CMainFrame.h"
#include "CPinto2View.h"
#include "CPracticeDlg.h"
#include "CUpDown.h"
#include "CommandId.h"
#include "ControlId.h"
#include "FretboardGeometry.h"
#include "TabWalk.h"
#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

void Trigger(CMainFrame& frame, CommandId commandId)
{
    FindById<QAction>(&frame, commandId)->trigger();
}

// Writes the user scale file with records of (name, degrees).
void WriteUserScales(const QList<QPair<QString, QList<int>>>& records)
{
    QFile file(QStringLiteral("pinto_s.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const auto& record : records) {
        file.write(record.first.toUtf8() + "\r\n");
        for (int flag : record.second) {
            file.write(QByteArray::number(flag) + "\r\n");
        }
    }
}

} // namespace

class MainFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpWithoutFiles();
    void frameLayout();
    void listsDropTo100Pixels_data();
    void listsDropTo100Pixels();
    void tabCyclesThroughBothBars_data();
    void tabCyclesThroughBothBars();
    void barsByKeyboard();
    void closedListsFindNamesWithBlanks_data();
    void closedListsFindNamesWithBlanks();
    void commandsAndToolTips();
    void menuLettersUnique();
    void rootSpins();
    void tuningSpins_data();
    void tuningSpins();
    void degreeCheckBoxAndNeckClick();
    void emptyOverlayItem();
    void emptyScaleItemClearsScale();
    void patternCommands();
    void forgetScale();
    void settingsRoundTrip();
};

void MainFrameTest::startUpWithoutFiles()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(TuningLabels(frame), (QStringList{"E ", "B ", "G ", "D ", "A ", "E ", "  "}));
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("A "));
    QCOMPARE(Text(frame, ControlId::OverlayRootLabel), QStringLiteral("A "));
    QCOMPARE(frame.ScaleList()->currentIndex(), 0);
    QCOMPARE(frame.ScaleList()->currentText(), QString());
    QCOMPARE(frame.ScaleList()->count(), 20);
    QCOMPARE(frame.OverlayList()->count(), 20);
    QCOMPARE(frame.ScaleList()->itemText(1), QStringLiteral("Diminished"));
    QVERIFY(FindById<QRadioButton>(&frame, ControlId::AllNotes)->isChecked());
    QVERIFY(!FindById<QRadioButton>(&frame, ControlId::CommonNotes)->isChecked());
    QCOMPARE(state.currentScale, -1);
    QCOMPARE(state.overlayScale, -1);
    QCOMPARE(frame.size(), QSize(710, 475));

    QVERIFY(ShowAndWait(frame));
    QTRY_COMPARE(frame.windowTitle(), QStringLiteral("Pinto ver 2.2a"));
}

void MainFrameTest::frameLayout()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowAndWait(frame));
    auto* toolBar = FindById<QToolBar>(&frame, ControlId::ToolBar);
    auto* scaleKey = FindById<QDockWidget>(&frame, ControlId::ScaleKeyDock);
    auto* overlay = FindById<QDockWidget>(&frame, ControlId::OverlayDock);
    QCOMPARE(frame.toolBarArea(toolBar), Qt::TopToolBarArea);
    QCOMPARE(frame.dockWidgetArea(scaleKey), Qt::LeftDockWidgetArea);
    QCOMPARE(frame.dockWidgetArea(overlay), Qt::TopDockWidgetArea);
    for (QDockWidget* dock : {scaleKey, overlay}) {
        QCOMPARE(dock->features(), QDockWidget::NoDockWidgetFeatures);
    }
    // No context menu offers to hide the toolbar or the bars.
    QVERIFY(frame.createPopupMenu() == nullptr);
    // The left bar starts right below the toolbar; the top bar lies right of it, above the view.
    const QRect tools = toolBar->geometry();
    QVERIFY(scaleKey->geometry().top() >= tools.bottom());
    QVERIFY(scaleKey->geometry().top() - tools.bottom() < 8);
    QVERIFY(overlay->geometry().left() >= scaleKey->geometry().right());
    QVERIFY(frame.View()->geometry().top() >= overlay->geometry().bottom());
    QVERIFY(frame.View()->geometry().left() >= scaleKey->geometry().right());
    // Bars keep their template size: 149 x 246 and 319 x 33 dialog units.
    QCOMPARE(scaleKey->widget()->size(), QSize(224, 400));
    QCOMPARE(overlay->widget()->size(), QSize(479, 54));
}

void MainFrameTest::listsDropTo100Pixels_data()
{
    QTest::addColumn<ControlId>("listId");
    QTest::addColumn<int>("current");
    QTest::newRow("scale list, empty item") << ControlId::ScaleList << 0;
    QTest::newRow("scale list, deep in the library") << ControlId::ScaleList << 25;
    QTest::newRow("overlay list, empty item") << ControlId::OverlayList << 0;
    QTest::newRow("overlay list, last record") << ControlId::OverlayList << 29;
}

void MainFrameTest::listsDropTo100Pixels()
{
    QFETCH(ControlId, listId);
    QFETCH(int, current);
    ScopedWorkDir dir;
    QList<QPair<QString, QList<int>>> records;
    for (int i = 0; i < 10; ++i) {
        records.append({QStringLiteral("Mine %1").arg(i), {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1}});
    }
    WriteUserScales(records);
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowAndWait(frame));
    auto* list = FindById<QComboBox>(&frame, listId);
    QCOMPARE(list->count(), 30);
    list->setCurrentIndex(current);
    list->showPopup();
    QWidget* popup = list->view()->window();
    QTRY_VERIFY(popup->isVisible());
    // Box and open list together: 100 pixels, not twenty rows.
    const QRect box(list->mapToGlobal(QPoint(0, 0)), list->size());
    QCOMPARE(box.united(popup->geometry()).height(), 100);
    list->hidePopup();
}

void MainFrameTest::tabCyclesThroughBothBars_data()
{
    QTest::addColumn<bool>("common"); // "Show common notes" chosen
    QTest::newRow("show all notes") << false;
    QTest::newRow("show common notes") << true;
}

void MainFrameTest::tabCyclesThroughBothBars()
{
    QFETCH(bool, common);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    if (common) {
        FindById<QRadioButton>(&frame, ControlId::CommonNotes)->click();
    }
    // The ScaleKey bar in template order, then the OverlayScaleName bar; labels are passed over.
    QStringList order{IdName(ControlId::ScaleList)};
    for (int degree = 0; degree < 12; ++degree) {
        order << IdName(DegreeCheckId(degree));
    }
    for (int row = 0; row < CScaleKeyBar::kTuningRows; ++row) {
        order << IdName(TuningSpinId(row));
    }
    order << IdName(ControlId::OverlayRootSpin) << IdName(ControlId::OverlayList)
          << QStringLiteral("chooseOverlayScale")
          << IdName(common ? ControlId::CommonNotes : ControlId::AllNotes)
          << IdName(ControlId::RootSpin);
    QWidget* root = FindById<QWidget>(&frame, ControlId::RootSpin);
    QCOMPARE(TabWalk(&frame, root, order.size()), order);
    QStringList backward(order.rbegin() + 1, order.rend());
    backward << IdName(ControlId::RootSpin);
    QCOMPARE(TabWalk(&frame, root, backward.size(), true), backward);
}

void MainFrameTest::closedListsFindNamesWithBlanks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("name with a blank") << "minor Pent"
                                       << "Minor Pentatonic";
    // Magic Major, Magic Minor, then Major: each "m" steps to the next name with an M.
    QTest::newRow("letter again steps on") << "mmm"
                                           << "Major";
}

void MainFrameTest::closedListsFindNamesWithBlanks()
{
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    frame.show();
    QComboBox* list = frame.ScaleList();
    QTest::keyClicks(list, typed);
    QCOMPARE(list->currentText(), chosen);
    QCOMPARE(state.currentScale, list->currentIndex() - 1);
}

void MainFrameTest::barsByKeyboard()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    auto* root = FindById<CUpDown>(&frame, ControlId::RootSpin);
    TabWalk(&frame, FindById<QWidget>(&frame, ControlId::AllNotes), 1);
    QCOMPARE(QApplication::focusWidget(), root);
    QTest::keyClick(root, Qt::Key_Up);
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("A#"));
    // The scale list chooses with the arrow keys; a degree box ticks with Space.
    QTest::keyClick(root, Qt::Key_Tab);
    QTest::keyClick(frame.ScaleList(), Qt::Key_Down);
    QCOMPARE(state.currentScale, 0);
    QTest::keyClick(frame.ScaleList(), Qt::Key_Tab);
    auto* first = FindById<QCheckBox>(&frame, DegreeCheckId(0));
    QCOMPARE(QApplication::focusWidget(), first);
    const bool ticked = first->isChecked();
    QTest::keyClick(first, Qt::Key_Space);
    QCOMPARE(first->isChecked(), !ticked);
    // Root and tuning labels look read-only and take no typing.
    for (ControlId id :
         {ControlId::RootLabel, ControlId::OverlayRootLabel, TuningLabelId(0), TuningLabelId(6)}) {
        auto* label = FindById<QLineEdit>(&frame, id);
        QVERIFY(label->isReadOnly());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(label->palette().color(QPalette::Base), label->palette().color(QPalette::Window));
    }
}

void MainFrameTest::commandsAndToolTips()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    using enum CommandId;
    QStringList buttons;
    for (CommandId id :
         {NewScale, SaveScale, ForgetScale, Print, SetPattern, FindPattern, PrevPattern,
          NextPattern, ModulateDown, ModulateUp, RemovePattern, PlayIt, TuneUp, Configure, About}) {
        buttons << IdName(id);
    }
    auto* toolBar = FindById<QToolBar>(&frame, ControlId::ToolBar);
    QStringList shown;
    int separators = 0;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) {
            ++separators;
            continue;
        }
        shown << action->objectName();
        QVERIFY(!action->icon().isNull());
        QVERIFY(action->isEnabled());
        QVERIFY(!action->isCheckable());
    }
    QCOMPARE(shown, buttons);
    QCOMPARE(separators, 3);
    QCOMPARE(FindById<QAction>(&frame, CommandId::ModulateDown)->toolTip(),
             QStringLiteral("Modulate pattern - Down"));
    QCOMPARE(FindById<QAction>(&frame, CommandId::About)->toolTip(), QStringLiteral("About Pinto"));
    QCOMPARE(FindById<QAction>(&frame, CommandId::ForgetScale)->text(), QStringLiteral("Forget "));
    QCOMPARE(FindById<QAction>(&frame, CommandId::Print)->text(),
             QStringLiteral("&Print...\tCtrl+P"));
    QCOMPARE(FindById<QAction>(&frame, CommandId::NewScale)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(FindById<QAction>(&frame, CommandId::SaveScale)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(FindById<QAction>(&frame, CommandId::Print)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+P")));
    for (CommandId id : {PrintSetup, PrintDirect, PrintPreview, Exit}) {
        QVERIFY2(FindById<QAction>(&frame, id) != nullptr, qPrintable(IdName(id)));
    }
}

// In every drop-down menu, submenu and the practice dialog a letter reaches one item: a shared
// one only moves between them.
void MainFrameTest::menuLettersUnique()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    CPracticeDlg practice;
    QList<QStringList> groups(1);
    for (const QAbstractButton* button : practice.findChildren<QAbstractButton*>()) {
        groups[0] << button->text();
    }
    for (const QLabel* label : practice.findChildren<QLabel*>()) {
        groups[0] << label->text();
    }
    QList<QMenu*> menus;
    for (QAction* top : frame.menuBar()->actions()) {
        menus << top->menu();
    }
    while (!menus.isEmpty()) {
        groups.append(QStringList());
        for (QAction* action : menus.takeFirst()->actions()) {
            if (action->isEnabled()) { // a closed submenu keeps placeholders
                groups.back() << action->text();
                if (action->menu() != nullptr) {
                    menus << action->menu();
                }
            }
        }
    }
    for (const QStringList& texts : groups) {
        const QRegularExpression letter(QStringLiteral("&(\\w)"));
        QSet<QString> seen;
        for (const QString& text : texts) {
            // Choose Scale, Capo and Chord on Degree are given C all three; the letter cycles.
            if (text == QLatin1String("&Capo") || text == QLatin1String("&Chord on Degree")) {
                continue;
            }
            const QString key = letter.match(text).captured(1).toLower();
            QVERIFY2(key.isEmpty() || !seen.contains(key), qPrintable(text));
            seen.insert(key);
        }
    }
}

void MainFrameTest::rootSpins()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    state.modulationSteps = 3;
    ClickArrow(frame, ControlId::RootSpin, "up");
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("A#"));
    QCOMPARE(state.modulationSteps, 0);
    ClickArrow(frame, ControlId::RootSpin, "up", 11);
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("A "));
    ClickArrow(frame, ControlId::RootSpin, "down");
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("G#"));
    QCOMPARE(state.fretboard->GetRoot(LAYER_SCALE), 11);
    // An accelerated step of a held arrow changes no note.
    emit FindById<CUpDown>(&frame, ControlId::RootSpin)->stepped(-5);
    QCOMPARE(Text(frame, ControlId::RootLabel), QStringLiteral("G#"));

    ClickArrow(frame, ControlId::OverlayRootSpin, "down", 2);
    QCOMPARE(Text(frame, ControlId::OverlayRootLabel), QStringLiteral("G "));
    QCOMPARE(state.fretboard->GetRoot(LAYER_OVERLAY), 10);
    QCOMPARE(state.fretboard->GetRoot(LAYER_SCALE), 11);
}

void MainFrameTest::tuningSpins_data()
{
    QTest::addColumn<int>("instrument");
    QTest::addColumn<int>("strings");
    QTest::addColumn<int>("row"); // of the tuning spin, 0 the top one
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("guitar: top row up")
        << 1 << 6 << 0 << QStringList{"F ", "B ", "G ", "D ", "A ", "E ", "  "};
    QTest::newRow("guitar: sixth row up")
        << 1 << 6 << 5 << QStringList{"E ", "B ", "G ", "D ", "A ", "F ", "  "};
    QTest::newRow("guitar: seventh row does nothing")
        << 1 << 6 << 6 << QStringList{"E ", "B ", "G ", "D ", "A ", "E ", "  "};
    QTest::newRow("seven strings: seventh row up")
        << 1 << 7 << 6 << QStringList{"E ", "B ", "G ", "D ", "A ", "E ", "C "};
    for (int row : {4, 5, 6}) {
        QTest::addRow("bass 4: row %d does nothing", row)
            << 2 << 4 << row << QStringList{"G ", "D ", "A ", "E ", "  ", "  ", "  "};
    }
}

void MainFrameTest::tuningSpins()
{
    QFETCH(int, instrument);
    QFETCH(int, strings);
    QFETCH(int, row);
    QFETCH(QStringList, labels);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    state.settings.instrument = static_cast<Instrument>(instrument);
    state.settings.stringCount = strings;
    frame.ApplyConfiguration();
    state.fretboard->placement = std::make_unique<PositionList>();
    std::vector<int> before;
    for (int s = 0; s < state.fretboard->GetStringCount(); ++s) {
        before.push_back(state.fretboard->GetOpenNote(s));
    }
    ClickArrow(frame, TuningSpinId(row), "up");
    QCOMPARE(TuningLabels(frame), labels);
    const bool acted = row < 6 ? row < strings : strings == 7;
    QCOMPARE(state.fretboard->placement == nullptr, acted);
    if (acted) {
        ClickArrow(frame, TuningSpinId(row), "down");
    }
    for (int s = 0; s < state.fretboard->GetStringCount(); ++s) {
        QCOMPARE(state.fretboard->GetOpenNote(s), before[s]);
    }
    // Configure resets a retuned string even when nothing else changed.
    ClickArrow(frame, TuningSpinId(3), "down", 3);
    frame.ApplyConfiguration();
    QCOMPARE(state.fretboard->GetOpenNote(strings - 4), before[strings - 4]);
}

void MainFrameTest::degreeCheckBoxAndNeckClick()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(ShowAndWait(frame));
    frame.ApplyScaleSelection(1); // "Diminished": 0 2 3 5 6 8 9 11
    QCOMPARE(state.currentScale, 0);
    auto* third = FindById<QCheckBox>(&frame, DegreeCheckId(4));
    QVERIFY(!third->isChecked());

    QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(6, third->height() / 2));
    QVERIFY(third->isChecked());
    QCOMPARE(state.fretboard->scaleDegrees[4], 1);
    QCOMPARE(frame.ScaleList()->currentIndex(), 0);
    QCOMPARE(state.currentScale, 0);

    // Fret 9 of the top (high E) string is C#, degree 4 above A: clicking it flips it back.
    frame.View()->repaint();
    const ViewLayout& layout = frame.View()->Layout();
    const QPoint point(FretboardGeometry::DotCenterX(layout, 9),
                       FretboardGeometry::RowY(layout, 0));
    QTest::mouseClick(frame.View(), Qt::LeftButton, {}, point);
    QCOMPARE(state.fretboard->scaleDegrees[4], 0);
    QVERIFY(!third->isChecked());
    QCOMPARE(state.currentScale, -1);
    QCOMPARE(frame.ScaleList()->currentIndex(), 0);
}

void MainFrameTest::emptyOverlayItem()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    frame.ApplyOverlaySelection(3);
    QCOMPARE(state.overlayScale, 2);
    QTest::mouseClick(FindById<QRadioButton>(&frame, ControlId::CommonNotes), Qt::LeftButton);
    QCOMPARE(state.fretboard->GetOverlayMode(), OVERLAY_COMMON);
    QVERIFY(std::any_of(state.fretboard->overlayDegrees.begin(),
                        state.fretboard->overlayDegrees.end(), [](int f) { return f != 0; }));

    frame.ApplyOverlaySelection(0);
    QCOMPARE(state.overlayScale, -1);
    QCOMPARE(state.fretboard->overlayDegrees, (std::array<int, 12>{}));
    QCOMPARE(state.fretboard->GetOverlayMode(), OVERLAY_ALL);
    QVERIFY(FindById<QRadioButton>(&frame, ControlId::AllNotes)->isChecked());
    QVERIFY(!FindById<QRadioButton>(&frame, ControlId::CommonNotes)->isChecked());
}

void MainFrameTest::emptyScaleItemClearsScale()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    frame.ApplyScaleSelection(2);
    QVERIFY(FindById<QCheckBox>(&frame, DegreeCheckId(0))->isChecked());
    frame.ApplyScaleSelection(0);
    QCOMPARE(state.currentScale, -1);
    QCOMPARE(state.fretboard->scaleDegrees, (std::array<int, 12>{}));
    for (int degree = 0; degree < 12; ++degree) {
        QVERIFY(!FindById<QCheckBox>(&frame, DegreeCheckId(degree))->isChecked());
    }
}

void MainFrameTest::patternCommands()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    CFretboard& board = *state.fretboard;
    const QString found = QStringLiteral(
        "Pattern matches found\nPress next pattern or prev. pattern to view matches");

    {
        MessageBoxAnswer answer;
        Trigger(frame, CommandId::FindPattern);
        QCOMPARE(answer.title, QStringLiteral("Pattern Match Done"));
        QCOMPARE(answer.text, QStringLiteral("No pattern matches found\n"));
        QCOMPARE(answer.icon, QMessageBox::Information);
        QVERIFY(board.placement == nullptr);
    }

    frame.ApplyScaleSelection(1);
    board.pattern.Add(0, 1);
    board.pattern.Add(1, 3);
    {
        MessageBoxAnswer answer;
        Trigger(frame, CommandId::FindPattern);
        QCOMPARE(answer.text, found);
    }
    QVERIFY(board.placement != nullptr);
    QVERIFY(board.matches->Count() > 2);
    QCOMPARE(board.currentMatch, 0);
    Trigger(frame, CommandId::NextPattern);
    QCOMPARE(board.currentMatch, 1);
    Trigger(frame, CommandId::PrevPattern);
    QCOMPARE(board.currentMatch, 0);

    Trigger(frame, CommandId::ModulateUp);
    const PositionList oneUp = *board.placement;
    Trigger(frame, CommandId::ModulateUp);
    Trigger(frame, CommandId::ModulateDown);
    QCOMPARE(state.modulationSteps, 1);
    QCOMPARE(board.placement->Count(), oneUp.Count());
    for (int i = 0; i < oneUp.Count(); ++i) {
        QCOMPARE(board.placement->At(i), oneUp.At(i));
    }
    Trigger(frame, CommandId::NextPattern);
    QCOMPARE(state.modulationSteps, 0);

    Trigger(frame, CommandId::RemovePattern);
    QVERIFY(board.placement == nullptr);
    QVERIFY(board.matches == nullptr);
    QCOMPARE(board.pattern.Count(), 2);
    // Without matches modulation still counts but places nothing.
    Trigger(frame, CommandId::ModulateUp);
    QCOMPARE(state.modulationSteps, 1);
    QVERIFY(board.placement == nullptr);
}

void MainFrameTest::forgetScale()
{
    ScopedWorkDir dir;
    WriteUserScales({{QStringLiteral("Mine"), {1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0}},
                     {QStringLiteral("Other"), {1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0}}});
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(frame.ScaleList()->count(), 22);

    {
        MessageBoxAnswer answer;
        Trigger(frame, CommandId::ForgetScale); // the empty item
        QCOMPARE(answer.title, QStringLiteral("Sorry"));
        QCOMPARE(answer.text, QStringLiteral("You can not delete one of the preset scales."));
    }
    frame.ApplyOverlaySelection(21); // "Other"
    frame.ApplyScaleSelection(20);   // "Mine"
    QCOMPARE(state.currentScale, 19);
    {
        // The file cannot be replaced: the user is told, list and file stay as they were.
        QVERIFY(QFile::rename(QStringLiteral("pinto_s.dat"), QStringLiteral("kept.dat")));
        QVERIFY(QDir().mkdir(QStringLiteral("pinto_s.dat")));
        MessageBoxAnswer answer;
        Trigger(frame, CommandId::ForgetScale);
        QCOMPARE(answer.icon, QMessageBox::Information);
        QVERIFY2(answer.text.contains(QStringLiteral("pinto_s.dat")), qPrintable(answer.text));
        QCOMPARE(frame.ScaleList()->count(), 22);
        QCOMPARE(state.scaleLibrary.scaleCount, 21);
        QVERIFY(QDir().rmdir(QStringLiteral("pinto_s.dat")));
        QVERIFY(QFile::rename(QStringLiteral("kept.dat"), QStringLiteral("pinto_s.dat")));
    }
    Trigger(frame, CommandId::ForgetScale);
    QCOMPARE(frame.ScaleList()->count(), 21);
    QCOMPARE(frame.OverlayList()->count(), 21);
    QCOMPARE(frame.ScaleList()->itemText(20), QStringLiteral("Other"));
    QCOMPARE(frame.ScaleList()->currentIndex(), 0);
    QCOMPARE(frame.OverlayList()->currentIndex(), 0);
    QCOMPARE(state.currentScale, -1);
    QCOMPARE(state.fretboard->scaleDegrees, (std::array<int, 12>{}));
    // The overlay on show keeps naming its own record, which moved up by one.
    QCOMPARE(state.overlayScale, 19);
    QFile file(QStringLiteral("pinto_s.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().split('\n').first(), QByteArray("Other\r"));
}

void MainFrameTest::settingsRoundTrip()
{
    ScopedWorkDir dir;
    {
        AppState state;
        CMainFrame frame(state);
        QVERIFY(ShowAndWait(frame));
        state.settings.viewNotes = 1;
        ConfigureBanjo(state, frame);
        ClickArrow(frame, TuningSpinId(1), "up"); // the B string becomes C
        Trigger(frame, CommandId::Exit); // Exit closes the window; the frame is destroyed below
        QVERIFY(!frame.isVisible());
    }
    QVERIFY(QFile::exists(QStringLiteral("pinto_c.dat")));
    AppState state;
    CMainFrame frame(state);
    QCOMPARE(state.settings.instrument, Instrument::Banjo);
    QCOMPARE(state.settings.stringCount, 5);
    QCOMPARE(state.settings.viewNotes, 1);
    QCOMPARE(state.fretboard->GetStartFret(0), 5);
    QCOMPARE(TuningLabels(frame), (QStringList{"D ", "C ", "G ", "D ", "G ", "  ", "  "}));
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
