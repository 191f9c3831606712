#include "dialog/RestartNotice.h"

#include "resource.h"
#include "resources/ResourceString.h"

RestartNotice NoticeOf(const RestartReport& report)
{
    switch (report.spooler)
    {
    case RestartOutcome::SpoolerStopped:
        return {IDS_SPOOLER_STOPPED, {}};
    case RestartOutcome::NotInTime:
        return {IDS_RESTART_NOT_IN_TIME, {}};
    case RestartOutcome::Failed:
        return report.heldBy.empty() ? RestartNotice{IDS_RESTART_FAILED, {}}
                                     : RestartNotice{IDS_RESTART_HELD, {report.heldBy}};
    case RestartOutcome::Restarted:
        break;
    }
    // The spooler reads the settings; only the services it stopped for that may be left down.
    if (report.leftStopped.empty())
        return {};
    return {IDS_DEPENDENTS_LEFT_STOPPED, {NameList(report.leftStopped)}};
}
