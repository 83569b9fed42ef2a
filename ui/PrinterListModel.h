#pragma once

#include <array>
#include <string>
#include <vector>

// The rows of the printer list as the user narrows and orders them: every printer of the last search in
// the order it was found, a filter text, and the column the rows are sorted by. The rows shown follow from
// these three; a new search replaces the printers and keeps the filter and the order.
class PrinterListModel {
public:
    // The list's columns: "#", IP address, MAC address, system name, type.
    enum Column : int { kColumnNumber, kColumnIpAddress, kColumnMacAddress, kColumnSystemName, kColumnType };
    static constexpr int kColumnCount = 5;

    struct Row {
        std::array<std::string, kColumnCount> texts;
        int itemData = 0; // the row's position at insertion
    };

    // Forgets the printers; the filter and the sort order stay.
    void Clear();
    // A printer found; it is shown once Update runs.
    void Append(Row row);
    // Recomputes the rows shown from the printers, the filter and the sort order.
    void Update();

    // The filter: a row is shown when its IP address, MAC address, system name or type contains the text,
    // ignoring the case of Latin letters (a MAC address also when written without separators or with "-"
    // between its bytes). Blanks at both ends do not count; an empty filter shows every row.
    void SetFilter(const std::string& text);
    const std::string& Filter() const { return m_filter; }
    bool IsFiltered() const { return m_shown.size() != m_rows.size(); }
    static bool Matches(const Row& row, const std::string& filter);

    // A click on column's header: sorts by it ascending, or turns the direction when it is sorted by it
    // already. The "#" column and IP addresses sort by number, MAC addresses by their bytes, the other
    // columns by their text ignoring the case of Latin letters; rows that compare equal keep their order.
    void SortBy(int column);
    void SetSort(int column, bool ascending);
    int SortColumn() const { return m_sortColumn; } // -1: in the order found
    bool SortAscending() const { return m_sortAscending; }
    // -1, 0 or 1 as row a comes before, with or after row b in column (ascending).
    static int Compare(const Row& a, const Row& b, int column);

    const std::vector<Row>& AllRows() const { return m_rows; }
    const std::vector<Row>& ShownRows() const { return m_shown; }

    // Shown rows (by their index among the rows shown) as tab-separated text, one line each ended by "\n",
    // in the order shown: IP address, MAC address, system name and type as the list shows them.
    std::string RowsAsTabText(const std::vector<int>& shownRows) const;

private:
    std::vector<Row> m_rows;
    std::vector<Row> m_shown;
    std::string m_filter;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
};
