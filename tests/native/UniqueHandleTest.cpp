// The handle owner closes exactly once, whatever path ownership takes.
#include <gtest/gtest.h>

#include <vector>

#include "platform/UniqueHandle.h"

namespace {

std::vector<int> g_closed;

void CloseFake(int Handle)
{
    g_closed.push_back(Handle);
}

using UniqueFake = UniqueHandle<int, CloseFake, -1>;

class UniqueHandleTest : public testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
};

TEST_F(UniqueHandleTest, ClosesOnceOnEveryPath)
{
    {
        UniqueFake owner(7);
        UniqueFake moved(std::move(owner));
        EXPECT_FALSE(owner);
        UniqueFake assigned(3);
        assigned = std::move(moved); // closes 3, takes 7
        EXPECT_EQ(g_closed, std::vector<int>{3});
    }
    EXPECT_EQ(g_closed, (std::vector<int>{3, 7}));
}

TEST_F(UniqueHandleTest, ResetPutAndRelease)
{
    UniqueFake owner(1);
    owner.reset(2);
    *owner.put() = 0; // closes 2; 0 is a valid handle for this type
    EXPECT_TRUE(owner);
    EXPECT_EQ(owner.release(), 0);
    owner.reset();
    EXPECT_EQ(g_closed, (std::vector<int>{1, 2}));
}

} // namespace
