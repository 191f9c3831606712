#include "BareDialog.h"

#include <commctrl.h>

#include "resource.h"

namespace
{
INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int ShowBareDialog(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    // A Unicode dialog, as the tool's own is.
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS_DIALOG),
                                            nullptr, BareDialogProc, 0));
}
