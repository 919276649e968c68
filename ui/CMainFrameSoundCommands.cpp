#include "CMainFrame.h"

#include "CPlayDlg.h"
#include "CTunerDlg.h"
#include "PlayerState.h"
#include "ProcessSound.h"

#include <QCoreApplication>

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

} // namespace

void CMainFrame::OnPlayIt()
{
    CPlayDlg dialog(State(), ProcessPlayerState(), SoundOutput(), this);
    dialog.exec();
}

void CMainFrame::OnTuneUp()
{
    CTunerDlg dialog(State(), SoundOutput(), this);
    dialog.exec();
}
