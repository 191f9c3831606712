// The console program run on the in-memory spooler and service manager, its output kept.
#pragma once

#include "../HostSession.h"

#include "MemoryConsole.h"
#include "console/Commands.h"

#include <host_text.h>

#include <winspool.h>

namespace consoletest
{
constexpr const char* kQueueName = "Office Laser"; // HostSession's queue
constexpr const char* kInterval = "BackgroundStatusInterval";
constexpr const char* kTimeout = "QuenloTimeout";
constexpr const char* kRestartLocal = "ControlService Spooler 1";
constexpr const char* kRestartRemote = "ControlService Spooler@\\\\printhost 1";
// What is said of the driver that the queues have unless a test gives them another.
constexpr const char* kLaserDriverLine = "  Driver: Laser Driver, language monitor: Laser Monitor";
constexpr const char* kLaserDriverJson =
    "\"driver\":\"Laser Driver\",\"languageMonitor\":\"Laser Monitor\"";

// Queues and value names are UTF-8 here, UTF-16 for the spooler.
inline void AddQueue(const std::string& name, bool fullAccess = true,
                     const std::string& driver = "Laser Driver")
{
    host::spooler::AddQueue(host::text::FromAnsi(name), fullAccess, host::text::FromAnsi(driver));
}
inline void SetDword(const std::string& queue, const char* name, DWORD value)
{
    host::spooler::SetDword(host::text::FromAnsi(queue), host::text::FromAnsi(name), value);
}
inline void SetValue(const std::string& queue, const char* name, DWORD type,
                     std::vector<BYTE> bytes)
{
    host::spooler::SetValue(host::text::FromAnsi(queue), L"\\", host::text::FromAnsi(name),
                            {type, std::move(bytes)});
}
inline void FailReads(const std::string& queue, const char* name, DWORD error)
{
    host::spooler::FailReads(host::text::FromAnsi(queue), host::text::FromAnsi(name), error);
}
inline void FailStores(const std::string& queue, const char* name, DWORD error)
{
    host::spooler::FailStores(host::text::FromAnsi(queue), host::text::FromAnsi(name), error);
}
inline std::optional<host::spooler::Value> GetValue(const std::string& queue, const char* name)
{
    return host::spooler::GetValue(host::text::FromAnsi(queue), L"\\", host::text::FromAnsi(name));
}
inline std::optional<DWORD> GetDword(const std::string& queue, const char* name)
{
    return host::spooler::GetDword(host::text::FromAnsi(queue), host::text::FromAnsi(name));
}
inline void AddStoredQueue(const std::string& name, DWORD interval, DWORD timeout)
{
    AddQueue(name);
    SetDword(name, kInterval, interval);
    SetDword(name, kTimeout, timeout);
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();)
    {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}
} // namespace consoletest

class ConsoleSession : public HostSession
{
  protected:
    // Runs the program with the arguments (UTF-8 here, UTF-16 for the program) on fresh output.
    int Run(const std::vector<std::string>& args)
    {
        std::vector<std::wstring> wide;
        for (const std::string& arg : args)
            wide.push_back(host::text::FromAnsi(arg));
        m_console.Clear();
        return RunSettingToolCmd(wide, m_console);
    }
    std::string Out() const { return m_console.OutputText(); }
    std::string Err() const { return m_console.ErrorText(); }
    const MemoryConsole& Console() const { return m_console; }
    static int Restarts()
    {
        return CountLogged(consoletest::kRestartLocal) + CountLogged(consoletest::kRestartRemote);
    }

  private:
    MemoryConsole m_console;
};
