// The neck as the player has it: the tunings of the instrument, the capo and the range of frets
// drawn, and the chords built on the steps of the scale.
#include "CMainFrame.h"

#include "AppState.h"
#include "BoardSetup.h"
#include "CFretRangeDlg.h"
#include "COverlayScaleNameBar.h"
#include "CScaleKeyBar.h"
#include "CheckedSubmenu.h"
#include "DiagramProfile.h"
#include "DisabledItemTip.h"
#include "NeckLimits.h"
#include "NoteSpeller.h"
#include "ScaleChord.h"
#include "TuningPreset.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace {

// "tuningGuitar6DropCSharp": a preset's action named by its instrument, strings and name.
QString PresetObjectName(const TuningPreset& preset)
{
    QString name = QStringLiteral("tuning") +
                   QString::fromStdString(InstrumentName(preset.instrument)) +
                   QString::number(preset.StringCount());
    for (const QChar c : QString::fromStdString(preset.name)) {
        if (c.isLetterOrNumber()) {
            name += c;
        } else if (c == QLatin1Char('#')) {
            name += QStringLiteral("Sharp");
        }
    }
    return name;
}

// "Guitar, 7 strings".
QString StringingTitle(Instrument instrument, int strings)
{
    return QStringLiteral("%1, %2 strings")
        .arg(QString::fromStdString(InstrumentName(instrument)))
        .arg(strings);
}

// The open notes of board's strings, string 0 first.
std::vector<int> OpenNotes(const CFretboard& board)
{
    std::vector<int> notes;
    for (int s = 0; s < board.GetStringCount(); ++s) {
        notes.push_back(board.GetOpenNote(s));
    }
    return notes;
}

} // namespace

void CMainFrame::CreateNeckMenus(QMenu* menu, QAction* before)
{
    m_tuningsMenu = new QMenu(QStringLiteral("&Tunings"), menu);
    m_tuningsMenu->setObjectName(QStringLiteral("tuningsMenu"));
    // Listed anew each time it opens: a preset of another instrument changes what it lists,
    // and the action chosen must outlive its own signal.
    connect(m_tuningsMenu, &QMenu::aboutToShow, this, &CMainFrame::FillTuningsMenu);
    menu->insertMenu(before, m_tuningsMenu);
    new CheckedSubmenu(menu, m_tuningsMenu);

    QMenu* capo = new QMenu(QStringLiteral("&Capo"), menu);
    capo->setObjectName(QStringLiteral("capoMenu"));
    new DisabledItemTip(capo);
    m_capoChoices = new QActionGroup(this);
    m_capoChoices->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int fret = 0; fret <= NeckLimits::kHighestCapo; ++fret) {
        auto* choice =
            new QAction(fret == 0 ? QStringLiteral("&None") : QString::number(fret), m_capoChoices);
        choice->setObjectName(fret == 0 ? QStringLiteral("capoNone")
                                        : QStringLiteral("capo%1").arg(fret));
        choice->setCheckable(true);
        choice->setData(fret);
        capo->addAction(choice);
    }
    connect(m_capoChoices, &QActionGroup::triggered, this, &CMainFrame::OnCapoChosen);
    capo->addSeparator();
    m_capoShapes = capo->addAction(QStringLiteral("Capo labels as &shapes"));
    m_capoShapes->setObjectName(QStringLiteral("capoShapes"));
    m_capoShapes->setCheckable(true);
    connect(m_capoShapes, &QAction::triggered, this, &CMainFrame::OnCapoShapes);
    menu->insertMenu(before, capo);
    new CheckedSubmenu(menu, capo);

    m_chordMenu = new QMenu(QStringLiteral("&Chord on Degree"), menu);
    m_chordMenu->setObjectName(QStringLiteral("chordMenu"));
    new DisabledItemTip(menu);
    m_chordChoices = new QActionGroup(this);
    m_chordChoices->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    auto addChoice = [this](const QString& name, int step, bool seventh) {
        auto* choice = new QAction(QStringLiteral("&None"), m_chordChoices);
        choice->setObjectName(name);
        choice->setCheckable(true);
        choice->setData(QPoint(step, seventh ? 1 : 0));
        m_chordMenu->addAction(choice);
    };
    addChoice(QStringLiteral("chordNone"), -1, false);
    for (const bool seventh : {false, true}) {
        m_chordMenu->addSeparator();
        for (int step = 0; step < 7; ++step) {
            addChoice(
                QStringLiteral("%1%2").arg(seventh ? "chordSeventh" : "chordTriad").arg(step + 1),
                step, seventh);
        }
    }
    connect(m_chordChoices, &QActionGroup::triggered, this, [this](QAction* choice) {
        const QPoint chord = choice->data().toPoint();
        ShowChord(chord.x(), chord.y() != 0);
    });
    menu->insertMenu(before, m_chordMenu);
    new CheckedSubmenu(menu, m_chordMenu);
    menu->insertSeparator(m_tuningsMenu->menuAction());
}

void CMainFrame::FillTuningsMenu()
{
    const Settings& settings = m_state.settings;
    m_tuningsMenu->clear();
    qDeleteAll(m_tuningsMenu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
    auto addPreset = [this](QMenu* menu, const TuningPreset& preset) {
        QAction* action = menu->addAction(QString::fromStdString(preset.name));
        action->setObjectName(PresetObjectName(preset));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, &preset] { ApplyTuningPreset(preset); });
    };
    for (const TuningPreset* preset :
         TuningPreset::For(settings.instrument, settings.stringCount)) {
        addPreset(m_tuningsMenu, *preset);
    }
    QAction* custom = m_tuningsMenu->addAction(QStringLiteral("Custom"));
    custom->setObjectName(QStringLiteral("customTuning"));
    custom->setCheckable(true);
    custom->setEnabled(false);
    m_tuningsMenu->addSeparator();
    QMenu* more = m_tuningsMenu->addMenu(QStringLiteral("More &Instruments"));
    more->setObjectName(QStringLiteral("moreInstrumentsMenu"));
    for (int number = 1; number <= 4; ++number) {
        const Instrument instrument = *InstrumentFromNumber(number);
        for (int strings : AllowedStringCounts(instrument)) {
            const std::vector<const TuningPreset*> presets = TuningPreset::For(instrument, strings);
            if (presets.empty() ||
                (instrument == settings.instrument && strings == settings.stringCount)) {
                continue;
            }
            QMenu* group = more->addMenu(StringingTitle(instrument, strings));
            for (const TuningPreset* preset : presets) {
                addPreset(group, *preset);
            }
        }
    }
    ShowNeckChecks();
}

void CMainFrame::ShowNeckChecks()
{
    if (m_tuningsMenu == nullptr || m_state.fretboard == nullptr) {
        return;
    }
    const CFretboard& board = *m_state.fretboard;
    const std::vector<const TuningPreset*> matching =
        TuningPreset::Matching(m_state.settings.instrument, OpenNotes(board));
    for (QAction* action : m_tuningsMenu->actions()) {
        if (action->objectName() == QLatin1String("customTuning")) {
            action->setChecked(matching.empty());
        } else if (action->isCheckable()) {
            action->setChecked(std::any_of(matching.begin(), matching.end(), [action](auto* p) {
                return PresetObjectName(*p) == action->objectName();
            }));
        }
    }

    const int lastFret = board.GetFrets();
    for (QAction* choice : m_capoChoices->actions()) {
        const int fret = choice->data().toInt();
        const std::string refusal = NeckLimits::CapoRefusal(fret, lastFret);
        choice->setEnabled(refusal.empty());
        choice->setToolTip(QString::fromStdString(refusal));
        choice->setChecked(fret == m_state.diagram.capo);
    }
    m_capoShapes->setChecked(m_state.diagram.capoShapes);

    const bool fits = ScaleChord::Fits(board.scaleDegrees);
    m_chordMenu->menuAction()->setEnabled(fits);
    m_chordMenu->menuAction()->setToolTip(
        fits ? QString()
             : QStringLiteral("Chords are built on scales of seven notes; this one has %1.")
                   .arg(ScaleChord::NoteCount(board.scaleDegrees)));
    const NoteSpeller key = NoteSpeller::ForKey(board.GetRoot(LAYER_SCALE), board.scaleDegrees,
                                                m_state.diagram.rootSpelling);
    for (QAction* choice : m_chordChoices->actions()) {
        const QPoint data = choice->data().toPoint();
        if (data.x() < 0) {
            choice->setChecked(!m_chord);
            continue;
        }
        if (const auto chord = ScaleChord::On(board.scaleDegrees, data.x(), data.y() != 0)) {
            const int root = (board.GetRoot(LAYER_SCALE) + chord->rootDegree) % 12;
            choice->setText(QString::fromStdString(chord->MenuText(key.Name(root))));
        }
        choice->setChecked(m_chord && m_chord->step == data.x() &&
                           m_chord->seventh == (data.y() != 0));
    }
}

void CMainFrame::ApplyTuningPreset(const TuningPreset& preset)
{
    Settings& settings = m_state.settings;
    const bool newStringing =
        settings.instrument != preset.instrument || settings.stringCount != preset.StringCount();
    settings.instrument = preset.instrument;
    settings.stringCount = preset.StringCount();
    CFretboard& board = *m_state.fretboard;
    SetUpBoard(board, preset.instrument, preset.Notes(), board.GetFrets());
    board.RemovePattern();
    m_state.modulationSteps = 0;
    ShowTuningLabels();
    if (newStringing) {
        FillTuningsMenu();
    }
    Redraw();
}

void CMainFrame::OnCapoChosen(QAction* choice)
{
    DiagramOptions options = m_state.diagram;
    options.capo = choice->data().toInt();
    SetDiagramOptions(options);
}

void CMainFrame::OnCapoShapes()
{
    DiagramOptions options = m_state.diagram;
    options.capoShapes = m_capoShapes->isChecked();
    SetDiagramOptions(options);
}

void CMainFrame::OnFretRange()
{
    const DiagramOptions& options = m_state.diagram;
    CFretRangeDlg dialog(this);
    dialog.SetNeck(options.frets);
    dialog.SetRange(options.fromFret, options.LastShownFret());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    DiagramOptions ranged = options;
    ranged.fromFret = dialog.From();
    ranged.toFret = dialog.To();
    SetDiagramOptions(ranged);
}

void CMainFrame::OnWholeNeck()
{
    DiagramOptions options = m_state.diagram;
    options.fromFret = 0;
    options.toFret = 0;
    SetDiagramOptions(options);
}

void CMainFrame::ShowChord(int step, bool seventh)
{
    CFretboard& board = *m_state.fretboard;
    const bool same = m_chord && m_chord->step == step && m_chord->seventh == seventh;
    const std::optional<ScaleChord> chord =
        same ? std::nullopt : ScaleChord::On(board.scaleDegrees, step, seventh);
    if (!chord) {
        EndChord(true);
        return;
    }
    if (!m_chord) {
        m_chord = ChordOnShow{};
        m_chord->overlayRoot = board.GetRoot(LAYER_OVERLAY);
        m_chord->overlayDegrees = board.overlayDegrees;
        m_chord->overlayMode = board.GetOverlayMode();
        m_chord->overlayScale = m_state.overlayScale;
    }
    m_chord->step = step;
    m_chord->seventh = seventh;
    m_chord->scaleRoot = board.GetRoot(LAYER_SCALE);
    m_chord->scaleDegrees = board.scaleDegrees;

    const int root = (m_chord->scaleRoot + chord->rootDegree) % 12;
    board.ClearMatches();
    board.RemovePattern();
    m_state.modulationSteps = 0;
    board.overlayDegrees = chord->ToneFlags();
    board.SetRoot(root, LAYER_OVERLAY);
    board.SetOverlayMode(OVERLAY_ALL);
    board.chordTones = true;
    m_state.overlayScale = -1;
    const NoteSpeller key = NoteSpeller::ForKey(m_chord->scaleRoot, m_chord->scaleDegrees,
                                                m_state.diagram.rootSpelling);
    m_state.chordName = chord->Title(key.Name(root));
    // The overlay list names the chord in place of a scale until the user's overlay is back.
    OverlayList()->setPlaceholderText(QString::fromStdString(m_state.chordName));
    OverlayList()->setCurrentIndex(-1);
    m_overlayBar->CommonNotes()->setChecked(false);
    m_overlayBar->AllNotes()->setChecked(true);
    m_overlayBar->RootLabel()->setText(RootLabel(LAYER_OVERLAY));
    Redraw();
}

void CMainFrame::EndChord(bool restore)
{
    if (!m_chord) {
        return;
    }
    const ChordOnShow shown = *m_chord;
    m_chord.reset();
    CFretboard& board = *m_state.fretboard;
    board.chordTones = false;
    m_state.chordName.clear();
    OverlayList()->setPlaceholderText(QString());
    if (!restore) {
        return;
    }
    board.ClearMatches();
    board.RemovePattern();
    m_state.modulationSteps = 0;
    board.overlayDegrees = shown.overlayDegrees;
    board.SetRoot(shown.overlayRoot, LAYER_OVERLAY);
    board.SetOverlayMode(shown.overlayMode);
    m_state.overlayScale = shown.overlayScale;
    OverlayList()->setCurrentIndex(shown.overlayScale + 1);
    m_overlayBar->CommonNotes()->setChecked(shown.overlayMode == OVERLAY_COMMON);
    m_overlayBar->AllNotes()->setChecked(shown.overlayMode != OVERLAY_COMMON);
    m_overlayBar->RootLabel()->setText(RootLabel(LAYER_OVERLAY));
    Redraw();
}

void CMainFrame::FollowScaleWithChord()
{
    const CFretboard& board = *m_state.fretboard;
    if (!m_chord) {
        return;
    }
    if (m_chord->scaleRoot == board.GetRoot(LAYER_SCALE) &&
        m_chord->scaleDegrees == board.scaleDegrees) {
        // The same chord; its name follows the root spelling chosen since.
        const auto chord = ScaleChord::On(board.scaleDegrees, m_chord->step, m_chord->seventh);
        const NoteSpeller key = NoteSpeller::ForKey(m_chord->scaleRoot, m_chord->scaleDegrees,
                                                    m_state.diagram.rootSpelling);
        m_state.chordName = chord->Title(key.Name(board.GetRoot(LAYER_OVERLAY)));
        OverlayList()->setPlaceholderText(QString::fromStdString(m_state.chordName));
        m_overlayBar->RootLabel()->setText(RootLabel(LAYER_OVERLAY));
        return;
    }
    if (!ScaleChord::Fits(board.scaleDegrees)) {
        EndChord(true);
        return;
    }
    const int step = m_chord->step;
    const bool seventh = m_chord->seventh;
    // Built anew on the changed scale: not the same chord, so it is not taken back.
    m_chord->step = -1;
    ShowChord(step, seventh);
}
