#include "framework/DpiAwareness.h"

#include "system/SystemLibrary.h"

#include <windows.h>

void DeclareDpiAwareness()
{
    // Per-monitor v2 has Windows itself re-lay out a dialog, its font and its controls when it
    // moves to a monitor of another DPI. Windows before 10 version 1703 has neither the call nor
    // the context: looked up, not imported, so that the program still starts there. Where it is
    // missing or refused, the system DPI is the next best.
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto setContext = FindFunction<SetContext>(GetModuleHandleW(L"user32.dll"),
                                                     "SetProcessDpiAwarenessContext");
    if (setContext != nullptr && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2))
        return;
    SetProcessDPIAware();
}
