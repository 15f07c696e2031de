// What a handler lets through reaches the user as its message, and nothing escapes.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

#include "platform/GuardedCall.h"

namespace {

struct Shown {
    std::vector<std::string> Messages;
    std::function<void(const std::string&)> Sink()
    {
        return [this](const std::string& Message) { Messages.push_back(Message); };
    }
};

TEST(GuardedCall, ShowsTheMessageOfWhatTheActionThrows)
{
    Shown shown;
    EXPECT_TRUE(RunGuarded([] {}, shown.Sink()));
    EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("Disk full"); }, shown.Sink()));
    EXPECT_FALSE(RunGuarded([] { throw std::bad_alloc(); }, shown.Sink()));
    EXPECT_FALSE(RunGuarded([] { throw 42; }, shown.Sink()));
    EXPECT_EQ(shown.Messages,
              (std::vector<std::string>{"Disk full", std::bad_alloc().what(), "Unknown error"}));
}

TEST(GuardedCall, AFailingErrorDisplayDoesNotEscape)
{
    EXPECT_NO_THROW(RunGuarded([] { throw std::runtime_error("first"); },
                               [](const std::string&) { throw std::runtime_error("second"); }));
}

} // namespace
