#include "console/IdleWait.h"

#include <algorithm>

namespace
{
const DWORD kLookEveryMs = 1000;
} // namespace

std::optional<DWORD> WaitUntilIdle(std::optional<DWORD> documents, DWORD seconds, CIdleWatch& watch)
{
    const ULONGLONG start = watch.Now();
    const ULONGLONG limit = static_cast<ULONGLONG>(seconds) * 1000;
    for (ULONGLONG waited = 0; documents.value_or(0) > 0 && waited < limit;
         waited = watch.Now() - start)
    {
        // The last look falls on the end of the wait.
        watch.Pause(static_cast<DWORD>(std::min<ULONGLONG>(kLookEveryMs, limit - waited)));
        documents = watch.Count();
    }
    return documents;
}
