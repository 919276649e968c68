#include "CMainFrame.h"

#include "AppPalette.h"
#include "AppState.h"
#include "BoardSetup.h"
#include "COverlayScaleNameBar.h"
#include "CPinto2View.h"
#include "CScaleKeyBar.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "DegreeSpeller.h"
#include "DiagramProfile.h"
#include "NeckLabels.h"
#include "NeckLimits.h"
#include "NoteSpeller.h"
#include "ScaleLibrary.h"
#include "ScaleListModel.h"
#include "SettingsFile.h"
#include "SvgIcon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QString kTitle = QStringLiteral("Pinto ver 2.2a");

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
QDockWidget* FixedDock(QWidget* bar, ControlId barId, Qt::DockWidgetArea area, QWidget* parent)
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
    setObjectName(IdName(ControlId::MainFrame));
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
    m_state.diagram = NeckLimits::Fitted(DiagramProfile::Load());
    AppPalette::Apply(m_state.diagram.colours);
    ShowDiagramChecks();

    std::vector<int> tunings;
    m_settingsError = LoadSettings(m_state.settings, tunings);
    CreateFretboard(tunings);
    ShowTuningLabels();
    SetRootLabels();
    FillTuningsMenu();

    LoadScaleLibrary(m_state.scaleLibrary, m_state.installedScales);
    m_scaleModel = new ScaleListModel(m_state.scaleLibrary, this);
    ScaleList()->setModel(m_scaleModel);
    OverlayList()->setModel(m_scaleModel);
}

CMainFrame::~CMainFrame()
{
    WriteSettings(false);
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

void CMainFrame::CreateBars()
{
    m_scaleKeyBar = new CScaleKeyBar;
    m_scaleKeyDock =
        FixedDock(m_scaleKeyBar, ControlId::ScaleKeyDock, Qt::LeftDockWidgetArea, this);
    m_overlayBar = new COverlayScaleNameBar;
    m_overlayDock = FixedDock(m_overlayBar, ControlId::OverlayDock, Qt::TopDockWidgetArea, this);
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
    connect(m_overlayBar->ChooseButton(), &QToolButton::clicked, this,
            &CMainFrame::OnChooseOverlayScale);
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
    m_state.fretboard = std::make_unique<CFretboard>(0, nullptr);
    SetUpBoard(*m_state.fretboard, settings.instrument, tuning, m_state.diagram.frets);
    NeckLimits::ApplyTo(*m_state.fretboard, m_state.diagram);
    NewScale();
}

void CMainFrame::Redraw()
{
    if (m_state.fretboard != nullptr) {
        FollowScaleWithChord();
        ShowNeckChecks();
    }
    if (m_view != nullptr) {
        m_view->update();
    }
    // A name spelled by key depends on the whole scale, so it follows every change the diagram
    // shows; sharp names change only where each handler writes them.
    if (m_state.diagram.spelling == NoteSpelling::Key && m_state.fretboard != nullptr) {
        ShowNoteNames();
    }
    // So do degrees named with flats and sharps or as intervals (#4 or b5), and the root's "R".
    const DiagramOptions& options = m_state.diagram;
    if ((options.degreeNaming != DegreeNaming::Classic || options.rootAsR) &&
        m_state.fretboard != nullptr) {
        ShowDegreeNames();
    }
}

void CMainFrame::ApplyConfiguration()
{
    const Settings& settings = m_state.settings;
    const std::vector<int> tuning = StandardTuning(settings.instrument, settings.stringCount);
    if (!tuning.empty()) {
        SetUpBoard(*m_state.fretboard, settings.instrument, tuning, m_state.fretboard->GetFrets());
    }
    ShowTuningLabels();
    Redraw();
}

void CMainFrame::ShowTuningLabels()
{
    const CFretboard& board = *m_state.fretboard;
    const NoteSpeller names = NeckLabels::StringNames(board, m_state.diagram);
    for (int row = 0; row < CScaleKeyBar::kTuningRows; ++row) {
        const int string = m_state.diagram.StringOfRow(row, board.numStrings);
        const bool shown = row < m_state.settings.stringCount && board.GetString(string) != nullptr;
        m_scaleKeyBar->TuningLabel(row)->setText(
            shown ? QString::fromStdString(
                        names.Label(NeckLabels::StringNote(board, m_state.diagram, string)))
                  : QStringLiteral("  "));
    }
}

QString CMainFrame::RootLabel(int layer) const
{
    const CFretboard& board = *m_state.fretboard;
    // A chord of the scale is named in the scale's key, and so is its root.
    if (layer == LAYER_OVERLAY && m_chord) {
        return QString::fromStdString(NoteSpeller::ForKey(m_chord->scaleRoot, m_chord->scaleDegrees,
                                                          m_state.diagram.rootSpelling)
                                          .Label(board.GetRoot(LAYER_OVERLAY)));
    }
    return QString::fromStdString(
        NoteSpeller::ForLayer(board, layer, m_state.diagram.spelling, m_state.diagram.rootSpelling)
            .Label(board.GetRoot(layer)));
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

void CMainFrame::ShowDegreeNames()
{
    const DiagramOptions& options = m_state.diagram;
    m_scaleKeyBar->ShowDegreeNames(DegreeSpeller::ForScale(m_state.fretboard->scaleDegrees,
                                                           options.degreeNaming, options.rootAsR),
                                   options.degreeNaming == DegreeNaming::Classic);
}

void CMainFrame::NewScale()
{
    EndChord(false);
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
    EndChord(true);
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
    // Frets below a capo or outside the range shown take no clicks.
    if (string == nullptr || fret < 0 || fret > m_state.fretboard->GetFrets() ||
        !m_state.fretboard->InReach(fret)) {
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
    if (layer == LAYER_OVERLAY) {
        EndChord(true);
    }
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
    const NoteSpeller names = NeckLabels::StringNames(board, m_state.diagram);
    m_scaleKeyBar->TuningLabel(row)->setText(
        QString::fromStdString(names.Label(NeckLabels::StringNote(board, m_state.diagram, index))));
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

QMenu* CMainFrame::createPopupMenu()
{
    return nullptr;
}

void CMainFrame::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    setWindowTitle(kTitle);
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        ReloadIcons();
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::OnViewPainted()
{
    if (!m_painted) {
        m_painted = true;
        setWindowTitle(kTitle);
        emit firstPainted();
    }
}
