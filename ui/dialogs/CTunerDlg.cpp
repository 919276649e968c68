#include "CTunerDlg.h"

#include "AppState.h"
#include "CPlayDlg.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "ISoundOutput.h"
#include "InfoBox.h"
#include "MissingSamplesNotice.h"
#include "RadioGroupStop.h"
#include "ReadOnlyField.h"
#include "SoundRefused.h"
#include "SoundSchemes.h"
#include "TabChain.h"
#include "TunerText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <vector>

namespace {

struct NoteButton
{
    ControlId id;
    const char* caption;
    int x, y, cx;
};

// Note 0 (A) to 11 (G#).
constexpr std::array<NoteButton, 12> noteButtons = {{
    {ControlId::NoteA, "A", 36, 82, 21},
    {ControlId::NoteASharp, "A#", 70, 82, 25},
    {ControlId::NoteB, "B", 100, 82, 21},
    {ControlId::NoteC, "C", 129, 82, 21},
    {ControlId::NoteCSharp, "C#", 162, 82, 25},
    {ControlId::NoteD, "D", 192, 82, 21},
    {ControlId::NoteDSharp, "D#", 36, 98, 25},
    {ControlId::NoteE, "E", 70, 98, 21},
    {ControlId::NoteF, "F", 100, 98, 20},
    {ControlId::NoteFSharp, "F#", 129, 98, 24},
    {ControlId::NoteG, "G", 162, 98, 21},
    {ControlId::NoteGSharp, "G#", 192, 98, 25},
}};

template <class T>
T* Control(QWidget* parent, ControlId id, const char* text, int x, int y, int cx, int cy)
{
    auto* control = DialogUnits::Create<T>(parent, id, x, y, cx, cy);
    control->setText(QString::fromLatin1(text));
    return control;
}

} // namespace

ControlId CTunerDlg::NoteButtonId(int note)
{
    return noteButtons.at(static_cast<std::size_t>(note)).id;
}

CTunerDlg::CTunerDlg(AppState& state, ISoundOutput& output, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_output(output)
{
    setObjectName(IdName(ControlId::TunerDialog));
    setWindowTitle(QStringLiteral("Pinto - Tuner"));
    setModal(true);
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(251, 155));

    auto* ok = Control<QPushButton>(this, ControlId::Ok, "OK", 194, 134, 50, 14);
    ok->setDefault(true);
    for (auto* disabled :
         {Control<QRadioButton>(this, ControlId::TuneToMe, "Tune to me", 7, 7, 50, 10),
          Control<QRadioButton>(this, ControlId::Chromatic, "Chromatic", 7, 18, 46, 10)}) {
        disabled->setEnabled(false);
        DialogUnits::FitCaption(disabled);
    }
    auto* text = DialogUnits::Create<QPlainTextEdit>(this, ControlId::TunerText, 75, 7, 169, 36);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ReadOnlyField::MakeText(text);
    auto* frame = DialogUnits::Create<QGroupBox>(this, ControlId::TunerNotes, 7, 47, 237, 79);
    frame->lower(); // a frame behind the buttons it surrounds
    auto* stop = Control<QPushButton>(this, ControlId::TunerStop, "Stop It", 7, 134, 50, 14);
    QList<QRadioButton*> notes;
    for (int note = 0; note < 12; ++note) {
        const NoteButton& b = noteButtons[static_cast<std::size_t>(note)];
        auto* button = Control<QRadioButton>(this, b.id, b.caption, b.x, b.y, b.cx, 10);
        DialogUnits::FitCaption(button);
        connect(button, &QRadioButton::clicked, this, [this, note] { OnNote(note); });
        notes.append(button);
    }
    m_schemeBox = CPlayDlg::MakeSchemeCombo(this, ControlId::TunerScheme, 75, 57);
    auto* label = new QLabel(QStringLiteral("Sound Scheme"), this);
    DialogUnits::Place(label, 21, 59, 47, 8);
    DialogUnits::FitCaption(label);

    // The twelve notes are one stop: Tab reaches the last note played, the arrows the others.
    new RadioGroupStop(notes);
    QList<QWidget*> order{ok, text, stop};
    order.append(QList<QWidget*>(notes.begin(), notes.end()));
    order.append(m_schemeBox);
    TabChain::Link(order);

    // Opening: no scheme selected, the settings text, the schemes.
    m_schemeBox->setCurrentIndex(m_scheme);
    std::vector<int> openNotes;
    NoteSpeller names;
    if (const CFretboard* board = m_state.fretboard.get()) {
        for (int i = 0; i < board->GetStringCount(); ++i) {
            openNotes.push_back(board->GetOpenNote(i));
        }
        names = NoteSpeller::ForOpenStrings(*board, m_state.diagram.spelling,
                                            m_state.diagram.rootSpelling);
    }
    text->setPlainText(
        QString::fromStdString(TunerSettingsText(m_state.settings.instrument,
                                                 m_state.settings.stringCount, openNotes, names))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (const std::string& name : LoadSoundSchemes(m_state.soundSchemes)) {
        m_schemeBox->addItem(QString::fromStdString(name));
    }
    m_schemeBox->setCurrentIndex(m_scheme);

    connect(ok, &QPushButton::clicked, this, &CTunerDlg::accept);
    connect(stop, &QPushButton::clicked, this, &CTunerDlg::StopSound);
    connect(m_schemeBox, &QComboBox::activated, this, [this](int index) {
        m_scheme = index;
        // Decoded now, so that a note button sounds within one buffer.
        for (int note = 0; note < 12 && index > 0; ++note) {
            m_output.Preload(m_state.soundSchemes.Path(index, note));
        }
        MissingSamplesNotice::ShowOnce(this, m_state.soundSchemes, index,
                                       m_schemeBox->itemText(index));
    });
}

void CTunerDlg::OnNote(int note)
{
    if (m_scheme <= 0) {
        ShowInfo(this, QStringLiteral("Oops!"), QStringLiteral("Select Sound Scheme"));
        return;
    }
    if (!m_output.PlaySampleLooped(m_state.soundSchemes.Path(m_scheme, note))) {
        ShowSoundRefused(this);
    }
}

void CTunerDlg::StopSound()
{
    if (!m_output.StopSound()) {
        ShowSoundRefused(this);
    }
}

void CTunerDlg::accept()
{
    StopSound();
    QDialog::accept();
}

void CTunerDlg::reject()
{
    StopSound();
    QDialog::reject();
}
