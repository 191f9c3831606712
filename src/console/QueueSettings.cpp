#include "console/QueueSettings.h"

QueueSettings ReadQueueSettings(const CPrinterInfo& printer)
{
    const auto read = [&](CPrinterInfo::Setting setting) {
        StoredSetting stored{printer.ReadStored(setting)};
        stored.dialogReads = CPrinterInfo::ValueOf(setting, stored.value);
        return stored;
    };
    return {read(CPrinterInfo::Setting::StatusInterval), read(CPrinterInfo::Setting::IoTimeout)};
}
