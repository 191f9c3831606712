#pragma once

#include <windows.h>

class CPrinterInfo;

// Runs the settings dialog for the open queue, modally and as the application's main window.
// Returns IDOK or IDCANCEL, or -1 when the dialog could not be created. An exception raised
// inside the dialog ends it and comes out of here. On Windows it runs on the real controls
// (CSettingToolWnd); the Linux tests provide their own, on in-memory controls.
INT_PTR RunSettingsDialog(CPrinterInfo& printer);
