#include "ui/WaitingDialogModel.h"

#include "FakeCursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Model = BusyProgressModel;
using Color = BusyProgressModel::Color;

std::vector<int> HighlightedBlocks(const BusyProgressControl& control) {
    std::vector<int> lit;
    int index = 0;
    for (const auto& item : control.PaintPlan()) {
        if (item.role == Model::Role::HighlightedBlock)
            lit.push_back(index);
        if (item.role == Model::Role::Block || item.role == Model::Role::HighlightedBlock)
            ++index;
    }
    return lit;
}

struct WaitingDialog {
    FakeCursor cursor;
    BusyProgressControl indicator{WaitingDialogModel::kInitialBlocks, WaitingDialogModel::kInitialPosition};
    WaitingDialogModel model{indicator, cursor};

    WaitingDialog() { indicator.SetClientArea({0, 0, 300, 20}); }
    // Initialises, then takes the animation over by hand.
    void InitializeAndHold(bool quick) {
        model.SetQuickMode(quick);
        ASSERT_TRUE(model.Initialize());
        indicator.Stop();
        indicator.Reset();
    }
};

} // namespace

TEST(BusyWaitingDialogModel, ConstructionGivesTheIndicatorTheDialogsSettings) {
    WaitingDialog dialog;
    const Model state = dialog.indicator.Snapshot();
    EXPECT_EQ(state.NumberOfBlocks(), 20);
    EXPECT_EQ(state.Speed(), 180);
    EXPECT_EQ(state.Gap(), 1);
    EXPECT_EQ(state.Granularity(), 5);
    EXPECT_EQ(state.Lower(), 0);
    EXPECT_EQ(state.Upper(), 100);
    EXPECT_EQ(state.Mode(), Model::kModeBusy);
    EXPECT_EQ(state.BusyFill(), Model::kFillGrowing);
    EXPECT_EQ(state.BusyType(), Model::kTypeWrap);
    EXPECT_EQ(state.FillSteps(), 100);
    EXPECT_EQ(state.Position(), 0);
    EXPECT_FALSE(dialog.indicator.IsRunning());
    EXPECT_FALSE(dialog.model.QuickMode());
}

TEST(BusyWaitingDialogModel, NormalModeFillsFourBlocksInTwentyStepsAndIsEmptyAgainAfterAHundred) {
    WaitingDialog dialog;
    dialog.InitializeAndHold(false);
    EXPECT_EQ(dialog.indicator.Snapshot().Speed(), 180);
    for (int i = 0; i < 20; ++i)
        dialog.indicator.Step();
    EXPECT_EQ(HighlightedBlocks(dialog.indicator), (std::vector<int>{0, 1, 2, 3}));
    for (int i = 20; i < 100; ++i)
        dialog.indicator.Step();
    EXPECT_TRUE(HighlightedBlocks(dialog.indicator).empty());
    dialog.indicator.Step(); // and starts again with a fifth of the first block
    EXPECT_TRUE(HighlightedBlocks(dialog.indicator).empty());
    EXPECT_EQ(dialog.indicator.Snapshot().Position(), 1);
}

TEST(BusyWaitingDialogModel, QuickModeBouncesOneBlockFromEndToEnd) {
    WaitingDialog dialog;
    dialog.InitializeAndHold(true);
    const Model state = dialog.indicator.Snapshot();
    EXPECT_EQ(state.Speed(), 60);
    EXPECT_EQ(state.Lower(), -100);
    EXPECT_EQ(state.Upper(), 100);
    EXPECT_EQ(state.BusyFill(), Model::kFillOneBlock);
    EXPECT_EQ(state.BusyType(), Model::kTypeBounce);

    std::vector<int> lit = HighlightedBlocks(dialog.indicator);
    for (int i = 0; i < 40; ++i) {
        dialog.indicator.Step();
        const auto now = HighlightedBlocks(dialog.indicator);
        ASSERT_EQ(now.size(), 1u) << "step " << i;
        lit.push_back(now[0]);
    }
    std::vector<int> expected;
    for (int i = 0; i <= 19; ++i)
        expected.push_back(i);
    for (int i = 18; i >= 0; --i)
        expected.push_back(i);
    expected.push_back(1);
    expected.push_back(2);
    EXPECT_EQ(lit, expected);
}

TEST(BusyWaitingDialogModel, BothModesUseTheDialogsColours) {
    for (const bool quick : {false, true}) {
        WaitingDialog dialog;
        dialog.model.SetQuickMode(quick);
        dialog.model.Initialize();
        EXPECT_EQ(dialog.indicator.Snapshot().GetColor(2), (Color{0x90, 0x90, 0xB2})) << quick;
        EXPECT_EQ(dialog.indicator.Snapshot().GetColor(4), (Color{0xB6, 0xDD, 0xE8})) << quick;
        dialog.model.CloseWaiting();
    }
}

TEST(BusyWaitingDialogModel, InitialisationAnimatesTheTimerKeepsTheWaitCursorAndCloseEndsBoth) {
    WaitingDialog dialog;
    dialog.model.SetQuickMode(true);
    EXPECT_TRUE(dialog.model.Initialize()); // the view starts the cursor timer
    EXPECT_TRUE(dialog.indicator.IsRunning());
    // Setting busy mode stops a running animation first, so a second initialisation starts it afresh.
    EXPECT_TRUE(dialog.model.Initialize());
    EXPECT_TRUE(dialog.indicator.IsRunning());
    EXPECT_EQ(dialog.cursor.WaitCount(), 0);

    dialog.model.OnTimer();
    dialog.model.OnTimer();
    EXPECT_TRUE(dialog.cursor.IsWait());
    dialog.model.CloseWaiting();
    EXPECT_FALSE(dialog.indicator.IsRunning());
    EXPECT_FALSE(dialog.cursor.IsWait());
    EXPECT_EQ(dialog.cursor.WaitCount(), 2);
}

// Without a handler the wait cannot be cancelled; with one, the first Cancel tells the owner and later ones
// do nothing.
TEST(BusyWaitingDialogModel, CancelTellsTheOwnerOnceAndOnlyWhereOffered) {
    WaitingDialog plain;
    EXPECT_FALSE(plain.model.Cancellable());
    EXPECT_FALSE(plain.model.Cancel());
    EXPECT_FALSE(plain.model.Cancelled());

    WaitingDialog offered;
    int told = 0;
    offered.model.SetCancelHandler([&] { ++told; });
    EXPECT_TRUE(offered.model.Cancellable());
    EXPECT_TRUE(offered.model.Cancel());
    EXPECT_FALSE(offered.model.Cancel());
    EXPECT_TRUE(offered.model.Cancelled());
    EXPECT_EQ(told, 1);
}
