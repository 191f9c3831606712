// The resource loader stand-in: the string table (the same source as the resource script), the
// settings dialog's controls, the icon and the cursors.
#include "Resources.h"

#include "host_desktop.h"
#include "messages.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace host::detail
{
namespace
{
WORD g_language = 0x0409;

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
const DWORD kSpin = kChild | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
const DWORD kLabel = kChild | WS_GROUP;

// The settings dialog in template order, which is also the tab order.
// clang-format off
const DialogTemplate kSettingsDialog = {
    IDD_SETTINGS_DIALOG,
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    "Language Monitor Setting Tool",
    {
        {"Button", IDC_BACKGROUND_ENABLE, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, {106, 57, 39, 10}, "Enable", "有効"},
        {"Edit", IDC_INTERVAL_EDIT, kEdit, {106, 79, 40, 14}, "", ""},
        {UPDOWN_CLASSA, IDC_INTERVAL_SPIN, kSpin, {146, 79, 11, 14}, "Spin1", "Spin1"},
        {"Static", IDC_STATIC, kLabel | SS_RIGHT | SS_CENTERIMAGE, {13, 21, 51, 8}, "Printer Queue :", "プリンタ名："},
        {"Edit", IDC_PRINTER_QUEUE, (kEdit & ~WS_TABSTOP) | ES_READONLY, {69, 17, 142, 16}, "", ""},
        {"Button", IDC_STATIC, kChild | BS_GROUPBOX, {7, 41, 204, 99}, "Settings", "設定"},
        {"Static", IDC_STATIC, kLabel | SS_RIGHT | SS_CENTERIMAGE, {13, 54, 88, 17}, "Background Status : ", "プリンタステータス　："},
        {"Static", IDC_STATIC, kLabel | SS_RIGHT | SS_CENTERIMAGE, {14, 82, 87, 8}, "Interval (0.1 - 240.0) :", "インターバル (0.1 - 240.0) ："},
        {"Static", IDC_INTERVAL_UNIT, kLabel, {163, 82, 37, 8}, "[ second ]", "[ 秒 ]"},
        {"Static", IDC_STATIC, kLabel | SS_RIGHT | SS_CENTERIMAGE, {35, 115, 66, 8}, "Timeout  ( 5 - 600 ) :", "タイムアウト (5 - 600) ："},
        {"Edit", IDC_TIMEOUT_EDIT, kEdit, {106, 113, 40, 14}, "", ""},
        {UPDOWN_CLASSA, IDC_TIMEOUT_SPIN, kSpin, {146, 113, 11, 14}, "Spin1", "Spin1"},
        {"Static", IDC_TIMEOUT_UNIT, kLabel, {163, 115, 37, 8}, "[ second ]", "[ 秒 ]"},
        {"Button", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, {106, 150, 50, 19}, "OK", "OK"},
        {"Button", IDCANCEL, kChild | BS_PUSHBUTTON | WS_TABSTOP, {161, 150, 50, 19}, "Cancel", "キャンセル"},
        {"Static", IDC_STATIC, kChild | SS_BLACKFRAME | SS_SUNKEN, {18, 102, 179, 1}, "", ""},
    },
};
// clang-format on

HICON const kProgramIcon = reinterpret_cast<HICON>(0x1280);
HCURSOR const kArrowCursor = reinterpret_cast<HCURSOR>(0x7f00);
HCURSOR const kWaitCursor = reinterpret_cast<HCURSOR>(0x7f02);
HCURSOR g_cursor = kArrowCursor;
} // namespace

const DialogTemplate* FindDialogTemplate(LPCSTR name)
{
    if (IS_INTRESOURCE(name) && reinterpret_cast<ULONG_PTR>(name) == IDD_SETTINGS_DIALOG)
        return &kSettingsDialog;
    return nullptr;
}

bool JapaneseUi()
{
    return g_language == 0x0411;
}

void ResetResources()
{
    g_language = 0x0409;
    g_cursor = kArrowCursor;
}
} // namespace host::detail

void host::SetUiLanguage(WORD languageId)
{
    detail::g_language = languageId;
}

HCURSOR host::CurrentCursor()
{
    return detail::g_cursor;
}

int WINAPI LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int bufferMax)
{
    using namespace host::detail;
    if (buffer == nullptr || bufferMax <= 0)
        return 0;
    buffer[0] = '\0';
    const auto message = std::find_if(std::begin(kMessageTexts), std::end(kMessageTexts),
                                      [id](const MessageText& m) { return m.id == id; });
    if (message == std::end(kMessageTexts))
        return 0;
    const char* text = JapaneseUi() ? message->japanese : message->english;
    const size_t count = std::min(std::strlen(text), static_cast<size_t>(bufferMax - 1));
    std::memcpy(buffer, text, count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

HICON WINAPI LoadIconA(HINSTANCE, LPCSTR name)
{
    const bool ours = IS_INTRESOURCE(name) && reinterpret_cast<ULONG_PTR>(name) == IDR_MAINFRAME;
    return ours ? host::detail::kProgramIcon : nullptr;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR name)
{
    if (name == IDC_WAIT)
        return host::detail::kWaitCursor;
    return name == IDC_ARROW ? host::detail::kArrowCursor : nullptr;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor)
{
    return std::exchange(host::detail::g_cursor, cursor);
}
