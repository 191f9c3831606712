// What tests can arrange and observe of elevation on demand: the process's elevation, its own
// path, and the shell runs start-up asks for, with what each run reports.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host::elevation
{
struct ShellCall
{
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
};

// Elevated (as a plain Wine process is), a fixed program path, runs that end with status 0.
void Reset();
void SetElevated(bool elevated);
const std::wstring& ProgramPath();
// Every later run reports this: error ERROR_SUCCESS with the exit status, or the error.
void SetShellResult(DWORD error, DWORD exitStatus = 0);
const std::vector<ShellCall>& ShellCalls();
} // namespace host::elevation
