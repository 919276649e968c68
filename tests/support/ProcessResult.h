#pragma once

#include <QByteArray>
#include <QProcess>

// What a program run by a test did: its exit code (-1 when it crashed or ran over 60 s) and what
// it wrote.
struct ProcessResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    /// Waits at most 60 s for the started process and collects its result.
    static ProcessResult Of(QProcess& process)
    {
        ProcessResult result;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
            result.exitCode = process.exitCode();
        }
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
};
