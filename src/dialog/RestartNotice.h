#pragma once

#include "service/SpoolerRestart.h"

#include <string>
#include <vector>
#include <windows.h>

// What the dialog tells the user of a restart: a string and its arguments.
struct RestartNotice
{
    UINT id = 0; // 0: nothing to tell, the spooler and its dependents run again
    std::vector<std::wstring> arguments;

    bool operator==(const RestartNotice& other) const
    {
        return id == other.id && arguments == other.arguments;
    }
};

// The notice for the whole of a restart's report: a spooler left stopped, one still restarting, a
// dependent that held it or dependents left stopped, each named, and a spooler left running with
// the old settings.
RestartNotice NoticeOf(const RestartReport& report);
