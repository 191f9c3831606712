// The one application object of the Windows program.
#include "app/SettingToolApp.h"

CSettingToolApp theApp;
