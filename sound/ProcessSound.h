#pragma once

#include "ISoundOutput.h"

/// The program's one sound output, opened on first use with the options of the environment.
ISoundOutput& ProcessSoundOutput();

/// Ends every beat and closes the program's sound output; safe to call more than once.
void CloseProcessSoundOutput();
