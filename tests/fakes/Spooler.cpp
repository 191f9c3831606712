// winspool stand-ins over an in-memory store of queues and their printer data.
#include "host_calls.h"
#include "host_spooler.h"
#include "host_text.h"

#include <winspool.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

namespace
{
struct Queue
{
    bool fullAccess = true;
    std::wstring driver = host::spooler::kLaserDriver;
    std::optional<DWORD> openError;
    std::map<std::pair<std::wstring, std::wstring>, host::spooler::Value> data;
    std::map<std::wstring, DWORD> failingStores;
    std::map<std::wstring, DWORD> failingReads;
};

struct OpenPrinter
{
    Queue* queue;
    DWORD access;
};

struct Spooler
{
    std::map<std::wstring, Queue> queues;
    std::map<HANDLE, OpenPrinter> handles;
    uintptr_t lastHandle = 0;
    std::vector<DWORD> desiredAccesses;
    std::map<std::wstring, std::wstring> drivers = {
        {host::spooler::kLaserDriver, L"Laser Monitor"}};
    std::map<std::wstring, DWORD> enumerationErrors;       // by machine, in lower case
    std::map<std::wstring, DWORD> driverEnumerationErrors; // by machine, in lower case
    std::map<std::string, int> calls;
    std::optional<std::wstring> queueAfterEnumeration;
    bool throwOnNextRead = false;
    DWORD libraryError = ERROR_SUCCESS;
    std::set<std::string> removedFunctions;
};

Spooler& TheSpooler()
{
    static Spooler spooler;
    return spooler;
}

const OpenPrinter* Find(HANDLE handle)
{
    const auto open = TheSpooler().handles.find(handle);
    return open != TheSpooler().handles.end() ? &open->second : nullptr;
}

BOOL Failed(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

DWORD FailureOf(const std::map<std::wstring, DWORD>& failing, LPCWSTR valueName)
{
    const auto error = failing.find(valueName);
    return error != failing.end() ? error->second : ERROR_SUCCESS;
}

// The queue behind a handle opened with the right to change its printer data; null with error
// set when there is none.
Queue* QueueToChange(HANDLE printer, DWORD& error)
{
    const OpenPrinter* open = Find(printer);
    error = open == nullptr                                   ? ERROR_INVALID_HANDLE
            : (open->access & PRINTER_ACCESS_ADMINISTER) == 0 ? ERROR_ACCESS_DENIED
                                                              : ERROR_SUCCESS;
    return error == ERROR_SUCCESS ? open->queue : nullptr;
}

// The machine a queue is on: "" for this computer's own, "\\server" in lower case for a print
// server's queue "\\server\name".
std::wstring MachineOf(const std::wstring& queue)
{
    if (queue.rfind(L"\\\\", 0) != 0)
        return L"";
    std::wstring machine = queue.substr(0, queue.find(L'\\', 2));
    for (wchar_t& c : machine)
        c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    return machine;
}

// A machine's name ("" or "\\server") as the spooler keeps it: "\\server" in lower case.
std::wstring MachineKey(const std::wstring& machine)
{
    return MachineOf(machine + L"\\");
}

// A machine's failure: machine is "" or "\\server".
DWORD ErrorOf(const std::map<std::wstring, DWORD>& errors, const std::wstring& machine)
{
    const auto error = errors.find(MachineKey(machine));
    return error != errors.end() ? error->second : ERROR_SUCCESS;
}

void Count(const char* function)
{
    ++TheSpooler().calls[function];
}

// Copies text into the caller's buffer, from its end backwards, as the spooler puts texts after
// the records; returns where it went.
LPWSTR Put(const std::wstring& text, WCHAR*& end)
{
    end -= text.size() + 1;
    std::copy(text.c_str(), text.c_str() + text.size() + 1, end);
    return end;
}

// Fills the caller's buffer with one record per item, then their texts (textUnits in all), or
// says how large it must be.
template <typename Record, typename Item, typename Fill>
BOOL Records(const std::vector<Item>& items, size_t textUnits, LPBYTE buffer, DWORD size,
             LPDWORD needed, LPDWORD returned, Fill fill)
{
    const size_t total = items.size() * sizeof(Record) + textUnits * sizeof(WCHAR);
    *needed = static_cast<DWORD>(total);
    if (returned != nullptr)
        *returned = 0;
    if (total > size)
        return Failed(ERROR_INSUFFICIENT_BUFFER);
    auto* record = reinterpret_cast<Record*>(buffer);
    auto* end = reinterpret_cast<WCHAR*>(buffer + total);
    for (const Item& item : items)
    {
        *record = Record();
        fill(*record++, item, end);
    }
    if (returned != nullptr)
        *returned = static_cast<DWORD>(items.size());
    return TRUE;
}
} // namespace

void host::spooler::Reset()
{
    TheSpooler() = Spooler();
}

void host::spooler::FailLibraryLoad(DWORD error)
{
    TheSpooler().libraryError = error;
}

void host::spooler::RemoveFunction(const std::string& name)
{
    TheSpooler().removedFunctions.insert(name);
}

bool host::spooler::LibraryLoads()
{
    if (TheSpooler().libraryError == ERROR_SUCCESS)
        return true;
    SetLastError(TheSpooler().libraryError);
    return false;
}

FARPROC host::spooler::Function(const std::string& name)
{
    const std::pair<const char*, void (*)()> functions[] = {
        {"OpenPrinterW", reinterpret_cast<void (*)()>(&OpenPrinterW)},
        {"ClosePrinter", reinterpret_cast<void (*)()>(&ClosePrinter)},
        {"GetPrinterDataExW", reinterpret_cast<void (*)()>(&GetPrinterDataExW)},
        {"SetPrinterDataExW", reinterpret_cast<void (*)()>(&SetPrinterDataExW)},
        {"DeletePrinterDataExW", reinterpret_cast<void (*)()>(&DeletePrinterDataExW)},
        {"EnumPrintersW", reinterpret_cast<void (*)()>(&EnumPrintersW)},
        {"GetPrinterW", reinterpret_cast<void (*)()>(&GetPrinterW)},
        {"EnumPrinterDriversW", reinterpret_cast<void (*)()>(&EnumPrinterDriversW)},
    };
    if (TheSpooler().removedFunctions.count(name) != 0)
        return nullptr;
    for (const auto& [exported, function] : functions)
        if (name == exported)
            return reinterpret_cast<FARPROC>(function);
    return nullptr;
}

void host::spooler::AddQueue(const std::wstring& name, bool fullAccess, const std::wstring& driver)
{
    Queue& queue = TheSpooler().queues[name];
    queue.fullAccess = fullAccess;
    queue.driver = driver;
}

void host::spooler::AddDriver(const std::wstring& name, const std::wstring& monitor)
{
    TheSpooler().drivers[name] = monitor;
}

void host::spooler::FailEnumeration(DWORD error, const std::wstring& machine)
{
    TheSpooler().enumerationErrors[MachineKey(machine)] = error;
}

void host::spooler::FailDriverEnumeration(DWORD error, const std::wstring& machine)
{
    TheSpooler().driverEnumerationErrors[MachineKey(machine)] = error;
}

int host::spooler::Calls(const std::string& function)
{
    const auto& calls = TheSpooler().calls;
    const auto count = calls.find(function);
    return count != calls.end() ? count->second : 0;
}

void host::spooler::AddQueueAfterNextEnumeration(const std::wstring& name)
{
    TheSpooler().queueAfterEnumeration = name;
}

void host::spooler::SetValue(const std::wstring& queue, const std::wstring& key,
                             const std::wstring& name, Value value)
{
    TheSpooler().queues.at(queue).data[{key, name}] = std::move(value);
}

std::optional<host::spooler::Value> host::spooler::GetValue(const std::wstring& queue,
                                                            const std::wstring& key,
                                                            const std::wstring& name)
{
    const auto& data = TheSpooler().queues.at(queue).data;
    const auto value = data.find({key, name});
    return value != data.end() ? std::optional<Value>(value->second) : std::nullopt;
}

void host::spooler::SetDword(const std::wstring& queue, const std::wstring& name, DWORD value)
{
    SetValue(queue, L"\\", name,
             {REG_DWORD, {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)}});
}

std::optional<DWORD> host::spooler::GetDword(const std::wstring& queue, const std::wstring& name)
{
    const auto value = GetValue(queue, L"\\", name);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD))
        return std::nullopt;
    const auto& b = value->data;
    return DWORD(b[0]) | DWORD(b[1]) << 8 | DWORD(b[2]) << 16 | DWORD(b[3]) << 24;
}

void host::spooler::FailOpens(const std::wstring& queue, DWORD error)
{
    TheSpooler().queues.at(queue).openError = error;
}

void host::spooler::FailStores(const std::wstring& queue, const std::wstring& name, DWORD error)
{
    TheSpooler().queues.at(queue).failingStores[name] = error;
}

void host::spooler::FailReads(const std::wstring& queue, const std::wstring& name, DWORD error)
{
    TheSpooler().queues.at(queue).failingReads[name] = error;
}

void host::spooler::ThrowOnNextRead()
{
    TheSpooler().throwOnNextRead = true;
}

int host::spooler::OpenHandles()
{
    return static_cast<int>(TheSpooler().handles.size());
}

const std::vector<DWORD>& host::spooler::DesiredAccesses()
{
    return TheSpooler().desiredAccesses;
}

BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned)
{
    Count("EnumPrintersW");
    Spooler& spooler = TheSpooler();
    const std::wstring machine = (flags & PRINTER_ENUM_NAME) != 0 && name != nullptr ? name : L"";
    std::vector<std::pair<const std::wstring*, const Queue*>> listed;
    size_t units = 0;
    for (const auto& [queue, data] : spooler.queues)
    {
        const std::wstring on = MachineOf(queue);
        const bool listedHere =
            !machine.empty()
                ? on == MachineKey(machine)
                : (flags & (on.empty() ? PRINTER_ENUM_LOCAL : PRINTER_ENUM_CONNECTIONS)) != 0;
        if (!listedHere)
            continue;
        listed.emplace_back(&queue, &data);
        units += queue.size() + data.driver.size() + 2;
    }
    const DWORD error =
        level != 2 ? ERROR_INVALID_LEVEL : ErrorOf(spooler.enumerationErrors, machine);
    const BOOL filled =
        error != ERROR_SUCCESS
            ? Failed(error)
            : Records<PRINTER_INFO_2W>(listed, units, buffer, size, needed, returned,
                                       [](PRINTER_INFO_2W& record, const auto& queue, WCHAR*& end) {
                                           record.pPrinterName = Put(*queue.first, end);
                                           record.pDriverName = Put(queue.second->driver, end);
                                       });
    if (auto added = std::exchange(spooler.queueAfterEnumeration, std::nullopt))
        spooler.queues[*added];
    return filled;
}

BOOL WINAPI GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    Count("GetPrinterW");
    const OpenPrinter* open = Find(printer);
    if (open == nullptr || level != 2)
        return Failed(open == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_LEVEL);
    const std::vector<const Queue*> queue = {open->queue};
    return Records<PRINTER_INFO_2W>(queue, open->queue->driver.size() + 1, buffer, size, needed,
                                    nullptr,
                                    [](PRINTER_INFO_2W& record, const Queue* q, WCHAR*& end) {
                                        record.pDriverName = Put(q->driver, end);
                                    });
}

BOOL WINAPI EnumPrinterDriversW(LPWSTR name, LPWSTR, DWORD level, LPBYTE buffer, DWORD size,
                                LPDWORD needed, LPDWORD returned)
{
    Count("EnumPrinterDriversW");
    Spooler& spooler = TheSpooler();
    std::vector<std::pair<std::wstring, std::wstring>> drivers(spooler.drivers.begin(),
                                                               spooler.drivers.end());
    size_t units = 0;
    for (const auto& [driver, monitor] : drivers)
        units += driver.size() + monitor.size() + 2;
    const DWORD error =
        level != 3 ? ERROR_INVALID_LEVEL
                   : ErrorOf(spooler.driverEnumerationErrors, name != nullptr ? name : L"");
    if (error != ERROR_SUCCESS)
        return Failed(error);
    return Records<DRIVER_INFO_3W>(drivers, units, buffer, size, needed, returned,
                                   [](DRIVER_INFO_3W& record, const auto& driver, WCHAR*& end) {
                                       record.pName = Put(driver.first, end);
                                       record.pMonitorName = driver.second.empty()
                                                                 ? nullptr
                                                                 : Put(driver.second, end);
                                   });
}

BOOL WINAPI OpenPrinterW(LPWSTR printerName, HANDLE* printer, LPPRINTER_DEFAULTSW defaults)
{
    Count("OpenPrinterW");
    Spooler& spooler = TheSpooler();
    const DWORD access = defaults != nullptr ? defaults->DesiredAccess : PRINTER_ACCESS_USE;
    spooler.desiredAccesses.push_back(access);
    const auto queue =
        printerName != nullptr ? spooler.queues.find(printerName) : spooler.queues.end();
    if (queue == spooler.queues.end())
        return Failed(ERROR_INVALID_PRINTER_NAME);
    if (queue->second.openError)
        return Failed(*queue->second.openError);
    if (!queue->second.fullAccess && (access & PRINTER_ACCESS_ADMINISTER) != 0)
        return Failed(ERROR_ACCESS_DENIED);
    *printer = reinterpret_cast<HANDLE>(++spooler.lastHandle);
    spooler.handles[*printer] = {&queue->second, access};
    return TRUE;
}

BOOL WINAPI ClosePrinter(HANDLE printer)
{
    Count("ClosePrinter");
    return TheSpooler().handles.erase(printer) == 1 ? TRUE : Failed(ERROR_INVALID_HANDLE);
}

DWORD WINAPI GetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, LPDWORD type,
                               LPBYTE data, DWORD size, LPDWORD needed)
{
    Count("GetPrinterDataExW");
    if (std::exchange(TheSpooler().throwOnNextRead, false))
        throw std::runtime_error("printer data read failed");
    const OpenPrinter* open = Find(printer);
    if (open == nullptr)
        return ERROR_INVALID_HANDLE;
    if (const DWORD error = FailureOf(open->queue->failingReads, valueName))
        return error;
    const auto value = open->queue->data.find({keyName, valueName});
    if (value == open->queue->data.end())
        return ERROR_FILE_NOT_FOUND;
    const auto& bytes = value->second.data;
    *needed = static_cast<DWORD>(bytes.size());
    if (type != nullptr)
        *type = value->second.type;
    if (bytes.size() > size)
        return ERROR_MORE_DATA;
    std::copy(bytes.begin(), bytes.end(), data);
    return ERROR_SUCCESS;
}

DWORD WINAPI SetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, DWORD type,
                               LPBYTE data, DWORD size)
{
    Count("SetPrinterDataExW");
    DWORD error = ERROR_SUCCESS;
    Queue* queue = QueueToChange(printer, error);
    if (queue == nullptr)
        return error;
    host::CallLog().push_back("SetPrinterDataEx " + host::text::ToAnsi(valueName));
    if ((error = FailureOf(queue->failingStores, valueName)) == ERROR_SUCCESS)
        queue->data[{keyName, valueName}] = {type, std::vector<BYTE>(data, data + size)};
    return error;
}

DWORD WINAPI DeletePrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName)
{
    Count("DeletePrinterDataExW");
    DWORD error = ERROR_SUCCESS;
    Queue* queue = QueueToChange(printer, error);
    if (queue == nullptr)
        return error;
    host::CallLog().push_back("DeletePrinterDataEx " + host::text::ToAnsi(valueName));
    return queue->data.erase({keyName, valueName}) != 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}
