#include <gtest/gtest.h>

#include <vector>

#include "shell/application_win.h"
#include "shell/timers_win.h"
#include "tests/win/app_boxwatch.h"

namespace {

// Handles messages until the condition holds or the time (milliseconds) runs out.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD limit = 2000) {
    const DWORD start = GetTickCount();
    while (!condition() && GetTickCount() - start < limit) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(1);
    }
    return condition();
}

TEST(Timers, CallTheHandlerPeriodicallyOnThisThreadUntilStopped) {
    TTimerHandle slot = 0;
    int calls = 0;
    const DWORD thread = GetCurrentThreadId();
    Timers().Start(slot, 10, [&] {
        EXPECT_EQ(GetCurrentThreadId(), thread);
        ++calls;
    });
    EXPECT_NE(slot, 0);
    EXPECT_TRUE(PumpUntil([&] { return calls >= 3; }));
    Timers().Stop(slot);
    EXPECT_EQ(slot, 0);
    const int stoppedAt = calls;
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(calls, stoppedAt);
}

TEST(Timers, StartingTwiceForTheSameSlotKeepsTheFirstTimer) {
    TTimerHandle slot = 0;
    int first = 0, second = 0;
    const size_t before = Timers().Count();
    Timers().Start(slot, 10, [&] { ++first; });
    const TTimerHandle handle = slot;
    Timers().Start(slot, 10, [&] { ++second; });
    EXPECT_EQ(slot, handle);
    EXPECT_EQ(Timers().Count(), before + 1);
    EXPECT_TRUE(PumpUntil([&] { return first >= 2; }));
    EXPECT_EQ(second, 0);
    Timers().Stop(slot);
    EXPECT_EQ(Timers().Count(), before);
}

TEST(Timers, StoppingAnEmptySlotDoesNothing) {
    TTimerHandle slot = 0;
    Timers().Stop(slot);
    EXPECT_EQ(slot, 0);
}

TEST(Timers, AHandlerMayStopItsOwnTimer) {
    TTimerHandle slot = 0;
    int calls = 0;
    Timers().Start(slot, 10, [&] {
        ++calls;
        Timers().Stop(slot);
    });
    EXPECT_TRUE(PumpUntil([&] { return calls == 1 && slot == 0; }));
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(calls, 1);
}

TEST(Timers, HandOutDistinctHandles) {
    std::vector<TTimerHandle> slots(20, 0);
    for (auto& slot : slots)
        Timers().Start(slot, 1000, [] {});
    for (size_t i = 0; i < slots.size(); ++i)
        for (size_t j = i + 1; j < slots.size(); ++j)
            EXPECT_NE(slots[i], slots[j]);
    for (auto& slot : slots)
        Timers().Stop(slot);
}

TEST(Timers, RunningOutRaisesNotEnoughTimersAvailable) {
    TTimerPool pool(50);
    std::vector<TTimerHandle> slots(51, 0);
    for (size_t i = 0; i < 50; ++i)
        pool.Start(slots[i], 100000, [] {});
    try {
        pool.Start(slots[50], 100000, [] {});
        ADD_FAILURE() << "no exception";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "Not enough timers available");
    }
    EXPECT_EQ(slots[50], 0);
    // A stopped timer's handle can be had again.
    pool.Stop(slots[7]);
    pool.Start(slots[50], 100000, [] {});
    EXPECT_NE(slots[50], 0);
    for (auto& slot : slots)
        pool.Stop(slot);
    EXPECT_EQ(pool.Count(), 0u);
}

TEST(Timers, HandlesStayWithinTheirSixteenBits) {
    TTimerPool pool(3);
    for (int round = 0; round < 5; ++round) {
        TTimerHandle slot = 0;
        pool.Start(slot, 100000, [] {});
        EXPECT_GE(slot, 1);
        EXPECT_LE(slot, 3);
        pool.Stop(slot);
    }
}

TEST(Timers, AnExceptionInAHandlerIsReported) {
    TApplication application;
    TTimerHandle slot = 0;
    int calls = 0;
    BoxWatcher watcher;
    Timers().Start(slot, 10, [&] {
        if (++calls == 1)
            throw EInvalidGraphic("Bitmap image is not valid");
    });
    // The timer goes on while the report is up and after it.
    EXPECT_TRUE(PumpUntil([&] { return calls >= 3; }, 10000));
    Timers().Stop(slot);
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Bitmap image is not valid.");
}

}  // namespace
