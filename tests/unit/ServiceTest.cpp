// Stopping and starting a service by name with bounded waits, and the spooler restart.
#include "HostSession.h"

#include "service/Service.h"
#include "service/ServiceException.h"
#include "service/SpoolerRestart.h"

#include <vector>

namespace
{
using host::services::Behaviour;

class ServiceTest : public HostSession
{
  protected:
    static std::vector<std::string> Log() { return host::CallLog(); }
};

TEST_F(ServiceTest, StoppingARunningServiceSendsOneStopAndReturnsWhenItIsStopped)
{
    host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{2, 0});
    CService service(L"Spooler");
    EXPECT_TRUE(service.Stop(TRUE));
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "QueryServiceStatus Spooler", "ControlService Spooler 1",
                         "QueryServiceStatus Spooler", "Sleep 100", "QueryServiceStatus Spooler",
                         "Sleep 100", "QueryServiceStatus Spooler"}));
    EXPECT_EQ(host::services::State(L"Spooler"), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_F(ServiceTest, AStoppedServiceIsNotStoppedAgainButStarted)
{
    host::services::AddService(L"Spooler", SERVICE_STOPPED);
    CService service(L"Spooler");
    EXPECT_TRUE(service.Stop(TRUE));
    EXPECT_EQ(Log(), std::vector<std::string>{"QueryServiceStatus Spooler"});
    EXPECT_TRUE(service.Start(TRUE));
    EXPECT_TRUE(Logged("StartService Spooler"));
    EXPECT_EQ(host::services::State(L"Spooler"), static_cast<DWORD>(SERVICE_RUNNING));
}

TEST_F(ServiceTest, OnlyTheRightStateIsActedOn)
{
    const struct
    {
        DWORD state;
        bool stopResult, startResult;
    } cases[] = {
        {SERVICE_STOP_PENDING, false, false},
        {SERVICE_START_PENDING, false, false},
        {SERVICE_RUNNING, false, true}, // Start finds it running; the stop never completes
    };
    for (const auto& c : cases)
    {
        host::services::AddService(L"Spooler", c.state, Behaviour{-1, -1});
        CService service(L"Spooler");
        host::CallLog().clear();
        EXPECT_EQ(service.Start(TRUE), c.startResult) << c.state;
        EXPECT_FALSE(Logged("StartService Spooler")) << c.state;
        EXPECT_EQ(service.Stop(TRUE), c.stopResult) << c.state;
        EXPECT_EQ(Logged("ControlService Spooler 1"), c.state == SERVICE_RUNNING) << c.state;
    }
}

TEST_F(ServiceTest, AWaitGivesUpAfter100PollsOf100Milliseconds)
{
    host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{-1, -1});
    CService service(L"Spooler");
    EXPECT_FALSE(service.Stop(TRUE));
    EXPECT_EQ(CountLogged("Sleep 100"), 100);
    EXPECT_EQ(CountLogged("QueryServiceStatus Spooler"), 101); // the state check, then 100 polls
    EXPECT_EQ(host::services::State(L"Spooler"), static_cast<DWORD>(SERVICE_STOP_PENDING));

    host::services::AddService(L"Spooler", SERVICE_STOPPED, Behaviour{-1, -1});
    host::CallLog().clear();
    CService stopped(L"Spooler");
    EXPECT_FALSE(stopped.Start(TRUE));
    EXPECT_EQ(CountLogged("Sleep 100"), 100);
}

TEST_F(ServiceTest, WithoutWaitingTheRequestIsAllThatIsMade)
{
    host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{-1, 0});
    CService service(L"Spooler");
    EXPECT_TRUE(service.Stop(FALSE));
    EXPECT_EQ(CountLogged("Sleep 100"), 0);
}

TEST_F(ServiceTest, FailedCallsEndTheOperation)
{
    const struct
    {
        const char* what;
        Behaviour behaviour;
        DWORD state;
    } cases[] = {
        {"query fails", Behaviour{0, 0, true, false, false}, SERVICE_RUNNING},
        {"stop refused", Behaviour{0, 0, false, true, false}, SERVICE_RUNNING},
        {"start refused", Behaviour{0, 0, false, false, true}, SERVICE_STOPPED},
    };
    for (const auto& c : cases)
    {
        host::services::AddService(L"Spooler", c.state, c.behaviour);
        host::CallLog().clear();
        CService service(L"Spooler");
        EXPECT_FALSE(c.state == SERVICE_RUNNING ? service.Stop(TRUE) : service.Start(TRUE))
            << c.what;
        EXPECT_EQ(CountLogged("Sleep 100"), 0) << c.what;
    }
}

TEST_F(ServiceTest, AServiceThatCannotBeOpenedThrowsAndLeavesNoHandleOpen)
{
    EXPECT_THROW(CService(L"NoSuchService"), CServiceException);
    EXPECT_EQ(host::services::OpenHandles(), 0);
    host::services::DenyServices();
    EXPECT_THROW(CService(L"Spooler"), CServiceException);
    EXPECT_EQ(host::services::OpenHandles(), 0);
    host::services::DenyManager();
    EXPECT_THROW(CService(L"Spooler"), CServiceException);
}

TEST_F(ServiceTest, TheServiceHandleIsTheOnlyOneHeldAndIsClosed)
{
    {
        CService service(L"Spooler");
        EXPECT_EQ(host::services::OpenHandles(), 1);
    }
    EXPECT_EQ(host::services::OpenHandles(), 0);
}

TEST_F(ServiceTest, TheStateCanBeAskedOnceMore)
{
    host::services::AddService(L"Spooler", SERVICE_STOP_PENDING, Behaviour{-1, 0});
    const CService service(L"Spooler");
    EXPECT_EQ(service.QueryState(), std::optional<DWORD>(SERVICE_STOP_PENDING));
    EXPECT_EQ(Log(), std::vector<std::string>{"QueryServiceStatus Spooler"});

    host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{0, 0, true});
    EXPECT_EQ(service.QueryState(), std::nullopt);
}

TEST_F(ServiceTest, RestartStopsPausesThreeSecondsAndStarts)
{
    const DWORD before = host::services::ProcessId(L"Spooler");
    EXPECT_EQ(RestartSpooler(), RestartOutcome::Restarted);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "QueryServiceStatus Spooler", "ControlService Spooler 1",
                         "QueryServiceStatus Spooler", "Sleep 3000", "QueryServiceStatus Spooler",
                         "StartService Spooler", "QueryServiceStatus Spooler"}));
    EXPECT_NE(host::services::ProcessId(L"Spooler"), before);
    EXPECT_EQ(host::services::OpenHandles(), 0);
}

TEST_F(ServiceTest, RestartTellsAStillRunningSpoolerFromAStoppedOne)
{
    const struct
    {
        const char* what;
        std::function<void()> arrange;
        RestartOutcome outcome;
        DWORD finalState;
        bool startRequested;
    } cases[] = {
        {"no service manager", [] { host::services::DenyManager(); }, RestartOutcome::Failed,
         SERVICE_RUNNING, false},
        {"no rights on the spooler", [] { host::services::DenyServices(); }, RestartOutcome::Failed,
         SERVICE_RUNNING, false},
        {"stop refused: still running",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING,
                                        Behaviour{0, 0, false, true, false});
         },
         RestartOutcome::Failed, SERVICE_RUNNING, false},
        {"stop still pending: start skipped",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{-1, 0});
         },
         RestartOutcome::SpoolerStopped, SERVICE_STOP_PENDING, false},
        {"start refused",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING,
                                        Behaviour{0, 0, false, false, true});
         },
         RestartOutcome::SpoolerStopped, SERVICE_STOPPED, true},
        {"start never completes",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{0, -1});
         },
         RestartOutcome::SpoolerStopped, SERVICE_START_PENDING, true},
        {"was starting",
         [] {
             host::services::AddService(L"Spooler", SERVICE_START_PENDING, Behaviour{0, -1});
         },
         RestartOutcome::SpoolerStopped, SERVICE_START_PENDING, false},
        {"was stopped, start refused",
         [] {
             host::services::AddService(L"Spooler", SERVICE_STOPPED,
                                        Behaviour{0, 0, false, false, true});
         },
         RestartOutcome::SpoolerStopped, SERVICE_STOPPED, true},
    };
    for (const auto& c : cases)
    {
        host::services::Reset();
        host::services::AddService(L"Spooler", SERVICE_RUNNING);
        c.arrange();
        host::CallLog().clear();
        EXPECT_EQ(RestartSpooler(), c.outcome) << c.what;
        EXPECT_EQ(host::services::State(L"Spooler"), c.finalState) << c.what;
        EXPECT_EQ(Logged("StartService Spooler"), c.startRequested) << c.what;
        EXPECT_EQ(host::services::OpenHandles(), 0) << c.what;
    }
}

TEST_F(ServiceTest, ARestartWhoseLastLookFailsIsNotCalledAStoppedSpooler)
{
    host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{0, 0, true});
    EXPECT_EQ(RestartSpooler(), RestartOutcome::Failed);
}

TEST_F(ServiceTest, ARestartOfAnotherMachineUsesThatMachinesServiceManager)
{
    host::services::AddMachine(L"\\\\printhost");
    EXPECT_EQ(RestartSpooler(L"\\\\printhost"), RestartOutcome::Restarted);
    EXPECT_TRUE(Logged("ControlService Spooler@\\\\printhost 1"));
    EXPECT_EQ(RestartSpooler(L"\\\\elsewhere"), RestartOutcome::Failed);
}
} // namespace
