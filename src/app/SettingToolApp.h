#pragma once

#include "framework/WinApp.h"

// The program: started by a printer driver's property page as "SettingTool <any> <queue>", it
// runs the settings dialog for that queue. When the queue refuses full access to an unelevated
// process, it starts itself once more through the consent prompt and ends as that instance ends
// (see app/StartDecision.h). Exit status (ExitInstance): see ExitStatus.
class CSettingToolApp : public CWinApp
{
  public:
    enum ExitStatus
    {
        kExitSaved = 0,      // OK: settings stored
        kExitCancelled = 1,  // Cancel, or the dialog could not be shown
        kExitWrongStart = 2, // not started with exactly two arguments
        kExitNoPrinter = 3,  // the queue cannot be accessed (also when consent was not given),
                             // or the dialog failed
    };

    BOOL InitInstance() override;
    int ExitInstance() override { return m_exitStatus; }

  private:
    int m_exitStatus = kExitCancelled;
};
