#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, ValuesReadBackAsWrittenAndBrokenOnesAreIgnored) {
    struct Case {
        std::optional<std::string> value;
        std::optional<WindowPlacement> placement;
    } cases[] = {
        {"10,20,1600,1000", WindowPlacement{10, 20, 1600, 1000}},
        {" -1200 , 0,800 ,600 ", WindowPlacement{-1200, 0, 800, 600}}, // a screen left of the first
        {std::nullopt, std::nullopt},
        {"", std::nullopt},
        {"10,20,1600", std::nullopt},
        {"10,20,1600,1000,5", std::nullopt},
        {"10,20,0,1000", std::nullopt},
        {"10,20,1600,-1", std::nullopt},
        {"10,,1600,1000", std::nullopt},
        {"10,20,1600x,1000", std::nullopt},
        {"10,20,99999999999,1000", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowPlacement::Parse(c.value), c.placement) << c.value.value_or("(none)");
        if (c.placement) {
            EXPECT_EQ(WindowPlacement::Parse(c.placement->Text()), c.placement);
        }
    }
}

TEST(WindowPlacement, ColumnWidthsNeedTheirNumberEachAPositiveWidth) {
    EXPECT_EQ(WindowPlacement::ParseWidths("28,120, 150,150,60", 5),
              (std::vector<int>{28, 120, 150, 150, 60}));
    EXPECT_EQ(WindowPlacement::WidthsText({28, 120, 150, 150, 60}), "28,120,150,150,60");
    for (const char* broken : {"28,120,150,150", "28,120,150,150,60,1", "28,0,150,150,60", "28,a,150,150,60",
                               "28,120,150,150,20000", ""})
        EXPECT_TRUE(WindowPlacement::ParseWidths(std::string(broken), 5).empty()) << broken;
    EXPECT_TRUE(WindowPlacement::ParseWidths(std::nullopt, 5).empty());
}
