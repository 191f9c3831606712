#include "app/StartDecision.h"

#include "app/ArgumentQuoting.h"

const wchar_t kRelaunchMarker[] = L"/relaunched-elevated:{6F2B9C14-3D7A-4E85-B0C2-91A4D5E7F803}";

namespace
{
bool IsRelaunch(const std::vector<std::wstring>& arguments)
{
    return !arguments.empty() && arguments.front() == kRelaunchMarker;
}
} // namespace

const std::wstring* QueueNameArgument(const std::vector<std::wstring>& arguments)
{
    const size_t expected = IsRelaunch(arguments) ? 3 : 2;
    return arguments.size() == expected ? &arguments.back() : nullptr;
}

StartDecision DecideStart(const std::vector<std::wstring>& arguments, DWORD openError,
                          bool elevated)
{
    if (QueueNameArgument(arguments) == nullptr)
        return {StartStep::StartMessage, {}};
    if (openError == ERROR_SUCCESS)
        return {StartStep::Dialog, {}};
    // Consent helps only a filtered token, and only once: any other error, an elevated process
    // or an instance that is already the relaunch reports the queue as not accessible.
    if (openError != ERROR_ACCESS_DENIED || elevated || IsRelaunch(arguments))
        return {StartStep::PrinterMessage, {}};
    return {StartStep::Relaunch, QuoteArguments({kRelaunchMarker, arguments[0], arguments[1]})};
}
