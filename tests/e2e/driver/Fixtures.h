// Shared set-up of the end-to-end cases: each case leaves the test queue's stored values as it
// found them, and table rows are named after their "name" field.
#pragma once

#include "Prefix.h"
#include "ToolRun.h"

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
