#pragma once

#include "console/ConsoleOutput.h"

// From now on a break (Ctrl+C, Ctrl+Break, the console window closed) ends the program with
// kExitInterrupted, saying so on out's standard error: at once, or as soon as the unbroken step
// under way ends (UnbrokenStep.h). out must live as long as the process.
void EndRunOnBreak(CConsoleOutput& out);
