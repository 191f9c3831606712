#pragma once

#include <string>

// How the spooler names queues and machines.

// Whether the spooler would open the name as one printer queue: a local name, or
// "\\server\name". Refused: an empty name or a bare "\\server" (they open the print server,
// whose printer data is not a queue's), a comma (the spooler reads what follows as a job or
// port) and any other backslash.
bool IsQueueName(const std::wstring& name);

// "\\server" for a queue "\\server\name", "" for a local queue.
std::wstring MachineOf(const std::wstring& queueName);

// Names of queues, machines and drivers compared as the spooler compares them: ignoring the case
// of ASCII letters.
bool SameName(const std::wstring& a, const std::wstring& b);

// The character, lower case for an ASCII letter.
wchar_t LowerAscii(wchar_t c);

// Whether the name starts with the two backslashes of a machine's name.
bool StartsWithTwoBackslashes(const std::wstring& name);
