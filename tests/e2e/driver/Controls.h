// The settings dialog's controls, looked up by their resource ids.
#pragma once

#include "resource.h"

#include <windows.h>

namespace e2e
{
struct Controls
{
    explicit Controls(HWND window)
        : dialog(window), queue(GetDlgItem(window, IDC_PRINTER_QUEUE)),
          enable(GetDlgItem(window, IDC_BACKGROUND_ENABLE)),
          interval(GetDlgItem(window, IDC_INTERVAL_EDIT)),
          intervalSpin(GetDlgItem(window, IDC_INTERVAL_SPIN)),
          timeout(GetDlgItem(window, IDC_TIMEOUT_EDIT)),
          timeoutSpin(GetDlgItem(window, IDC_TIMEOUT_SPIN)),
          intervalUnit(GetDlgItem(window, IDC_INTERVAL_UNIT)), ok(GetDlgItem(window, IDOK)),
          cancel(GetDlgItem(window, IDCANCEL))
    {
    }

    HWND dialog;
    HWND queue;
    HWND enable;
    HWND interval;
    HWND intervalSpin;
    HWND timeout;
    HWND timeoutSpin;
    HWND intervalUnit;
    HWND ok;
    HWND cancel;
};

enum class Box
{
    Interval,
    Timeout,
};

inline HWND EditOf(const Controls& c, Box box)
{
    return box == Box::Interval ? c.interval : c.timeout;
}

inline HWND SpinOf(const Controls& c, Box box)
{
    return box == Box::Interval ? c.intervalSpin : c.timeoutSpin;
}
} // namespace e2e
