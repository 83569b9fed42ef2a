#include "ui/PrinterListModel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

using Row = PrinterListModel::Row;
using M = PrinterListModel;

Row MakeRow(int number, std::string ip, std::string mac, std::string name, std::string type) {
    Row row;
    row.texts = {std::to_string(number), std::move(ip), std::move(mac), std::move(name), std::move(type)};
    row.itemData = number - 1;
    return row;
}

// Six printers in the order a search found them.
PrinterListModel SixPrinters() {
    PrinterListModel model;
    model.Append(MakeRow(1, "192.0.2.10", "00:1A:2B:3C:4D:0A", "-", "Wired"));
    model.Append(MakeRow(2, "192.0.2.9", "00:1A:2B:3C:4D:09", "-", "Wired"));
    model.Append(MakeRow(3, "198.51.100.2", "00:1A:2B:3C:00:FF", "-", "Wired"));
    model.Append(MakeRow(4, "192.0.2.100", "00:1A:2B:3C:4D:10", "Lobby", "Wireless"));
    model.Append(MakeRow(5, "203.0.113.7", "02:00:00:00:00:01", "dock east", "Wireless"));
    model.Append(MakeRow(6, "192.0.2.1", "00:1A:2B:3C:4D:01", "Dock West", "Wireless"));
    model.Update();
    return model;
}

std::vector<std::string> Numbers(const PrinterListModel& model) {
    std::vector<std::string> numbers;
    for (const Row& row : model.ShownRows())
        numbers.push_back(row.texts[M::kColumnNumber]);
    return numbers;
}

} // namespace

TEST(PrinterListModel, FilterNarrowsToRowsWhoseAddressNameOrTypeContainsTheText) {
    struct Case {
        const char* filter;
        std::vector<std::string> shown;
    } cases[] = {
        {"", {"1", "2", "3", "4", "5", "6"}},
        {"192.0.2.1", {"1", "4", "6"}},   // a part of an address
        {"4d:0", {"1", "2", "6"}},        // a part of a MAC address, any case
        {"001a2b3c4d0", {"1", "2", "6"}}, // a MAC address by its digits alone
        {"00-1A-2B-3C-00", {"3"}},        // written with "-"
        {"DOCK", {"5", "6"}},             // a system name, any case
        {"wireless", {"4", "5", "6"}},    // the type
        {"  lobby  ", {"4"}},             // blanks at the ends do not count
        {"dock east", {"5"}},             // blanks inside do
        {"printer", {}},                  // nothing matches
        {"-", {"1", "2", "3"}},           // the "-" the list shows for a printer without a name
    };
    for (const Case& c : cases) {
        PrinterListModel model = SixPrinters();
        model.SetFilter(c.filter);
        model.Update();
        EXPECT_EQ(Numbers(model), c.shown) << "filter \"" << c.filter << "\"";
        EXPECT_EQ(model.IsFiltered(), c.shown.size() != 6) << c.filter;
        EXPECT_EQ(model.AllRows().size(), 6u);
    }
}

TEST(PrinterListModel, ColumnsSortByNumberAddressBytesOrTextAndTurnOnTheSecondClick) {
    struct Case {
        int column;
        std::vector<std::string> ascending;
    } cases[] = {
        {M::kColumnNumber, {"1", "2", "3", "4", "5", "6"}},
        // By number: 192.0.2.9 before 192.0.2.10, 192.0.2.100 before 198.51.100.2.
        {M::kColumnIpAddress, {"6", "2", "1", "4", "3", "5"}},
        // By bytes: 00:1A:2B:3C:00:FF before 00:1A:2B:3C:4D:01.
        {M::kColumnMacAddress, {"3", "6", "2", "1", "4", "5"}},
        // By text ignoring case; equal texts keep the order found.
        {M::kColumnSystemName, {"1", "2", "3", "5", "6", "4"}},
        {M::kColumnType, {"1", "2", "3", "4", "5", "6"}},
    };
    for (const Case& c : cases) {
        PrinterListModel model = SixPrinters();
        model.SortBy(c.column);
        model.Update();
        EXPECT_EQ(model.SortColumn(), c.column);
        EXPECT_TRUE(model.SortAscending());
        EXPECT_EQ(Numbers(model), c.ascending) << "column " << c.column;
        model.SortBy(c.column);
        model.Update();
        EXPECT_FALSE(model.SortAscending());
        std::vector<std::string> descending = Numbers(model);
        if (c.column != M::kColumnSystemName && c.column != M::kColumnType) {
            std::reverse(descending.begin(), descending.end());
            EXPECT_EQ(descending, c.ascending) << "column " << c.column << " descending";
        }
        model.SortBy(M::kColumnNumber); // another column starts ascending again
        EXPECT_TRUE(model.SortAscending());
    }
    // A MAC address written with "-" sorts by its bytes among the others, not by its separators.
    EXPECT_LT(M::Compare(MakeRow(1, "", "00-1A-2B-3C-4D-02", "", ""),
                         MakeRow(2, "", "00:1A:2B:3C:4D:03", "", ""), M::kColumnMacAddress),
              0);
    EXPECT_GT(M::Compare(MakeRow(1, "", "00-1A-2B-3C-4D-04", "", ""),
                         MakeRow(2, "", "00:1A:2B:3C:4D:03", "", ""), M::kColumnMacAddress),
              0);
}

TEST(PrinterListModel, FilterAndSortOrderOutliveANewSetOfPrinters) {
    PrinterListModel model = SixPrinters();
    model.SetFilter("wireless");
    model.SortBy(M::kColumnIpAddress);
    model.SortBy(M::kColumnIpAddress); // descending
    model.Update();
    EXPECT_EQ(Numbers(model), (std::vector<std::string>{"5", "4", "6"}));

    model.Clear();
    EXPECT_TRUE(model.ShownRows().empty());
    model.Append(MakeRow(1, "192.0.2.50", "00:1A:2B:3C:4D:50", "A", "Wireless"));
    model.Append(MakeRow(2, "192.0.2.60", "00:1A:2B:3C:4D:60", "-", "Wired"));
    model.Append(MakeRow(3, "192.0.2.70", "00:1A:2B:3C:4D:70", "B", "Wireless"));
    model.Update();
    EXPECT_EQ(model.Filter(), "wireless");
    EXPECT_EQ(model.SortColumn(), M::kColumnIpAddress);
    EXPECT_EQ(Numbers(model), (std::vector<std::string>{"3", "1"}));
}

TEST(PrinterListModel, RowsAsTabTextCopiesTheChosenShownRowsInTheirOrder) {
    PrinterListModel model = SixPrinters();
    model.SortBy(M::kColumnIpAddress);
    model.Update(); // 6 2 1 4 3 5
    EXPECT_EQ(model.RowsAsTabText({3, 0, 3, 99, -1}), "192.0.2.1\t00:1A:2B:3C:4D:01\tDock West\tWireless\n"
                                                      "192.0.2.100\t00:1A:2B:3C:4D:10\tLobby\tWireless\n");
    EXPECT_EQ(model.RowsAsTabText({}), "");

    // A tab or a line break in a name would split the row.
    PrinterListModel odd;
    odd.Append(MakeRow(1, "192.0.2.5", "00:1A:2B:3C:4D:05", "Dock\tEast\r\nWing", "Wireless"));
    odd.Update();
    EXPECT_EQ(odd.RowsAsTabText({0}), "192.0.2.5\t00:1A:2B:3C:4D:05\tDock East  Wing\tWireless\n");
}
