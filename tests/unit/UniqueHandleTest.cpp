// The owning handle template: one close per handle, whichever way ownership travels.
#include "handles/UniqueHandle.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<int> g_closed;

void CloseFake(int* handle)
{
    g_closed.push_back(*handle);
}

using UniqueFake = CUniqueHandle<int*, &CloseFake>;

TEST(UniqueHandleTest, ClosesWhatItHoldsOnceWhereverOwnershipEnds)
{
    g_closed.clear();
    int first = 1;
    int second = 2;
    int third = 3;
    {
        UniqueFake a(&first);
        UniqueFake b(std::move(a)); // moved: a closes nothing
        EXPECT_FALSE(a);
        EXPECT_EQ(b.get(), &first);
        UniqueFake c(&second);
        c = std::move(b); // the one c held closes now
        EXPECT_EQ(g_closed, std::vector<int>{2});
        *c.put() = &third; // put closes the one held before handing out the slot
        EXPECT_EQ(g_closed, (std::vector<int>{2, 1}));
        UniqueFake empty;
        EXPECT_FALSE(empty);
    }
    EXPECT_EQ(g_closed, (std::vector<int>{2, 1, 3}));
}
} // namespace
