// Queue names in any script, as a property page passes them: started with a wide command line,
// the program opens the queue of exactly that name, shows it, and stores there through OK. The
// driver runs these in both languages, so under code page 932 as well, where a name passed
// through ANSI loses its characters or, by best fit, becomes another queue's name.
#include "Controls.h"
#include "Fixtures.h"
#include "Wait.h"
#include "Windows.h"

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
};

const Named kNamed[] = {
    {"Cyrillic", "Принтер – 2F"},
    {"LatinWithDiaeresis", "Büro – 2F"},
    {"Japanese", "プリンタ①"},
    {"DoubleQuotes", "Quote \"Q\" Printer"},
    {"BeyondTheBmp", "Emoji 🖨 Printer"},
};
const char kNamedLikeAnother[] = "Büro";
const char kTheOther[] = "Buro"; // code page 932's best fit for the name above

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
        std::vector<std::string> queues = {kNamedLikeAnother, kTheOther};
        for (const Named& named : kNamed)
            queues.push_back(named.queue);
        return queues;
    }
};

testing::Environment* const g_namedQueues = testing::AddGlobalTestEnvironment(new NamedQueues);

using LanguageQueueName = testing::TestWithParam<Named>;

TEST_P(LanguageQueueName, OpensShowsTheExactNameAndStoresThroughOk)
{
    const std::string queue = GetParam().queue;
    const StoredValuesKeeper keeper(queue);
    SetStoredValue(queue, kIntervalValue, 700);
    SetStoredValue(queue, kTimeoutValue, 180000);
    ASSERT_TRUE(StartSpooler());
    ToolRun run({"x", queue});
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const Controls c(dialog);
    EXPECT_EQ(TextOf(c.queue), queue);
    EXPECT_EQ(TextOf(c.interval), "0.7");
    SetText(c.interval, "1.5");
    SetText(c.timeout, "20");
    PostClick(c.ok);
    EXPECT_EQ(run.WaitForExit(kRestartTimeoutMs), 0);
    EXPECT_EQ(StoredValue(queue, kIntervalValue), 1500u);
    EXPECT_EQ(StoredValue(queue, kTimeoutValue), 20000u);
}

INSTANTIATE_TEST_SUITE_P(Names, LanguageQueueName, testing::ValuesIn(kNamed), RowName());

using LanguageSimilarNames = testing::Test;

// Code page 932 has no "ü"; its best fit is "u", which names another queue here.
TEST_F(LanguageSimilarNames, OnlyTheQueueNamedChanges)
{
    const std::string named = kNamedLikeAnother;
    const std::string other = kTheOther;
    const StoredValuesKeeper namedKeeper(named);
    const StoredValuesKeeper otherKeeper(other);
    for (const std::string& queue : {named, other})
    {
        SetStoredValue(queue, kIntervalValue, 700);
        SetStoredValue(queue, kTimeoutValue, 180000);
    }
    ASSERT_TRUE(StartSpooler());
    ToolRun run({"x", named});
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const Controls c(dialog);
    EXPECT_EQ(TextOf(c.queue), named);
    SetText(c.timeout, "20");
    PostClick(c.ok);
    EXPECT_EQ(run.WaitForExit(kRestartTimeoutMs), 0);
    EXPECT_EQ(StoredValue(named, kTimeoutValue), 20000u);
    EXPECT_EQ(StoredValue(other, kTimeoutValue), 180000u) << "the other queue was changed";
    EXPECT_EQ(StoredValue(other, kIntervalValue), 700u) << "the other queue was changed";
}
} // namespace
} // namespace e2e
