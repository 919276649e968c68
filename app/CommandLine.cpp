#include "CommandLine.h"

#include "CPinto2App.h"
#include "EchoText.h"
#include "ExerciseCommand.h"
#include "PintoVersion.h"
#include "RenderCommand.h"
#include "WorkFolder.h"

#include <iostream>

namespace {

const std::string VERSION_TEXT = std::string("Pinto ver ") + PINTO_VERSION;
constexpr int ERROR_EXIT = 2;

using Value = CommandLine::WindowOption::Value;

// The options of the window: one row each. The program's own act on the command line; Qt's own
// (QGuiApplication, QApplication and the X11 platform) are read by Qt from the arguments, either
// with one dash or with two.
const CommandLine::WindowOption windowOptions[] = {
    {"--home", Value::None, [](const std::string&, CommandLine& line) { line.home = true; }},
    {"-platform", Value::Next, nullptr},
    {"-platformpluginpath", Value::Next, nullptr},
    {"-platformtheme", Value::Next, nullptr},
    {"-plugin", Value::Next, nullptr},
    {"-qwindowgeometry", Value::Next, nullptr},
    {"-qwindowicon", Value::Next, nullptr},
    {"-qwindowtitle", Value::Next, nullptr},
    {"-reverse", Value::None, nullptr},
    {"-session", Value::NextOrEqual, nullptr},
    {"-testability", Value::None, nullptr},
    {"-qmljsdebugger", Value::Equal, nullptr},
    {"-style", Value::NextOrEqual, nullptr},
    {"-stylesheet", Value::NextOrEqual, nullptr},
    {"-widgetcount", Value::None, nullptr},
    {"-display", Value::Next, nullptr},
    {"-geometry", Value::Next, nullptr},
    {"-title", Value::Next, nullptr},
    {"-icon", Value::Next, nullptr},
    {"-name", Value::Next, nullptr},
    {"-visual", Value::Next, nullptr},
    {"-nograb", Value::None, nullptr},
    {"-dograb", Value::None, nullptr},
};

// The window option written as arg (name with one or two dashes, maybe "=value"); null for none.
// attached receives the part after '=' when the option takes its value that way.
const CommandLine::WindowOption* FindWindowOption(const std::string& arg,
                                                  std::optional<std::string>& attached)
{
    std::string name = arg;
    const std::size_t eq = name.find('=');
    std::optional<std::string> value;
    if (eq != std::string::npos) {
        value = name.substr(eq + 1);
        name.erase(eq);
    }
    const std::string oneDash = name.rfind("--", 0) == 0 ? name.substr(1) : name;
    for (const CommandLine::WindowOption& option : windowOptions) {
        const bool qtOwn = option.apply == nullptr;
        if (name != option.name && !(qtOwn && oneDash == option.name)) {
            continue;
        }
        const bool takesEqual = option.value == Value::NextOrEqual || option.value == Value::Equal;
        if (value && !takesEqual) {
            return nullptr;
        }
        attached = value;
        return &option;
    }
    return nullptr;
}

bool IsRenderArgument(const std::string& arg)
{
    return arg == "--render" || arg.rfind("--render=", 0) == 0;
}

CommandLine Failure(std::string error)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Error;
    line.error = std::move(error);
    return line;
}

// Qt's notes (fonts, platform hints, the PNG library's complaints) are not for the command line:
// a failure is reported by the program's own one line.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::cerr << "pinto: " << EchoText(message.toStdString()) << '\n';
}

} // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& args)
{
    CommandLine line;
    for (const std::string& arg : args) {
        if (IsRenderArgument(arg)) {
            std::string error;
            if (!RenderOptions::Parse(args, line.render, error)) {
                // The program's own window options (--home) are known, just not to --render.
                for (const WindowOption& option : windowOptions) {
                    if (option.apply != nullptr &&
                        error == RenderOptions::UnknownOption(option.name))
                        error = "option " + std::string(option.name) +
                                " is for the window, not for --render";
                }
                return Failure(error);
            }
            line.mode = line.render.help      ? Mode::Help
                        : line.render.version ? Mode::Version
                                              : Mode::Render;
            return line;
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.mode = Mode::Help;
            return line;
        }
        if (arg == "--version") {
            line.mode = Mode::Version;
            return line;
        }
        std::optional<std::string> attached;
        if (const WindowOption* option = FindWindowOption(arg, attached)) {
            std::string value;
            if (attached) {
                value = *attached;
            } else if (option->value == Value::Equal) {
                return Failure("option " + std::string(option->name) + " needs '=' and a value");
            } else if (option->value != Value::None) {
                std::string error;
                if (!RenderOptions::TakeValue(args, i, attached, option->name, value, error))
                    return Failure(error);
            }
            if (option->apply != nullptr)
                option->apply(value, line);
            continue;
        }
        const std::string name = arg.substr(0, arg.find('='));
        if (const RenderOptions::Option* option = RenderOptions::FindOption(name)) {
            std::string value;
            std::string error;
            const std::optional<std::string> attached =
                name.size() < arg.size() ? std::optional(arg.substr(name.size() + 1))
                                         : std::nullopt;
            if (option->takesValue &&
                !RenderOptions::TakeValue(args, i, attached, name, value, error))
                return Failure(error);
            return Failure("option " + name + " draws a picture: use --render FILE");
        }
        if (arg.rfind('-', 0) == 0)
            return Failure(RenderOptions::UnknownOption(arg));
        return Failure(RenderOptions::UnexpectedArgument(arg));
    }
    return line;
}

int CommandLine::Run(int argc, char* argv[])
{
    const CommandLine line = Parse(std::vector<std::string>(argv + 1, argv + argc));
    std::string error;
    switch (line.mode) {
    case Mode::Window:
        // --home: keep the files in PINTO_HOME or ~/Pinto rather than in the current folder.
        if (line.home && !WorkFolder::Enter(error)) {
            const std::string reason = EchoText(error, std::string::npos);
            std::cerr << "pinto: " << reason << '\n';
            CPinto2App::ShowStartFailure(argc, argv, QString::fromStdString(reason));
            return ERROR_EXIT;
        }
        return CPinto2App::Run(argc, argv, line.home);
    case Mode::Help:
        std::cout << RenderOptions::HelpText();
        return 0;
    case Mode::Version:
        std::cout << VERSION_TEXT << '\n';
        return 0;
    case Mode::Error:
        std::cerr << "pinto: " << EchoText(line.error, std::string::npos) << '\n';
        return ERROR_EXIT;
    case Mode::Render:
        break;
    }
    qInstallMessageHandler(QuietMessages);
    const int exit = line.render.IsSound() ? RunExerciseCommand(line.render, error)
                                           : RunRenderCommand(line.render, argv[0], error);
    if (exit != 0) {
        std::cerr << "pinto: " << EchoText(error, std::string::npos) << '\n';
        return ERROR_EXIT;
    }
    return 0;
}
