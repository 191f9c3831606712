#pragma once

#include <windows.h>

#include <optional>
#include <string>

// What the settings dialog makes of a value it reads from a queue: the text its box shows once it
// has started, and what OK then stores without any change. show uses it to say where the dialog
// would show something other than what is stored.
struct DialogView
{
    std::wstring shown;
    std::optional<DWORD> okStores; // none when OK refuses the box's text until it is changed

    bool operator==(const DialogView& other) const
    {
        return shown == other.shown && okStores == other.okStores;
    }
};

// For the interval, 0 is background status off: Enable is clear (shown as "off") and OK stores 0.
DialogView IntervalInDialog(DWORD readMilliseconds);
DialogView TimeoutInDialog(DWORD readMilliseconds);
