// Elevation on demand without a shell: the token's answer and each run's result are set by tests,
// and the runs are recorded instead of started.
#include "app/Elevation.h"

#include "FakeElevation.h"

namespace
{
struct State
{
    bool elevated = true;
    ShellRun result;
    std::vector<host::elevation::ShellCall> calls;
};

State& TheState()
{
    static State state;
    return state;
}
} // namespace

void host::elevation::Reset()
{
    TheState() = State();
}

void host::elevation::SetElevated(bool elevated)
{
    TheState().elevated = elevated;
}

const std::wstring& host::elevation::ProgramPath()
{
    static const std::wstring path = L"C:\\Program Files\\Vendor\\SettingTool.exe";
    return path;
}

void host::elevation::SetShellResult(DWORD error, DWORD exitStatus)
{
    TheState().result = {error, exitStatus};
}

const std::vector<host::elevation::ShellCall>& host::elevation::ShellCalls()
{
    return TheState().calls;
}

bool IsProcessElevated()
{
    return TheState().elevated;
}

std::wstring OwnProgramPath()
{
    return host::elevation::ProgramPath();
}

ShellRun ShellExecuteAndWait(const wchar_t* verb, const std::wstring& file,
                             const std::wstring& parameters)
{
    TheState().calls.push_back({verb, file, parameters});
    return TheState().result;
}
