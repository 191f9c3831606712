// What tests can arrange and observe of the in-memory print spooler. Printer data is kept per
// queue, key and value name, with its type and bytes exactly as stored. Names are UTF-16, as the
// W calls take them.
#pragma once

#include "SpoolerModel.h"

namespace host::spooler
{
using spoolermodel::Value;

void Reset();
// winspool.drv of the system folder fails to load with error, or lacks the function of that name.
void FailLibraryLoad(DWORD error);
void RemoveFunction(const std::string& name);
// What the loader gives for winspool.drv: whether it loads (else the last error is set), and its
// functions by name (null for one it lacks).
bool LibraryLoads();
FARPROC Function(const std::string& name);
// A queue that OpenPrinterW can open, using the driver named; without full access only a request
// to print or to read its security (PRINTER_ACCESS_USE, READ_CONTROL) succeeds, and such a handle
// cannot change printer data. A name "\\server\name" is a print server's queue: that server
// lists it (PRINTER_ENUM_NAME), and this computer lists it as a connection
// (PRINTER_ENUM_CONNECTIONS); any other name is this computer's own (PRINTER_ENUM_LOCAL). A print
// server without queues cannot be reached.
constexpr const wchar_t* kLaserDriver = L"Laser Driver";
void AddQueue(const std::wstring& name, bool fullAccess = true,
              const std::wstring& driver = kLaserDriver);
// A document in the queue (added before), in the state given (JOB_STATUS_...).
void AddDocument(const std::wstring& queue, DWORD status);
// Every later EnumJobsW on that queue fails with error.
void FailDocumentListing(const std::wstring& queue, DWORD error);
// A driver that every machine has, with the language monitor it names ("": none). After Reset
// there is one, kLaserDriver with the monitor L"Laser Monitor".
void AddDriver(const std::wstring& name, const std::wstring& monitor);
// Every later EnumPrintersW (EnumPrinterDriversW) of that machine ("" this computer, or
// "\\server") fails with error.
void FailEnumeration(DWORD error, const std::wstring& machine = L"");
void FailDriverEnumeration(DWORD error, const std::wstring& machine = L"");
// How many times each spooler function ("OpenPrinterW", ...) was called since the last Reset.
int Calls(const std::string& function);
// The next listing of the queues (EnumPrintersW, or EnumPrinterDriversW of a print server, which
// the spooler knows by its queues), whatever it returns, is followed by a new queue, as when a
// queue is added between a caller's size query and its second call.
void AddQueueAfterNextEnumeration(const std::wstring& name);
void SetValue(const std::wstring& queue, const std::wstring& key, const std::wstring& name,
              Value value);
std::optional<Value> GetValue(const std::wstring& queue, const std::wstring& key,
                              const std::wstring& name);
// A 4-byte REG_DWORD under the key "\"; GetDword gives nothing for any other form.
void SetDword(const std::wstring& queue, const std::wstring& name, DWORD value);
std::optional<DWORD> GetDword(const std::wstring& queue, const std::wstring& name);
// Every later OpenPrinterW of that queue fails with error; ERROR_SUCCESS: without saying why, as a
// print provider may.
void FailOpens(const std::wstring& queue, DWORD error);
// Every later SetPrinterDataExW (GetPrinterDataExW) of that value on that queue fails with error.
void FailStores(const std::wstring& queue, const std::wstring& name, DWORD error);
void FailReads(const std::wstring& queue, const std::wstring& name, DWORD error);
// The next GetPrinterDataExW throws, as an unexpected failure inside the caller would.
void ThrowOnNextRead();
using spoolermodel::DesiredAccesses;
using spoolermodel::OpenHandles;
} // namespace host::spooler
