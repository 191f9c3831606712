#pragma once

#include <string>
#include <windows.h>

// The platform's part of elevation on demand: the three calls start-up needs, implemented on the
// Win32 API (Elevation.cpp) and by the Linux tests' fakes.

// Whether this process runs elevated, judged by its token's TokenElevation only: group membership
// and integrity level do not tell a filtered administrator from a full one (and Wine reports them
// wrongly). False when the token cannot be read.
bool IsProcessElevated();

// This program's own file, as the loader knows it (GetModuleFileNameW), of any length.
std::wstring OwnProgramPath();

struct ShellRun
{
    // ERROR_SUCCESS when the program ran to its end; else why it did not start or could not be
    // waited for (ERROR_CANCELLED: the user declined the consent prompt).
    DWORD error = ERROR_SUCCESS;
    DWORD exitStatus = 0;
};

// Starts file through the shell with verb and parameters (ShellExecuteExW, no owner window, no
// error box of the shell's own), with COM initialised apartment-threaded for that call as the
// shell asks, then waits for the started process to end.
ShellRun ShellExecuteAndWait(const wchar_t* verb, const std::wstring& file,
                             const std::wstring& parameters);
