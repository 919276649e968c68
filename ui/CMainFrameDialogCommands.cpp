#include "CMainFrame.h"

#include "AppState.h"
#include "CAboutDlg.h"
#include "CConfigDlg.h"
#include "CPatternDlg.h"

void CMainFrame::OnSetPattern()
{
    AppState& state = State();
    CPatternDlg patternDlg(*state.fretboard, state.setupGrid, state.nameBuffer, this);
    patternDlg.SetDiagramOptions(state.diagram);
    patternDlg.exec();
    state.modulationSteps = 0;
}

void CMainFrame::OnConfigure()
{
    CConfigDlg configDlg(State().settings, this);
    configDlg.SetColours(DiagramColours::For(State().diagram, false));
    configDlg.exec();
    ApplyConfiguration();
}

void CMainFrame::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
