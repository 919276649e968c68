#pragma once

#include "ControlId.h"

// The numeric ids of the commands of the menus, the toolbar and the keys, which each command's
// action carries as objectName (tools and tests find them by it).
enum class CommandId
{
    None = 0, ///< no command: a separator in the menu and toolbar tables
    Configure = 137,
    NewScale = 32772,
    SaveScale = 32773,
    ForgetScale = 32779,
    SetPattern = 32783,
    FindPattern = 32784,
    PrevPattern = 32785,
    NextPattern = 32786,
    RemovePattern = 32787,
    TuneUp = 32797,
    PlayIt = 32799,
    ModulateUp = 32802,
    ModulateDown = 32803,
    // The standard commands of a document window; of the document and editing commands only the
    // keys are kept, which do nothing here.
    FileOpen = 57601,
    PrintSetup = 57606,
    Print = 57607,
    PrintDirect = 57608,
    PrintPreview = 57609,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    About = 57664,
    Exit = 57665,
    NextPane = 57680,
    PrevPane = 57681,
};

/// The object name that carries command's id, e.g. "57608" for CommandId::PrintDirect.
inline QString IdName(CommandId command)
{
    return IdName(static_cast<int>(command));
}

/// Finds the child of root that carries command's id (the command's action), or null.
template <class T> T* FindById(const QObject* root, CommandId command)
{
    return root->findChild<T*>(IdName(command));
}
