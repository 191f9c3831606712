// What the dialog says after a restart, from the whole of its report.
#include "dialog/RestartNotice.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace
{
TEST(RestartNoticeTest, SaysWhatWasLeftDownAndNamesTheServicesConcerned)
{
    using O = RestartOutcome;
    const std::vector<std::wstring> kTwoLeft = {L"Fax", L"LPDSVC"};
    const struct
    {
        const char* what;
        RestartReport report;
        RestartNotice notice;
    } cases[] = {
        {"all running again", {O::Restarted, {L"Fax"}, L"", {}}, {}},
        {"dependents left stopped: the settings are in effect",
         {O::Restarted, kTwoLeft, L"", kTwoLeft},
         {IDS_DEPENDENTS_LEFT_STOPPED, {L"Fax, LPDSVC"}}},
        {"a dependent held the stop",
         {O::Failed, kTwoLeft, L"Fax", {}},
         {IDS_RESTART_HELD, {L"Fax"}}},
        {"not stopped", {O::Failed, {}, L"", {}}, {IDS_RESTART_FAILED, {}}},
        {"still starting", {O::NotInTime, kTwoLeft, L"", kTwoLeft}, {IDS_RESTART_NOT_IN_TIME, {}}},
        {"left stopped", {O::SpoolerStopped, kTwoLeft, L"", kTwoLeft}, {IDS_SPOOLER_STOPPED, {}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoticeOf(c.report), c.notice) << c.what;
}
} // namespace
