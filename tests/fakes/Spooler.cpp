// winspool stand-ins over an in-memory store of queues and their printer data.
#include "host_calls.h"
#include "host_spooler.h"
#include "host_text.h"

#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace
{
using host::text::ToAnsi;

struct Queue
{
    bool fullAccess = true;
    bool connection = false;
    std::optional<DWORD> openError;
    std::map<std::pair<std::wstring, std::wstring>, host::spooler::Value> data;
    std::map<std::wstring, DWORD> failingStores;
    std::map<std::wstring, DWORD> failingReads;
};

struct OpenPrinter
{
    std::wstring queue;
    DWORD access;
};

struct Store
{
    std::map<std::wstring, Queue> queues;
    std::set<std::unique_ptr<OpenPrinter>> handles;
    bool throwOnNextRead = false;
    int storeCount = 0;
    std::vector<DWORD> desiredAccesses;
    DWORD enumerationError = ERROR_SUCCESS;
    std::optional<std::wstring> queueAfterEnumeration;
};

Store& TheStore()
{
    static Store store;
    return store;
}

OpenPrinter* Find(HANDLE handle)
{
    for (const auto& open : TheStore().handles)
        if (open.get() == handle)
            return open.get();
    return nullptr;
}

Queue* QueueOf(const OpenPrinter* open)
{
    if (open == nullptr)
        return nullptr;
    auto queue = TheStore().queues.find(open->queue);
    return queue == TheStore().queues.end() ? nullptr : &queue->second;
}

Queue* QueueOf(HANDLE handle)
{
    return QueueOf(Find(handle));
}

bool Enumerated(const Queue& queue, DWORD flags)
{
    return (flags & (queue.connection ? PRINTER_ENUM_CONNECTIONS : PRINTER_ENUM_LOCAL)) != 0;
}

std::basic_string<CHAR> NameIn(const std::wstring& name, CHAR)
{
    return ToAnsi(name);
}

std::basic_string<WCHAR> NameIn(const std::wstring& name, WCHAR)
{
    return name;
}

// Level 4 records, then their names, in the caller's buffer, in the record's character type.
template <typename Record>
BOOL FillEnumeration(DWORD flags, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned)
{
    using Char = std::remove_pointer_t<decltype(Record::pPrinterName)>;
    std::vector<std::pair<std::basic_string<Char>, const Queue*>> listed;
    size_t total = 0;
    for (const auto& [name, queue] : TheStore().queues)
        if (Enumerated(queue, flags))
        {
            listed.emplace_back(NameIn(name, Char()), &queue);
            total += sizeof(Record) + (listed.back().first.size() + 1) * sizeof(Char);
        }
    *needed = static_cast<DWORD>(total);
    *returned = 0;
    if (total > size || (buffer == nullptr && total > 0))
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* record = reinterpret_cast<Record*>(buffer);
    auto* text = reinterpret_cast<Char*>(record + listed.size());
    for (const auto& [name, queue] : listed)
    {
        std::copy(name.c_str(), name.c_str() + name.size() + 1, text);
        *record++ = {
            text, nullptr,
            DWORD(queue->connection ? PRINTER_ATTRIBUTE_NETWORK : PRINTER_ATTRIBUTE_LOCAL)};
        text += name.size() + 1;
    }
    *returned = static_cast<DWORD>(listed.size());
    return TRUE;
}

template <typename Record>
BOOL EnumPrinters(DWORD flags, const void* name, DWORD level, LPBYTE buffer, DWORD size,
                  LPDWORD needed, LPDWORD returned)
{
    Store& store = TheStore();
    BOOL result = FALSE;
    if (needed == nullptr || returned == nullptr || name != nullptr)
        SetLastError(ERROR_INVALID_PARAMETER);
    else if (level != 4)
        SetLastError(ERROR_INVALID_LEVEL);
    else if (store.enumerationError != ERROR_SUCCESS)
        SetLastError(store.enumerationError);
    else
        result = FillEnumeration<Record>(flags, buffer, size, needed, returned);
    if (auto added = std::exchange(store.queueAfterEnumeration, std::nullopt))
        store.queues[*added];
    return result;
}
} // namespace

void host::spooler::Reset()
{
    TheStore() = Store();
}

void host::spooler::AddQueue(const std::wstring& name, bool fullAccess)
{
    TheStore().queues[name].fullAccess = fullAccess;
}

void host::spooler::AddConnection(const std::wstring& name, bool fullAccess)
{
    Queue& queue = TheStore().queues[name];
    queue.fullAccess = fullAccess;
    queue.connection = true;
}

void host::spooler::FailEnumeration(DWORD error)
{
    TheStore().enumerationError = error;
}

void host::spooler::AddQueueAfterNextEnumeration(const std::wstring& name)
{
    TheStore().queueAfterEnumeration = name;
}

void host::spooler::SetValue(const std::wstring& queue, const std::wstring& key,
                             const std::wstring& name, Value value)
{
    TheStore().queues.at(queue).data[{key, name}] = std::move(value);
}

void host::spooler::SetDword(const std::wstring& queue, const std::wstring& name, DWORD value)
{
    SetValue(queue, L"\\", name,
             {REG_DWORD, {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)}});
}

std::optional<host::spooler::Value> host::spooler::GetValue(const std::wstring& queue,
                                                            const std::wstring& key,
                                                            const std::wstring& name)
{
    const Queue& q = TheStore().queues.at(queue);
    auto value = q.data.find({key, name});
    if (value == q.data.end())
        return std::nullopt;
    return value->second;
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
    TheStore().queues.at(queue).openError = error;
}

void host::spooler::FailStores(const std::wstring& queue, const std::wstring& name, DWORD error)
{
    TheStore().queues.at(queue).failingStores[name] = error;
}

void host::spooler::FailReads(const std::wstring& queue, const std::wstring& name, DWORD error)
{
    TheStore().queues.at(queue).failingReads[name] = error;
}

void host::spooler::ThrowOnNextRead()
{
    TheStore().throwOnNextRead = true;
}

int host::spooler::OpenHandles()
{
    return static_cast<int>(TheStore().handles.size());
}

int host::spooler::StoreCount()
{
    return TheStore().storeCount;
}

DWORD host::spooler::LastDesiredAccess()
{
    const auto& accesses = TheStore().desiredAccesses;
    return accesses.empty() ? 0 : accesses.back();
}

std::vector<DWORD> host::spooler::DesiredAccesses()
{
    return TheStore().desiredAccesses;
}

BOOL WINAPI EnumPrintersA(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned)
{
    return EnumPrinters<PRINTER_INFO_4A>(flags, name, level, buffer, size, needed, returned);
}

BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned)
{
    return EnumPrinters<PRINTER_INFO_4W>(flags, name, level, buffer, size, needed, returned);
}

BOOL WINAPI OpenPrinterW(LPWSTR printerName, HANDLE* printer, LPPRINTER_DEFAULTSW defaults)
{
    Store& store = TheStore();
    const DWORD access = defaults != nullptr ? defaults->DesiredAccess : PRINTER_ACCESS_USE;
    store.desiredAccesses.push_back(access);
    auto queue = printerName != nullptr ? store.queues.find(printerName) : store.queues.end();
    if (queue == store.queues.end())
    {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    if (queue->second.openError)
    {
        SetLastError(*queue->second.openError);
        return FALSE;
    }
    if (!queue->second.fullAccess && (access & PRINTER_ACCESS_ADMINISTER) != 0)
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    auto open = std::make_unique<OpenPrinter>(OpenPrinter{printerName, access});
    *printer = open.get();
    store.handles.insert(std::move(open));
    return TRUE;
}

BOOL WINAPI ClosePrinter(HANDLE printer)
{
    auto& handles = TheStore().handles;
    for (auto open = handles.begin(); open != handles.end(); ++open)
        if (open->get() == printer)
        {
            handles.erase(open);
            return TRUE;
        }
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

DWORD WINAPI GetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, LPDWORD type,
                               LPBYTE data, DWORD size, LPDWORD needed)
{
    if (std::exchange(TheStore().throwOnNextRead, false))
        throw std::runtime_error("printer data read failed");
    Queue* queue = QueueOf(printer);
    if (queue == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || valueName == nullptr || needed == nullptr)
        return ERROR_INVALID_PARAMETER;
    auto failing = queue->failingReads.find(valueName);
    if (failing != queue->failingReads.end())
        return failing->second;
    auto value = queue->data.find({keyName, valueName});
    if (value == queue->data.end())
        return ERROR_FILE_NOT_FOUND;
    const auto& bytes = value->second.data;
    *needed = static_cast<DWORD>(bytes.size());
    if (type != nullptr)
        *type = value->second.type;
    if (bytes.size() > size)
        return ERROR_MORE_DATA;
    if (!bytes.empty())
        std::memcpy(data, bytes.data(), bytes.size());
    return ERROR_SUCCESS;
}

DWORD WINAPI SetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, DWORD type,
                               LPBYTE data, DWORD size)
{
    const OpenPrinter* open = Find(printer);
    Queue* queue = QueueOf(open);
    if (queue == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || valueName == nullptr || (data == nullptr && size > 0))
        return ERROR_INVALID_PARAMETER;
    if ((open->access & PRINTER_ACCESS_ADMINISTER) == 0)
        return ERROR_ACCESS_DENIED;
    host::CallLog().push_back("SetPrinterDataEx " + ToAnsi(valueName));
    auto failing = queue->failingStores.find(valueName);
    if (failing != queue->failingStores.end())
        return failing->second;
    ++TheStore().storeCount;
    queue->data[{keyName, valueName}] = {type, std::vector<BYTE>(data, data + size)};
    return ERROR_SUCCESS;
}

DWORD WINAPI DeletePrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName)
{
    const OpenPrinter* open = Find(printer);
    Queue* queue = QueueOf(open);
    if (queue == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || valueName == nullptr)
        return ERROR_INVALID_PARAMETER;
    if ((open->access & PRINTER_ACCESS_ADMINISTER) == 0)
        return ERROR_ACCESS_DENIED;
    host::CallLog().push_back("DeletePrinterDataEx " + ToAnsi(valueName));
    return queue->data.erase({keyName, valueName}) != 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}
