#include "CPlayDlg.h"

#include "AppState.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "ExerciseBuilder.h"
#include "InfoBox.h"
#include "LibraryList.h"
#include "MissingSamplesNotice.h"
#include "NeckPitch.h"
#include "PracticeProfile.h"
#include "RadioGroupStop.h"
#include "ReadOnlyField.h"
#include "ScaleRunText.h"
#include "SoundRefused.h"
#include "SoundSchemes.h"
#include "TabChain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>

namespace {

QLabel* Label(QWidget* parent, const char* text, int x, int y, int cx, int cy)
{
    auto* label = DialogUnits::Create<QLabel>(parent, ControlId::None, x, y, cx, cy);
    label->setText(QString::fromLatin1(text));
    DialogUnits::FitCaption(label);
    return label;
}

// True for text that holds no digit yet but becomes a whole number when digits are typed in:
// blanks with at most one sign.
bool IsUnfinishedInteger(const QString& text)
{
    static const QRegularExpression unfinished(QStringLiteral("^\\s*[+-]?\\s*$"));
    return unfinished.match(text).hasMatch();
}

std::optional<std::string> ScaleName(const AppState& state, int index)
{
    if (index < 0) {
        return std::nullopt;
    }
    const ScaleRecord* record = state.scaleLibrary.Record(index);
    return record ? record->name : std::string();
}

} // namespace

QComboBox* CPlayDlg::MakeSchemeCombo(QWidget* parent, ControlId id, int x, int y)
{
    auto* combo = DialogUnits::Create<LibraryList>(parent, id, x, y, 108, 16);
    combo->addItem(QString());
    return combo;
}

CPlayDlg::CPlayDlg(AppState& state, PlayerState& player, ISoundOutput& output, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_player(player), m_output(output),
      m_run(player, output, state.soundSchemes,
            [board = state.fretboard.get()] { return board ? board->GetRoot(LAYER_SCALE) : 0; })
{
    setObjectName(IdName(ControlId::PlayDialog));
    setWindowTitle(QStringLiteral("Pinto - Play the scale"));
    setModal(true);
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(196, 137));

    auto* ok = DialogUnits::Create<QPushButton>(this, ControlId::Ok, 139, 116, 50, 14);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    m_schemeBox = MakeSchemeCombo(this, ControlId::PlayScheme, 75, 48);
    Label(this, "Sound Scheme", 21, 50, 47, 8);
    m_up = DialogUnits::Create<QRadioButton>(this, ControlId::PlayUp, 21, 68, 25, 10);
    m_up->setText(QStringLiteral("Up"));
    m_down = DialogUnits::Create<QRadioButton>(this, ControlId::PlayDown, 21, 80, 33, 10);
    m_down->setText(QStringLiteral("Down"));
    m_upAndDown = DialogUnits::Create<QRadioButton>(this, ControlId::PlayUpAndDown, 21, 92, 57, 10);
    m_upAndDown->setText(QStringLiteral("Up and Down"));
    m_loop = DialogUnits::Create<QCheckBox>(this, ControlId::Loop, 87, 68, 32, 10);
    m_loop->setText(QStringLiteral("Loop"));
    m_text = DialogUnits::Create<QPlainTextEdit>(this, ControlId::PlayText, 7, 7, 182, 28);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ReadOnlyField::MakeText(m_text);
    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    DialogUnits::Place(options, 7, 39, 182, 73);
    options->lower(); // a frame behind the controls it surrounds
    m_bpmBox = DialogUnits::Create<QLineEdit>(this, ControlId::Bpm, 98, 83, 40, 14);
    auto* spin = DialogUnits::Create<CUpDown>(this, ControlId::BpmSpin, 87, 83, 8, 14);
    Label(this, "BPM", 142, 86, 16, 8);
    auto* play = DialogUnits::Create<QPushButton>(this, ControlId::PlayIt, 7, 116, 50, 14);
    play->setText(QStringLiteral("Play It"));
    auto* stop = DialogUnits::Create<QPushButton>(this, ControlId::PlayStop, 61, 116, 50, 14);
    stop->setText(QStringLiteral("Stop It"));
    for (QWidget* caption : std::initializer_list<QWidget*>{m_up, m_down, m_upAndDown, m_loop}) {
        DialogUnits::FitCaption(caption);
    }
    new RadioGroupStop({m_up, m_down, m_upAndDown});
    TabChain::Link(
        {ok, m_schemeBox, m_up, m_down, m_upAndDown, m_loop, m_text, m_bpmBox, spin, play, stop});

    // Opening: the remembered direction, loop and tempo, the run and its text, the schemes.
    WriteMembers();
    switch (m_player.direction.load()) {
    case PlayDirection::Up:
        m_up->setChecked(true);
        break;
    case PlayDirection::Down:
        m_down->setChecked(true);
        break;
    case PlayDirection::UpAndDown:
        m_upAndDown->setChecked(true);
        break;
    case PlayDirection::None:
        break;
    }
    m_loop->setChecked(m_player.loop);
    m_bpm = m_player.bpm;
    WriteMembers();
    if (m_state.fretboard) {
        const std::string text = BuildScaleRun(
            m_player, *m_state.fretboard, ScaleName(m_state, m_state.currentScale),
            ScaleName(m_state, m_state.overlayScale), m_state.diagram.spelling,
            m_state.diagram.rootSpelling, m_state.diagram.degreeNaming, m_state.diagram.rootAsR);
        m_text->setPlainText(
            QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    for (const std::string& name : LoadSoundSchemes(m_state.soundSchemes)) {
        m_schemeBox->addItem(QString::fromStdString(name));
    }
    m_schemeBox->setCurrentIndex(m_player.scheme < m_schemeBox->count() ? m_player.scheme.load()
                                                                        : -1);
    m_scheme = m_schemeBox->currentIndex();

    connect(ok, &QPushButton::clicked, this, &CPlayDlg::accept);
    connect(play, &QPushButton::clicked, this, &CPlayDlg::OnPlay);
    connect(stop, &QPushButton::clicked, this, &CPlayDlg::OnStop);
    connect(m_loop, &QCheckBox::clicked, this, &CPlayDlg::OnLoop);
    connect(m_up, &QRadioButton::clicked, this, [this] { OnDirection(PlayDirection::Up); });
    connect(m_down, &QRadioButton::clicked, this, [this] { OnDirection(PlayDirection::Down); });
    connect(m_upAndDown, &QRadioButton::clicked, this,
            [this] { OnDirection(PlayDirection::UpAndDown); });
    connect(m_bpmBox, &QLineEdit::textEdited, this, &CPlayDlg::OnBpmEdited);
    connect(spin, &CUpDown::stepped, this, &CPlayDlg::OnSpin);
    connect(m_schemeBox, &QComboBox::activated, this, &CPlayDlg::OnSchemeChosen);

    // What practice adds opens from the context menu, so the dialog keeps its face.
    auto* practice = new QAction(QStringLiteral("P&ractice..."), this);
    practice->setObjectName(QStringLiteral("practice"));
    auto* save = new QAction(QStringLiteral("Save &Exercise As..."), this);
    save->setObjectName(QStringLiteral("saveExercise"));
    addActions({practice, save});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(practice, &QAction::triggered, this, &CPlayDlg::practiceRequested);
    connect(save, &QAction::triggered, this, &CPlayDlg::saveExerciseRequested);
    m_tempoWatch = new QTimer(this);
    m_tempoWatch->setInterval(50);
    connect(m_tempoWatch, &QTimer::timeout, this, &CPlayDlg::ShowTempoPlaying);
}

CPlayDlg::~CPlayDlg() = default;

void CPlayDlg::WriteMembers()
{
    m_bpmBox->setText(QString::number(m_bpm));
    m_schemeBox->setCurrentIndex(m_scheme);
}

bool CPlayDlg::Exchange()
{
    static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    bool ok = integer.match(m_bpmBox->text()).hasMatch();
    const int bpm = ok ? m_bpmBox->text().trimmed().toInt(&ok) : 0;
    if (!ok) {
        // The framework's standard warning for a number field: the application title, a warning
        // icon.
        ShowWarning(this, QStringLiteral("Pinto2"), QStringLiteral("Please enter an integer."));
        m_bpmBox->setFocus();
        m_bpmBox->selectAll();
        return false;
    }
    m_bpm = bpm;
    m_scheme = m_schemeBox->currentIndex();
    return true;
}

void CPlayDlg::OnPlay()
{
    const PracticeSettings practice = PracticeProfile::Load();
    m_run.SetPractice(practice);
    const auto [tick, accent] =
        ExerciseBuilder::ClickSamples(QCoreApplication::applicationFilePath().toStdString());
    m_run.SetClickSamples(tick, accent);
    m_run.SetPattern(
        practice.pattern && m_state.fretboard
            ? NeckPitch::PatternPitches(*m_state.fretboard, m_state.settings.instrument)
            : std::vector<int>());
    switch (m_run.Start(m_scheme, m_bpm)) {
    case ScalePlayer::StartResult::NoScheme:
        ShowInfo(this, QStringLiteral("Oops!"), QStringLiteral("Select Sound Scheme"));
        return;
    case ScalePlayer::StartResult::NoPattern:
        ShowInfo(this, QStringLiteral("Oops!"),
                 QStringLiteral("Place a pattern on the neck first: Set Pattern, then Find "
                                "Pattern."));
        return;
    case ScalePlayer::StartResult::QueueFull:
        ShowSoundRefused(this);
        return;
    case ScalePlayer::StartResult::NoTempo:
        return;
    case ScalePlayer::StartResult::Started:
        break;
    }
    m_trainer = practice.trainer;
    if (m_trainer) {
        ShowTempoPlaying();
        m_tempoWatch->start();
    }
    emit playing(practice.pattern);
}

void CPlayDlg::OnStop()
{
    m_run.Stop();
    if (m_trainer) {
        // Back at the trainer's start tempo.
        ShowTempoPlaying();
        m_tempoWatch->stop();
        m_trainer = false;
    }
}

void CPlayDlg::ShowTempoPlaying()
{
    if (m_player.bpm != m_bpm) {
        m_bpm = m_player.bpm;
        m_bpmBox->setText(QString::number(m_bpm));
    }
}

void CPlayDlg::accept()
{
    OnStop();
    if (Exchange()) {
        m_run.Halt();
        StopSound(); // the dialog's sound ends with the dialog
        QDialog::accept();
    }
}

void CPlayDlg::reject()
{
    m_tempoWatch->stop();
    m_run.Halt();
    StopSound();
    QDialog::reject();
}

void CPlayDlg::OnDirection(PlayDirection direction)
{
    Exchange();
    m_player.direction = direction;
}

void CPlayDlg::OnLoop()
{
    Exchange();
    m_player.loop = !m_player.loop;
}

void CPlayDlg::OnBpmEdited()
{
    // Text on its way to a number ("", "-", "+", blanks) is no error and changes nothing yet.
    if (IsUnfinishedInteger(m_bpmBox->text())) {
        return;
    }
    Exchange();
    SetTempo();
}

void CPlayDlg::OnSpin(int delta)
{
    if (delta < 0 || (delta > 0 && m_bpm > 10)) {
        // Held at the ends of int, so a typed extreme tempo cannot overflow.
        m_bpm = static_cast<int>(std::clamp<long long>(static_cast<long long>(m_bpm) - delta,
                                                       std::numeric_limits<int>::min(),
                                                       std::numeric_limits<int>::max()));
    }
    WriteMembers();
    SetTempo();
}

void CPlayDlg::SetTempo()
{
    if (!m_run.SetTempo(m_bpm)) {
        ShowSoundRefused(this);
    }
}

void CPlayDlg::StopSound()
{
    if (!m_output.StopSound()) {
        ShowSoundRefused(this);
    }
}

void CPlayDlg::OnSchemeChosen(int index)
{
    m_scheme = index;
    m_run.SetScheme(index);
    MissingSamplesNotice::ShowOnce(this, m_state.soundSchemes, index, m_schemeBox->itemText(index));
}
