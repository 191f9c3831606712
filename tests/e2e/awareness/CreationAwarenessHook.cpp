// A system-wide CBT hook for the end-to-end runs: the system loads it into every program that
// creates a window while it is set, where it records on each new window the DPI awareness of the
// creating thread (CreationAwareness.h).
#include "CreationAwareness.h"

#include <windows.h>

extern "C" LRESULT CALLBACK CreationAwarenessHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
    {
        const DPI_AWARENESS awareness =
            GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext());
        SetPropW(reinterpret_cast<HWND>(wParam), kCreationAwarenessProperty,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(awareness) + 1));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
