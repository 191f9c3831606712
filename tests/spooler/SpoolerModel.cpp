#include "SpoolerModel.h"

#include <algorithm>
#include <cstdint>

using namespace spoolermodel;

namespace
{
struct OpenQueue
{
    std::wstring name; // as it was opened
    DWORD access;
};

// What the spooler keeps of its callers.
struct Callers
{
    std::map<HANDLE, OpenQueue> handles;
    uintptr_t lastHandle = 0;
    std::map<std::string, int> calls;
    std::vector<DWORD> accesses;
};

Callers g_callers;

BOOL Failed(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

// "name" without a backslash, or "\\server\name".
bool IsQueueName(const std::wstring& name)
{
    const std::wstring machine = MachineOf(name);
    const std::wstring local =
        machine.empty() ? name : name.substr(std::min(name.size(), machine.size() + 1));
    return !local.empty() && local.find(L'\\') == std::wstring::npos && machine.size() != 2;
}

// The queues that a listing of a machine ("" this computer) with flags gives.
std::vector<ListedQueue> Listed(DWORD flags, const std::wstring& machine)
{
    std::vector<ListedQueue> listed;
    for (ListedQueue& queue : TheStore().Queues())
    {
        const std::wstring on = MachineOf(queue.name);
        if (!machine.empty()
                ? SameName(on, machine)
                : (flags & (on.empty() ? PRINTER_ENUM_LOCAL : PRINTER_ENUM_CONNECTIONS)) != 0)
            listed.push_back(std::move(queue));
    }
    return listed;
}

// Why a listing of a machine ("" this computer, or a print server known or not) fails, or
// ERROR_SUCCESS.
DWORD ListingError(const char* function, DWORD level, DWORD served, const std::wstring& machine,
                   bool known)
{
    if (level != served)
        return ERROR_INVALID_LEVEL;
    if (const DWORD error = TheStore().Arranged(function, machine, L"").value_or(ERROR_SUCCESS))
        return error;
    return machine.empty() || known ? ERROR_SUCCESS : RPC_S_SERVER_UNAVAILABLE;
}

// The queue behind a handle opened with every right asked for, for a call on a printer-data
// value; null with error set when the call ends before it reaches the store.
const OpenQueue* Opened(const char* function, HANDLE printer, DWORD rights, LPCWSTR key,
                        LPCWSTR value, DWORD& error)
{
    const auto open = g_callers.handles.find(printer);
    error = open == g_callers.handles.end()            ? ERROR_INVALID_HANDLE
            : (open->second.access & rights) != rights ? ERROR_ACCESS_DENIED
            : key == nullptr || *key == L'\0' || value == nullptr
                ? ERROR_INVALID_PARAMETER
                : TheStore().Arranged(function, open->second.name, value).value_or(ERROR_SUCCESS);
    return error == ERROR_SUCCESS ? &open->second : nullptr;
}

// Fills the caller's buffer with one record per item and then their texts, or says how large it
// must be. fill(record, item, put) sets a record's texts through put(text).
template <typename Record, typename Item, typename Fill>
BOOL Records(const std::vector<Item>& items, LPBYTE buffer, DWORD size, LPDWORD needed,
             LPDWORD returned, Fill fill)
{
    size_t units = 0;
    Record counted{};
    for (const Item& item : items)
        fill(counted, item, [&](const std::wstring& text) {
            units += text.size() + 1;
            return LPWSTR();
        });
    const size_t total = items.size() * sizeof(Record) + units * sizeof(WCHAR);
    *needed = static_cast<DWORD>(total);
    if (returned != nullptr)
        *returned = 0;
    if (total > size || (buffer == nullptr && total > 0))
        return Failed(ERROR_INSUFFICIENT_BUFFER);
    auto* record = reinterpret_cast<Record*>(buffer);
    auto* text = reinterpret_cast<WCHAR*>(record + items.size());
    for (const Item& item : items)
    {
        *record = Record();
        fill(*record++, item, [&](const std::wstring& value) {
            const LPWSTR start = text;
            text = std::copy(value.c_str(), value.c_str() + value.size() + 1, text);
            return start;
        });
    }
    if (returned != nullptr)
        *returned = static_cast<DWORD>(items.size());
    return TRUE;
}
} // namespace

std::wstring spoolermodel::NameKey(const std::wstring& name)
{
    std::wstring key = name;
    for (wchar_t& c : key)
        c = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    return key;
}

bool spoolermodel::SameName(const std::wstring& a, const std::wstring& b)
{
    return NameKey(a) == NameKey(b);
}

// The whole name for a bare "\\server".
std::wstring spoolermodel::MachineOf(const std::wstring& name)
{
    return name.rfind(L"\\\\", 0) == 0 ? name.substr(0, name.find(L'\\', 2)) : L"";
}

std::wstring spoolermodel::DataKey(const std::wstring& key)
{
    const size_t first = key.find_first_not_of(L'\\');
    return first == std::wstring::npos ? L""
                                       : key.substr(first, key.find_last_not_of(L'\\') + 1 - first);
}

void spoolermodel::Reset()
{
    g_callers = Callers();
}

const std::map<std::string, int>& spoolermodel::Calls()
{
    return g_callers.calls;
}

int spoolermodel::OpenHandles()
{
    return static_cast<int>(g_callers.handles.size());
}

const std::vector<DWORD>& spoolermodel::DesiredAccesses()
{
    return g_callers.accesses;
}

BOOL WINAPI OpenPrinterW(LPWSTR name, HANDLE* printer, LPPRINTER_DEFAULTSW defaults)
{
    ++g_callers.calls[__func__];
    const DWORD access = defaults != nullptr ? defaults->DesiredAccess : PRINTER_ACCESS_USE;
    g_callers.accesses.push_back(access);
    *printer = nullptr;
    CStore& store = TheStore();
    if (name == nullptr || !IsQueueName(name) || !store.Has(name))
        return Failed(ERROR_INVALID_PRINTER_NAME);
    std::optional<DWORD> refused = store.Arranged(__func__, name, L"");
    const DWORD everyones = PRINTER_ACCESS_USE | READ_CONTROL;
    if (!refused && (access & ~everyones) != 0 && !store.MayAdminister(name))
        refused = ERROR_ACCESS_DENIED;
    if (refused)
        return Failed(*refused);
    *printer = reinterpret_cast<HANDLE>(++g_callers.lastHandle);
    g_callers.handles[*printer] = {name, access};
    return TRUE;
}

BOOL WINAPI ClosePrinter(HANDLE printer)
{
    ++g_callers.calls[__func__];
    return g_callers.handles.erase(printer) == 1 ? TRUE : Failed(ERROR_INVALID_HANDLE);
}

DWORD WINAPI GetPrinterDataExW(HANDLE printer, LPCWSTR key, LPCWSTR name, LPDWORD type, LPBYTE data,
                               DWORD size, LPDWORD needed)
{
    ++g_callers.calls[__func__];
    DWORD error = ERROR_SUCCESS;
    const OpenQueue* open = Opened(__func__, printer, 0, key, name, error);
    if (open == nullptr)
        return error;
    const std::optional<Value> value = TheStore().Read(open->name, DataKey(key), name);
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    *needed = static_cast<DWORD>(value->data.size());
    if (type != nullptr)
        *type = value->type;
    if (value->data.size() > size)
        return ERROR_MORE_DATA;
    std::copy(value->data.begin(), value->data.end(), data);
    return ERROR_SUCCESS;
}

DWORD WINAPI SetPrinterDataExW(HANDLE printer, LPCWSTR key, LPCWSTR name, DWORD type, LPBYTE data,
                               DWORD size)
{
    ++g_callers.calls[__func__];
    DWORD error = ERROR_SUCCESS;
    const OpenQueue* open = Opened(__func__, printer, PRINTER_ACCESS_ADMINISTER, key, name, error);
    return open == nullptr ? error
                           : TheStore().Write(open->name, DataKey(key), name,
                                              {type, std::vector<BYTE>(data, data + size)});
}

DWORD WINAPI DeletePrinterDataExW(HANDLE printer, LPCWSTR key, LPCWSTR name)
{
    ++g_callers.calls[__func__];
    DWORD error = ERROR_SUCCESS;
    const OpenQueue* open = Opened(__func__, printer, PRINTER_ACCESS_ADMINISTER, key, name, error);
    return open == nullptr                                    ? error
           : TheStore().Erase(open->name, DataKey(key), name) ? ERROR_SUCCESS
                                                              : ERROR_FILE_NOT_FOUND;
}

BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned)
{
    ++g_callers.calls[__func__];
    const std::wstring machine = (flags & PRINTER_ENUM_NAME) != 0 && name != nullptr ? name : L"";
    const std::vector<ListedQueue> listed = Listed(flags, machine);
    if (const DWORD error = ListingError(__func__, level, 2, machine, !listed.empty()))
        return Failed(error);
    return Records<PRINTER_INFO_2W>(
        listed, buffer, size, needed, returned,
        [](PRINTER_INFO_2W& record, const ListedQueue& queue, const auto& put) {
            record.pPrinterName = put(queue.name);
            record.pDriverName = put(queue.driver);
            record.cJobs = static_cast<DWORD>(TheStore().Documents(queue.name).size());
        });
}

BOOL WINAPI GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    ++g_callers.calls[__func__];
    const auto open = g_callers.handles.find(printer);
    if (open == g_callers.handles.end() || level != 2)
        return Failed(level != 2 ? ERROR_INVALID_LEVEL : ERROR_INVALID_HANDLE);
    return Records<PRINTER_INFO_2W>(
        std::vector<std::wstring>{TheStore().DriverOf(open->second.name)}, buffer, size, needed,
        nullptr, [](PRINTER_INFO_2W& record, const std::wstring& driver, const auto& put) {
            record.pDriverName = put(driver);
        });
}

BOOL WINAPI EnumPrinterDriversW(LPWSTR name, LPWSTR, DWORD level, LPBYTE buffer, DWORD size,
                                LPDWORD needed, LPDWORD returned)
{
    ++g_callers.calls[__func__];
    const std::wstring machine = name != nullptr ? name : L"";
    const bool known = !machine.empty() && !Listed(0, machine).empty();
    if (const DWORD error = ListingError(__func__, level, 3, machine, known))
        return Failed(error);
    return Records<DRIVER_INFO_3W>(
        TheStore().Drivers(), buffer, size, needed, returned,
        [](DRIVER_INFO_3W& record, const Driver& driver, const auto& put) {
            record.pName = put(driver.name);
            record.pMonitorName = driver.monitor.empty() ? nullptr : put(driver.monitor);
        });
}

BOOL WINAPI EnumJobsW(HANDLE printer, DWORD first, DWORD count, DWORD level, LPBYTE buffer,
                      DWORD size, LPDWORD needed, LPDWORD returned)
{
    ++g_callers.calls[__func__];
    const auto open = g_callers.handles.find(printer);
    if (open == g_callers.handles.end() || level != 1)
        return Failed(level != 1 ? ERROR_INVALID_LEVEL : ERROR_INVALID_HANDLE);
    if (const std::optional<DWORD> error = TheStore().Arranged(__func__, open->second.name, L""))
        return Failed(*error);
    const std::vector<DWORD> all = TheStore().Documents(open->second.name);
    const size_t from = std::min<size_t>(first, all.size());
    const std::vector<DWORD> listed(
        all.begin() + from, all.begin() + from + std::min<size_t>(count, all.size() - from));
    return Records<JOB_INFO_1W>(
        listed, buffer, size, needed, returned,
        [](JOB_INFO_1W& record, DWORD status, const auto&) { record.Status = status; });
}
