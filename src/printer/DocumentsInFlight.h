#pragma once

#include <windows.h>

#include <optional>
#include <string>

// How many documents a restart of a machine's print spooler would interrupt: those being printed
// (printed again from their first page once it runs again) and those still being sent to it (the
// program sending them is told the printing failed). Documents that wait, are paused or are held
// by a printer error stay queued and are not counted. machine: "" for this computer's own queues,
// "\\server" for a print server's. nullopt when they cannot be counted.
std::optional<DWORD> CountDocumentsInFlight(const std::wstring& machine);
