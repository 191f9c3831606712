// show and list: what each queue holds, read with no more than the right to print.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Messages.h"
#include "console/SettingText.h"
#include "resource.h"

namespace
{
// The line about the queue's driver and its language monitor.
std::wstring DriverLine(const QueueDriver& driver)
{
    if (!driver.name)
        return Message(IDS_CMD_DRIVER_UNREADABLE, {ErrorArgument(driver.error)});
    if (driver.monitor)
        return Message(IDS_CMD_DRIVER, {*driver.name, *driver.monitor});
    if (driver.error != ERROR_SUCCESS)
        return Message(IDS_CMD_MONITOR_UNREADABLE, {*driver.name, ErrorArgument(driver.error)});
    return Message(IDS_CMD_DRIVER_WITHOUT_MONITOR, {*driver.name});
}
} // namespace

int ShowQueues(const std::vector<Target>& targets, CDriverMonitors& monitors, CReport& report)
{
    std::wstring separator;
    const auto show = [&](const QueueVisit& visit) {
        const QueueSettings& settings = *visit.settings;
        QueueDone done;
        done.json.Flag("opened", true).Flag("backgroundStatus", settings.interval.dialogReads != 0);
        AddSettingJson(done.json, SettingKind::kInterval, settings.interval);
        AddSettingJson(done.json, SettingKind::kTimeout, settings.timeout);
        if (!report.IsJson())
            report.Write(ConsoleStream::kOutput, separator + Message(IDS_CMD_QUEUE, {visit.name}) +
                                                     L"\n" + DriverLine(visit.driver) + L"\n" +
                                                     SettingsLines(settings));
        separator = L"\n";
        return done;
    };
    return ForEachQueue(targets, PRINTER_ACCESS_USE, CJsonObject().Flag("opened", false), monitors,
                        report, show)
        .status;
}
