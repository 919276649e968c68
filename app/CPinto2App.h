#pragma once

#include <QApplication>

// The application: starts the program in a fixed order and runs the window's event loop.
class CPinto2App : public QApplication
{
    Q_OBJECT

public:
    /// The application over the command line (argc arguments in argv).
    CPinto2App(int& argc, char** argv);

    /// Starts the program, runs it until its window is closed; returns the exit code. With
    /// installedScales (--home) the scales installed with the program join the library.
    static int Run(int argc, char* argv[], bool installedScales = false);

    /// Shows reason, a start failure already written to standard error, in a message box when
    /// the program has a display to show it on (started from the desktop menu, no terminal shows
    /// standard error); returns when the box is closed, at once without a display.
    static void ShowStartFailure(int argc, char* argv[], const QString& reason);

    /// Name of the environment variable that makes the program print the wall-clock time of its
    /// first paint (microseconds since the epoch) and quit; for start-up measurements.
    static constexpr const char* kExitAfterFirstPaint = "PINTO_EXIT_AFTER_FIRST_PAINT";

private:
    // Closes window on SIGTERM, SIGINT or SIGHUP, so the session's end or a kill still runs the
    // window's shutdown and writes the settings.
    void CloseOnTerminationSignals(QWidget* window);
};
