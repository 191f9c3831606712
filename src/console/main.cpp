// Entry of SettingToolCmd.exe. The command line arrives in the ANSI code page, as queue names
// are passed to the spooler.
#include "console/Commands.h"

int main(int argc, char** argv)
{
    return RunSettingToolCmd(std::vector<std::string>(argv + 1, argv + argc));
}
