#include "ui/BusyProgressControl.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Model = BusyProgressModel;
using Color = BusyProgressModel::Color;
using namespace std::chrono_literals;

struct RedrawCounter {
    std::atomic<int> count{0};
    std::atomic<bool> offThread{false};
    std::thread::id owner = std::this_thread::get_id();
    BusyProgressControl::RedrawRequest Request() {
        return [this] {
            ++count;
            if (std::this_thread::get_id() != owner)
                offThread = true;
        };
    }
};

template <typename Predicate> bool WaitFor(Predicate predicate, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

} // namespace

TEST(BusyProgressControl, DispatchRoutesEveryMessageToItsOperation) {
    struct Case {
        const char* name;
        int message;
        std::intptr_t first, second;
        bool redraws;
        std::function<bool(const Model&)> applied;
    } cases[] = {
        {"blocks", 0x401, 12, 0, true,
         [](const Model& m) { return m.NumberOfBlocks() == 12 && m.BlockWidth() == (200.0 - 12) / 12; }},
        {"position", 0x402, 7, 0, true, [](const Model& m) { return m.Position() == 7; }},
        {"gap", 0x403, 3, 0, true,
         [](const Model& m) { return m.Gap() == 3 && m.BlockWidth() == (200.0 - 60) / 20; }},
        {"speed", 0x404, 45, 0, false, [](const Model& m) { return m.Speed() == 45; }},
        {"range", 0x405, -5, 9, false, [](const Model& m) { return m.Lower() == -5 && m.Upper() == 9; }},
        {"mode", 0x406, 2, 0, false, [](const Model& m) { return m.Mode() == 2; }},
        {"step", 0x409, 0, 0, true, [](const Model& m) { return m.Position() == 1; }},
        {"busy type", 0x40A, 4, 0, false,
         [](const Model& m) { return m.BusyType() == 4 && m.Direction() == -1; }},
        {"busy fill", 0x40B, 2, 0, false,
         [](const Model& m) { return m.BusyFill() == 2 && m.FillSteps() == 100; }},
        {"granularity", 0x40C, 3, 0, false, [](const Model& m) { return m.Granularity() == 3; }},
        {"colour 1", 0x40D, 0x332211, 0, true,
         [](const Model& m) {
             return m.GetColor(1) == Color{0x11, 0x22, 0x33};
         }},
        {"colour 2", 0x40E, 0x332211, 0, true,
         [](const Model& m) {
             return m.GetColor(2) == Color{0x11, 0x22, 0x33};
         }},
        {"colour 3", 0x40F, 0x332211, 0, true,
         [](const Model& m) {
             return m.GetColor(3) == Color{0x11, 0x22, 0x33};
         }},
        {"colour 4", 0x410, 0x332211, 0, true,
         [](const Model& m) {
             return m.GetColor(4) == Color{0x11, 0x22, 0x33};
         }},
        {"colour 5", 0x411, 0x332211, 0, true,
         [](const Model& m) {
             return m.GetColor(5) == Color{0x11, 0x22, 0x33};
         }},
        {"reset", 0x413, 0, 0, false, [](const Model& m) { return m.Position() == 0; }},
        {"system colour off", 0x414, 0, 0, false, [](const Model& m) { return !m.UseSystemColor(); }},
    };
    for (const auto& c : cases) {
        RedrawCounter redraws;
        BusyProgressControl control(20, 0, redraws.Request());
        control.SetClientArea({0, 0, 200, 10});
        if (c.message == 0x413)
            control.SetPosition(5);
        redraws.count = 0;
        EXPECT_EQ(control.Dispatch(c.message, c.first, c.second), 1) << c.name;
        EXPECT_TRUE(c.applied(control.Snapshot())) << c.name;
        EXPECT_EQ(redraws.count > 0, c.redraws) << c.name;
    }
}

// The recalculation is seen by its redraw: every other change of the client area recalculates the geometry
// already, so the message's own effect is that the view paints the geometry anew, and nothing else changes.
TEST(BusyProgressControl, DispatchRecalculatesTheGeometryOnRequestAndRefusesUnknownNumbers) {
    RedrawCounter redraws;
    BusyProgressControl control(20, 3, redraws.Request());
    control.SetClientArea({0, 0, 120, 10});
    EXPECT_DOUBLE_EQ(control.Snapshot().BlockWidth(), 5.0);
    redraws.count = 0;
    EXPECT_EQ(control.Dispatch(0x412), 1);
    EXPECT_EQ(redraws.count, 1);
    EXPECT_DOUBLE_EQ(control.Snapshot().BlockWidth(), 5.0);
    EXPECT_DOUBLE_EQ(control.Snapshot().BlockHeight(), 10.0);
    EXPECT_EQ(control.Snapshot().Position(), 3);
    for (const int unknown : {0x400, 0x415, 0})
        EXPECT_EQ(control.Dispatch(unknown, 9, 9), 0) << unknown;
    EXPECT_EQ(redraws.count, 1);
    EXPECT_EQ(control.Snapshot().Position(), 3);
}

TEST(BusyProgressControl, AnimationStepsAtTheSpeedOnItsOwnThreadUntilStopped) {
    RedrawCounter redraws;
    BusyProgressControl control(20, 0, redraws.Request());
    control.SetSpeed(20);
    control.Start();
    EXPECT_TRUE(control.IsRunning());
    std::this_thread::sleep_for(400ms);
    control.Stop();
    EXPECT_FALSE(control.IsRunning());
    const int steps = redraws.count;
    EXPECT_GE(steps, 4);  // about 20; the thread may be slow to get the processor
    EXPECT_LE(steps, 22); // one step at once, then one each 20 ms
    EXPECT_TRUE(redraws.offThread);

    const int position = control.Snapshot().Position();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(control.Snapshot().Position(), position);
    EXPECT_EQ(redraws.count, steps);
}

TEST(BusyProgressControl, StopReturnsWithinTwiceTheSpeed) {
    BusyProgressControl control(20, 0);
    control.SetSpeed(1000);
    control.Start();
    ASSERT_TRUE(WaitFor([&] { return control.Snapshot().Position() == 1; }, 2s));
    const auto before = std::chrono::steady_clock::now();
    control.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2000ms);
    EXPECT_EQ(control.Snapshot().Position(), 1);
}

TEST(BusyProgressControl, StartRestartsARunningAnimationWithOneThread) {
    RedrawCounter redraws;
    BusyProgressControl control(20, 0, redraws.Request());
    control.SetSpeed(50);
    control.Start();
    control.Start();
    control.Start();
    std::this_thread::sleep_for(500ms);
    control.Stop();
    // Three threads would step about 30 times; one about 10 (plus one at each start).
    EXPECT_LE(redraws.count, 16);
}

TEST(BusyProgressControl, OnlyBusyModeAnimatesAndAModeChangeStops) {
    BusyProgressControl control(20, 0);
    control.SetSpeed(10);
    control.SetMode(Model::kModeProgress);
    control.Start();
    EXPECT_FALSE(control.IsRunning());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(control.Snapshot().Position(), 0);

    control.SetMode(Model::kModeBusy);
    control.Start();
    EXPECT_TRUE(control.IsRunning());
    control.SetMode(Model::kModeBusy);
    EXPECT_FALSE(control.IsRunning());
    EXPECT_EQ(control.Dispatch(BusyMessage::Start), 1);
    EXPECT_TRUE(control.IsRunning());
    EXPECT_EQ(control.Dispatch(BusyMessage::Stop), 1);
    EXPECT_FALSE(control.IsRunning());
}

// The listener hears every start and every end of the animation once, as IsRunning then says: a restart is
// an end and a start, a Stop of a stopped animation, a Start outside busy mode and the control's end with
// its listener taken away say nothing.
TEST(BusyProgressControl, TellsItsListenerWhenTheAnimationStartsAndEnds) {
    std::vector<std::pair<bool, bool>> heard; // (what was told, IsRunning at that moment)
    auto control = std::make_unique<BusyProgressControl>(20, 0);
    control->SetSpeed(10);
    control->SetRunningListener([&](bool running) { heard.emplace_back(running, control->IsRunning()); });
    control->Start();
    control->Start();
    control->Stop();
    control->Stop();
    control->SetMode(Model::kModeProgress);
    control->Start();
    using Told = std::vector<std::pair<bool, bool>>;
    EXPECT_EQ(heard, (Told{{true, true}, {false, false}, {true, true}, {false, false}}));

    control->SetMode(Model::kModeBusy);
    control->Start();
    control->SetMode(Model::kModeBusy); // a mode change stops
    EXPECT_EQ(heard.size(), 6u);
    EXPECT_EQ(heard.back(), std::make_pair(false, false));
    control->Start();
    heard.clear();
    control->SetRunningListener(nullptr);
    control.reset(); // stops, telling no one
    EXPECT_TRUE(heard.empty());
}

TEST(BusyProgressControl, GoesSafelyWhileAnimatingAndWhileOtherThreadsUseIt) {
    auto redraws = std::make_shared<std::atomic<int>>(0);
    {
        BusyProgressControl control(20, 0, [redraws] { ++*redraws; });
        control.SetClientArea({0, 0, 300, 20});
        control.SetSpeed(1);
        control.Start();
        // The user-interface side keeps changing and painting while the thread steps.
        for (int i = 0; i < 2000; ++i) {
            control.SetNumberOfBlocks(10 + i % 15);
            control.SetBusyFill(1 + i % 2);
            ASSERT_FALSE(control.PaintPlan().empty());
        }
        ASSERT_TRUE(WaitFor([&] { return *redraws > 3; }, 2s));
    } // destroyed while running
    const int after = *redraws;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(*redraws, after);
}
