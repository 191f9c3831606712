#pragma once

// What the commands' flows share: their report, the queues they work on and the visit of each.

#include "console/CommandLine.h"
#include "console/ConsoleOutput.h"
#include "console/Json.h"
#include "console/QueueSettings.h"
#include "printer/PrinterInfo.h"
#include "printer/QueueListing.h"

#include <windows.h>

#include <functional>
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
    void Object(const CJsonObject& json);

  private:
    CConsoleOutput& m_out;
    bool m_json;
};

// A machine as messages name it: "\\name", or this computer for "".
std::wstring MachineText(const std::wstring& machine);

// A queue a command works on, with its driver when its machine's listing named it.
struct Target
{
    std::wstring name;
    std::optional<std::wstring> driver;
};

// The queues the command works on: those it names, or those of its machine (this computer or
// its --server) that its selection picks, or for list without one all of them. Says on standard
// error when the machine cannot list them (status 3) or none matches (status 0); the status so
// far is returned.
int SelectTargets(const Command& command, CDriverMonitors& monitors, CReport& report,
                  std::vector<Target>& targets);

// One queue opened with the access asked for, its driver and language monitor known and its
// settings read once.
struct QueueVisit
{
    std::wstring name;
    std::unique_ptr<CPrinterInfo> printer; // null when it could not be opened
    DWORD openError = ERROR_SUCCESS;       // why not; ERROR_SUCCESS when the open broke
    QueueDriver driver;
    std::optional<QueueSettings> settings; // none when reading broke unexpectedly
};

// What a command made of one queue: the members of its object after the queue's own, with the
// error that closes it (0: none, null: a failure without a code), the exit status it calls for,
// and which of the command's three tallies it counts in.
struct QueueDone
{
    CJsonObject json;
    int status = 0;
    int tally = 0;
    std::optional<DWORD> error = ERROR_SUCCESS;
};

struct QueuesDone
{
    int status = 0; // the worst
    // The queues in each tally; the last holds those that could not be opened.
    std::vector<std::wstring> tallies[3];
};

// Visits each queue with the access asked for and writes its object: "queue", "driver",
// "languageMonitor" (null when the driver names none or it could not be read), "driverError"
// where it could not, then what work made of an opened queue, or notOpened with "error" for
// one that could not be opened, which is also said on standard error (status 3).
QueuesDone ForEachQueue(const std::vector<Target>& targets, DWORD access,
                        const CJsonObject& notOpened, CDriverMonitors& monitors, CReport& report,
                        const std::function<QueueDone(QueueVisit&)>& work);
// With more than one queue, the summary id: %1 their number, %2 to %4 the tallies' sizes.
void SaySummary(UINT id, const QueuesDone& done, CReport& report);
// check's and set's word on a queue whose driver has no language monitor to read the values.
void NoteWithoutMonitor(const QueueVisit& visit, CReport& report);
// The commands, each over the queues it works on; each returns its exit status.
int ShowQueues(const std::vector<Target>& targets, CDriverMonitors& monitors, CReport& report);
int CheckQueues(const Command& command, const std::vector<Target>& targets,
                CDriverMonitors& monitors, CReport& report);
int SetQueues(const Command& command, const std::vector<Target>& targets, CDriverMonitors& monitors,
              CReport& report);
// Restarts the print spooler of each machine ("" is this computer) in turn, saying what became of
// each on its lines and, with --json, in one object per machine. With whenIdle, first waits up to
// that many seconds until no document is being printed or sent there; a machine still busy then
// is not restarted. A break ends the run during a wait, and waits for a restart under way. Returns
// the worst exit status.
int RestartSpoolers(const std::vector<std::wstring>& machines, std::optional<DWORD> whenIdle,
                    CReport& report);
