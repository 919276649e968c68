#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineCase
{
    const char* name;
    std::vector<std::string> args;
    CommandLine::Mode mode;
    const char* error; // the whole error line for Mode::Error
};

void PrintTo(const LineCase& row, std::ostream* os)
{
    *os << row.name;
}

class CommandLineParse : public testing::TestWithParam<LineCase>
{
};

TEST_P(CommandLineParse, ChoosesWhatToDo)
{
    const CommandLine line = CommandLine::Parse(GetParam().args);
    EXPECT_EQ(line.mode, GetParam().mode);
    EXPECT_EQ(line.home, std::string(GetParam().name).rfind("Home", 0) == 0 &&
                             GetParam().mode == CommandLine::Mode::Window);
    EXPECT_EQ(line.error, GetParam().error);
}

using Mode = CommandLine::Mode;

const LineCase lineCases[] = {
    {"NoArguments", {}, Mode::Window, ""},
    {"QtWindowOptions",
     {"-platform", "offscreen", "-style=fusion", "--reverse", "-qwindowgeometry", "640x480+0+0",
      "-stylesheet", "a.qss", "-qmljsdebugger=port:1234"},
     Mode::Window,
     ""},
    {"HomeWithQtOptions", {"--home", "-style", "fusion"}, Mode::Window, ""},
    {"HomeTakesNoValue",
     {"--home=/tmp"},
     Mode::Error,
     "unknown option '--home=/tmp'; see pinto --help"},
    {"HelpFirstWins", {"--help", "--bogus"}, Mode::Help, ""},
    {"Version", {"-style", "fusion", "--version"}, Mode::Version, ""},
    {"Render", {"--render", "a.png"}, Mode::Render, ""},
    {"HelpWithRender", {"--render", "a.png", "--help"}, Mode::Help, ""},
    {"HomeWithRender",
     {"--render", "a.png", "--home"},
     Mode::Error,
     "option --home is for the window, not for --render"},
    {"MisspelledRender",
     {"--rendr", "out.png"},
     Mode::Error,
     "unknown option '--rendr'; see pinto --help"},
    {"SingleDashRender", {"-render"}, Mode::Error, "unknown option '-render'; see pinto --help"},
    {"RenderOptionValueIsAnOption",
     {"--scale", "--help"},
     Mode::Error,
     "option --scale needs a value"},
    {"WindowOptionValueIsAnOption",
     {"-style", "--help"},
     Mode::Error,
     "option -style needs a value"},
    {"QtTakesNoEqualsHere",
     {"-platform=offscreen"},
     Mode::Error,
     "unknown option '-platform=offscreen'; see pinto --help"},
    {"EqualsOnly", {"-qmljsdebugger"}, Mode::Error, "option -qmljsdebugger needs '=' and a value"},
    {"StrayWord", {"Major"}, Mode::Error, "unexpected argument 'Major'; see pinto --help"},
    {"RenderOptionWithoutRender",
     {"--scale", "Major"},
     Mode::Error,
     "option --scale draws a picture: use --render FILE"},
    {"EscapedEcho",
     {"--x\x1b[2J\n"},
     Mode::Error,
     "unknown option '--x\\x1b[2J\\x0a'; see pinto --help"},
};

INSTANTIATE_TEST_SUITE_P(Table, CommandLineParse, testing::ValuesIn(lineCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
