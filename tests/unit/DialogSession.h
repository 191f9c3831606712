// The settings dialog on the in-memory platform: run for the session's queue, the way the
// program runs it, while a test works it as a user.
#pragma once

#include "HostSession.h"

#include "FakeControls.h"

#include "dialog/RunSettingsDialog.h"
#include "printer/PrinterInfo.h"
#include "resource.h"

class DialogSession : public HostSession
{
  protected:
    void SetUp() override
    {
        HostSession::SetUp();
        host::SetModalDriver(nullptr);
    }

    // Runs the settings dialog for the queue while user works it; returns how it ended.
    static INT_PTR RunDialog(const std::function<void(DialogUser&)>& user)
    {
        CPrinterInfo printer(kQueue);
        host::SetModalDriver(user);
        return RunSettingsDialog(printer);
    }
};
