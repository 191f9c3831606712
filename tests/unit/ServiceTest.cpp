// Stopping and starting a service by name with bounded waits, and the spooler restart.
#include "HostSession.h"

#include "service/Service.h"
#include "service/ServiceException.h"
#include "service/SpoolerRestart.h"

#include <host_text.h>

#include <algorithm>
#include <vector>

namespace
{
using namespace host::services;

class ServiceTest : public HostSession
{
  protected:
    static std::vector<std::string> Log() { return host::CallLog(); }
};

TEST_F(ServiceTest, StoppingARunningServiceSendsOneStopAndReturnsWhenItIsStopped)
{
    AddService(L"Spooler", SERVICE_RUNNING, Behaviour{2, 0});
    CService service(L"Spooler");
    EXPECT_TRUE(service.Stop(TRUE));
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "QueryServiceStatus Spooler", "ControlService Spooler 1",
                         "QueryServiceStatus Spooler", "Sleep 100", "QueryServiceStatus Spooler",
                         "Sleep 100", "QueryServiceStatus Spooler"}));
    EXPECT_EQ(State(L"Spooler"), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_F(ServiceTest, AStoppedServiceIsNotStoppedAgainButStarted)
{
    AddService(L"Spooler", SERVICE_STOPPED);
    CService service(L"Spooler");
    EXPECT_TRUE(service.Stop(TRUE));
    EXPECT_EQ(Log(), std::vector<std::string>{"QueryServiceStatus Spooler"});
    EXPECT_TRUE(service.Start(TRUE));
    EXPECT_TRUE(Logged("StartService Spooler"));
    EXPECT_EQ(State(L"Spooler"), static_cast<DWORD>(SERVICE_RUNNING));
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
        AddService(L"Spooler", c.state, kNeverEnds);
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
    AddService(L"Spooler", SERVICE_RUNNING, kNeverEnds);
    CService service(L"Spooler");
    EXPECT_FALSE(service.Stop(TRUE));
    EXPECT_EQ(CountLogged("Sleep 100"), 100);
    EXPECT_EQ(CountLogged("QueryServiceStatus Spooler"), 101); // the state check, then 100 polls
    EXPECT_EQ(State(L"Spooler"), static_cast<DWORD>(SERVICE_STOP_PENDING));

    AddService(L"Spooler", SERVICE_STOPPED, kNeverEnds);
    host::CallLog().clear();
    CService stopped(L"Spooler");
    EXPECT_FALSE(stopped.Start(TRUE));
    EXPECT_EQ(CountLogged("Sleep 100"), 100);
}

TEST_F(ServiceTest, WithoutWaitingTheRequestIsAllThatIsMade)
{
    AddService(L"Spooler", SERVICE_RUNNING, kStopNeverEnds);
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
        {"query fails", kQueryFails, SERVICE_RUNNING},
        {"stop refused", kStopRefused, SERVICE_RUNNING},
        {"start refused", kStartRefused, SERVICE_STOPPED},
    };
    for (const auto& c : cases)
    {
        AddService(L"Spooler", c.state, c.behaviour);
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
    EXPECT_EQ(OpenHandles(), 0);
    DenyServices();
    EXPECT_THROW(CService(L"Spooler"), CServiceException);
    EXPECT_EQ(OpenHandles(), 0);
    DenyManager();
    EXPECT_THROW(CService(L"Spooler"), CServiceException);
}

TEST_F(ServiceTest, TheServiceHandleIsTheOnlyOneHeldAndIsClosed)
{
    {
        CService service(L"Spooler");
        EXPECT_EQ(OpenHandles(), 1);
    }
    EXPECT_EQ(OpenHandles(), 0);
}

TEST_F(ServiceTest, TheStateCanBeAskedOnceMore)
{
    AddService(L"Spooler", SERVICE_STOP_PENDING, kStopNeverEnds);
    const CService service(L"Spooler");
    EXPECT_EQ(service.QueryState(), std::optional<DWORD>(SERVICE_STOP_PENDING));
    EXPECT_EQ(Log(), std::vector<std::string>{"QueryServiceStatus Spooler"});

    AddService(L"Spooler", SERVICE_RUNNING, kQueryFails);
    EXPECT_EQ(service.QueryState(), std::nullopt);
}

TEST_F(ServiceTest, RestartStopsPausesThreeSecondsAndStarts)
{
    const DWORD before = ProcessId(L"Spooler");
    EXPECT_EQ(RestartSpooler().Outcome(), RestartOutcome::Restarted);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "EnumDependentServices Spooler", "QueryServiceStatus Spooler",
                         "ControlService Spooler 1", "QueryServiceStatus Spooler", "Sleep 3000",
                         "QueryServiceStatus Spooler", "StartService Spooler",
                         "QueryServiceStatus Spooler"}));
    EXPECT_NE(ProcessId(L"Spooler"), before);
    EXPECT_EQ(OpenHandles(), 0);
}

TEST_F(ServiceTest, RestartTellsAStillRunningSpoolerFromAStoppedOne)
{
    const RestartOutcome kFailed = RestartOutcome::Failed;
    const RestartOutcome kStopped = RestartOutcome::SpoolerStopped;
    const struct
    {
        const char* what;
        DWORD state;
        Behaviour behaviour;
        void (*deny)();
        RestartOutcome outcome;
        DWORD finalState;
        bool startRequested;
    } cases[] = {
        {"no service manager", SERVICE_RUNNING, {}, DenyManager, kFailed, SERVICE_RUNNING, false},
        {"no rights on the spooler",
         SERVICE_RUNNING,
         {},
         DenyServices,
         kFailed,
         SERVICE_RUNNING,
         false},
        {"stop refused: still running", SERVICE_RUNNING, kStopRefused, nullptr, kFailed,
         SERVICE_RUNNING, false},
        {"stop still pending: start skipped", SERVICE_RUNNING, kStopNeverEnds, nullptr, kStopped,
         SERVICE_STOP_PENDING, false},
        {"start refused", SERVICE_RUNNING, kStartRefused, nullptr, kStopped, SERVICE_STOPPED, true},
        {"start never completes", SERVICE_RUNNING, kStartNeverEnds, nullptr, kStopped,
         SERVICE_START_PENDING, true},
        {"was starting", SERVICE_START_PENDING, kStartNeverEnds, nullptr, kStopped,
         SERVICE_START_PENDING, false},
        {"was stopped, start refused", SERVICE_STOPPED, kStartRefused, nullptr, kStopped,
         SERVICE_STOPPED, true},
        // Unless the last look sees it stopped, it is not called a stopped spooler.
        {"every query fails", SERVICE_RUNNING, kQueryFails, nullptr, kFailed, SERVICE_RUNNING,
         false},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddService(L"Spooler", c.state, c.behaviour);
        if (c.deny != nullptr)
            c.deny();
        EXPECT_EQ(RestartSpooler().Outcome(), c.outcome) << c.what;
        EXPECT_EQ(State(L"Spooler"), c.finalState) << c.what;
        EXPECT_EQ(Logged("StartService Spooler"), c.startRequested) << c.what;
        EXPECT_EQ(OpenHandles(), 0) << c.what;
    }
}

// Windows does not stop a service while services that depend on it run.
TEST_F(ServiceTest, RestartStopsTheRunningDependentsFirstAndStartsThemAgainInTheReverseOrder)
{
    AddService(L"Fax", SERVICE_RUNNING, {}, {L"Spooler"});
    AddService(L"Vendor", SERVICE_RUNNING, {}, {L"Fax"});
    AddService(L"LPDSVC", SERVICE_STOPPED, {}, {L"Spooler"});
    const RestartReport report = RestartSpooler();
    EXPECT_EQ(report.Outcome(), RestartOutcome::Restarted);
    EXPECT_EQ(report.dependents, (std::vector<std::wstring>{L"Vendor", L"Fax"}));
    std::vector<std::string> requests = Log();
    requests.erase(std::remove_if(requests.begin(), requests.end(),
                                  [](const std::string& call) {
                                      return call.rfind("QueryServiceStatus", 0) == 0;
                                  }),
                   requests.end());
    EXPECT_EQ(requests, (std::vector<std::string>{
                            "EnumDependentServices Spooler", // how many: two
                            "EnumDependentServices Spooler", "ControlService Vendor 1",
                            "ControlService Fax 1", "ControlService Spooler 1", "Sleep 3000",
                            "StartService Spooler", "StartService Fax", "StartService Vendor"}));
    EXPECT_EQ(State(L"LPDSVC"), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_F(ServiceTest, ADependentThatDoesNotStopOrStartAgainIsNamedAndNothingIsLeftHalfDone)
{
    using Outcome = RestartOutcome;
    const std::pair<const wchar_t*, std::vector<std::wstring>> kDependencies[] = {
        {L"Spooler", {}}, {L"Fax", {L"Spooler"}}, {L"Vendor", {L"Fax"}}};
    const struct
    {
        std::wstring failing; // the service that fails, and how
        Behaviour behaviour;
        Outcome spooler; // what became of the spooler itself
        std::wstring heldBy;
        std::vector<std::wstring> leftStopped;
    } cases[] = {
        {L"Vendor", kStopRefused, Outcome::Failed, L"Vendor", {}}, // the first to stop
        {L"Fax", kStopRefused, Outcome::Failed, L"Fax", {}},       // Vendor stopped, started again
        {L"Fax", kStartRefused, Outcome::Restarted, L"", {L"Fax"}},
        {L"Spooler", kStartRefused, Outcome::SpoolerStopped, L"", {L"Fax", L"Vendor"}},
    };
    for (const auto& c : cases)
    {
        SetUp();
        SCOPED_TRACE(host::text::ToAnsi(c.failing));
        for (const auto& [name, dependsOn] : kDependencies)
            AddService(name, SERVICE_RUNNING, name == c.failing ? c.behaviour : Behaviour{},
                       dependsOn);
        const RestartReport report = RestartSpooler();
        EXPECT_EQ(report.spooler, c.spooler);
        EXPECT_NE(report.Outcome(), Outcome::Restarted);
        EXPECT_EQ(report.heldBy, c.heldBy);
        EXPECT_EQ(report.leftStopped, c.leftStopped);
        // Whatever is not said to be stopped runs.
        for (const wchar_t* name : {L"Fax", L"Vendor"})
            EXPECT_EQ(State(name) == SERVICE_RUNNING,
                      std::count(c.leftStopped.begin(), c.leftStopped.end(), name) == 0);
        EXPECT_EQ(State(L"Spooler") == SERVICE_RUNNING, c.spooler != Outcome::SpoolerStopped);
    }
}

TEST_F(ServiceTest, ARestartOfAnotherMachineUsesThatMachinesServiceManager)
{
    AddMachine(L"\\\\printhost");
    EXPECT_EQ(RestartSpooler(L"\\\\printhost").Outcome(), RestartOutcome::Restarted);
    EXPECT_TRUE(Logged("ControlService Spooler@\\\\printhost 1"));
    EXPECT_EQ(RestartSpooler(L"\\\\elsewhere").Outcome(), RestartOutcome::Failed);
}
} // namespace
