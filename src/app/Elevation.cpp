#include "app/Elevation.h"

#include "handles/KernelHandle.h"

#include <objbase.h>
#include <shellapi.h>

namespace
{
// COM for this thread while the shell is called; left alone when the thread already has it in
// another model.
class CComApartment
{
  public:
    CComApartment()
        : m_initialised(
              SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    {
    }
    ~CComApartment()
    {
        if (m_initialised)
            CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

  private:
    bool m_initialised;
};
} // namespace

bool IsProcessElevated()
{
    CKernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
        return false;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

std::wstring OwnProgramPath()
{
    // The path may be longer than MAX_PATH; a full buffer means it was cut short.
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return L"";
        if (length < path.size())
            return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

ShellRun ShellExecuteAndWait(const wchar_t* verb, const std::wstring& file,
                             const std::wstring& parameters)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    // COM only for the call: the wait below handles no messages, which an apartment would need.
    DWORD error = ERROR_SUCCESS;
    {
        const CComApartment com;
        if (!ShellExecuteExW(&info))
            error = GetLastError();
    }
    if (error != ERROR_SUCCESS)
        return {error, 0};
    if (info.hProcess == nullptr)
        return {ERROR_INVALID_HANDLE, 0};
    const CKernelHandle process(info.hProcess);
    DWORD exitStatus = 0;
    if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.get(), &exitStatus))
        return {GetLastError(), 0};
    return {ERROR_SUCCESS, exitStatus};
}
