// Find Pattern, Previous and Next Pattern, Modulate Up and Down and Remove Pattern.
#include "CMainFrame.h"

#include "AppState.h"
#include "InfoBox.h"

void CMainFrame::OnFindPattern()
{
    CFretboard& board = *m_state.fretboard;
    const bool found = board.FindMatches();
    ShowInfo(this, QStringLiteral("Pattern Match Done"),
             found ? QStringLiteral("Pattern matches found\nPress next pattern or prev. pattern "
                                    "to view matches")
                   : QStringLiteral("No pattern matches found\n"));
    m_state.modulationSteps = 0;
    if (found) {
        board.SelectMatch(0);
    } else {
        board.RemovePattern();
    }
    Redraw();
}

void CMainFrame::OnPrevPattern()
{
    m_state.modulationSteps = 0;
    m_state.fretboard->PrevMatch();
    Redraw();
}

void CMainFrame::OnNextPattern()
{
    m_state.modulationSteps = 0;
    m_state.fretboard->NextMatch();
    Redraw();
}

void CMainFrame::OnModulateUp()
{
    ++m_state.modulationSteps;
    m_state.fretboard->BuildPlacement(m_state.modulationSteps);
    Redraw();
}

void CMainFrame::OnModulateDown()
{
    --m_state.modulationSteps;
    m_state.fretboard->BuildPlacement(m_state.modulationSteps);
    Redraw();
}

void CMainFrame::OnRemovePattern()
{
    m_state.modulationSteps = 0;
    m_state.fretboard->RemovePattern();
    Redraw();
}
