// After OK has stored the values: a restart that would interrupt documents being printed or sent
// is asked for first, and No leaves the spooler running.
#include "DialogSession.h"

#include "resources/ResourceString.h"

#include <winspool.h>

#include <vector>

namespace
{
const wchar_t kServer[] = L"\\\\printhost";
const wchar_t kServerQueue[] = L"\\\\printhost\\Front Desk";

struct Question
{
    const char* name;
    bool onServer;                // the dialog's queue is kServerQueue, else the session's
    std::vector<DWORD> documents; // that queue's, by state
    bool uncountable;             // its documents cannot be listed
    int answer;                   // to a question
    const wchar_t* asked;         // the count in the question; null: none asked
};

class RestartQuestionTest : public DialogSession, public ::testing::WithParamInterface<Question>
{
};

TEST_P(RestartQuestionTest, AsksBeforeInterruptingDocumentsAndNoLeavesTheSpoolerRunning)
{
    const Question& row = GetParam();
    const std::wstring queue = row.onServer ? kServerQueue : kQueue;
    host::spooler::AddQueue(kServerQueue);
    host::services::AddMachine(kServer);
    // A document being printed elsewhere, which a restart of the queue's spooler leaves alone.
    host::spooler::AddDocument(row.onServer ? kQueue : kServerQueue, JOB_STATUS_PRINTING);
    for (const DWORD state : row.documents)
        host::spooler::AddDocument(queue, state);
    if (row.uncountable)
        host::spooler::FailDocumentListing(queue, ERROR_ACCESS_DENIED);
    host::AnswerQuestions(row.answer);

    CPrinterInfo printer(queue.c_str());
    host::SetModalDriver([](DialogUser& user) {
        user.Paste(IDC_TIMEOUT_EDIT, L"30");
        user.Click(IDOK);
    });
    EXPECT_EQ(RunSettingsDialog(printer), IDOK);

    std::vector<std::pair<std::wstring, std::wstring>> asked;
    for (const auto& box : host::MessageBoxes())
        asked.push_back({box.text, box.caption});
    std::vector<std::pair<std::wstring, std::wstring>> expected;
    const std::wstring machine = row.onServer ? kServer : LoadResourceString(IDS_THIS_COMPUTER);
    if (row.asked != nullptr)
        expected.push_back({Message(IDS_DOCUMENTS_IN_FLIGHT, {row.asked, machine}),
                            LoadResourceString(IDS_DOCUMENTS_CAPTION)});
    EXPECT_EQ(asked, expected);
    EXPECT_EQ(host::spooler::GetDword(queue, L"QuenloTimeout"), 30000u) << "not stored";
    const bool restarted = row.asked == nullptr || row.answer == IDYES;
    const std::string stop =
        row.onServer ? "ControlService Spooler@\\\\printhost 1" : "ControlService Spooler 1";
    EXPECT_EQ(Logged(stop), restarted);
}

const DWORD kPaused = 0x1;

INSTANTIATE_TEST_SUITE_P(
    Documents, RestartQuestionTest,
    ::testing::Values(Question{"NoneInFlight", false, {0, kPaused}, false, IDNO, nullptr},
                      Question{"Uncountable", false, {JOB_STATUS_PRINTING}, true, IDNO, nullptr},
                      Question{"AnsweredNo",
                               false,
                               {JOB_STATUS_PRINTING, JOB_STATUS_SPOOLING, kPaused},
                               false,
                               IDNO,
                               L"2"},
                      Question{"AnsweredYes", false, {JOB_STATUS_SPOOLING}, false, IDYES, L"1"},
                      Question{
                          "APrintServersQueue", true, {JOB_STATUS_PRINTING}, false, IDNO, L"1"}),
    [](const ::testing::TestParamInfo<Question>& info) { return std::string(info.param.name); });
} // namespace
