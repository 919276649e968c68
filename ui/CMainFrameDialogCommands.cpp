#include "CMainFrame.h"

#include "AppState.h"
#include "CConfigDlg.h"
#include "CNameDlg.h"
#include "CPatternDlg.h"
#include "InfoBox.h"
#include "ScaleLibrary.h"

#include <QComboBox>
#include <QSignalBlocker>

void CMainFrame::OnSaveScale()
{
    AppState& state = State();
    CNameDlg nameDlg(this);
    nameDlg.exec();
    state.nameBuffer = nameDlg.Name();
    if (state.nameBuffer.empty()) {
        return;
    }
    switch (AppendScale(state.scaleLibrary, state.nameBuffer, *state.fretboard)) {
    case StoreResult::Stored: {
        const QString name = QString::fromStdString(state.scaleLibrary.records.back().name);
        // Selecting the new entry only marks it; the scale on the neck stays as it is.
        const QSignalBlocker scaleBlocker(ScaleList());
        const QSignalBlocker overlayBlocker(OverlayList());
        ScaleList()->addItem(name);
        OverlayList()->addItem(name);
        ScaleList()->setCurrentIndex(state.scaleLibrary.scaleCount);
        break;
    }
    case StoreResult::Failed:
        ShowInfo(this, QStringLiteral("Scale not saved"),
                 QStringLiteral("The scale could not be written to pinto_s.dat."));
        break;
    case StoreResult::Ignored:
    case StoreResult::Refused:
        break;
    }
}

void CMainFrame::OnSetPattern()
{
    AppState& state = State();
    CPatternDlg patternDlg(*state.fretboard, state.setupGrid, state.nameBuffer, this);
    patternDlg.exec();
    state.modulationSteps = 0;
}

void CMainFrame::OnConfigure()
{
    CConfigDlg configDlg(State().settings, this);
    configDlg.exec();
    ApplyConfiguration();
}
