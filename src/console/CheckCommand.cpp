// check: whether each queue holds the values asked for. Reads only, with the right to print.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Json.h"
#include "console/Messages.h"
#include "console/QueueSettings.h"
#include "console/SettingText.h"
#include "resource.h"

namespace
{
struct Asked
{
    SettingKind kind;
    DWORD milliseconds;
    const StoredSetting* stored;

    bool Held() const { return stored->Holds(milliseconds); }
};

// The settings the command asks about, with what the queue holds for each.
std::vector<Asked> AskedSettings(const Command& command, const QueueSettings& settings)
{
    std::vector<Asked> asked;
    if (command.interval)
        asked.push_back({SettingKind::kInterval, *command.interval, &settings.interval});
    if (command.timeout)
        asked.push_back({SettingKind::kTimeout, *command.timeout, &settings.timeout});
    return asked;
}

std::string CheckJson(const std::wstring& queue, const std::vector<Asked>& asked)
{
    std::vector<SettingKind> differs;
    std::string values;
    for (const Asked& a : asked)
    {
        if (!a.Held())
            differs.push_back(a.kind);
        values += ",\"" + JsonName(a.kind) + "AskedMs\":" + std::to_string(a.milliseconds) + "," +
                  SettingJson(a.kind, *a.stored);
    }
    return "{\"queue\":" + JsonString(queue) + ",\"result\":\"" +
           (differs.empty() ? "matches" : "differs") + "\",\"differs\":" + JsonNames(differs) +
           values + ",\"error\":0}";
}

UINT DifferenceLine(SettingKind kind)
{
    return kind == SettingKind::kInterval ? IDS_CMD_INTERVAL_DIFFERS : IDS_CMD_TIMEOUT_DIFFERS;
}
} // namespace

int CheckQueues(const Command& command, CReport& report)
{
    int matching = 0;
    int differing = 0;
    int status = kExitDone;
    for (const std::wstring& queue : command.queues)
    {
        const QueueRead read = ReadQueue(queue);
        if (!read.settings)
        {
            report.Complain(IDS_CMD_OPEN_FAILED_READ, {queue});
            report.Object("{\"queue\":" + JsonString(queue) +
                          ",\"result\":\"not-opened\",\"differs\":[],\"error\":" +
                          ErrorJson(read.error) + "}");
            status = WorseStatus(status, kExitNotOpened);
            continue;
        }
        const std::vector<Asked> asked = AskedSettings(command, *read.settings);
        report.Object(CheckJson(queue, asked));
        std::wstring differences;
        for (const Asked& a : asked)
            if (!a.Held())
                differences +=
                    Message(DifferenceLine(a.kind), {MillisecondsText(a.kind, a.milliseconds),
                                                     StoredText(a.kind, *a.stored)}) +
                    L"\n";
        if (differences.empty())
        {
            ++matching;
            report.Say(IDS_CMD_MATCHES, {queue});
            continue;
        }
        ++differing;
        status = WorseStatus(status, kExitDiffers);
        report.Say(IDS_CMD_DIFFERS, {queue});
        if (!report.IsJson())
            report.Write(ConsoleStream::kOutput, differences);
    }
    if (command.queues.size() > 1)
        report.Say(IDS_CMD_CHECK_SUMMARY,
                   {NumberArgument(command.queues.size()), NumberArgument(matching),
                    NumberArgument(differing),
                    NumberArgument(command.queues.size() - matching - differing)});
    return status;
}
