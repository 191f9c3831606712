// Which documents a restart of a machine's spooler would interrupt: those being printed or sent.
#include "HostSession.h"

#include "printer/DocumentsInFlight.h"

#include <winspool.h>

namespace
{
// States as Windows numbers them; the programs read only PRINTING and SPOOLING.
const DWORD kPrinting = JOB_STATUS_PRINTING, kSpooling = JOB_STATUS_SPOOLING, kPaused = 0x1,
            kError = 0x2, kBlocked = 0x200;
const wchar_t kA[] = L"Laser A", kB[] = L"Laser B", kDesk[] = L"\\\\printhost\\Desk";

struct Row
{
    const char* name;
    const wchar_t* machine;
    std::optional<DWORD> counted;
    int opens; // queues opened to list their documents: only those that hold any
    void (*fail)();
    std::vector<std::pair<const wchar_t*, std::vector<DWORD>>> queues; // added, with documents
};

class DocumentsInFlightTest : public HostSession, public ::testing::WithParamInterface<Row>
{
};

TEST_P(DocumentsInFlightTest, CountsThoseBeingPrintedOrSentOnThatMachine)
{
    for (const auto& [queue, states] : GetParam().queues)
    {
        host::spooler::AddQueue(queue);
        for (const DWORD state : states)
            host::spooler::AddDocument(queue, state);
    }
    if (GetParam().fail != nullptr)
        GetParam().fail();
    EXPECT_EQ(CountDocumentsInFlight(GetParam().machine), GetParam().counted);
    EXPECT_EQ(host::spooler::Calls("OpenPrinterW"), GetParam().opens);
    for (const DWORD access : host::spooler::DesiredAccesses())
        EXPECT_EQ(access, static_cast<DWORD>(PRINTER_ACCESS_USE));
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    States, DocumentsInFlightTest,
    ::testing::Values(
        // Paused halfway, a document would still be printed again from its first page.
        Row{"InFlight", L"", 3u, 1, nullptr, {{kA, {kPrinting, kSpooling, kPrinting | kPaused}}}},
        Row{"Queued", L"", 0u, 1, nullptr, {{kA, {0, kPaused, kError, kBlocked}}}},
        // This computer's own queues, not its connections to a server's.
        Row{"ThisComputer",
            L"",
            2u,
            2,
            nullptr,
            {{kA, {kPrinting}}, {kB, {kSpooling, 0}}, {kDesk, {kPrinting}}}},
        Row{"APrintServer",
            L"\\\\printhost",
            2u,
            1,
            nullptr,
            {{kA, {kPrinting}}, {kDesk, {kPrinting, kSpooling}}}},
        Row{"ServerUnreachable", L"\\\\nowhere", std::nullopt, 0, nullptr, {}},
        Row{"QueueCannotBeOpened",
            L"",
            std::nullopt,
            1,
            [] { host::spooler::FailOpens(kA, ERROR_ACCESS_DENIED); },
            {{kA, {0}}, {kB, {kPrinting}}}},
        Row{"DocumentsCannotBeListed",
            L"",
            std::nullopt,
            1,
            [] { host::spooler::FailDocumentListing(kA, ERROR_INVALID_HANDLE); },
            {{kA, {kPrinting}}}}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
} // namespace
