// Elevation on demand for the Linux tests (app/Elevation.h without a token or a shell): what tests
// can arrange and observe of the process's elevation, its own path, and the shell runs start-up
// asks for, with what each run reports. Not reset with the other fakes: a test that changes it
// resets it.
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
