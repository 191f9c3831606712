// What tests can arrange and observe of the in-memory print spooler. Printer data is kept per
// queue, key and value name, with its type and bytes, exactly as stored.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace host::spooler
{
struct Value
{
    DWORD type;
    std::vector<BYTE> data;
};

void Reset();
// A queue that OpenPrinterA can open; without full access only a request for less succeeds.
// A handle opened without PRINTER_ACCESS_ADMINISTER cannot store printer data.
void AddQueue(const std::string& name, bool fullAccess = true);
// A queue on a print server ("\\server\name") that this user is connected to, so that
// EnumPrintersA lists it with PRINTER_ENUM_CONNECTIONS. Every other queue lists as local.
void AddConnection(const std::string& name, bool fullAccess = true);
// Every later EnumPrintersA fails with error.
void FailEnumeration(DWORD error);
// The next EnumPrintersA, whatever it returns, is followed by a new queue, as when a queue is
// added between a caller's size query and its second call.
void AddQueueAfterNextEnumeration(const std::string& name);
void SetValue(const std::string& queue, const std::string& key, const std::string& name,
              Value value);
void SetDword(const std::string& queue, const std::string& name, DWORD value); // key "\"
std::optional<Value> GetValue(const std::string& queue, const std::string& key,
                              const std::string& name);
std::optional<DWORD> GetDword(const std::string& queue, const std::string& name); // key "\"
// Every later SetPrinterDataExA of that value on that queue fails with error.
void FailStores(const std::string& queue, const std::string& name, DWORD error);
// The next GetPrinterDataExA throws, as an unexpected failure inside the caller would.
void ThrowOnNextRead();
int OpenHandles();
int StoreCount();
// The access asked for by the last OpenPrinterA, and by every one in order.
DWORD LastDesiredAccess();
std::vector<DWORD> DesiredAccesses();
} // namespace host::spooler
