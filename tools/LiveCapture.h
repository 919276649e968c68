#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// The live audio of a probe run: SDL's disk driver file (32-bit float frames) when
/// SDL_AUDIODRIVER is "disk", else the 16-bit mono WAV tap.
std::vector<std::int16_t> ReadLive(const std::string& tap);
