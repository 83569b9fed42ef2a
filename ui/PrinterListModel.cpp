#include "ui/PrinterListModel.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// The number of a dotted IPv4 address ("192.0.2.21"), or nothing for any other text.
std::optional<std::uint32_t> AddressNumber(const std::string& text) {
    std::uint32_t number = 0;
    size_t position = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (position >= text.size() || text[position++] != '.'))
            return std::nullopt;
        unsigned value = 0, digits = 0;
        while (position < text.size() && text[position] >= '0' && text[position] <= '9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[position++] - '0');
            ++digits;
        }
        if (digits == 0 || value > 255)
            return std::nullopt;
        number = (number << 8) | value;
    }
    if (position != text.size())
        return std::nullopt;
    return number;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The six bytes of a MAC address ("00:1A:2B:3C:4D:5E", also with "-" or no separators) as one number.
std::optional<std::uint64_t> MacNumber(const std::string& text) {
    std::uint64_t number = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == ':' || c == '-')
            continue;
        const int digit = HexDigit(c);
        if (digit < 0 || ++digits > 12)
            return std::nullopt;
        number = number << 4 | static_cast<unsigned>(digit);
    }
    if (digits != 12)
        return std::nullopt;
    return number;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(), Lower);
    return folded;
}

// text without ":" and "-", folded: a MAC address as its twelve hex digits.
std::string HexOnly(const std::string& text) {
    std::string digits;
    for (const char c : text)
        if (c != ':' && c != '-')
            digits += Lower(c);
    return digits;
}

int CompareNoCase(const std::string& a, const std::string& b) {
    const size_t length = std::min(a.size(), b.size());
    for (size_t i = 0; i < length; ++i) {
        const auto x = static_cast<unsigned char>(Lower(a[i]));
        const auto y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename T> int Order(const T& a, const T& b) {
    return (a > b) - (a < b);
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

void PrinterListModel::Clear() {
    m_rows.clear();
    m_shown.clear();
}

void PrinterListModel::Append(Row row) {
    m_rows.push_back(std::move(row));
}

void PrinterListModel::SetFilter(const std::string& text) {
    m_filter = Trimmed(text);
}

bool PrinterListModel::Matches(const Row& row, const std::string& filter) {
    const std::string wanted = Folded(Trimmed(filter));
    if (wanted.empty())
        return true;
    for (const int column : {kColumnIpAddress, kColumnMacAddress, kColumnSystemName, kColumnType})
        if (Folded(row.texts[static_cast<size_t>(column)]).find(wanted) != std::string::npos)
            return true;
    // "001a2b" and "00-1A-2B" find 00:1A:2B:...: the address by its digits alone.
    const std::string wantedDigits = HexOnly(wanted);
    if (!wantedDigits.empty() &&
        std::all_of(wantedDigits.begin(), wantedDigits.end(), [](char c) { return HexDigit(c) >= 0; }))
        return HexOnly(row.texts[kColumnMacAddress]).find(wantedDigits) != std::string::npos;
    return false;
}

void PrinterListModel::SortBy(int column) {
    if (column < 0 || column >= kColumnCount)
        return;
    SetSort(column, m_sortColumn == column ? !m_sortAscending : true);
}

void PrinterListModel::SetSort(int column, bool ascending) {
    m_sortColumn = column >= 0 && column < kColumnCount ? column : -1;
    m_sortAscending = ascending;
}

int PrinterListModel::Compare(const Row& a, const Row& b, int column) {
    const std::string& x = a.texts[static_cast<size_t>(column)];
    const std::string& y = b.texts[static_cast<size_t>(column)];
    if (column == kColumnNumber)
        return Order(std::atoi(x.c_str()), std::atoi(y.c_str()));
    if (column == kColumnIpAddress) {
        const auto p = AddressNumber(x), q = AddressNumber(y);
        if (p && q)
            return Order(*p, *q);
        if (p || q) // an address before a text that is none
            return p ? -1 : 1;
    }
    if (column == kColumnMacAddress) {
        const auto p = MacNumber(x), q = MacNumber(y);
        if (p && q)
            return Order(*p, *q);
        if (p || q)
            return p ? -1 : 1;
    }
    return CompareNoCase(x, y);
}

void PrinterListModel::Update() {
    m_shown.clear();
    for (const Row& row : m_rows)
        if (Matches(row, m_filter))
            m_shown.push_back(row);
    if (m_sortColumn < 0)
        return;
    const int column = m_sortColumn;
    const bool ascending = m_sortAscending;
    std::stable_sort(m_shown.begin(), m_shown.end(), [column, ascending](const Row& a, const Row& b) {
        const int order = Compare(a, b, column);
        return ascending ? order < 0 : order > 0;
    });
}

std::string PrinterListModel::RowsAsTabText(const std::vector<int>& shownRows) const {
    std::vector<int> rows;
    for (const int row : shownRows)
        if (row >= 0 && row < static_cast<int>(m_shown.size()))
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::string text;
    for (const int row : rows) {
        const auto& texts = m_shown[static_cast<size_t>(row)].texts;
        // A tab or line break inside a name would split the row: shown as a blank.
        const auto cell = [](std::string value) {
            std::replace_if(
                value.begin(), value.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
            return value;
        };
        text += cell(texts[kColumnIpAddress]) + "\t" + cell(texts[kColumnMacAddress]) + "\t" +
                cell(texts[kColumnSystemName]) + "\t" + cell(texts[kColumnType]) + "\n";
    }
    return text;
}
