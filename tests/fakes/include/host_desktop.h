// What tests can arrange and observe of the in-memory window manager, dialog manager, resource
// loader and message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace host
{
// Ends every window and forgets every record, hook and setting below.
void ResetDesktop();

// The user's language as the resource loader sees it: 0x0409 (default) or 0x0411.
void SetUiLanguage(WORD languageId);

// What the user does while a modal dialog runs: called once, after WM_INITDIALOG, with the
// dialog's window, unless a handler already ended the dialog. A dialog still open when it
// returns ends as if Esc were pressed (IDCANCEL).
void SetModalDriver(std::function<void(HWND dialog)> driver);

struct MessageBoxRecord
{
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
// Every message box shown since the last reset, in order. Each one is answered with OK.
const std::vector<MessageBoxRecord>& MessageBoxes();

// Minimises a window (or restores it) and gives it the client size a minimised window has.
void SetIconic(HWND window, bool iconic, int clientWidth = 36, int clientHeight = 36);

struct DrawnIcon
{
    HDC dc;
    int x;
    int y;
    HICON icon;
};
const std::vector<DrawnIcon>& DrawnIcons();
// Messages a window has sent itself while painting (WM_ICONERASEBKGND among them).
int IconBackgroundErases();

// The cursor last set with SetCursor.
HCURSOR CurrentCursor();
// The large and small icons last set with WM_SETICON on a window.
HICON WindowIcon(HWND window, WPARAM which);
} // namespace host
