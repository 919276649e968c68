// The commands that change the scale library file, and the report of library files that could
// not be read.
#include "CMainFrame.h"

#include "AppState.h"
#include "CNameDlg.h"
#include "InfoBox.h"
#include "PatternLibrary.h"
#include "ScaleLibrary.h"
#include "ScaleListModel.h"

#include <QComboBox>

namespace {

const QString kFileName = QStringLiteral("pinto_s.dat");

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
                 QStringLiteral("The scale could not be written to %1.").arg(kFileName));
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
        ShowInfo(
            this, QStringLiteral("Forget scale"),
            QStringLiteral("The scale was kept because %1 could not be written.").arg(kFileName));
        return;
    case StoreResult::Unreadable:
        ShowInfo(this, QStringLiteral("Forget scale"),
                 QStringLiteral("The scale was kept because %1 could not be read completely.")
                     .arg(kFileName));
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
    std::vector<std::string> files = m_state.scaleLibrary.unreadFiles;
    PatternLibrary patterns;
    LoadPatterns(patterns);
    files.insert(files.end(), patterns.unreadFiles.begin(), patterns.unreadFiles.end());
    for (const std::string& file : files) {
        ShowInfo(this, QStringLiteral("File not read completely"),
                 QStringLiteral("%1 could not be read to its end; what follows the unreadable part "
                                "is not listed and is kept as it is.")
                     .arg(QString::fromStdString(file)));
    }
}
