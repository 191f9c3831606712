// After OK has stored the values: a restart that would interrupt documents being printed or sent
// is asked for first, and No leaves the spooler running.
#include "DialogSession.h"

#include "resources/ResourceString.h"

#include <winspool.h>

namespace
{
const DWORD kPrinting = JOB_STATUS_PRINTING, kSpooling = JOB_STATUS_SPOOLING, kPaused = 0x1;
const wchar_t kServer[] = L"\\\\printhost";
const wchar_t kServerQueue[] = L"\\\\printhost\\Front Desk";

struct Question
{
    const char* name;
    bool onServer;                // the dialog's queue is kServerQueue, else the session's
    bool uncountable;             // its documents cannot be listed
    int answer;                   // to a question
    const wchar_t* asked;         // the count in the question; null: none asked
    std::vector<DWORD> documents; // the queue's, by state
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
    // Printed on the other machine, where this restart interrupts nothing.
    host::spooler::AddDocument(row.onServer ? kQueue : kServerQueue, kPrinting);
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
    const std::wstring machine = row.onServer ? kServer : LoadResourceString(IDS_THIS_COMPUTER);
    std::vector<std::wstring> asked;
    for (const auto& box : host::MessageBoxes())
        asked.push_back(box.caption + L": " + box.text);
    EXPECT_EQ(asked, row.asked == nullptr
                         ? std::vector<std::wstring>{}
                         : std::vector<std::wstring>{
                               LoadResourceString(IDS_DOCUMENTS_CAPTION) + L": " +
                               Message(IDS_DOCUMENTS_IN_FLIGHT, {row.asked, machine})});
    EXPECT_EQ(host::spooler::GetDword(queue, L"QuenloTimeout"), 30000u) << "not stored";
    EXPECT_EQ(Logged(row.onServer ? "ControlService Spooler@\\\\printhost 1"
                                  : "ControlService Spooler 1"),
              row.asked == nullptr || row.answer == IDYES);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RestartQuestionTest,
    ::testing::Values(Question{"NoneInFlight", false, false, IDNO, nullptr, {0, kPaused}},
                      Question{"Uncountable", false, true, IDNO, nullptr, {kPrinting}},
                      Question{
                          "AnsweredNo", false, false, IDNO, L"2", {kPrinting, kSpooling, kPaused}},
                      Question{"AnsweredYes", false, false, IDYES, L"1", {kSpooling}},
                      Question{"APrintServersQueue", true, false, IDNO, L"1", {kPrinting}}),
    [](const ::testing::TestParamInfo<Question>& info) { return std::string(info.param.name); });
} // namespace
