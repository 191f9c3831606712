// The print spooler as the tests play it, written once for the in-memory spooler of the Linux
// tests (tests/fakes/Spooler.cpp) and the Wine runs' winspool.drv stand-in
// (tests/standin/PrinterDataStore.cpp). SpoolerModel.cpp defines winspool.drv's functions
// (OpenPrinterW, ...) on the store that each side gives as TheStore(): memory, or Wine's registry.
// - A queue is "name", or "\\server\name" on a print server, which is known by its queues: one
//   without any cannot be reached. Names compare ignoring the case of ASCII letters.
// - EnumPrintersW lists this computer's queues (PRINTER_ENUM_LOCAL), every print server's as its
//   connections (PRINTER_ENUM_CONNECTIONS), or one server's (PRINTER_ENUM_NAME). Every machine
//   has the drivers that EnumPrinterDriversW lists, each with its language monitor (or null).
// - A queue holds documents, each with its state (JOB_STATUS_...): PRINTER_INFO_2W.cJobs counts
//   them, EnumJobsW lists them in the order they came, any handle may.
// - Records go into the caller's buffer, their texts after them; too small a buffer fails with
//   ERROR_INSUFFICIENT_BUFFER (ERROR_MORE_DATA for printer data) and the size needed.
// - Access beyond printing and reading security is the store's to grant; only a handle with
//   PRINTER_ACCESS_ADMINISTER changes printer data. Key "\" is the queue's own, "A\B" below it.
// - Each call is counted by its function's name; the failures the tests arrange come through the
//   store.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace spoolermodel
{
// Printer data as stored: its type and bytes.
struct Value
{
    DWORD type;
    std::vector<BYTE> data;
};

struct ListedQueue
{
    std::wstring name; // "\\server\name" for a print server's queue
    std::wstring driver;
};

struct Driver
{
    std::wstring name;
    std::wstring monitor; // "": it names none
};

// What a spooler keeps, wherever it keeps it. Queues reach it by well-formed names, found as the
// spooler compares names; printer-data keys without the backslashes around them.
class CStore
{
  public:
    virtual ~CStore() = default;
    // Every queue, and every driver of every processor architecture, in the order listed.
    virtual std::vector<ListedQueue> Queues() = 0;
    virtual std::vector<Driver> Drivers() = 0;
    virtual bool Has(const std::wstring& queue) = 0;
    virtual bool MayAdminister(const std::wstring& queue) = 0;
    virtual std::wstring DriverOf(const std::wstring& queue) = 0;
    // The state of each document the queue holds.
    virtual std::vector<DWORD> Documents(const std::wstring& queue) = 0;
    virtual std::optional<Value> Read(const std::wstring& queue, const std::wstring& key,
                                      const std::wstring& name) = 0;
    virtual DWORD Write(const std::wstring& queue, const std::wstring& key,
                        const std::wstring& name, const Value& value) = 0;
    virtual bool Erase(const std::wstring& queue, const std::wstring& key,
                       const std::wstring& name) = 0;
    // A call of the function named about to reach the store, on a queue and value, or listing a
    // machine ("" this computer): the error the tests arranged for it, if any. An open may fail
    // with ERROR_SUCCESS, as a print provider may.
    virtual std::optional<DWORD> Arranged(const std::string& function, const std::wstring& subject,
                                          const std::wstring& value) = 0;
};

// The store of this process, which each side gives.
CStore& TheStore();

// A name as the spooler compares names: ASCII letters in upper case.
std::wstring NameKey(const std::wstring& name);
bool SameName(const std::wstring& a, const std::wstring& b);
// "\\server" for a name "\\server\name", "" for this computer's queue.
std::wstring MachineOf(const std::wstring& name);
// A printer-data key as the store keeps it.
std::wstring DataKey(const std::wstring& key);

// Forgets the open handles, the calls and the accesses asked for.
void Reset();
// How many times each function was called, by its name.
const std::map<std::string, int>& Calls();
int OpenHandles();
// The access asked for by every OpenPrinterW, in order.
const std::vector<DWORD>& DesiredAccesses();
} // namespace spoolermodel
