#include "CommandTable.h"

namespace {

const CommandInfo kCommands[] = {
    {32772, "Create a new scale", "New scale", ":/icons/new.svg"},
    {32773, "Save the current scale to pinto_s.dat file", "Save current scale", ":/icons/save.svg"},
    {32779, "Remove current scale from pinto_s.dat file", "Forget current scale",
     ":/icons/forget.svg"},
    {57607, "Print the current scale", "Print current scale", ":/icons/print.svg"},
    {57609, "Display full pages", "Print Preview", nullptr},
    {57606, "Change the printer and printing options", "Print Setup", nullptr},
    {57665, "Quit the application; prompts to save documents", "Exit", nullptr},
    {32783, "Set pattern to search for with the current fretboard, scale and overlay",
     "Set pattern", ":/icons/setpattern.svg"},
    {32784, "Find current pattern in current scale and overlay", "Find pattern",
     ":/icons/find.svg"},
    {32785, "View the previous pattern match", "View pattern - previous match",
     ":/icons/previous.svg"},
    {32786, "View the next pattern match", "View pattern - next match", ":/icons/next.svg"},
    {32803, "Modulate the pattern down the neck on the the same strings", "Modulate pattern - Down",
     ":/icons/down.svg"},
    {32802, "Modulate pattern up the neck on the same strings", "Modulate pattern - Up",
     ":/icons/up.svg"},
    {32787, "Remove pattern from fretboard", "Remove pattern", ":/icons/remove.svg"},
    {32799, "Play the current scale through speaker or sound card", "Play the current scale",
     ":/icons/play.svg"},
    {32797, "Tune up your instrument to A 440 Hz", "Tune up your instrument", ":/icons/tune.svg"},
    {137, "Configure Pinto", "Configure Pinto", ":/icons/configure.svg"},
    {57664, "Display program information, version number and copyright", "About Pinto",
     ":/icons/about.svg"},
};

const int kToolBar[] = {32772, 32773, 32779, 57607, 0,     32783, 32784, 32785, 32786,
                        32803, 32802, 32787, 0,     32799, 32797, 0,     137,   57664};

} // namespace

std::span<const CommandInfo> CommandTable::All()
{
    return kCommands;
}

const CommandInfo* CommandTable::Find(int id)
{
    for (const CommandInfo& command : kCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

std::span<const int> CommandTable::ToolBar()
{
    return kToolBar;
}
