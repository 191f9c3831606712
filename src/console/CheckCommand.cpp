// check: whether each queue holds the values asked for. Reads only, with the right to print.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Messages.h"
#include "console/SettingText.h"
#include "resource.h"

namespace
{
struct Asked
{
    SettingKind kind;
    std::optional<DWORD> milliseconds;
    const StoredSetting& stored;
    UINT differenceLine;
};
} // namespace

int CheckQueues(const Command& command, const std::vector<Target>& targets,
                CDriverMonitors& monitors, CReport& report)
{
    const auto check = [&](const QueueVisit& visit) {
        const Asked asked[] = {
            {SettingKind::kInterval, command.interval, visit.settings->interval,
             IDS_CMD_INTERVAL_DIFFERS},
            {SettingKind::kTimeout, command.timeout, visit.settings->timeout,
             IDS_CMD_TIMEOUT_DIFFERS},
        };
        std::vector<std::string> differs;
        std::wstring differences;
        CJsonObject values;
        for (const Asked& a : asked)
        {
            if (!a.milliseconds)
                continue;
            values.Number(JsonName(a.kind) + "AskedMs", a.milliseconds);
            AddSettingJson(values, a.kind, a.stored);
            if (a.stored.Holds(*a.milliseconds))
                continue;
            differs.push_back(JsonName(a.kind));
            differences += Message(a.differenceLine, {MillisecondsText(a.kind, *a.milliseconds),
                                                      StoredText(a.kind, a.stored)}) +
                           L"\n";
        }
        QueueDone done;
        done.json.Text("result", differs.empty() ? L"matches" : L"differs")
            .Names("differs", differs)
            .Members(values);
        if (differs.empty())
        {
            report.Say(IDS_CMD_MATCHES, {visit.name});
        }
        else
        {
            done = {done.json, kExitDiffers, 1};
            report.Say(IDS_CMD_DIFFERS, {visit.name});
            if (!report.IsJson())
                report.Write(ConsoleStream::kOutput, differences);
        }
        NoteWithoutMonitor(visit, report);
        return done;
    };
    const QueuesDone done = ForEachQueue(
        targets, PRINTER_ACCESS_USE,
        CJsonObject().Text("result", L"not-opened").Names("differs", {}), monitors, report, check);
    SaySummary(IDS_CMD_CHECK_SUMMARY, done, report);
    return done.status;
}
