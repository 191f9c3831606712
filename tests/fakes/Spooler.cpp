// The in-memory spooler: the store of the spooler's functions (tests/spooler) kept in
// memory, what tests arrange and observe of it, and winspool.drv as the loader finds it.
#include "host_calls.h"
#include "host_spooler.h"
#include "host_text.h"

#include <map>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>

using namespace spoolermodel;

namespace
{
struct Queue
{
    std::wstring name;
    bool fullAccess = true;
    std::wstring driver;
    std::map<std::pair<std::wstring, std::wstring>, Value> data; // by key and value name
    std::vector<DWORD> documents;
};

class CMemoryStore final : public CStore
{
  public:
    std::map<std::wstring, Queue> queues; // by NameKey, which lists them in the order of names
    std::vector<Driver> drivers = {{host::spooler::kLaserDriver, L"Laser Monitor"}};
    // By function, NameKey of the queue or machine, and value name.
    std::map<std::tuple<std::string, std::wstring, std::wstring>, DWORD> failures;
    std::optional<std::wstring> queueAfterListing;
    bool throwOnNextRead = false;
    DWORD libraryError = ERROR_SUCCESS;
    std::set<std::string> removedFunctions;

    std::vector<ListedQueue> Queues() override
    {
        std::vector<ListedQueue> listed;
        for (const auto& [key, queue] : queues)
            listed.push_back({queue.name, queue.driver});
        if (auto added = std::exchange(queueAfterListing, std::nullopt))
            host::spooler::AddQueue(*added);
        return listed;
    }
    std::vector<Driver> Drivers() override { return drivers; }
    bool Has(const std::wstring& queue) override { return queues.count(NameKey(queue)) != 0; }
    bool MayAdminister(const std::wstring& queue) override { return Named(queue).fullAccess; }
    std::wstring DriverOf(const std::wstring& queue) override { return Named(queue).driver; }
    std::vector<DWORD> Documents(const std::wstring& queue) override
    {
        return Named(queue).documents;
    }
    std::optional<Value> Read(const std::wstring& queue, const std::wstring& key,
                              const std::wstring& name) override
    {
        const auto& data = Named(queue).data;
        const auto value = data.find({key, name});
        return value != data.end() ? std::optional<Value>(value->second) : std::nullopt;
    }
    DWORD Write(const std::wstring& queue, const std::wstring& key, const std::wstring& name,
                const Value& value) override
    {
        Named(queue).data[{key, name}] = value;
        return ERROR_SUCCESS;
    }
    bool Erase(const std::wstring& queue, const std::wstring& key,
               const std::wstring& name) override
    {
        return Named(queue).data.erase({key, name}) != 0;
    }
    // Logs the changes of printer data asked for ("SetPrinterDataEx QuenloTimeout"), whether
    // they are made or refused, and throws from the read the tests asked to.
    std::optional<DWORD> Arranged(const std::string& function, const std::wstring& subject,
                                  const std::wstring& value) override
    {
        if (function == "SetPrinterDataExW" || function == "DeletePrinterDataExW")
            host::CallLog().push_back(function.substr(0, function.size() - 1) + " " +
                                      host::text::ToAnsi(value));
        if (function == "GetPrinterDataExW" && std::exchange(throwOnNextRead, false))
            throw std::runtime_error("printer data read failed");
        const auto failure = failures.find({function, NameKey(subject), value});
        return failure != failures.end() ? std::optional<DWORD>(failure->second) : std::nullopt;
    }
    Queue& Named(const std::wstring& queue) { return queues.at(NameKey(queue)); }
};

CMemoryStore& Memory()
{
    static CMemoryStore store;
    return store;
}

void Fail(const char* function, const std::wstring& subject, const std::wstring& value, DWORD error)
{
    Memory().failures[{function, NameKey(subject), value}] = error;
}
} // namespace

CStore& spoolermodel::TheStore()
{
    return Memory();
}

void host::spooler::Reset()
{
    Memory() = CMemoryStore();
    spoolermodel::Reset();
}

void host::spooler::FailLibraryLoad(DWORD error)
{
    Memory().libraryError = error;
}

void host::spooler::RemoveFunction(const std::string& name)
{
    Memory().removedFunctions.insert(name);
}

bool host::spooler::LibraryLoads()
{
    if (Memory().libraryError == ERROR_SUCCESS)
        return true;
    SetLastError(Memory().libraryError);
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
        {"EnumJobsW", reinterpret_cast<void (*)()>(&EnumJobsW)},
    };
    if (Memory().removedFunctions.count(name) != 0)
        return nullptr;
    for (const auto& [exported, function] : functions)
        if (name == exported)
            return reinterpret_cast<FARPROC>(function);
    return nullptr;
}

void host::spooler::AddQueue(const std::wstring& name, bool fullAccess, const std::wstring& driver)
{
    Queue& queue = Memory().queues[NameKey(name)];
    queue.name = name;
    queue.fullAccess = fullAccess;
    queue.driver = driver;
}

void host::spooler::AddDocument(const std::wstring& queue, DWORD status)
{
    Memory().Named(queue).documents.push_back(status);
}

void host::spooler::FailDocumentListing(const std::wstring& queue, DWORD error)
{
    Fail("EnumJobsW", queue, L"", error);
}

void host::spooler::AddDriver(const std::wstring& name, const std::wstring& monitor)
{
    Memory().drivers.push_back({name, monitor});
}

void host::spooler::FailEnumeration(DWORD error, const std::wstring& machine)
{
    Fail("EnumPrintersW", machine, L"", error);
}

void host::spooler::FailDriverEnumeration(DWORD error, const std::wstring& machine)
{
    Fail("EnumPrinterDriversW", machine, L"", error);
}

int host::spooler::Calls(const std::string& function)
{
    const auto count = spoolermodel::Calls().find(function);
    return count != spoolermodel::Calls().end() ? count->second : 0;
}

void host::spooler::AddQueueAfterNextEnumeration(const std::wstring& name)
{
    Memory().queueAfterListing = name;
}

void host::spooler::SetValue(const std::wstring& queue, const std::wstring& key,
                             const std::wstring& name, Value value)
{
    Memory().Write(queue, DataKey(key), name, value);
}

std::optional<host::spooler::Value> host::spooler::GetValue(const std::wstring& queue,
                                                            const std::wstring& key,
                                                            const std::wstring& name)
{
    return Memory().Read(queue, DataKey(key), name);
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
    Fail("OpenPrinterW", queue, L"", error);
}

void host::spooler::FailStores(const std::wstring& queue, const std::wstring& name, DWORD error)
{
    Fail("SetPrinterDataExW", queue, name, error);
}

void host::spooler::FailReads(const std::wstring& queue, const std::wstring& name, DWORD error)
{
    Fail("GetPrinterDataExW", queue, name, error);
}

void host::spooler::ThrowOnNextRead()
{
    Memory().throwOnNextRead = true;
}
