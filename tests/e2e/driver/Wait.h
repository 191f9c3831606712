// Bounded waiting: every wait of the end-to-end runs polls with a deadline, none sleeps blindly.
#pragma once

#include <windows.h>

namespace e2e
{
const DWORD kPollMs = 5;
const DWORD kStartTimeoutMs = 20000;   // a cold Wine start can take a few seconds
const DWORD kActionTimeoutMs = 5000;   // one message or click to be handled
const DWORD kRestartTimeoutMs = 40000; // OK: the stores, a 3 s pause, the stop and start waited for

// Polls condition until it holds (true) or timeoutMs has passed (false).
template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(kPollMs);
    }
}
} // namespace e2e
