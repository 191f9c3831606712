#include "console/CommandFlows.h"

#include "console/Messages.h"
#include "printer/PrinterInfoException.h"

void CReport::Say(UINT id, const std::vector<std::wstring>& arguments)
{
    if (!m_json)
        SayLine(m_out, id, arguments);
}

void CReport::Complain(UINT id, const std::vector<std::wstring>& arguments)
{
    ComplainLine(m_out, id, arguments);
}

void CReport::Object(const std::string& json)
{
    if (m_json)
        m_out.Write(ConsoleStream::kOutput, Widened(json) + L"\n");
}

OpenedQueue OpenQueue(const std::wstring& name, DWORD desiredAccess)
{
    try
    {
        return {std::make_unique<CPrinterInfo>(name.c_str(), desiredAccess), ERROR_SUCCESS};
    }
    catch (const CPrinterInfoException& e)
    {
        return {nullptr, e.error};
    }
    catch (...)
    {
        return {nullptr, ERROR_SUCCESS};
    }
}

QueueRead ReadQueue(const std::wstring& name)
{
    const OpenedQueue opened = OpenQueue(name, PRINTER_ACCESS_USE);
    if (!opened.printer)
        return {std::nullopt, opened.error};
    try
    {
        return {ReadQueueSettings(*opened.printer), ERROR_SUCCESS};
    }
    catch (...)
    {
        return {std::nullopt, ERROR_SUCCESS};
    }
}

std::string ErrorJson(DWORD error)
{
    return error == ERROR_SUCCESS ? "null" : std::to_string(error);
}
