#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/scopeexit.h"

namespace {

TEST(ScopeExit, RunsOnceWhenTheScopeEndsAlsoByAnException) {
    int runs = 0;
    {
        const ScopeExit count([&runs] { ++runs; });
        EXPECT_EQ(runs, 0);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(
        {
            const ScopeExit count([&runs] { ++runs; });
            throw std::runtime_error("leaving");
        },
        std::runtime_error);
    EXPECT_EQ(runs, 2);
}

TEST(ScopedValue, HoldsTheValueForTheScopeThenTheOneBeforeOrTheOneNamed) {
    std::string text = "before";
    {
        const ScopedValue<std::string> inside(text, "during");
        EXPECT_EQ(text, "during");
        text = "changed inside";  // what the scope did to it is undone as well
    }
    EXPECT_EQ(text, "before");
    bool flag = true;
    {
        const ScopedValue set(flag, true, false);
        EXPECT_TRUE(flag);
    }
    EXPECT_FALSE(flag);  // the named value, not the one before
    int depth = 1;
    try {
        const ScopedValue deeper(depth, 2);
        EXPECT_EQ(depth, 2);
        throw 7;
    } catch (int) {
    }
    EXPECT_EQ(depth, 1);
}

}  // namespace
