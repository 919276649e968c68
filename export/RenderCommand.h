#pragma once

#include <string>

class RenderOptions;

// Draws the picture options ask for (`pinto --render FILE [options]`) without a display and
// stores it; returns the process exit code: 0 on success, 2 with error set to one line.
int RunRenderCommand(const RenderOptions& options, char* programName, std::string& error);
