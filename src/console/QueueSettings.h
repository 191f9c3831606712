#pragma once

#include "printer/PrinterInfo.h"

#include <optional>

// One setting of a queue: the value exactly as stored, and what the dialog reads from it.
struct StoredSetting
{
    CPrinterInfo::StoredValue value;
    DWORD dialogReads = 0; // the number the dialog starts from (the default when it cannot read)

    // The stored milliseconds when the value is what the programs store, a 4-byte REG_DWORD.
    std::optional<DWORD> Milliseconds() const
    {
        return value.IsDword() ? std::optional<DWORD>(dialogReads) : std::nullopt;
    }
    // Whether it holds exactly the milliseconds asked for.
    bool Holds(DWORD milliseconds) const { return Milliseconds() == milliseconds; }
};

struct QueueSettings
{
    StoredSetting interval;
    StoredSetting timeout;
};

// Both settings of an open queue, read afresh, each once.
QueueSettings ReadQueueSettings(const CPrinterInfo& printer);
