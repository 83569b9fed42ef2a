#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

// How a widget follows the extra width and height of its window: its left edge moves by x of the extra
// width, its width grows by width of it; the same for y and height.
struct AnchorFollow {
    double x = 0, y = 0, width = 0, height = 0;
};

// A layout for a window drawn at a designed size: each widget keeps the rectangle it has at that size,
// and when the window is larger, the extra width and height move and stretch it by the fractions given
// (a list that fills the window grows by all of it; a button at the bottom moves down by all of it; the
// right one of two fields side by side moves by half and grows by half). Smaller than designed it never
// gets: the designed size is its minimum.
class AnchorLayout : public QLayout {
public:
    using Follow = AnchorFollow;
    static constexpr Follow kStays{};               // keeps its place at the top left
    static constexpr Follow kGrows{0, 0, 1, 1};     // fills what the window gains
    static constexpr Follow kWider{0, 0, 1, 0};     // gains the width, keeps its height
    static constexpr Follow kDown{0, 1, 0, 0};      // keeps its size, moves down
    static constexpr Follow kDownWider{0, 1, 1, 0}; // moves down and gains the width
    static constexpr Follow kRight{1, 0, 0, 0};     // keeps its size, moves right
    static constexpr Follow kDownRight{1, 1, 0, 0}; // keeps its size at the bottom right corner

    // designed: the size at which every widget added has its present geometry.
    AnchorLayout(QWidget* parent, QSize designed);
    ~AnchorLayout() override;

    // Adds widget at its present geometry.
    void Add(QWidget* widget, Follow follow);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect designed;
        Follow follow;
    };
    QList<Entry> m_entries;
    QSize m_designed;
};
