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
    DWORD enumerationError = ERROR_SUCCESS;
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

// A connection to a print server's queue is named "\\server\name".
bool IsConnection(const std::wstring& name)
{
    return name.rfind(L"\\\\", 0) == 0;
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
    };
    if (TheSpooler().removedFunctions.count(name) != 0)
        return nullptr;
    for (const auto& [exported, function] : functions)
        if (name == exported)
            return reinterpret_cast<FARPROC>(function);
    return nullptr;
}

void host::spooler::AddQueue(const std::wstring& name, bool fullAccess)
{
    TheSpooler().queues[name].fullAccess = fullAccess;
}

void host::spooler::FailEnumeration(DWORD error)
{
    TheSpooler().enumerationError = error;
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

BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned)
{
    Spooler& spooler = TheSpooler();
    std::vector<const std::wstring*> listed;
    size_t total = 0;
    for (const auto& [name, queue] : spooler.queues)
        if ((flags & (IsConnection(name) ? PRINTER_ENUM_CONNECTIONS : PRINTER_ENUM_LOCAL)) != 0)
        {
            listed.push_back(&name);
            total += sizeof(PRINTER_INFO_4W) + (name.size() + 1) * sizeof(WCHAR);
        }
    *needed = static_cast<DWORD>(total);
    *returned = 0;
    DWORD error = level != 4 ? ERROR_INVALID_LEVEL : spooler.enumerationError;
    if (error == ERROR_SUCCESS && total > size)
        error = ERROR_INSUFFICIENT_BUFFER;
    if (error == ERROR_SUCCESS)
    {
        // The records first, then their names.
        auto* record = reinterpret_cast<PRINTER_INFO_4W*>(buffer);
        auto* text = reinterpret_cast<WCHAR*>(record + listed.size());
        for (const std::wstring* name : listed)
        {
            *record++ = {text, nullptr, 0};
            text = std::copy(name->c_str(), name->c_str() + name->size() + 1, text);
        }
        *returned = static_cast<DWORD>(listed.size());
    }
    if (auto added = std::exchange(spooler.queueAfterEnumeration, std::nullopt))
        spooler.queues[*added];
    return error == ERROR_SUCCESS ? TRUE : Failed(error);
}

BOOL WINAPI OpenPrinterW(LPWSTR printerName, HANDLE* printer, LPPRINTER_DEFAULTSW defaults)
{
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
    return TheSpooler().handles.erase(printer) == 1 ? TRUE : Failed(ERROR_INVALID_HANDLE);
}

DWORD WINAPI GetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, LPDWORD type,
                               LPBYTE data, DWORD size, LPDWORD needed)
{
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
    DWORD error = ERROR_SUCCESS;
    Queue* queue = QueueToChange(printer, error);
    if (queue == nullptr)
        return error;
    host::CallLog().push_back("DeletePrinterDataEx " + host::text::ToAnsi(valueName));
    return queue->data.erase({keyName, valueName}) != 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}
