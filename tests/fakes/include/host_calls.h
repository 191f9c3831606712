// The order of the platform calls that matter to the settings' life: service queries, controls
// and starts, sleeps and printer-data stores, one line each ("Sleep 3000", "ControlService
// Spooler 1", ...).
#pragma once

#include <string>
#include <vector>

namespace host
{
std::vector<std::string>& CallLog();
// Resets every stand-in: messages, spooler, services, console output, code page and call log.
void ResetAll();
} // namespace host
