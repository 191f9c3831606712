// Shared set-up of the end-to-end cases: each case leaves the test queue's stored values as it
// found them, and table rows are named after their "name" field.
#pragma once

#include "Controls.h"
#include "Prefix.h"
#include "ToolRun.h"
#include "Windows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace e2e
{
inline void StoreSettings(std::optional<DWORD> interval, std::optional<DWORD> timeout)
{
    SetStoredValue(kTestQueue, kIntervalValue, interval);
    SetStoredValue(kTestQueue, kTimeoutValue, timeout);
}

// Types an interval of 1.5 s and a timeout of 20 s into the dialog, clicks OK and waits for the
// message box that follows (its window is null when none comes).
inline MessageBoxSeen StoreNewValuesThroughOk(ToolRun& run, const Controls& c)
{
    SetText(c.interval, "1.5");
    SetText(c.timeout, "20");
    PostClick(c.ok);
    return run.WaitForMessageBox();
}

class ProgramTest : public testing::Test
{
  private:
    StoredValuesKeeper m_keeper{kTestQueue};
};

template <typename Row> class ProgramTableTest : public testing::TestWithParam<Row>
{
  private:
    StoredValuesKeeper m_keeper{kTestQueue};
};

struct RowName
{
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};
} // namespace e2e
