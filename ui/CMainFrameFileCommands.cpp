// The commands that change the scale library file, the report of data files that could not be
// read, and the settings written when the window closes.
#include "CMainFrame.h"

#include "AppState.h"
#include "CNameDlg.h"
#include "DataFile.h"
#include "FileMessages.h"
#include "InfoBox.h"
#include "PatternLibrary.h"
#include "ScaleLibrary.h"
#include "ScaleListModel.h"
#include "SettingsFile.h"
#include "WindowProfile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QStringList>

#include <cstdio>

namespace {

const QString kFileName = QStringLiteral("pinto_s.dat");
const QString kThing = QStringLiteral("scale");

} // namespace

template <class Change> StoreResult CMainFrame::ChangeScaleLibrary(Change change)
{
    ScaleLibrary& library = m_state.scaleLibrary;
    const ScaleRef current = IdentifyScale(library, m_state.currentScale);
    const ScaleRef overlay = IdentifyScale(library, m_state.overlayScale);
    const ScaleRef scaleEntry = IdentifyScale(library, ScaleList()->currentIndex() - 1);
    const ScaleRef overlayEntry = IdentifyScale(library, OverlayList()->currentIndex() - 1);
    m_scaleModel->BeginReload();
    const StoreResult result = change();
    m_scaleModel->EndReload();
    // Another window may have added or removed scales meanwhile, so indexes are found anew.
    m_state.currentScale = LocateScale(library, current);
    m_state.overlayScale = LocateScale(library, overlay);
    ScaleList()->setCurrentIndex(LocateScale(library, scaleEntry) + 1);
    OverlayList()->setCurrentIndex(LocateScale(library, overlayEntry) + 1);
    return result;
}

void CMainFrame::OnSaveScale()
{
    CNameDlg nameDlg(this);
    nameDlg.exec();
    m_state.nameBuffer = nameDlg.Name();
    if (m_state.nameBuffer.empty()) {
        return;
    }
    const StoreResult result = ChangeScaleLibrary([this] {
        return AppendScale(m_state.scaleLibrary, m_state.nameBuffer, *m_state.fretboard);
    });
    switch (result) {
    case StoreResult::Stored:
        // Selecting the new entry only marks it; the scale on the neck stays as it is.
        ScaleList()->setCurrentIndex(m_state.scaleLibrary.scaleCount);
        if (!m_state.scaleLibrary.userFileComplete) {
            ShowInfo(this, QStringLiteral("Scale saved"),
                     QStringLiteral("The scale was added to the end of %1, after a part that "
                                    "could not be read, so it will not be listed next time.")
                         .arg(kFileName));
        }
        break;
    case StoreResult::Failed:
        ShowInfo(this, QStringLiteral("Scale not saved"),
                 FileMessages::NotSaved(kThing, kFileName, m_state.scaleLibrary.fault));
        break;
    case StoreResult::Busy:
        ShowInfo(this, QStringLiteral("Scale not saved"),
                 QStringLiteral("The scale was not saved because %1 is busy in another window.")
                     .arg(kFileName));
        break;
    case StoreResult::Ignored:
    case StoreResult::Refused:
    case StoreResult::Unreadable:
        break;
    }
}

void CMainFrame::OnForgetScale()
{
    const int listIndex = ScaleList()->currentIndex();
    const StoreResult result =
        ChangeScaleLibrary([&] { return ForgetScale(m_state.scaleLibrary, listIndex); });
    switch (result) {
    case StoreResult::Refused:
        ShowInfo(this, QStringLiteral("Sorry"),
                 QStringLiteral("You can not delete one of the preset scales."));
        return;
    case StoreResult::Failed:
    case StoreResult::Unreadable:
        ShowInfo(this, QStringLiteral("Forget scale"),
                 FileMessages::NotForgotten(kThing, kFileName, result, m_state.scaleLibrary.fault));
        return;
    case StoreResult::Busy:
        ShowInfo(this, QStringLiteral("Forget scale"),
                 QStringLiteral("The scale was kept because %1 is busy in another window.")
                     .arg(kFileName));
        return;
    case StoreResult::Ignored:
        return;
    case StoreResult::Stored:
        break;
    }
    // The overlay stays on show, but its list shows the empty entry, as does the scale list.
    OverlayList()->setCurrentIndex(0);
    ApplyScaleSelection(0);
}

void CMainFrame::ReportUnreadFiles()
{
    std::vector<UnreadFile> files;
    if (m_settingsError != 0) {
        files.push_back({"pinto_c.dat", m_settingsError});
    }
    files.insert(files.end(), m_state.scaleLibrary.unreadFiles.begin(),
                 m_state.scaleLibrary.unreadFiles.end());
    PatternLibrary patterns;
    LoadPatterns(patterns);
    files.insert(files.end(), patterns.unreadFiles.begin(), patterns.unreadFiles.end());
    // One box names them all, so that a folder of unreadable files asks for one OK.
    QStringList lines;
    for (const UnreadFile& file : files) {
        lines << FileMessages::NotRead(file);
    }
    if (!lines.isEmpty()) {
        ShowInfo(this,
                 lines.size() == 1 ? QStringLiteral("File not read completely")
                                   : QStringLiteral("Files not read completely"),
                 lines.join(QStringLiteral("\n\n")));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    WindowProfile::Save(*this);
    // Closed by the user (the window's close button or Exit) rather than by a signal or the end
    // of the session, when nobody may be there to answer a box.
    WriteSettings(event->spontaneous() || m_exitChosen);
    QMainWindow::closeEvent(event);
}

void CMainFrame::WriteSettings(bool tellUser)
{
    if (m_settingsWritten || m_state.fretboard == nullptr) {
        return;
    }
    m_settingsWritten = true;
    const int error = SaveSettings(m_state.settings, *m_state.fretboard);
    if (error == 0) {
        return;
    }
    if (tellUser) {
        ShowInfo(this, QStringLiteral("Settings not saved"), FileMessages::SettingsNotSaved(error));
    } else {
        std::fprintf(stderr, "pinto: cannot write 'pinto_c.dat': %s\n",
                     DataFile::Reason(error).c_str());
    }
}
