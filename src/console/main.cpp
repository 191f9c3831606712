// Entry of SettingToolCmd.exe. The command line is read as UTF-16, so that a queue name in any
// script reaches the spooler unchanged.
#include "console/Commands.h"
#include "console/StandardStreams.h"
#include "system/SystemLibrary.h"

int wmain(int argc, wchar_t** argv)
{
    RestrictDllSearchToSystemFolder();
    CStandardStreams streams;
    return RunSettingToolCmd(std::vector<std::wstring>(argv + 1, argv + argc), streams);
}
