#pragma once

#include <string>

class RenderOptions;

// Plays the run options ask for (`pinto --render FILE.wav|FILE.mid [options]`) without a window
// or a sound card and stores it; returns the process exit code: 0 on success, 2 with error set
// to one line.
int RunExerciseCommand(const RenderOptions& options, std::string& error);
