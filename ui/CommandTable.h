#pragma once

#include "CommandId.h"

#include <QString>

#include <span>

// One command of the menu, toolbar and accelerator table: its id, its string-table entry and its
// picture on the toolbar.
struct CommandInfo
{
    CommandId id;       ///< command id
    const char* prompt; ///< string-table prompt (the part before "\n")
    const char* tip;    ///< string-table tool tip (the part after "\n")
    const char* icon;   ///< toolbar picture in the resources, or null
};

// The program's string table of commands.
class CommandTable
{
public:
    /// Every command that has a string-table entry.
    static std::span<const CommandInfo> All();
    /// The entry of command id, or null.
    static const CommandInfo* Find(CommandId id);
    /// Toolbar slots from left to right; CommandId::None stands for a separator.
    static std::span<const CommandId> ToolBar();
};
