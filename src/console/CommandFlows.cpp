#include "console/CommandFlows.h"

#include "console/Commands.h"
#include "console/Messages.h"
#include "console/Names.h"
#include "printer/PrinterInfoException.h"
#include "resource.h"

void CReport::Say(UINT id, const std::vector<std::wstring>& arguments)
{
    if (!m_json)
        m_out.Write(ConsoleStream::kOutput, Message(id, arguments) + L"\n");
}

void CReport::Complain(UINT id, const std::vector<std::wstring>& arguments)
{
    m_out.Write(ConsoleStream::kError, Message(id, arguments) + L"\n");
}

void CReport::Object(const CJsonObject& json)
{
    if (m_json)
        m_out.Write(ConsoleStream::kOutput, Widened(json.Json()) + L"\n");
}

std::wstring MachineText(const std::wstring& machine)
{
    return machine.empty() ? Message(IDS_CMD_THIS_COMPUTER) : machine;
}

namespace
{
// That the machine could not tell its queues or drivers: on standard error, and as an object.
int ListingFailed(const std::wstring& machine, UINT message, DWORD error, CReport& report)
{
    report.Complain(message, {MachineText(machine), ErrorArgument(error)});
    report.Object(CJsonObject().Text("server", machine).Number("error", error));
    return kExitNotOpened;
}

QueueVisit Visit(const Target& target, DWORD access, CDriverMonitors& monitors)
{
    QueueVisit visit;
    visit.name = target.name;
    try
    {
        visit.printer = std::make_unique<CPrinterInfo>(target.name.c_str(), access);
        DWORD error = ERROR_SUCCESS;
        const std::wstring driver =
            target.driver ? *target.driver : visit.printer->GetDriverName(error);
        visit.driver = error == ERROR_SUCCESS ? monitors.Of(MachineOf(target.name), driver)
                                              : QueueDriver{std::nullopt, std::nullopt, error};
        visit.settings = ReadQueueSettings(*visit.printer);
    }
    catch (const CPrinterInfoException& e)
    {
        visit.openError = e.error;
    }
    catch (...)
    {
    }
    return visit;
}

void ComplainNotOpened(const QueueVisit& visit, DWORD access, CReport& report)
{
    if (visit.openError == ERROR_SUCCESS)
        report.Complain(IDS_CMD_BROKE, {visit.name});
    else if (visit.openError == ERROR_INVALID_PRINTER_NAME)
        report.Complain(IDS_CMD_NO_SUCH_QUEUE, {visit.name});
    else if (visit.openError == ERROR_ACCESS_DENIED && access == PRINTER_ALL_ACCESS)
        report.Complain(IDS_CMD_OPEN_FAILED_FULL, {visit.name});
    else
        report.Complain(IDS_CMD_OPEN_FAILED, {visit.name, ErrorArgument(visit.openError)});
}
} // namespace

int SelectTargets(const Command& command, CDriverMonitors& monitors, CReport& report,
                  std::vector<Target>& targets)
{
    const bool everything = command.selection == Selection::kNone;
    if (everything && command.verb != Verb::kList)
    {
        for (const std::wstring& queue : command.queues)
            targets.push_back({queue, std::nullopt});
        return kExitDone;
    }
    // Connections are their servers' queues, stored and restarted there: a selection leaves them
    // to a run against that server.
    const QueueListing listing =
        ListQueues(command.Server(), everything && command.servers.empty());
    if (listing.error != ERROR_SUCCESS)
        return ListingFailed(command.Server(), IDS_CMD_LIST_FAILED, listing.error, report);
    for (const ListedQueue& queue : listing.queues)
    {
        std::optional<std::wstring> name = queue.driver;
        if (command.selection == Selection::kMonitor)
        {
            const QueueDriver driver = monitors.Of(MachineOf(queue.name), queue.driver);
            if (driver.error != ERROR_SUCCESS && driver.error != ERROR_UNKNOWN_PRINTER_DRIVER)
                return ListingFailed(MachineOf(queue.name), IDS_CMD_DRIVERS_FAILED, driver.error,
                                     report);
            name = driver.monitor;
        }
        if (everything || (name && MatchesPattern(*name, command.pattern)))
            targets.push_back({queue.name, queue.driver});
    }
    if (targets.empty() && everything)
        report.Say(IDS_CMD_NO_QUEUES);
    else if (targets.empty())
        report.Complain(command.selection == Selection::kDriver ? IDS_CMD_NO_DRIVER_MATCHES
                                                                : IDS_CMD_NO_MONITOR_MATCHES,
                        {MachineText(command.Server()), command.pattern});
    return kExitDone;
}

QueuesDone ForEachQueue(const std::vector<Target>& targets, DWORD access,
                        const CJsonObject& notOpened, CDriverMonitors& monitors, CReport& report,
                        const std::function<QueueDone(QueueVisit&)>& work)
{
    QueuesDone done;
    for (const Target& target : targets)
    {
        QueueVisit visit = Visit(target, access, monitors);
        QueueDone queue;
        if (visit.settings)
        {
            queue = work(visit);
        }
        else
        {
            ComplainNotOpened(visit, access, report);
            queue = {notOpened, kExitNotOpened, 2, visit.openError};
            if (visit.openError == ERROR_SUCCESS)
                queue.error = std::nullopt; // a failure without a code
        }
        CJsonObject json;
        json.Text("queue", visit.name)
            .Text("driver", visit.driver.name)
            .Text("languageMonitor", visit.driver.monitor);
        if (visit.driver.error != ERROR_SUCCESS)
            json.Number("driverError", visit.driver.error);
        report.Object(json.Members(queue.json).Number("error", queue.error));
        done.status = WorseStatus(done.status, queue.status);
        done.tallies[queue.tally].push_back(visit.name);
    }
    return done;
}

void SaySummary(UINT id, const QueuesDone& done, CReport& report)
{
    std::vector<std::wstring> arguments;
    size_t queues = 0;
    for (const auto& tally : done.tallies)
    {
        arguments.push_back(NumberArgument(tally.size()));
        queues += tally.size();
    }
    if (queues > 1)
    {
        arguments.insert(arguments.begin(), NumberArgument(queues));
        report.Say(id, arguments);
    }
}

void NoteWithoutMonitor(const QueueVisit& visit, CReport& report)
{
    const QueueDriver& driver = visit.driver;
    if (driver.name && !driver.monitor && driver.error == ERROR_SUCCESS)
        report.Say(IDS_CMD_READ_BY_NO_MONITOR, {visit.name, *driver.name});
}
