#include "CommandTable.h"

namespace {

using enum CommandId;

const CommandInfo kCommands[] = {
    {NewScale, "Create a new scale", "New scale", ":/icons/new.svg"},
    {SaveScale, "Save the current scale to pinto_s.dat file", "Save current scale",
     ":/icons/save.svg"},
    {ForgetScale, "Remove current scale from pinto_s.dat file", "Forget current scale",
     ":/icons/forget.svg"},
    {Print, "Print the current scale", "Print current scale", ":/icons/print.svg"},
    {PrintPreview, "Display full pages", "Print Preview", nullptr},
    {PrintSetup, "Change the printer and printing options", "Print Setup", nullptr},
    {Exit, "Quit the application; prompts to save documents", "Exit", nullptr},
    {SetPattern, "Set pattern to search for with the current fretboard, scale and overlay",
     "Set pattern", ":/icons/setpattern.svg"},
    {FindPattern, "Find current pattern in current scale and overlay", "Find pattern",
     ":/icons/find.svg"},
    {PrevPattern, "View the previous pattern match", "View pattern - previous match",
     ":/icons/previous.svg"},
    {NextPattern, "View the next pattern match", "View pattern - next match", ":/icons/next.svg"},
    {ModulateDown, "Modulate the pattern down the neck on the the same strings",
     "Modulate pattern - Down", ":/icons/down.svg"},
    {ModulateUp, "Modulate pattern up the neck on the same strings", "Modulate pattern - Up",
     ":/icons/up.svg"},
    {RemovePattern, "Remove pattern from fretboard", "Remove pattern", ":/icons/remove.svg"},
    {PlayIt, "Play the current scale through speaker or sound card", "Play the current scale",
     ":/icons/play.svg"},
    {TuneUp, "Tune up your instrument to A 440 Hz", "Tune up your instrument", ":/icons/tune.svg"},
    {Configure, "Configure Pinto", "Configure Pinto", ":/icons/configure.svg"},
    {About, "Display program information, version number and copyright", "About Pinto",
     ":/icons/about.svg"},
};

const CommandId kToolBar[] = {NewScale,   SaveScale,     ForgetScale, Print,       None,
                              SetPattern, FindPattern,   PrevPattern, NextPattern, ModulateDown,
                              ModulateUp, RemovePattern, None,        PlayIt,      TuneUp,
                              None,       Configure,     About};

} // namespace

std::span<const CommandInfo> CommandTable::All()
{
    return kCommands;
}

const CommandInfo* CommandTable::Find(CommandId id)
{
    for (const CommandInfo& command : kCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

std::span<const CommandId> CommandTable::ToolBar()
{
    return kToolBar;
}
