// A fresh in-memory platform for each test: one queue and a running spooler.
#pragma once

#include <host_calls.h>
#include <host_messages.h>
#include <host_services.h>
#include <host_spooler.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

class HostSession : public ::testing::Test
{
  protected:
    static constexpr const wchar_t* kQueue = L"Office Laser";

    void SetUp() override
    {
        host::ResetAll();
        host::spooler::AddQueue(kQueue);
        host::services::AddService(L"Spooler", SERVICE_RUNNING);
    }
    // No test leaves a service or service-manager handle open, and none asks for more than a
    // restart needs: a user to whom an administrator gave just that is never refused.
    void TearDown() override
    {
        EXPECT_EQ(host::services::OpenHandles(), 0);
        for (const auto& [service, access] : host::services::AccessesAsked())
            EXPECT_EQ(access, service.empty()         ? SC_MANAGER_CONNECT
                              : service == L"Spooler" ? kSpoolerAccess
                                                      : kDependentAccess);
        host::ResetAll();
    }

    static constexpr DWORD kSpoolerAccess =
        SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START | SERVICE_ENUMERATE_DEPENDENTS;
    static constexpr DWORD kDependentAccess = SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START;

    static void Store(std::optional<DWORD> interval, std::optional<DWORD> timeout)
    {
        if (interval)
            host::spooler::SetDword(kQueue, L"BackgroundStatusInterval", *interval);
        if (timeout)
            host::spooler::SetDword(kQueue, L"QuenloTimeout", *timeout);
    }
    static std::optional<DWORD> StoredInterval()
    {
        return host::spooler::GetDword(kQueue, L"BackgroundStatusInterval");
    }
    static std::optional<DWORD> StoredTimeout()
    {
        return host::spooler::GetDword(kQueue, L"QuenloTimeout");
    }
    static bool Logged(const std::string& call)
    {
        const auto& log = host::CallLog();
        return std::find(log.begin(), log.end(), call) != log.end();
    }
    static int CountLogged(const std::string& call)
    {
        const auto& log = host::CallLog();
        return static_cast<int>(std::count(log.begin(), log.end(), call));
    }
    // The printer-data stores asked for, whether they were made or refused.
    static int StoreCalls()
    {
        const auto& log = host::CallLog();
        return static_cast<int>(std::count_if(log.begin(), log.end(), [](const std::string& call) {
            return call.rfind("SetPrinterDataEx ", 0) == 0;
        }));
    }
};
