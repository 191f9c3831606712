// The one application object of the Windows program.
#include "SettingToolApp.h"

CSettingToolApp theApp;
