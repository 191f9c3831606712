// Queue names in any script, as a property page passes them: started with a wide command line,
// the program opens the queue of exactly that name, shows it, and stores there through OK. The
// driver runs these in both languages, so under code page 932 as well, where a name passed
// through ANSI loses its characters or, by best fit, becomes another queue's name.
#include "Controls.h"
#include "Fixtures.h"
#include "Wait.h"
#include "Windows.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e
{
namespace
{
struct Named
{
    const char* name;
    const char* queue;
    const char* lookalike; // another queue that must stay as it is, or null
};

const Named kNamed[] = {
    {"Cyrillic", "Принтер – 2F", nullptr},
    {"LatinWithDiaeresis", "Büro – 2F", nullptr},
    {"Japanese", "プリンタ①", nullptr},
    {"DoubleQuotes", "Quote \"Q\" Printer", nullptr},
    {"BeyondTheBmp", "Emoji 🖨 Printer", nullptr},
    // Code page 932 has no "ü"; its best fit "Buro" names another queue here.
    {"NotItsBestFit", "Büro", "Buro"},
};

// The queues are added through AddPrinterW for the run and removed after it, so that programs
// that still list queues through ANSI do not meet names they cannot hold in later runs.
class NamedQueues : public testing::Environment
{
  public:
    void SetUp() override
    {
        for (const std::string& queue : Queues())
            ASSERT_TRUE(AddQueue(queue)) << "AddPrinterW failed for " << queue;
    }
    void TearDown() override
    {
        for (const std::string& queue : Queues())
            DeleteQueue(queue);
    }

  private:
    static std::vector<std::string> Queues()
    {
        std::vector<std::string> queues;
        for (const Named& named : kNamed)
        {
            queues.push_back(named.queue);
            if (named.lookalike != nullptr)
                queues.push_back(named.lookalike);
        }
        return queues;
    }
};

testing::Environment* const g_namedQueues = testing::AddGlobalTestEnvironment(new NamedQueues);

using LanguageQueueName = testing::TestWithParam<Named>;

TEST_P(LanguageQueueName, OpensShowsTheExactNameAndStoresThroughOkThereOnly)
{
    std::vector<std::string> queues = {GetParam().queue};
    if (GetParam().lookalike != nullptr)
        queues.push_back(GetParam().lookalike);
    std::vector<std::unique_ptr<StoredValuesKeeper>> keepers;
    for (const std::string& queue : queues)
    {
        keepers.push_back(std::make_unique<StoredValuesKeeper>(queue));
        SetStoredValue(queue, kIntervalValue, 700);
        SetStoredValue(queue, kTimeoutValue, 180000);
    }
    ASSERT_TRUE(StartSpooler());
    ToolRun run({"x", queues[0]});
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const Controls c(dialog);
    EXPECT_EQ(TextOf(c.queue), queues[0]);
    EXPECT_EQ(TextOf(c.interval), "0.7");
    SetText(c.interval, "1.5");
    SetText(c.timeout, "20");
    PostClick(c.ok);
    EXPECT_EQ(run.WaitForExit(kRestartTimeoutMs), 0);
    EXPECT_EQ(StoredValue(queues[0], kIntervalValue), 1500u);
    EXPECT_EQ(StoredValue(queues[0], kTimeoutValue), 20000u);
    if (queues.size() > 1)
    {
        EXPECT_EQ(StoredValue(queues[1], kIntervalValue), 700u) << "the lookalike was changed";
        EXPECT_EQ(StoredValue(queues[1], kTimeoutValue), 180000u) << "the lookalike was changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Names, LanguageQueueName, testing::ValuesIn(kNamed), RowName());
} // namespace
} // namespace e2e
