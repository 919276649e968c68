#pragma once

// True when the command line asks for the command-line renderer rather than the window:
// any argument is --render (or --render=FILE), --help, -h or --version.
bool IsRenderCommand(int argc, char* argv[]);

// Runs `pinto --render FILE [options]`, `pinto --help` or `pinto --version` without a display;
// returns the process exit code: 0 on success, 2 after a one-line message on standard error.
int RunRenderCommand(int argc, char* argv[]);
