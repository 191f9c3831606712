// Stopping and starting a service by name with waits that follow it, and the spooler restart.
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
    static CService Spooler() { return CService(L"Spooler", kSpoolerAccess); }
};

TEST_F(ServiceTest, StoppingARunningServiceSendsOneStopAndReturnsWhenItIsStopped)
{
    AddService(L"Spooler", SERVICE_RUNNING, Behaviour{2, 0});
    CService service = Spooler();
    EXPECT_EQ(service.Stop(TRUE), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "QueryServiceStatus Spooler", "ControlService Spooler 1",
                         "QueryServiceStatus Spooler", "Sleep 100", "QueryServiceStatus Spooler",
                         "Sleep 100", "QueryServiceStatus Spooler"}));
    EXPECT_EQ(State(L"Spooler"), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_F(ServiceTest, AStoppedServiceIsNotStoppedAgainButStarted)
{
    AddService(L"Spooler", SERVICE_STOPPED);
    CService service = Spooler();
    EXPECT_EQ(service.Stop(TRUE), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(Log(), std::vector<std::string>{"QueryServiceStatus Spooler"});
    EXPECT_EQ(service.Start(TRUE), DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(Logged("StartService Spooler"));
    EXPECT_EQ(State(L"Spooler"), static_cast<DWORD>(SERVICE_RUNNING));
}

TEST_F(ServiceTest, OnlyTheRightStateIsActedOnAndAPendingOneIsWaitedFor)
{
    const DWORD kTimeout = ERROR_SERVICE_REQUEST_TIMEOUT;
    const struct
    {
        DWORD state;
        DWORD stopResult, startResult;
    } cases[] = {
        {SERVICE_STOP_PENDING, kTimeout, kTimeout},
        {SERVICE_START_PENDING, ERROR_SERVICE_CANNOT_ACCEPT_CTRL, kTimeout},
        {SERVICE_RUNNING, kTimeout, ERROR_SUCCESS}, // Start finds it running; the stop never ends
    };
    for (const auto& c : cases)
    {
        AddService(L"Spooler", c.state, kNeverEnds);
        CService service = Spooler();
        host::CallLog().clear();
        EXPECT_EQ(service.Start(TRUE), c.startResult) << c.state;
        EXPECT_FALSE(Logged("StartService Spooler")) << c.state;
        EXPECT_EQ(service.Stop(TRUE), c.stopResult) << c.state;
        EXPECT_EQ(Logged("ControlService Spooler 1"), c.state == SERVICE_RUNNING) << c.state;
    }
}

// A busy print server's spooler may take longer than 10 s, saying so through its checkpoint.
TEST_F(ServiceTest, AWaitFollowsTheServiceWhileItMovesOnAndGivesUpOnOneThatDoesNot)
{
    const Behaviour kNoProgress{-1, -1};
    const Behaviour kNoProgressLongHint{-1, -1, false, false, false, 30000};
    const Behaviour kSlowStop{140, 0, false, false, false, 2000, true};
    const Behaviour kSlowStart{0, 140, false, false, false, 2000, true};
    const Behaviour kProgressForever{-1, -1, false, false, false, 2000, true};
    const struct
    {
        const char* what;
        DWORD state; // running: stopped; stopped: started
        Behaviour behaviour;
        DWORD result;
        int sleeps;
    } cases[] = {
        {"no progress: 10 s", SERVICE_RUNNING, kNoProgress, ERROR_SERVICE_REQUEST_TIMEOUT, 100},
        {"no progress, a hint of 30 s", SERVICE_RUNNING, kNoProgressLongHint,
         ERROR_SERVICE_REQUEST_TIMEOUT, 300},
        {"a stop of 14 s in progress", SERVICE_RUNNING, kSlowStop, ERROR_SUCCESS, 140},
        {"a start of 14 s in progress", SERVICE_STOPPED, kSlowStart, ERROR_SUCCESS, 140},
        {"progress without end: 3 minutes", SERVICE_STOPPED, kProgressForever,
         ERROR_SERVICE_REQUEST_TIMEOUT, 1800},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddService(L"Spooler", c.state, c.behaviour);
        CService service = Spooler();
        EXPECT_EQ(c.state == SERVICE_RUNNING ? service.Stop(TRUE) : service.Start(TRUE), c.result)
            << c.what;
        EXPECT_EQ(CountLogged("Sleep 100"), c.sleeps) << c.what;
    }
}

TEST_F(ServiceTest, WithoutWaitingTheRequestIsAllThatIsMade)
{
    AddService(L"Spooler", SERVICE_RUNNING, kStopNeverEnds);
    CService service = Spooler();
    EXPECT_EQ(service.Stop(FALSE), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(CountLogged("Sleep 100"), 0);
}

TEST_F(ServiceTest, AFailedCallEndsTheOperationWithItsError)
{
    const struct
    {
        const char* what;
        Behaviour behaviour;
        DWORD state;
        DWORD error;
    } cases[] = {
        {"query fails", kQueryFails, SERVICE_RUNNING, ERROR_ACCESS_DENIED},
        {"stop refused", kStopRefused, SERVICE_RUNNING, ERROR_SERVICE_CANNOT_ACCEPT_CTRL},
        {"start refused", kStartRefused, SERVICE_STOPPED, ERROR_SERVICE_DISABLED},
    };
    for (const auto& c : cases)
    {
        AddService(L"Spooler", c.state, c.behaviour);
        host::CallLog().clear();
        CService service = Spooler();
        EXPECT_EQ(c.state == SERVICE_RUNNING ? service.Stop(TRUE) : service.Start(TRUE), c.error)
            << c.what;
        EXPECT_EQ(CountLogged("Sleep 100"), 0) << c.what;
    }
}

TEST_F(ServiceTest, AServiceThatCannotBeOpenedThrowsItsErrorAndLeavesNoHandleOpen)
{
    const auto errorOpening = [](const wchar_t* name) {
        try
        {
            CService service(name,
                             name == std::wstring(L"Spooler") ? kSpoolerAccess : kDependentAccess);
        }
        catch (const CServiceException& e)
        {
            return e.error;
        }
        return DWORD(ERROR_SUCCESS);
    };
    EXPECT_EQ(errorOpening(L"NoSuchService"), DWORD(ERROR_SERVICE_DOES_NOT_EXIST));
    DenyServices();
    EXPECT_EQ(errorOpening(L"Spooler"), DWORD(ERROR_ACCESS_DENIED));
    DenyManager();
    EXPECT_EQ(errorOpening(L"Spooler"), DWORD(ERROR_ACCESS_DENIED));
}

TEST_F(ServiceTest, TheServiceHandleIsTheOnlyOneHeldAndIsClosed)
{
    {
        CService service = Spooler();
        EXPECT_EQ(OpenHandles(), 1);
    }
    EXPECT_EQ(OpenHandles(), 0);
}

TEST_F(ServiceTest, TheStateCanBeAskedOnceMore)
{
    AddService(L"Spooler", SERVICE_STOP_PENDING, kStopNeverEnds);
    const CService service = Spooler();
    EXPECT_EQ(service.QueryState(), std::optional<DWORD>(SERVICE_STOP_PENDING));
    EXPECT_EQ(Log(), std::vector<std::string>{"QueryServiceStatus Spooler"});

    AddService(L"Spooler", SERVICE_RUNNING, kQueryFails);
    EXPECT_EQ(service.QueryState(), std::nullopt);
}

TEST_F(ServiceTest, RestartStopsPausesThreeSecondsAndStarts)
{
    const DWORD before = ProcessId(L"Spooler");
    const RestartReport report = RestartSpooler();
    EXPECT_EQ(report.Outcome(), RestartOutcome::Restarted);
    EXPECT_EQ(report.error, DWORD(ERROR_SUCCESS));
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "EnumDependentServices Spooler", "QueryServiceStatus Spooler",
                         "ControlService Spooler 1", "QueryServiceStatus Spooler", "Sleep 3000",
                         "QueryServiceStatus Spooler", "StartService Spooler",
                         "QueryServiceStatus Spooler"}));
    EXPECT_NE(ProcessId(L"Spooler"), before);
}

TEST_F(ServiceTest, RestartSaysStoppedOnlyOfASpoolerSeenStoppedAndWhy)
{
    const RestartOutcome kFailed = RestartOutcome::Failed;
    const RestartOutcome kStopped = RestartOutcome::SpoolerStopped;
    const RestartOutcome kNotInTime = RestartOutcome::NotInTime;
    const DWORD kTimeout = ERROR_SERVICE_REQUEST_TIMEOUT;
    const struct
    {
        const char* what;
        DWORD state;
        Behaviour behaviour;
        void (*deny)();
        RestartOutcome outcome;
        DWORD finalState;
        bool startRequested;
        DWORD error;
    } cases[] = {
        {"no service manager",
         SERVICE_RUNNING,
         {},
         DenyManager,
         kFailed,
         SERVICE_RUNNING,
         false,
         ERROR_ACCESS_DENIED},
        {"no rights on the spooler",
         SERVICE_RUNNING,
         {},
         DenyServices,
         kFailed,
         SERVICE_RUNNING,
         false,
         ERROR_ACCESS_DENIED},
        {"stop refused: still running", SERVICE_RUNNING, kStopRefused, nullptr, kFailed,
         SERVICE_RUNNING, false, ERROR_SERVICE_CANNOT_ACCEPT_CTRL},
        // The stop's wait gives up after 10 s without progress; the start waits for it to end.
        {"a stop that completes late", SERVICE_RUNNING, Behaviour{150, 0}, nullptr,
         RestartOutcome::Restarted, SERVICE_RUNNING, true, ERROR_SUCCESS},
        {"stop never ends", SERVICE_RUNNING, kStopNeverEnds, nullptr, kNotInTime,
         SERVICE_STOP_PENDING, false, kTimeout},
        {"start refused", SERVICE_RUNNING, kStartRefused, nullptr, kStopped, SERVICE_STOPPED, true,
         ERROR_SERVICE_DISABLED},
        {"start never ends", SERVICE_RUNNING, kStartNeverEnds, nullptr, kNotInTime,
         SERVICE_START_PENDING, true, kTimeout},
        {"was stopped, start refused", SERVICE_STOPPED, kStartRefused, nullptr, kStopped,
         SERVICE_STOPPED, true, ERROR_SERVICE_DISABLED},
        {"every query fails", SERVICE_RUNNING, kQueryFails, nullptr, kFailed, SERVICE_RUNNING,
         false, ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddService(L"Spooler", c.state, c.behaviour);
        if (c.deny != nullptr)
            c.deny();
        const RestartReport report = RestartSpooler();
        EXPECT_EQ(report.Outcome(), c.outcome) << c.what;
        EXPECT_EQ(report.error, c.error) << c.what;
        EXPECT_EQ(State(L"Spooler"), c.finalState) << c.what;
        EXPECT_EQ(Logged("StartService Spooler"), c.startRequested) << c.what;
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
        DWORD error;
    } cases[] = {
        {L"Vendor", kStopRefused, Outcome::Failed, L"Vendor", {}, ERROR_SERVICE_CANNOT_ACCEPT_CTRL},
        {L"Fax", kStopRefused, Outcome::Failed, L"Fax", {}, ERROR_SERVICE_CANNOT_ACCEPT_CTRL},
        // Its stop was accepted but ends after the wait: it is still started again.
        {L"Fax", Behaviour{150, 0}, Outcome::Failed, L"Fax", {}, ERROR_SERVICE_REQUEST_TIMEOUT},
        // Vendor then cannot start without it.
        {L"Fax",
         kStartRefused,
         Outcome::Restarted,
         L"",
         {L"Fax", L"Vendor"},
         ERROR_SERVICE_DISABLED},
        {L"Spooler",
         kStartRefused,
         Outcome::SpoolerStopped,
         L"",
         {L"Fax", L"Vendor"},
         ERROR_SERVICE_DISABLED},
        // Still starting: the dependents are started, and Windows refuses them for it.
        {L"Spooler",
         kStartNeverEnds,
         Outcome::NotInTime,
         L"",
         {L"Fax", L"Vendor"},
         ERROR_SERVICE_REQUEST_TIMEOUT},
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
        EXPECT_EQ(report.error, c.error);
        // Whatever is not said to be stopped runs.
        for (const wchar_t* name : {L"Fax", L"Vendor"})
            EXPECT_EQ(State(name) == SERVICE_RUNNING,
                      std::count(c.leftStopped.begin(), c.leftStopped.end(), name) == 0);
        EXPECT_EQ(State(L"Spooler") == SERVICE_RUNNING,
                  c.spooler == Outcome::Restarted || c.spooler == Outcome::Failed);
    }
}

TEST_F(ServiceTest, ARestartOfAnotherMachineUsesThatMachinesServiceManager)
{
    AddMachine(L"\\\\printhost");
    EXPECT_EQ(RestartSpooler(L"\\\\printhost").Outcome(), RestartOutcome::Restarted);
    EXPECT_TRUE(Logged("ControlService Spooler@\\\\printhost 1"));
    EXPECT_EQ(RestartSpooler(L"\\\\elsewhere").error, DWORD(RPC_S_SERVER_UNAVAILABLE));
}
} // namespace
