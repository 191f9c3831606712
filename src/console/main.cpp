// Entry of SettingToolCmd.exe. The command line is read as UTF-16, so that a queue name in any
// script reaches the spooler unchanged.
#include "console/Commands.h"
#include "console/ConsoleBreak.h"
#include "console/StandardStreams.h"
#include "console/UnbrokenStep.h"
#include "system/SystemLibrary.h"

int wmain(int argc, wchar_t** argv)
{
    RestrictDllSearchToSystemFolder();
    static CStandardStreams streams;
    EndRunOnBreak(streams);
    return FinalStatus(
        RunSettingToolCmd(std::vector<std::wstring>(argv + 1, argv + argc), streams));
}
