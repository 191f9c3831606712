// What tests can arrange and observe of the in-memory print spooler. Printer data is kept per
// queue, key and value name, with its type and bytes, exactly as stored. Names are UTF-16, as
// the W calls take them.
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
// A queue that OpenPrinterW can open; without full access only a request for less succeeds.
// A handle opened without PRINTER_ACCESS_ADMINISTER cannot store printer data.
void AddQueue(const std::wstring& name, bool fullAccess = true);
// A queue on a print server ("\\server\name") that this user is connected to, so that
// EnumPrintersA/W list it with PRINTER_ENUM_CONNECTIONS. Every other queue lists as local.
void AddConnection(const std::wstring& name, bool fullAccess = true);
// Every later EnumPrintersA/W fails with error.
void FailEnumeration(DWORD error);
// The next EnumPrintersA/W, whatever it returns, is followed by a new queue, as when a queue is
// added between a caller's size query and its second call.
void AddQueueAfterNextEnumeration(const std::wstring& name);
void SetValue(const std::wstring& queue, const std::wstring& key, const std::wstring& name,
              Value value);
void SetDword(const std::wstring& queue, const std::wstring& name, DWORD value); // key "\"
std::optional<Value> GetValue(const std::wstring& queue, const std::wstring& key,
                              const std::wstring& name);
std::optional<DWORD> GetDword(const std::wstring& queue, const std::wstring& name); // key "\"
// Every later OpenPrinterW of that queue fails with error; ERROR_SUCCESS: without saying why, as a
// print provider may.
void FailOpens(const std::wstring& queue, DWORD error);
// Every later SetPrinterDataExW of that value on that queue fails with error.
void FailStores(const std::wstring& queue, const std::wstring& name, DWORD error);
// Every later GetPrinterDataExW of that value on that queue fails with error.
void FailReads(const std::wstring& queue, const std::wstring& name, DWORD error);
// The next GetPrinterDataExW throws, as an unexpected failure inside the caller would.
void ThrowOnNextRead();
int OpenHandles();
int StoreCount();
// The access asked for by the last OpenPrinterW, and by every one in order.
DWORD LastDesiredAccess();
std::vector<DWORD> DesiredAccesses();
} // namespace host::spooler
