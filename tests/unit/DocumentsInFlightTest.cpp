// Which documents a restart of a machine's spooler would interrupt: those being printed or sent.
#include "HostSession.h"

#include "printer/DocumentsInFlight.h"

#include <winspool.h>

#include <utility>
#include <vector>

namespace
{
// States as Windows numbers them; the programs themselves read only PRINTING and SPOOLING.
const DWORD kWaiting = 0;
const DWORD kPaused = 0x1;
const DWORD kError = 0x2;
const DWORD kSpooling = JOB_STATUS_SPOOLING;
const DWORD kPrinting = JOB_STATUS_PRINTING;
const DWORD kBlocked = 0x200;
const DWORD kUserIntervention = 0x400;

const wchar_t kServer[] = L"\\\\printhost";
const wchar_t kServerQueue[] = L"\\\\printhost\\Front Desk";

struct Row
{
    const char* name;
    // Queues besides the session's own ("Office Laser"), then each queue's documents.
    std::vector<const wchar_t*> added;
    std::vector<std::pair<const wchar_t*, std::vector<DWORD>>> documents;
    void (*arrange)(); // a failure, or null
    const wchar_t* machine;
    std::optional<DWORD> counted;
    int opens; // queues opened to list their documents
};

class DocumentsInFlightTest : public HostSession, public ::testing::WithParamInterface<Row>
{
};

TEST_P(DocumentsInFlightTest, CountsThoseBeingPrintedOrSentOnThatMachine)
{
    const Row& row = GetParam();
    for (const wchar_t* queue : row.added)
        host::spooler::AddQueue(queue);
    for (const auto& [queue, states] : row.documents)
        for (const DWORD state : states)
            host::spooler::AddDocument(queue, state);
    if (row.arrange != nullptr)
        row.arrange();

    EXPECT_EQ(CountDocumentsInFlight(row.machine), row.counted);

    EXPECT_EQ(host::spooler::Calls("OpenPrinterW"), row.opens);
    for (const DWORD access : host::spooler::DesiredAccesses())
        EXPECT_EQ(access, static_cast<DWORD>(PRINTER_ACCESS_USE));
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    States, DocumentsInFlightTest,
    ::testing::Values(
        Row{"NoDocuments", {}, {}, nullptr, L"", 0u, 0},
        Row{"Printing", {}, {{L"Office Laser", {kPrinting}}}, nullptr, L"", 1u, 1},
        Row{"BeingSent", {}, {{L"Office Laser", {kSpooling}}}, nullptr, L"", 1u, 1},
        // Paused halfway: it would still be printed again from its first page.
        Row{"PrintingPaused", {}, {{L"Office Laser", {kPrinting | kPaused}}}, nullptr, L"", 1u, 1},
        Row{"QueuedOnly",
            {},
            {{L"Office Laser", {kWaiting, kPaused, kError, kBlocked, kUserIntervention}}},
            nullptr,
            L"",
            0u,
            1},
        Row{"SeveralQueues",
            {L"Front Desk", L"Empty"},
            {{L"Office Laser", {kPrinting, kWaiting}}, {L"Front Desk", {kSpooling, kSpooling}}},
            nullptr,
            L"",
            3u,
            2},
        // This computer's own queues only, not its connections to a server's.
        Row{"ThisComputer",
            {kServerQueue},
            {{L"Office Laser", {kWaiting}}, {kServerQueue, {kPrinting}}},
            nullptr,
            L"",
            0u,
            1},
        Row{"AServersQueues",
            {kServerQueue},
            {{L"Office Laser", {kPrinting}}, {kServerQueue, {kPrinting, kSpooling}}},
            nullptr,
            kServer,
            2u,
            1},
        Row{"ServerUnreachable",
            {},
            {{L"Office Laser", {kPrinting}}},
            nullptr,
            L"\\\\nowhere",
            std::nullopt,
            0},
        Row{"QueueCannotBeOpened",
            {L"Front Desk"},
            {{L"Office Laser", {kPrinting}}, {L"Front Desk", {kWaiting}}},
            [] { host::spooler::FailOpens(L"Front Desk", ERROR_ACCESS_DENIED); },
            L"",
            std::nullopt,
            1},
        Row{"DocumentsCannotBeListed",
            {},
            {{L"Office Laser", {kPrinting}}},
            [] { host::spooler::FailDocumentListing(L"Office Laser", ERROR_INVALID_HANDLE); },
            L"",
            std::nullopt,
            1}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
} // namespace
