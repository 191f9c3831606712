// Which text a box is read by: the nearest one to its left on its row. The template rows are
// template 102's text labels in dialog units, in its order.
#include "dialog/RowLabel.h"

#include <gtest/gtest.h>

namespace
{
// Left, top, width and height, as the template states them.
ControlEdges Placed(long x, long y, long width, long height)
{
    return {x, y, x + width, y + height};
}

const std::vector<ControlEdges> kEnglishLabels = {
    Placed(13, 21, 51, 8),   // Printer Queue :
    Placed(13, 54, 88, 17),  // Background Status :
    Placed(14, 82, 87, 8),   // Interval (0.1 - 240.0) :
    Placed(163, 82, 37, 8),  // [ second ]
    Placed(35, 115, 66, 8),  // Timeout  ( 5 - 600 ) :
    Placed(163, 115, 37, 8), // [ second ]
};
const std::vector<ControlEdges> kJapaneseLabels = {
    Placed(21, 21, 46, 8),   // プリンタ名：
    Placed(10, 54, 91, 17),  // プリンタステータス　：
    Placed(10, 82, 91, 8),   // インターバル (0.1 - 240.0) ：
    Placed(163, 82, 37, 8),  // [ 秒 ]
    Placed(10, 115, 91, 8),  // タイムアウト (5 - 600) ：
    Placed(163, 115, 37, 8), // [ 秒 ]
};
const ControlEdges kQueueBox = Placed(69, 17, 142, 16);
const ControlEdges kIntervalBox = Placed(106, 79, 40, 14);
const ControlEdges kTimeoutBox = Placed(106, 113, 40, 14);
const ControlEdges kBox = {100, 10, 140, 24};

struct Row
{
    const char* name;
    ControlEdges box;
    std::vector<ControlEdges> texts;
    std::optional<std::size_t> label;
};

TEST(RowLabel, IsTheNearestTextLeftOfTheBoxWhoseMiddleIsOnItsRow)
{
    const Row rows[] = {
        {"EnglishInterval", kIntervalBox, kEnglishLabels, 2},
        {"JapaneseInterval", kIntervalBox, kJapaneseLabels, 2},
        {"JapaneseTimeout", kTimeoutBox, kJapaneseLabels, 4},
        {"JapaneseQueue", kQueueBox, kJapaneseLabels, 0},
        {"NoTexts", kBox, {}, std::nullopt},
        {"OnlyRightOfTheBox", kBox, {{150, 13, 190, 21}}, std::nullopt},
        {"EndingAtTheLeftEdge", kBox, {{60, 13, 100, 21}}, 0},
        {"ReachingIntoTheBox", kBox, {{60, 13, 101, 21}}, std::nullopt},
        {"MiddleOnTheTopEdge", kBox, {{0, 6, 50, 14}}, 0},
        {"MiddleOnTheBottomEdge", kBox, {{0, 20, 50, 28}}, std::nullopt},
        {"MiddleHalfwayAboveTheTopEdge", kBox, {{0, 5, 50, 14}}, std::nullopt},
        {"NearerOfTwo", kBox, {{0, 13, 40, 21}, {45, 13, 90, 21}}, 1},
        {"FirstOfTwoEquallyNear", kBox, {{0, 13, 90, 21}, {10, 12, 90, 22}}, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RowLabel(row.box, row.texts), row.label) << row.name;
}
} // namespace
