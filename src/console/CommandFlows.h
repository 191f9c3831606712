#pragma once

// The commands' flows, each writing through a CReport and returning its exit status.

#include "console/CommandLine.h"
#include "console/ConsoleOutput.h"
#include "console/QueueSettings.h"
#include "printer/PrinterInfo.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// What a command writes: text, or with --json one JSON object per line on standard output.
// Problems go to standard error as text either way.
class CReport
{
  public:
    CReport(CConsoleOutput& out, bool json) : m_out(out), m_json(json) {}

    bool IsJson() const { return m_json; }
    // A result line, in text mode only.
    void Say(UINT id, const std::vector<std::wstring>& arguments = {});
    // A problem, on standard error.
    void Complain(UINT id, const std::vector<std::wstring>& arguments = {});
    void Write(ConsoleStream stream, const std::wstring& text) { m_out.Write(stream, text); }
    // One JSON object, in JSON mode only.
    void Object(const std::string& json);

  private:
    CConsoleOutput& m_out;
    bool m_json;
};

// A queue opened with the access asked for, or the spooler's reason why it could not be.
struct OpenedQueue
{
    std::unique_ptr<CPrinterInfo> printer;
    DWORD error = ERROR_SUCCESS;
};
OpenedQueue OpenQueue(const std::wstring& name, DWORD desiredAccess);

// A queue's settings, read with no more than the right to print, or the reason why the queue
// could not be opened (ERROR_SUCCESS when reading failed unexpectedly).
struct QueueRead
{
    std::optional<QueueSettings> settings;
    DWORD error = ERROR_SUCCESS;
};
QueueRead ReadQueue(const std::wstring& name);

// A failure's error code for JSON: null where there is none.
std::string ErrorJson(DWORD error);

int ShowQueues(const std::vector<std::wstring>& queues, CReport& report);
int ListAllQueues(CReport& report);
int CheckQueues(const Command& command, CReport& report);
int SetQueues(const Command& command, CReport& report);
