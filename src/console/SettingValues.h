#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The values and queue names a command line may give, checked before anything is stored. The
// numbers follow the dialog's ranges, but a value outside them is refused, never clamped.

// "off" (any case) gives 0, background status off; otherwise 0.1 to 240.0 seconds written as
// digits with at most one decimal after a full stop ("2", "2.5", "240.0"), in milliseconds.
// Only ASCII digits count: a full-width "１" is not a 1.
std::optional<DWORD> ParseIntervalSetting(const std::wstring& text);

// 5 to 600 whole seconds, digits only, in milliseconds.
std::optional<DWORD> ParseTimeoutSetting(const std::wstring& text);

// Whether the spooler would open the name as one printer queue: a local name, or
// "\\server\name". Refused: an empty name or a bare "\\server" (they open the print server,
// whose printer data is not a queue's), a comma (the spooler reads what follows as a job or
// port) and any other backslash.
bool IsQueueName(const std::wstring& name);

// "\\server" for a queue "\\server\name", "" for a local queue.
std::wstring MachineOf(const std::wstring& queueName);

// Queue and machine names compared as the spooler does for the names a command line repeats:
// ignoring the case of ASCII letters.
bool SameName(const std::wstring& a, const std::wstring& b);
