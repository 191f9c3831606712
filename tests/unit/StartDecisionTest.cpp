// What start-up does for each command line, outcome of opening the queue and elevation: the
// consent prompt only for a filtered token that was denied, and never twice.
#include "app/StartDecision.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const std::wstring kMarker = kRelaunchMarker;
const std::wstring kQuotedMarker = L"\"" + kMarker + L"\"";
constexpr DWORD kOpened = ERROR_SUCCESS;
constexpr DWORD kDenied = ERROR_ACCESS_DENIED;
constexpr DWORD kNoSuchQueue = 1801; // ERROR_INVALID_PRINTER_NAME

const char* StepName(StartStep step)
{
    switch (step)
    {
    case StartStep::Dialog:
        return "Dialog";
    case StartStep::StartMessage:
        return "StartMessage";
    case StartStep::PrinterMessage:
        return "PrinterMessage";
    case StartStep::Relaunch:
        return "Relaunch";
    }
    return "?";
}

TEST(StartDecision, OnlyAFilteredTokenDeniedTheQueueRelaunchesAndOnlyOnce)
{
    const std::vector<std::wstring> direct = {L"x", L"Office Laser"};
    const std::vector<std::wstring> relaunched = {kMarker, L"x", L"Office Laser"};
    const struct
    {
        const std::vector<std::wstring>& arguments;
        DWORD openError;
        bool elevated;
        StartStep step;
    } rows[] = {
        {direct, kOpened, false, StartStep::Dialog},
        {direct, kOpened, true, StartStep::Dialog},
        {relaunched, kOpened, false, StartStep::Dialog},
        {relaunched, kOpened, true, StartStep::Dialog},
        {direct, kDenied, false, StartStep::Relaunch},
        {direct, kDenied, true, StartStep::PrinterMessage},
        {relaunched, kDenied, false, StartStep::PrinterMessage},
        {relaunched, kDenied, true, StartStep::PrinterMessage},
        {direct, kNoSuchQueue, false, StartStep::PrinterMessage},
        {direct, kNoSuchQueue, true, StartStep::PrinterMessage},
        {direct, ERROR_FILE_NOT_FOUND, false, StartStep::PrinterMessage},
        {relaunched, kNoSuchQueue, false, StartStep::PrinterMessage},
    };
    for (const auto& row : rows)
    {
        const StartDecision decision = DecideStart(row.arguments, row.openError, row.elevated);
        const std::string label = testing::PrintToString(row.arguments) + " error " +
                                  std::to_string(row.openError) +
                                  (row.elevated ? " elevated" : " limited");
        EXPECT_STREQ(StepName(decision.step), StepName(row.step)) << label;
        if (row.step != StartStep::Relaunch)
        {
            EXPECT_EQ(decision.parameters, L"") << label;
        }
    }
}

TEST(StartDecision, ARelaunchGetsTheMarkerThenBothArgumentsQuoted)
{
    const struct
    {
        std::vector<std::wstring> arguments;
        std::wstring parameters;
    } rows[] = {
        {{L"x", L"Office Laser"}, L" \"x\" \"Office Laser\""},
        {{L"", L"\\\\server\\Front Desk"}, L" \"\" \"\\\\server\\Front Desk\""},
        {{L"C:\\dir\\", L"Quote \"Q\" Printer"}, L" \"C:\\dir\\\\\" \"Quote \\\"Q\\\" Printer\""},
        {{L"x", L"プリンタ①"}, L" \"x\" \"プリンタ①\""},
        // A queue name that happens to be the marker is still the driver's second argument.
        {{L"x", kMarker}, L" \"x\" " + kQuotedMarker},
    };
    for (const auto& row : rows)
    {
        const StartDecision decision = DecideStart(row.arguments, kDenied, false);
        EXPECT_STREQ(StepName(decision.step), "Relaunch") << testing::PrintToString(row.arguments);
        EXPECT_EQ(decision.parameters, kQuotedMarker + row.parameters)
            << testing::PrintToString(row.arguments);
    }
}

TEST(StartDecision, AnyOtherArgumentCountAsksToStartFromTheDriverWhateverElseHolds)
{
    const std::vector<std::vector<std::wstring>> wrongLines = {
        {},
        {L"Office Laser"},
        {L"x", L"Office Laser", L"extra"},
        {kMarker},
        {kMarker, L"Office Laser"},
        {kMarker, L"x", L"Office Laser", L"extra"},
        {kMarker, kMarker, L"x", L"Office Laser"},
    };
    for (const auto& arguments : wrongLines)
    {
        EXPECT_EQ(QueueNameArgument(arguments), nullptr) << testing::PrintToString(arguments);
        for (const DWORD openError : {kOpened, kDenied})
            for (const bool elevated : {false, true})
                EXPECT_STREQ(StepName(DecideStart(arguments, openError, elevated).step),
                             "StartMessage")
                    << testing::PrintToString(arguments) << ' ' << openError << ' ' << elevated;
    }
}

TEST(StartDecision, TheQueueIsTheLastOfTheDriversTwoArguments)
{
    const std::vector<std::wstring> direct = {L"x", L"Office Laser"};
    const std::vector<std::wstring> relaunched = {kMarker, L"x", L"Office Laser"};
    ASSERT_NE(QueueNameArgument(direct), nullptr);
    EXPECT_EQ(*QueueNameArgument(direct), L"Office Laser");
    ASSERT_NE(QueueNameArgument(relaunched), nullptr);
    EXPECT_EQ(*QueueNameArgument(relaunched), L"Office Laser");
}
} // namespace
