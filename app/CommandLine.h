#pragma once

#include "RenderOptions.h"

#include <string>
#include <vector>

// What the command line asks of the program: the window (with Qt's own window options), a picture
// drawn by `--render FILE [options]`, the usage text or the version; or an error.
class CommandLine
{
public:
    enum class Mode
    {
        Window,  // open the window; Qt reads its own options from the arguments itself
        Render,  // draw render's picture without a window
        Help,    // print the usage text
        Version, // print the version
        Error    // print error on one line and exit 2, touching nothing
    };

    // One option of the window: its name, how it takes a value, and what the program itself does
    // with it (null for Qt's own options, which Qt reads from the arguments).
    struct WindowOption
    {
        enum class Value
        {
            None,        // a flag
            Next,        // the value is the next argument
            NextOrEqual, // the next argument, or after '=' in the same argument
            Equal        // only after '=' in the same argument
        };
        const char* name;
        Value value;
        void (*apply)(const std::string& value, CommandLine& line);
    };

    // Reads the arguments after the program name. Any "--render" makes it a picture; otherwise
    // only window options, --help and --version are accepted, left to right.
    static CommandLine Parse(const std::vector<std::string>& args);

    // Runs the program for the command line argc, argv: window, picture, help or version; returns
    // the exit code (2 after a one-line message on standard error).
    static int Run(int argc, char* argv[]);

    Mode mode = Mode::Window;
    bool home = false;    // --home: the window keeps its files in PINTO_HOME or ~/Pinto
    std::string error;    // for Mode::Error: one line, without the "pinto: " in front
    RenderOptions render; // for Mode::Render
};
