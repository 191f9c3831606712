// show and list: what each queue holds, read with no more than the right to print.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Json.h"
#include "console/Messages.h"
#include "console/QueueList.h"
#include "console/QueueSettings.h"
#include "console/SettingText.h"
#include "resource.h"

namespace
{
std::string ShowJson(const std::wstring& queue, const QueueRead& read)
{
    const std::string json = "{\"queue\":" + JsonString(queue) + ",\"opened\":";
    if (!read.settings)
        return json + "false,\"error\":" + ErrorJson(read.error) + "}";
    const QueueSettings& settings = *read.settings;
    return json + "true,\"backgroundStatus\":" +
           (settings.interval.dialogReads != 0 ? "true," : "false,") +
           SettingJson(SettingKind::kInterval, settings.interval) + "," +
           SettingJson(SettingKind::kTimeout, settings.timeout) + "}";
}
} // namespace

int ShowQueues(const std::vector<std::wstring>& queues, CReport& report)
{
    int status = kExitDone;
    bool first = true;
    for (const std::wstring& queue : queues)
    {
        const QueueRead read = ReadQueue(queue);
        if (!read.settings)
        {
            report.Complain(IDS_CMD_OPEN_FAILED_READ, {queue});
            status = WorseStatus(status, kExitNotOpened);
        }
        report.Object(ShowJson(queue, read));
        if (read.settings && !report.IsJson())
        {
            report.Write(ConsoleStream::kOutput, (first ? L"" : L"\n") +
                                                     Message(IDS_CMD_QUEUE, {queue}) + L"\n" +
                                                     SettingsLines(*read.settings));
            first = false;
        }
    }
    return status;
}

int ListAllQueues(CReport& report)
{
    const QueueList list = ListQueues();
    if (list.error != ERROR_SUCCESS)
    {
        report.Complain(IDS_CMD_LIST_FAILED, {NumberArgument(list.error)});
        return kExitNotOpened;
    }
    if (list.names.empty())
        report.Say(IDS_CMD_NO_QUEUES);
    return ShowQueues(list.names, report);
}
