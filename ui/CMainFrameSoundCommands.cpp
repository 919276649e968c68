#include "CMainFrame.h"

#include "AppState.h"
#include "CPinto2View.h"
#include "CPlayDlg.h"
#include "CPracticeDlg.h"
#include "CTunerDlg.h"
#include "EchoText.h"
#include "ExerciseBuilder.h"
#include "ExerciseFile.h"
#include "InfoBox.h"
#include "PlayerState.h"
#include "PracticeProfile.h"
#include "ProcessSound.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>

#include <algorithm>
#include <filesystem>

namespace {

// The program's sound output, opened at the first sound command; it closes, with every beat
// ended, when the event loop ends, before the program's state goes.
ISoundOutput& SoundOutput()
{
    static const bool closesAtQuit = [] {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, &CloseProcessSoundOutput);
        }
        return true;
    }();
    (void)closesAtQuit;
    return ProcessSoundOutput();
}

// The window a new dialog opens above: the dialog open now, else the frame.
QWidget* TopWindow(QWidget* frame)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : frame;
}

const QString kNoRunChosen = QStringLiteral("Choose Up, Down or Up and Down in Play it first.");

// True when there is a run to save: a direction chosen in Play it, or the pattern to play.
bool RunChosen()
{
    return ProcessPlayerState().direction != PlayDirection::None || PracticeProfile::Load().pattern;
}

} // namespace

void CMainFrame::OnPlayIt()
{
    ISoundOutput& output = SoundOutput();
    CPlayDlg dialog(State(), ProcessPlayerState(), output, this);
    connect(&dialog, &CPlayDlg::playing, m_view,
            [this, &output](bool pattern) { m_view->FollowSound(&output, pattern); });
    connect(&dialog, &CPlayDlg::practiceRequested, this, &CMainFrame::OnPractice);
    connect(&dialog, &CPlayDlg::saveExerciseRequested, this, &CMainFrame::OnSaveExercise);
    dialog.exec();
    m_view->FollowSound(nullptr, false);
}

void CMainFrame::OnTuneUp()
{
    CTunerDlg dialog(State(), SoundOutput(), this);
    dialog.exec();
}

void CMainFrame::AddPracticeItems(QMenu* menu)
{
    menu->addSeparator();
    const struct
    {
        const char* name;
        const char* text;
        void (CMainFrame::*handler)();
    } items[] = {{"practice", "P&ractice...", &CMainFrame::OnPractice},
                 {"saveExercise", "Save &Exercise As...", &CMainFrame::OnSaveExercise}};
    for (const auto& item : items) {
        auto* action = new QAction(QString::fromLatin1(item.text), this);
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.handler);
        menu->addAction(action);
        addAction(action);
    }
}

void CMainFrame::OnPractice()
{
    // From the Play it dialog's context menu the settings open above that dialog.
    CPracticeDlg dialog(TopWindow(this));
    dialog.SetSettings(PracticeProfile::Load());
    if (dialog.exec() == QDialog::Accepted) {
        PracticeProfile::Save(dialog.Settings());
    }
}

void CMainFrame::OnSaveExercise()
{
    if (!RunChosen()) {
        ShowInfo(TopWindow(this), QStringLiteral("Save Exercise As"), kNoRunChosen);
        return; // before a file name is asked for in vain
    }
    QFileDialog dialog(TopWindow(this), QStringLiteral("Save Exercise As"));
    dialog.setObjectName(QStringLiteral("saveExerciseDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = {QStringLiteral("WAV audio (*.wav)"),
                                 QStringLiteral("MIDI file (*.mid *.midi)")};
    const QString endings[] = {QStringLiteral("wav"), QStringLiteral("mid")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(endings[0]);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(endings[std::max<qsizetype>(0, filters.indexOf(filter))]);
    });
    dialog.selectFile(QStringLiteral("exercise.wav"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString fileName = dialog.selectedFiles().constFirst();
    // A name with another ending gets the chosen kind's.
    if (!ExerciseFile::KindOf(QFile::encodeName(fileName).toStdString())) {
        fileName += QLatin1Char('.') +
                    endings[std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))];
    }
    SaveExercise(fileName);
}

bool CMainFrame::SaveExercise(const QString& fileName)
{
    QWidget* parent = TopWindow(this);
    const PlayerState& player = ProcessPlayerState();
    if (!RunChosen()) {
        ShowInfo(parent, QStringLiteral("Save Exercise As"), kNoRunChosen);
        return false;
    }
    const std::filesystem::path program = QCoreApplication::applicationFilePath().toStdString();
    const auto samples = ExerciseBuilder::Samples(m_state.soundSchemes, player.scheme, program);
    if (!samples) {
        ShowInfo(parent, QStringLiteral("Oops!"), QStringLiteral("Select Sound Scheme"));
        return false;
    }
    const PracticeSettings practice = PracticeProfile::Load();
    const int passes = player.loop ? practice.savedPasses : 1;
    const Exercise exercise = ExerciseBuilder::Build(m_state, player.direction, player.bpm, passes,
                                                     practice, *samples, program);
    const std::string file = QFile::encodeName(fileName).toStdString();
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = ExerciseFile::Save(
        exercise, file, ExerciseFile::KindOf(file).value_or(ExerciseFile::Kind::Wav), error);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        ShowInfo(parent, QStringLiteral("Save Exercise As"),
                 QStringLiteral("Cannot write %1: %2.")
                     .arg(QString::fromStdString(Quoted(file)), QString::fromStdString(error)));
    }
    return saved;
}
