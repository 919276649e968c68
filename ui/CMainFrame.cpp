#include "CMainFrame.h"

#include "AppState.h"
#include "CAboutDlg.h"
#include "COverlayScaleNameBar.h"
#include "CPinto2View.h"
#include "CScaleKeyBar.h"
#include "CUpDown.h"
#include "CommandTable.h"
#include "ControlId.h"
#include "DiagramProfile.h"
#include "DiagramWriter.h"
#include "FretboardPainter.h"
#include "InfoBox.h"
#include "InstrumentTunings.h"
#include "NoteSpeller.h"
#include "RenderOptions.h"
#include "ScaleLibrary.h"
#include "ScaleListModel.h"
#include "SettingsFile.h"
#include "SvgIcon.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QToolBar>

#include <algorithm>
#include <iterator>
#include <map>
#include <span>

namespace {

constexpr int kStandardToolBarId = 59392;
const QString kTitle = QStringLiteral("Pinto ver 2.2a");

// The formats Export Diagram offers, by file ending.
const struct
{
    const char* filter;
    const char* ending;
    RenderOptions::Format format;
} kExportFormats[] = {
    {"PNG image (*.png)", "png", RenderOptions::Format::Png},
    {"SVG drawing (*.svg)", "svg", RenderOptions::Format::Svg},
    {"PDF page (*.pdf)", "pdf", RenderOptions::Format::Pdf},
};

// The semitones a spin step moves a note by: the upper arrow (-1) raises, the lower (+1) lowers;
// the larger steps of a held arrow change nothing.
int SemitonesOfStep(int delta)
{
    if (delta == -1) {
        return 1;
    }
    if (delta == 1) {
        return -1;
    }
    return 0;
}

// A dock that holds a bar in place: no title, cannot float, close or move.
// The neck lengths the Frets submenu offers, in frets.
constexpr int kFretChoices[] = {12, 15, 17, 19, 21, 22, 24};

// True when every note of the board's placement lies on one of its strings and frets.
bool PlacementOnBoard(const CFretboard& board)
{
    if (board.placement == nullptr) {
        return true;
    }
    for (int i = 0; i < board.placement->Count(); ++i) {
        const FretPosition position = board.placement->At(i);
        if (!board.IsOnBoard(position.string, position.fret)) {
            return false;
        }
    }
    return true;
}

QDockWidget* FixedDock(QWidget* bar, int barId, Qt::DockWidgetArea area, QWidget* parent)
{
    auto* dock = new QDockWidget(parent);
    dock->setObjectName(IdName(barId));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(area);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setWidget(bar);
    return dock;
}

} // namespace

CMainFrame::CMainFrame(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(IdName(128));
    setWindowTitle(QStringLiteral("Pinto2"));
    setWindowIcon(SvgIcon::Load(QStringLiteral(":/icons/pinto.svg"), QSize(32, 32)));
    resize(710, 475);
    m_state.currentScale = -1;
    m_state.overlayScale = -1;

    m_view = new CPinto2View(m_state, this);
    setCentralWidget(m_view);
    connect(m_view, &CPinto2View::cellClicked, this, &CMainFrame::ToggleDegreeAt);
    connect(m_view, &CPinto2View::painted, this, &CMainFrame::OnViewPainted);

    CreateToolBarAndMenu();
    CreateBars();
    m_state.diagram = DiagramProfile::Load();
    ShowDiagramChecks();

    std::vector<int> tunings;
    LoadSettings(m_state.settings, tunings);
    CreateFretboard(tunings);
    ShowTuningLabels();
    SetRootLabels();

    LoadScaleLibrary(m_state.scaleLibrary);
    m_scaleModel = new ScaleListModel(m_state.scaleLibrary, this);
    ScaleList()->setModel(m_scaleModel);
    OverlayList()->setModel(m_scaleModel);
}

CMainFrame::~CMainFrame()
{
    if (m_state.fretboard != nullptr) {
        SaveSettings(m_state.settings, *m_state.fretboard);
    }
    m_state.fretboard.reset();
}

AppState& CMainFrame::State()
{
    return m_state;
}

CPinto2View* CMainFrame::View()
{
    return m_view;
}

QComboBox* CMainFrame::ScaleList()
{
    return m_scaleKeyBar->ScaleList();
}

QComboBox* CMainFrame::OverlayList()
{
    return m_overlayBar->OverlayList();
}

QAction* CMainFrame::MakeAction(int id, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setObjectName(IdName(id));
    if (const CommandInfo* info = CommandTable::Find(id)) {
        action->setStatusTip(QString::fromUtf8(info->prompt));
        action->setToolTip(QString::fromUtf8(info->tip));
        if (info->icon != nullptr) {
            action->setIcon(SvgIcon::Load(QString::fromLatin1(info->icon), QSize(16, 15)));
        }
    }
    addAction(action);
    return action;
}

void CMainFrame::CreateToolBarAndMenu()
{
    struct Item
    {
        int id; // 0: separator
        const char* text;
        void (CMainFrame::*handler)();
    };
    const Item scaleMenu[] = {{32772, "&New\tCtrl+N", &CMainFrame::OnNewScale},
                              {32773, "&Save\tCtrl+S", &CMainFrame::OnSaveScale},
                              {32779, "Forget ", &CMainFrame::OnForgetScale},
                              {0, nullptr, nullptr},
                              {57607, "&Print...\tCtrl+P", &CMainFrame::OnPrint},
                              {57609, "Print Pre&view", &CMainFrame::OnPrintPreview},
                              {57606, "P&rint Setup...", &CMainFrame::OnPrintSetup},
                              {0, nullptr, nullptr},
                              {57665, "E&xit", nullptr}};
    const Item patternMenu[] = {{32783, "&Set Pattern", &CMainFrame::OnSetPattern},
                                {32784, "&Find Pattern", &CMainFrame::OnFindPattern},
                                {0, nullptr, nullptr},
                                {32785, "&Previous Pattern", &CMainFrame::OnPrevPattern},
                                {32786, "&Next Pattern", &CMainFrame::OnNextPattern},
                                {32803, "Modulate Pattern Down", &CMainFrame::OnModulateDown},
                                {32802, "Modulate Pattern Up", &CMainFrame::OnModulateUp},
                                {0, nullptr, nullptr},
                                {32787, "&Remove Pattern", &CMainFrame::OnRemovePattern}};
    const Item soundMenu[] = {{32799, "&Play it", &CMainFrame::OnPlayIt},
                              {32797, "&Tune up", &CMainFrame::OnTuneUp}};
    const Item helpMenu[] = {{137, "&Configure Pinto", &CMainFrame::OnConfigure},
                             {57664, "&About Pinto...", &CMainFrame::OnAbout}};

    std::map<int, QAction*> actions;
    auto fill = [&](const char* title, std::span<const Item> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(title));
        for (const Item& item : items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = MakeAction(item.id, QString::fromLatin1(item.text));
            if (item.handler != nullptr) {
                connect(action, &QAction::triggered, this, item.handler);
            }
            menu->addAction(action);
            actions[item.id] = action;
        }
    };
    menuBar()->setObjectName(IdName(128));
    fill("&Scale", scaleMenu);
    fill("&Pattern Find", patternMenu);
    fill("&Sound", soundMenu);
    CreateDiagramMenu();
    fill("&Help", helpMenu);
    connect(actions[57665], &QAction::triggered, this, &QWidget::close);

    QAction* direct = MakeAction(57608, QStringLiteral("Print Direct"));
    connect(direct, &QAction::triggered, this, &CMainFrame::OnPrintDirect);

    // Accelerator table: the program's keys, then the document and editing keys, which the
    // empty document and the read-only window have no use for; Ctrl+C copies the diagram.
    actions[32772]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actions[32773]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actions[57607]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    const struct
    {
        int id;
        QList<QKeySequence> keys;
    } idleKeys[] = {
        {57601, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {57634, {QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {57635, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {57637, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {57643, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {57680, {QKeySequence(Qt::Key_F6)}},
        {57681, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const auto& key : idleKeys) {
        MakeAction(key.id, QString())->setShortcuts(key.keys);
    }

    m_toolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_toolBar->setObjectName(IdName(kStandardToolBarId));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->toggleViewAction()->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    m_toolBar->toggleViewAction()->setToolTip(QStringLiteral("Toggle ToolBar"));
    for (int id : CommandTable::ToolBar()) {
        if (id == 0) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(actions.at(id));
        }
    }
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateDiagramMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Diagram"));
    auto add = [this, menu](const char* name, const char* text, void (CMainFrame::*handler)()) {
        auto* action = new QAction(QString::fromLatin1(text), this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        menu->addAction(action);
        addAction(action);
        return action;
    };
    m_leftHanded = add("leftHanded", "&Left-handed", &CMainFrame::OnDiagramToggled);
    m_lowStringOnTop = add("lowStringOnTop", "Low string on &top", &CMainFrame::OnDiagramToggled);
    m_noteNamesByKey = add("noteNamesByKey", "Note names by &key", &CMainFrame::OnDiagramToggled);
    for (QAction* toggle : {m_leftHanded, m_lowStringOnTop, m_noteNamesByKey}) {
        toggle->setCheckable(true);
    }
    QMenu* frets = menu->addMenu(QStringLiteral("&Frets"));
    frets->setObjectName(QStringLiteral("fretsMenu"));
    m_fretChoices = new QActionGroup(this);
    m_fretChoices->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int count : kFretChoices) {
        auto* choice = new QAction(QString::number(count), m_fretChoices);
        choice->setObjectName(QStringLiteral("frets%1").arg(count));
        choice->setCheckable(true);
        choice->setData(count);
        frets->addAction(choice);
    }
    connect(m_fretChoices, &QActionGroup::triggered, this, &CMainFrame::OnFretsChosen);
    menu->addSeparator();
    add("copyDiagram", "&Copy Diagram\tCtrl+C", &CMainFrame::OnCopyDiagram)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    add("exportDiagram", "&Export Diagram...\tCtrl+E", &CMainFrame::OnExportDiagram)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
}

void CMainFrame::CreateBars()
{
    m_scaleKeyBar = new CScaleKeyBar;
    m_scaleKeyDock = FixedDock(m_scaleKeyBar, 106, Qt::LeftDockWidgetArea, this);
    m_overlayBar = new COverlayScaleNameBar;
    m_overlayDock = FixedDock(m_overlayBar, 110, Qt::TopDockWidgetArea, this);
    // The left bar runs the full height below the toolbar; the top bar sits right of it.
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    addDockWidget(Qt::LeftDockWidgetArea, m_scaleKeyDock);
    addDockWidget(Qt::TopDockWidgetArea, m_overlayDock);

    connect(m_scaleKeyBar->RootSpin(), &CUpDown::stepped, this, &CMainFrame::OnRootSpin);
    connect(m_overlayBar->RootSpin(), &CUpDown::stepped, this, &CMainFrame::OnOverlayRootSpin);
    for (int row = 0; row < CScaleKeyBar::kTuningRows; ++row) {
        connect(m_scaleKeyBar->TuningSpin(row), &CUpDown::stepped, this,
                [this, row](int delta) { OnTuningSpin(row, delta); });
    }
    for (int degree = 0; degree < 12; ++degree) {
        connect(m_scaleKeyBar->DegreeCheck(degree), &QCheckBox::clicked, this,
                [this, degree] { ToggleScaleDegree(degree); });
    }
    // Only the user's choice is a selection change; the program's own selections are not.
    connect(ScaleList(), &QComboBox::activated, this, &CMainFrame::ApplyScaleSelection);
    connect(OverlayList(), &QComboBox::activated, this, &CMainFrame::ApplyOverlaySelection);
    connect(m_overlayBar->AllNotes(), &QRadioButton::clicked, this, &CMainFrame::OnOverlayAll);
    connect(m_overlayBar->CommonNotes(), &QRadioButton::clicked, this,
            &CMainFrame::OnOverlayCommon);
}

void CMainFrame::CreateFretboard(const std::vector<int>& tunings)
{
    Settings& settings = m_state.settings;
    std::vector<int> tuning = ChooseTuning(settings, tunings);
    if (tuning.empty()) {
        // A hand-edited file may name a pair without a tuning; fall back to the default guitar.
        settings.instrument = Settings{}.instrument;
        settings.stringCount = Settings{}.stringCount;
        tuning = StartupTuning(settings.instrument, settings.stringCount);
    }
    m_state.fretboard = std::make_unique<CFretboard>(settings.stringCount, tuning.data());
    m_state.fretboard->SetFrets(m_state.diagram.frets);
    if (settings.instrument == 4 && settings.stringCount == 5) {
        m_state.fretboard->SetStartFret(0, 5);
    }
    NewScale();
}

void CMainFrame::Redraw()
{
    if (m_view != nullptr) {
        m_view->update();
    }
    // A name spelled by key depends on the whole scale, so it follows every change the diagram
    // shows; sharp names change only where each handler writes them.
    if (m_state.diagram.spelling == NoteSpelling::Key && m_state.fretboard != nullptr) {
        ShowNoteNames();
    }
}

void CMainFrame::ApplyConfiguration()
{
    const Settings& settings = m_state.settings;
    const std::vector<int> tuning = StandardTuning(settings.instrument, settings.stringCount);
    if (!tuning.empty()) {
        m_state.fretboard->Restring(settings.stringCount, tuning.data());
        if (settings.instrument == 4 && settings.stringCount == 5) {
            m_state.fretboard->SetStartFret(0, 5);
        }
    }
    ShowTuningLabels();
    Redraw();
}

void CMainFrame::ShowTuningLabels()
{
    const CFretboard& board = *m_state.fretboard;
    const NoteSpeller names = NoteSpeller::ForOpenStrings(board, m_state.diagram.spelling);
    for (int row = 0; row < CScaleKeyBar::kTuningRows; ++row) {
        const int string = m_state.diagram.StringOfRow(row, board.numStrings);
        const bool shown = row < m_state.settings.stringCount && board.GetString(string) != nullptr;
        m_scaleKeyBar->TuningLabel(row)->setText(
            shown ? QString::fromStdString(names.Label(board.GetOpenNote(string)))
                  : QStringLiteral("  "));
    }
}

QString CMainFrame::RootLabel(int layer) const
{
    const CFretboard& board = *m_state.fretboard;
    return QString::fromStdString(
        NoteSpeller::ForLayer(board, layer, m_state.diagram.spelling).Label(board.GetRoot(layer)));
}

void CMainFrame::SetRootLabels()
{
    m_scaleKeyBar->RootLabel()->setText(RootLabel(LAYER_SCALE));
    m_overlayBar->RootLabel()->setText(RootLabel(LAYER_OVERLAY));
}

void CMainFrame::ShowNoteNames()
{
    SetRootLabels();
    ShowTuningLabels();
}

void CMainFrame::NewScale()
{
    CFretboard& board = *m_state.fretboard;
    board.ClearDegrees(LAYER_SCALE);
    board.ClearDegrees(LAYER_OVERLAY);
    SetRootLabels();
    for (int degree = 0; degree < 12; ++degree) {
        m_scaleKeyBar->DegreeCheck(degree)->setChecked(false);
    }
    Redraw();
    m_overlayBar->CommonNotes()->setChecked(false);
    m_overlayBar->AllNotes()->setChecked(true);
    board.SetOverlayMode(OVERLAY_ALL);
    m_state.modulationSteps = 0;
    ScaleList()->setCurrentIndex(0);
    m_scaleKeyBar->RootLabel()->setText(RootLabel(LAYER_SCALE));
}

void CMainFrame::SetDegreeChecksFromBoard()
{
    const CFretString* bottom = m_state.fretboard->GetString(0);
    for (int degree = 0; degree < 12; ++degree) {
        const bool ticked = bottom != nullptr && bottom->ClassifyDegree(degree) != 0;
        m_scaleKeyBar->DegreeCheck(degree)->setChecked(ticked);
    }
}

const ScaleRecord* CMainFrame::LoadListRecord(QComboBox* list, int listIndex, int layer,
                                              int& current)
{
    CFretboard& board = *m_state.fretboard;
    board.ClearMatches();
    board.RemovePattern();
    m_state.modulationSteps = 0;
    if (list->currentIndex() != listIndex) {
        list->setCurrentIndex(listIndex);
    }
    const ScaleRecord* record = m_state.scaleLibrary.Record(listIndex - 1);
    current = record != nullptr ? listIndex - 1 : -1;
    board.ClearDegrees(layer);
    if (record != nullptr) {
        for (int degree = 0; degree < 12; ++degree) {
            if (record->degrees[degree] != 0) {
                board.ToggleDegree(degree, layer);
            }
        }
    }
    return record;
}

void CMainFrame::ApplyScaleSelection(int listIndex)
{
    if (LoadListRecord(ScaleList(), listIndex, LAYER_SCALE, m_state.currentScale) == nullptr) {
        SetRootLabels();
    }
    SetDegreeChecksFromBoard();
    Redraw();
}

void CMainFrame::ApplyOverlaySelection(int listIndex)
{
    CFretboard& board = *m_state.fretboard;
    if (LoadListRecord(OverlayList(), listIndex, LAYER_OVERLAY, m_state.overlayScale) == nullptr) {
        m_overlayBar->CommonNotes()->setChecked(false);
        m_overlayBar->AllNotes()->setChecked(true);
        board.SetOverlayMode(OVERLAY_ALL);
    }
    m_overlayBar->RootLabel()->setText(RootLabel(LAYER_OVERLAY));
    Redraw();
}

void CMainFrame::ToggleScaleDegree(int degree)
{
    CFretboard& board = *m_state.fretboard;
    board.ToggleDegree(degree, LAYER_SCALE);
    board.ClearMatches();
    board.RemovePattern();
    m_state.modulationSteps = 0;
    Redraw();
    ScaleList()->setCurrentIndex(0);
}

void CMainFrame::ToggleDegreeAt(int row, int fret)
{
    const CFretString* string = m_state.fretboard->GetString(
        m_state.diagram.StringOfRow(row, m_state.fretboard->numStrings));
    if (string == nullptr || fret < 0 || fret > m_state.fretboard->GetFrets()) {
        return;
    }
    const int degree = string->DegreeAt(fret);
    ToggleScaleDegree(degree);
    const CFretString* bottom = m_state.fretboard->GetString(0);
    m_scaleKeyBar->DegreeCheck(degree)->setChecked(bottom->ClassifyDegree(degree) != 0);
    ScaleList()->setCurrentIndex(0);
    m_state.currentScale = -1;
}

void CMainFrame::OnRootSpin(int delta)
{
    ShiftLayerRoot(LAYER_SCALE, delta);
}

void CMainFrame::OnOverlayRootSpin(int delta)
{
    ShiftLayerRoot(LAYER_OVERLAY, delta);
}

void CMainFrame::ShiftLayerRoot(int layer, int delta)
{
    CFretboard& board = *m_state.fretboard;
    board.ShiftRoot(SemitonesOfStep(delta), layer);
    QLineEdit* label =
        layer == LAYER_SCALE ? m_scaleKeyBar->RootLabel() : m_overlayBar->RootLabel();
    label->setText(RootLabel(layer));
    board.ClearMatches();
    m_state.modulationSteps = 0;
    Redraw();
}

void CMainFrame::OnTuningSpin(int row, int delta)
{
    if (row >= 4 && m_state.settings.stringCount <= row) {
        m_scaleKeyBar->TuningLabel(row)->setText(QStringLiteral("  "));
        return;
    }
    CFretboard& board = *m_state.fretboard;
    const int index = m_state.diagram.StringOfRow(row, board.numStrings);
    CFretString* string = board.GetString(index);
    if (string == nullptr) {
        return;
    }
    const int tuning = (board.GetOpenNote(index) + SemitonesOfStep(delta) + 12) % 12;
    string->SetTuning(tuning);
    const NoteSpeller names = NoteSpeller::ForOpenStrings(board, m_state.diagram.spelling);
    m_scaleKeyBar->TuningLabel(row)->setText(
        QString::fromStdString(names.Label(board.GetOpenNote(index))));
    board.RemovePattern();
    m_state.modulationSteps = 0;
    Redraw();
}

void CMainFrame::OnOverlayAll()
{
    m_state.fretboard->SetOverlayMode(OVERLAY_ALL);
    m_state.modulationSteps = 0;
    Redraw();
}

void CMainFrame::OnOverlayCommon()
{
    m_state.fretboard->SetOverlayMode(OVERLAY_COMMON);
    m_state.modulationSteps = 0;
    Redraw();
}

void CMainFrame::OnNewScale()
{
    NewScale();
}

void CMainFrame::OnFindPattern()
{
    CFretboard& board = *m_state.fretboard;
    const bool found = board.FindMatches();
    ShowInfo(this, QStringLiteral("Pattern Match Done"),
             found ? QStringLiteral("Pattern matches found\nPress next pattern or prev. pattern "
                                    "to view matches")
                   : QStringLiteral("No pattern matches found\n"));
    m_state.modulationSteps = 0;
    if (found) {
        board.SelectMatch(0);
    } else {
        board.RemovePattern();
    }
    Redraw();
}

void CMainFrame::OnPrevPattern()
{
    m_state.modulationSteps = 0;
    m_state.fretboard->PrevMatch();
    Redraw();
}

void CMainFrame::OnNextPattern()
{
    m_state.modulationSteps = 0;
    m_state.fretboard->NextMatch();
    Redraw();
}

void CMainFrame::OnModulateUp()
{
    ++m_state.modulationSteps;
    m_state.fretboard->BuildPlacement(m_state.modulationSteps);
    Redraw();
}

void CMainFrame::OnModulateDown()
{
    --m_state.modulationSteps;
    m_state.fretboard->BuildPlacement(m_state.modulationSteps);
    Redraw();
}

void CMainFrame::OnRemovePattern()
{
    m_state.modulationSteps = 0;
    m_state.fretboard->RemovePattern();
    Redraw();
}

void CMainFrame::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

QPrinter& CMainFrame::Printer()
{
    if (m_printer == nullptr) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFromTo(1, 1);
    }
    return *m_printer;
}

void CMainFrame::PaintPage(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    PaintTarget target = PaintTarget::Printer(printer.logicalDpiX(), printer.logicalDpiY(),
                                              printer.width(), printer.height());
    target.fillBackground = false;
    m_state.layout = FretboardPainter::Paint(painter, m_state, target);
    painter.end();
}

void CMainFrame::PrintTo(QPrinter& printer)
{
    m_state.printing = true;
    PaintPage(printer);
    m_state.printing = false;
    Redraw();
}

void CMainFrame::OnPrint()
{
    QPrintDialog dialog(&Printer(), this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted) {
        PrintTo(Printer());
    }
}

void CMainFrame::OnPrintDirect()
{
    PrintTo(Printer());
}

void CMainFrame::OnPrintPreview()
{
    m_state.printing = true;
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PaintPage(*printer); });
    preview.exec();
    m_state.printing = false;
    Redraw();
}

void CMainFrame::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void CMainFrame::ShowDiagramChecks()
{
    const DiagramOptions& options = m_state.diagram;
    m_leftHanded->setChecked(options.leftHanded);
    m_lowStringOnTop->setChecked(options.lowStringOnTop);
    m_noteNamesByKey->setChecked(options.spelling == NoteSpelling::Key);
    for (QAction* choice : m_fretChoices->actions()) {
        choice->setChecked(choice->data().toInt() == options.frets);
    }
}

void CMainFrame::SetDiagramOptions(const DiagramOptions& options)
{
    m_state.diagram = options;
    m_state.diagram.frets = std::clamp(options.frets, DEFAULT_FRETS, MAX_FRETS);
    CFretboard& board = *m_state.fretboard;
    if (board.GetFrets() != m_state.diagram.frets) {
        board.SetFrets(m_state.diagram.frets);
        // The matches were found on the other neck; the placement stays on show while all of
        // it is still on the board.
        board.ClearMatches();
        if (!PlacementOnBoard(board)) {
            board.RemovePattern();
        }
        m_state.modulationSteps = 0;
    }
    ShowDiagramChecks();
    DiagramProfile::Save(m_state.diagram);
    ShowNoteNames();
    Redraw();
}

void CMainFrame::OnDiagramToggled()
{
    DiagramOptions options = m_state.diagram;
    options.leftHanded = m_leftHanded->isChecked();
    options.lowStringOnTop = m_lowStringOnTop->isChecked();
    options.spelling = m_noteNamesByKey->isChecked() ? NoteSpelling::Key : NoteSpelling::Sharps;
    SetDiagramOptions(options);
}

void CMainFrame::OnFretsChosen(QAction* choice)
{
    DiagramOptions options = m_state.diagram;
    options.frets = choice->data().toInt();
    SetDiagramOptions(options);
}

void CMainFrame::OnCopyDiagram()
{
    QGuiApplication::clipboard()->setImage(DiagramWriter::Picture(m_state, m_view->size()));
}

void CMainFrame::OnExportDiagram()
{
    QStringList filters;
    for (const auto& format : kExportFormats) {
        filters << QString::fromLatin1(format.filter);
    }
    QFileDialog dialog(this, QStringLiteral("Export Diagram"));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kExportFormats[0].ending));
    // A name typed without an ending gets the chosen format's, and the overwrite question
    // asks about that file.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
        if (const qsizetype chosen = filters.indexOf(f); chosen >= 0) {
            dialog.setDefaultSuffix(QString::fromLatin1(kExportFormats[chosen].ending));
        }
    });
    dialog.selectFile(QStringLiteral("diagram.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString fileName = dialog.selectedFiles().constFirst();
    // A name with an ending of no format offered gets the chosen format's too.
    const QString ending = QFileInfo(fileName).suffix().toLower();
    const bool known = std::any_of(std::begin(kExportFormats), std::end(kExportFormats),
                                   [&ending](const auto& f) { return ending == f.ending; });
    if (!known) {
        const int chosen = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
        fileName += QLatin1Char('.') + QString::fromLatin1(kExportFormats[chosen].ending);
    }
    ExportDiagram(fileName);
}

bool CMainFrame::ExportDiagram(const QString& fileName)
{
    RenderOptions options;
    options.file = QFile::encodeName(fileName).toStdString();
    const QString ending = QFileInfo(fileName).suffix().toLower();
    for (const auto& format : kExportFormats) {
        if (ending == QLatin1String(format.ending)) {
            options.format = format.format;
        }
    }
    options.width = m_view->width();
    options.height = m_view->height();
    // The printed page: the size chosen in Print Setup when it is Letter, else A4.
    options.letter =
        m_printer != nullptr && m_printer->pageLayout().pageSize().id() == QPageSize::Letter;
    std::string error;
    if (!DiagramWriter::Write(m_state, options, error)) {
        const QString text = QString::fromStdString(error);
        ShowInfo(this, QStringLiteral("Export Diagram"), text.left(1).toUpper() + text.mid(1));
        return false;
    }
    return true;
}

QMenu* CMainFrame::createPopupMenu()
{
    return nullptr;
}

void CMainFrame::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    setWindowTitle(kTitle);
}

void CMainFrame::OnViewPainted()
{
    if (!m_painted) {
        m_painted = true;
        setWindowTitle(kTitle);
        emit firstPainted();
    }
}
