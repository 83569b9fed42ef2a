#include "ui/DialogGeometry.h"

#include <gtest/gtest.h>

using namespace DialogGeometry;

TEST(BusyDialogGeometry, DialogUnitsFollowTheFontRoundedToPixels) {
    struct Case {
        Size units;
        int charWidth, fontHeight;
        Size pixels;
    } cases[] = {
        {{203, 34}, 6, 13, {305, 55}}, // 304.5 → 305, 55.25 → 55
        {{195, 34}, 6, 13, {293, 55}}, // 292.5 → 293
        {{203, 34}, 7, 16, {355, 68}}, // 355.25, 68
        {{4, 8}, 1, 1, {1, 1}},        {{0, 0}, 6, 13, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DialogUnitsToPixels(c.units, c.charWidth, c.fontHeight), c.pixels)
            << c.units.width << "x" << c.units.height << " @" << c.charWidth << "/" << c.fontHeight;
}

TEST(BusyDialogGeometry, CentredOverTheClientAreaFiftyPixelsAboveItsMiddle) {
    struct Case {
        Point clientTopLeft;
        Size client, dialog;
        Point expected;
    } cases[] = {
        {{100, 200}, {800, 600}, {300, 50}, {100 + 250, 200 + 275 - 50}},
        {{0, 0}, {801, 601}, {300, 50}, {250, 225}},       // halves round towards the top left
        {{-1920, 0}, {640, 480}, {640, 80}, {-1920, 150}}, // a screen left of the first
        {{10, 10}, {200, 60}, {300, 50}, {-40, -35}},      // wider than the window: overhangs both sides
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredAboveMainWindow(c.clientTopLeft, c.client, c.dialog), c.expected)
            << c.clientTopLeft.x << "," << c.clientTopLeft.y << " " << c.client.width << "x"
            << c.client.height;
}
