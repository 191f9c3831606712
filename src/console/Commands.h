#pragma once

#include "console/ConsoleOutput.h"

#include <string>
#include <vector>

// What the console program did, as its exit status.
enum ExitStatus
{
    kExitDone = 0,
    kExitDiffers = 1,       // check: a queue does not hold what was asked
    kExitUsage = 2,         // usage or invalid value: nothing was opened or stored
    kExitNotOpened = 3,     // a queue could not be opened (or the queues could not be listed)
    kExitStoreFailed = 4,   // a queue refused a store
    kExitRestartFailed = 5, // stored, but a print spooler could not be restarted
    kExitInterrupted = 6,   // a break (Ctrl+C, Ctrl+Break, the console closed) ended the run
};

// The status that tells the more serious of two outcomes. A status must never claim more than
// happened: 5 says the values were stored, so any queue not stored outranks it, and 1 says the
// queue was read, so a queue that could not be opened outranks it.
int WorseStatus(int a, int b);

// The program: the arguments after its name in, the exit status out; results go to standard
// output and problems to standard error, both through out.
int RunSettingToolCmd(const std::vector<std::wstring>& arguments, CConsoleOutput& out);
