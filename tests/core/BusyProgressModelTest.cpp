#include "ui/BusyProgressModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Model = BusyProgressModel;
using Color = BusyProgressModel::Color;
using Rect = BusyProgressModel::Rect;
using Role = BusyProgressModel::Role;

// The positions after each of count steps.
std::vector<int> Steps(Model& model, int count) {
    std::vector<int> positions;
    for (int i = 0; i < count; ++i) {
        model.Step();
        positions.push_back(model.Position());
    }
    return positions;
}

// from, from±1, ..., to
std::vector<int> Span(int from, int to) {
    std::vector<int> out;
    for (int i = from;; i += from <= to ? 1 : -1) {
        out.push_back(i);
        if (i == to)
            break;
    }
    return out;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Model BusyModel(int blocks, int type, int fill, Rect area = {0, 0, 300, 20}) {
    Model model(10, 0);
    model.SetClientArea(area);
    model.SetNumberOfBlocks(blocks);
    model.SetGap(1);
    model.SetGranularity(5);
    model.SetMode(Model::kModeBusy);
    model.SetBusyFill(fill);
    model.SetBusyType(type);
    model.Reset();
    return model;
}

std::vector<Model::PaintItem> ItemsOf(const std::vector<Model::PaintItem>& plan, Role role) {
    std::vector<Model::PaintItem> out;
    for (const auto& item : plan)
        if (item.role == role)
            out.push_back(item);
    return out;
}

// Indexes of the highlighted blocks (blocks are counted in painting order).
std::vector<int> Highlighted(const Model& model) {
    std::vector<int> out;
    int index = 0;
    for (const auto& item : model.PaintPlan()) {
        if (item.role == Role::HighlightedBlock)
            out.push_back(index);
        if (item.role == Role::Block || item.role == Role::HighlightedBlock)
            ++index;
    }
    return out;
}

} // namespace

TEST(BusyProgressModel, StartsWithTheDocumentedSettings) {
    const Model model(10, 3);
    EXPECT_EQ(model.NumberOfBlocks(), 10);
    EXPECT_EQ(model.Position(), 3);
    EXPECT_EQ(model.Direction(), 1);
    EXPECT_EQ(model.Gap(), 1);
    EXPECT_EQ(model.BlockWidth(), 0.0);
    EXPECT_EQ(model.BlockHeight(), 0.0);
    EXPECT_EQ(model.Speed(), 100);
    EXPECT_EQ(model.Mode(), 1);
    EXPECT_EQ(model.Lower(), 0);
    EXPECT_EQ(model.Upper(), 100);
    EXPECT_TRUE(model.UseSystemColor());
    EXPECT_EQ(model.BusyType(), 1);
    EXPECT_EQ(model.BusyFill(), 1);
    EXPECT_EQ(model.Granularity(), 5);
    EXPECT_EQ(model.FillSteps(), 50);
    EXPECT_EQ(model.GetColor(1), Model::kDefaultButtonFace);
    EXPECT_EQ(model.GetColor(2), (Color{0xA0, 0xBE, 0xDC}));
    EXPECT_EQ(model.GetColor(3), (Color{0x32, 0x5A, 0x87}));
    EXPECT_EQ(model.GetColor(4), (Color{0xBE, 0xDC, 0xFF}));
    EXPECT_EQ(model.GetColor(5), (Color{0x32, 0x5A, 0x87}));
}

TEST(BusyProgressModel, StepSequencesOfEveryBusyTypeAndFill) {
    struct Case {
        const char* name;
        int type;
        int fill;
        int start; // position after the reset
        std::vector<int> positions;
    } cases[] = {
        {"bounce, one block", Model::kTypeBounce, Model::kFillOneBlock, 0,
         Join({Span(1, 19), Span(18, 0), Span(1, 19), Span(18, 0)})},
        {"wrap, one block", Model::kTypeWrap, Model::kFillOneBlock, 0,
         Join({Span(1, 19), Span(0, 19), {0, 1}})},
        {"reverse wrap, one block", Model::kTypeReverseWrap, Model::kFillOneBlock, 20,
         Join({Span(19, 0), Span(19, 0), {19, 18}})},
        {"bounce, growing fill", Model::kTypeBounce, Model::kFillGrowing, 0,
         Join({Span(1, 99), Span(98, 0), {1}})},
        {"wrap, growing fill", Model::kTypeWrap, Model::kFillGrowing, 0,
         Join({Span(1, 99), Span(0, 99), {0}})},
        {"reverse wrap, growing fill", Model::kTypeReverseWrap, Model::kFillGrowing, 100,
         Join({Span(99, 0), Span(99, 0), {99}})},
    };
    for (auto& c : cases) {
        Model model = BusyModel(20, c.type, c.fill);
        EXPECT_EQ(model.Position(), c.start) << c.name;
        EXPECT_EQ(Steps(model, static_cast<int>(c.positions.size())), c.positions) << c.name;
    }
}

TEST(BusyProgressModel, WrapBringsBackAPositionLeftPastTheEnd) {
    Model model = BusyModel(20, Model::kTypeWrap, Model::kFillOneBlock);
    model.SetPosition(25); // e.g. after the number of blocks went down
    EXPECT_EQ(Steps(model, 2), (std::vector<int>{0, 1}));
    model = BusyModel(20, Model::kTypeReverseWrap, Model::kFillOneBlock);
    model.SetPosition(-3);
    EXPECT_EQ(Steps(model, 2), (std::vector<int>{19, 18}));
}

TEST(BusyProgressModel, ProgressModeOnlyAddsTheDirection) {
    Model model = BusyModel(20, Model::kTypeReverseWrap, Model::kFillOneBlock);
    ASSERT_EQ(model.Direction(), -1);
    model.SetMode(Model::kModeProgress);
    EXPECT_EQ(model.Direction(), 1);
    model.SetPosition(98);
    EXPECT_EQ(Steps(model, 4), (std::vector<int>{99, 100, 101, 102}));
}

TEST(BusyProgressModel, SetterRulesDependOnTheMode) {
    // Busy type: stored always, moves the direction only in busy mode.
    Model model = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock);
    model.SetBusyType(Model::kTypeReverseWrap);
    EXPECT_EQ(model.Direction(), -1);
    model.SetBusyType(Model::kTypeWrap);
    EXPECT_EQ(model.Direction(), 1);
    model.SetMode(Model::kModeProgress);
    model.SetBusyType(Model::kTypeReverseWrap);
    EXPECT_EQ(model.BusyType(), Model::kTypeReverseWrap);
    EXPECT_EQ(model.Direction(), 1);

    // Busy fill: ignored outside busy mode.
    model.SetBusyFill(Model::kFillGrowing);
    EXPECT_EQ(model.BusyFill(), Model::kFillOneBlock);

    // In busy mode the fill resets and sizes the fill steps; the granularity re-applies the fill.
    model = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock);
    model.SetPosition(7);
    model.SetBusyFill(Model::kFillGrowing);
    EXPECT_EQ(model.Position(), 0);
    EXPECT_EQ(model.FillSteps(), 100);
    model.SetGranularity(3);
    EXPECT_EQ(model.FillSteps(), 60);
}

TEST(BusyProgressModel, ResetByModeTypeAndFill) {
    struct Case {
        int mode, type, fill;
        int position, direction;
    } cases[] = {
        {Model::kModeBusy, Model::kTypeBounce, Model::kFillOneBlock, 0, 1},
        {Model::kModeBusy, Model::kTypeWrap, Model::kFillGrowing, 0, 1},
        {Model::kModeBusy, Model::kTypeReverseWrap, Model::kFillOneBlock, 20, -1},
        {Model::kModeBusy, Model::kTypeReverseWrap, Model::kFillGrowing, 100, -1},
        {Model::kModeProgress, Model::kTypeReverseWrap, Model::kFillGrowing, 0, 1},
    };
    for (const auto& c : cases) {
        Model model = BusyModel(20, c.type, c.fill);
        model.SetMode(c.mode);
        model.SetPosition(13);
        model.SetBusyType(c.type);
        model.Reset();
        EXPECT_EQ(model.Position(), c.position) << c.mode << "/" << c.type << "/" << c.fill;
        EXPECT_EQ(model.Direction(), c.direction) << c.mode << "/" << c.type << "/" << c.fill;
    }
}

TEST(BusyProgressModel, AGrowingFillChosenAfterReverseWrapStartsFull) {
    // Created with 10 blocks (50 fill steps), then 20 blocks of 5 sub-steps: the reset that choosing the
    // fill makes must already count the new 100 steps, so the whole bar is lit and the first step takes
    // one fifth of a block away.
    Model model(10, 0);
    model.SetClientArea({0, 0, 300, 20});
    model.SetNumberOfBlocks(20);
    model.SetGranularity(5);
    model.SetBusyType(Model::kTypeReverseWrap);
    model.SetBusyFill(Model::kFillGrowing);
    EXPECT_EQ(model.FillSteps(), 100);
    EXPECT_EQ(model.Position(), 100);
    EXPECT_EQ(Highlighted(model).size(), 20u);
    EXPECT_EQ(Steps(model, 2), (std::vector<int>{99, 98}));
    EXPECT_EQ(Highlighted(model).size(), 19u);
}

TEST(BusyProgressModel, GeometryFollowsAreaBlocksAndGap) {
    struct Case {
        Rect area;
        int blocks, gap;
        double width, height;
    } cases[] = {
        {{0, 0, 300, 20}, 20, 1, 14.0, 20.0}, {{0, 0, 301, 20}, 20, 1, 14.05, 20.0},
        {{0, 0, 57, 9}, 20, 1, 1.85, 9.0},    {{0, 0, 300, 20}, 10, 4, 26.0, 20.0},
        {{0, 0, 10, 20}, 20, 1, 0.0, 20.0}, // more gap than area: nothing, not a negative width
        {{0, 0, 300, 20}, 0, 1, 0.0, 20.0},
    };
    for (const auto& c : cases) {
        Model model(10, 0);
        model.SetClientArea(c.area);
        model.SetNumberOfBlocks(c.blocks);
        model.SetGap(c.gap);
        EXPECT_DOUBLE_EQ(model.BlockWidth(), c.width) << c.area.right << "/" << c.blocks;
        EXPECT_DOUBLE_EQ(model.BlockHeight(), c.height) << c.area.right << "/" << c.blocks;
    }
    // A drawing area of its own wins over the client area.
    Model model(20, 0);
    model.SetClientArea({0, 0, 300, 20});
    model.SetArea({0, 0, 120, 10});
    EXPECT_DOUBLE_EQ(model.BlockWidth(), 5.0);
}

TEST(BusyProgressModel, BlocksSpanFromRoundedDownPositions) {
    // 300 pixels: every block 14 wide, one pixel apart.
    Model model = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock, {0, 0, 300, 20});
    auto plan = model.PaintPlan();
    ASSERT_EQ(plan.size(), 21u);
    EXPECT_EQ(plan[0].role, Role::Background);
    EXPECT_EQ(plan[0].rect, (Rect{0, 0, 300, 20}));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(plan[1 + i].rect, (Rect{15 * i, 0, 15 * i + 14, 20})) << i;

    // 301 and 57 pixels: fractional widths, each edge rounded down.
    struct Case {
        int width;
        int index;
        Rect rect;
    } cases[] = {
        {301, 0, {0, 0, 14, 20}}, {301, 1, {15, 0, 29, 20}}, {301, 10, {150, 0, 164, 20}},
        {57, 0, {0, 0, 1, 20}},   {57, 1, {2, 0, 4, 20}},    {57, 2, {5, 0, 7, 20}},
        {57, 3, {8, 0, 10, 20}},
    };
    for (const auto& c : cases) {
        plan = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock, {0, 0, c.width, 20}).PaintPlan();
        ASSERT_EQ(plan.size(), 21u) << c.width;
        EXPECT_EQ(plan[1 + c.index].rect, c.rect) << c.width << " block " << c.index;
    }
    // Whatever the width: blocks in order, never overlapping, inside the area.
    for (int width = 20; width <= 400; ++width) {
        plan = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock, {0, 0, width, 20}).PaintPlan();
        for (size_t i = 1; i < plan.size(); ++i) {
            EXPECT_GE(plan[i].rect.left, i == 1 ? 0 : plan[i - 1].rect.right) << width << " block " << i - 1;
            EXPECT_LE(plan[i].rect.right, width) << width << " block " << i - 1;
        }
    }
}

TEST(BusyProgressModel, OneBlockModeHighlightsTheBlockAtThePosition) {
    Model model = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock);
    model.SetPosition(3);
    const auto plan = model.PaintPlan();
    EXPECT_EQ(Highlighted(model), (std::vector<int>{3}));
    const auto highlighted = ItemsOf(plan, Role::HighlightedBlock);
    ASSERT_EQ(highlighted.size(), 1u);
    EXPECT_EQ(highlighted[0].border, model.GetColor(5));
    EXPECT_EQ(highlighted[0].fill, model.GetColor(4));
    for (const auto& item : ItemsOf(plan, Role::Block)) {
        EXPECT_EQ(item.border, model.GetColor(3));
        EXPECT_EQ(item.fill, model.GetColor(2));
    }
    EXPECT_TRUE(ItemsOf(plan, Role::PartialFill).empty());
    // A reverse wrap reset puts the position just past the last block: nothing lit until the first step.
    model = BusyModel(20, Model::kTypeReverseWrap, Model::kFillOneBlock);
    EXPECT_TRUE(Highlighted(model).empty());
}

TEST(BusyProgressModel, GrowingFillLightsWholeBlocksAndPartOfTheNext) {
    struct Case {
        int position;
        int lit;      // blocks 0 .. lit-1 highlighted
        Rect partial; // the fill inside block `lit`; empty for none
    } cases[] = {
        {0, 0, {}},
        {20, 4, {}},
        {22, 4, {61, 1, 66, 19}},    // 4.4 blocks: 14 × 0.4 = 5.6 → 5 pixels
        {99, 19, {286, 1, 297, 19}}, // 19.8 blocks: 14 × 0.8 = 11.2 → 11 pixels
        {100, 20, {}},
        {1, 0, {1, 1, 3, 19}}, // 0.2 blocks: 14 × 0.2 = 2.8 → 2 pixels
    };
    for (const auto& c : cases) {
        Model model = BusyModel(20, Model::kTypeWrap, Model::kFillGrowing);
        model.SetPosition(c.position);
        const auto plan = model.PaintPlan();
        std::vector<int> expected;
        for (int i = 0; i < c.lit; ++i)
            expected.push_back(i);
        EXPECT_EQ(Highlighted(model), expected) << c.position;
        const auto partial = ItemsOf(plan, Role::PartialFill);
        if (c.partial.IsEmpty()) {
            EXPECT_TRUE(partial.empty()) << c.position;
        } else {
            ASSERT_EQ(partial.size(), 1u) << c.position;
            EXPECT_EQ(partial[0].rect, c.partial) << c.position;
            EXPECT_EQ(partial[0].fill, model.GetColor(4)) << c.position;
        }
    }
}

TEST(BusyProgressModel, PartialFillNeverReachesTheRightBorder) {
    bool clampedOnce = false;
    for (int width = 20; width <= 420; width += 3) {
        for (int position = 0; position < 100; ++position) {
            Model model = BusyModel(20, Model::kTypeWrap, Model::kFillGrowing, {0, 0, width, 12});
            model.SetPosition(position);
            const auto plan = model.PaintPlan();
            for (size_t i = 0; i < plan.size(); ++i) {
                if (plan[i].role != Role::PartialFill)
                    continue;
                ASSERT_GT(i, 0u);
                const Rect block = plan[i - 1].rect;
                ASSERT_EQ(plan[i - 1].role, Role::Block);
                const Rect fill = plan[i].rect;
                EXPECT_EQ(fill.left, block.left + 1) << width << "/" << position;
                EXPECT_EQ(fill.top, block.top + 1) << width << "/" << position;
                EXPECT_EQ(fill.bottom, block.bottom - 1) << width << "/" << position;
                EXPECT_GT(fill.Width(), 0) << width << "/" << position;
                EXPECT_LE(fill.right, block.right - 1) << width << "/" << position;
                const double wanted = std::floor(model.BlockWidth() * (20 * position % 100) / 100.0);
                clampedOnce |= fill.Width() < wanted;
            }
        }
    }
    EXPECT_TRUE(clampedOnce) << "no case reached the block's border; the sizes above test nothing";
}

TEST(BusyProgressModel, ProgressModeShowsTheShareOfTheRange) {
    struct Case {
        int lower, upper, position;
        int lit;
    } cases[] = {
        {0, 100, 50, 10},     {0, 100, 100, 20}, {0, 100, 0, 0},   {-100, 100, 0, 10}, {-100, 100, 100, 20},
        {-100, 100, -100, 0}, {0, 100, 250, 20}, {0, 100, -30, 0}, {5, 5, 5, 0},       {9, 3, 5, 0},
    };
    for (const auto& c : cases) {
        Model model = BusyModel(20, Model::kTypeBounce, Model::kFillOneBlock);
        model.SetMode(Model::kModeProgress);
        model.SetRange(c.lower, c.upper);
        model.SetPosition(c.position);
        EXPECT_EQ(static_cast<int>(Highlighted(model).size()), c.lit)
            << c.lower << ".." << c.upper << " at " << c.position;
    }
}

TEST(BusyProgressModel, NothingToDivideByDrawsOnlyTheBackground) {
    Model model = BusyModel(0, Model::kTypeWrap, Model::kFillGrowing);
    EXPECT_EQ(model.PaintPlan().size(), 1u);
    model = BusyModel(20, Model::kTypeWrap, Model::kFillGrowing);
    model.SetGranularity(0); // fill steps 0
    model.SetPosition(3);
    EXPECT_TRUE(Highlighted(model).empty());
    Model noArea(20, 0);
    EXPECT_EQ(noArea.PaintPlan().size(), 1u);
}

TEST(BusyProgressModel, BackgroundFollowsTheSystemColourOnlyWhileAsked) {
    Model model(20, 0);
    model.SetClientArea({0, 0, 100, 10});
    const Color desktop{0x11, 0x22, 0x33};
    model.SetSystemColor(desktop);
    EXPECT_EQ(model.PaintPlan()[0].fill, desktop);

    const Color own{0x44, 0x55, 0x66};
    model.SetUseSystemColor(false);
    model.SetColor(1, own);
    model.SetSystemColor({0x77, 0x77, 0x77});
    EXPECT_EQ(model.PaintPlan()[0].fill, own);

    model.SetUseSystemColor(true);
    EXPECT_EQ(model.PaintPlan()[0].fill, (Color{0x77, 0x77, 0x77}));
}
