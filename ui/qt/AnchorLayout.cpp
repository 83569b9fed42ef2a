#include "ui/qt/AnchorLayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

AnchorLayout::AnchorLayout(QWidget* parent, QSize designed) : QLayout(parent), m_designed(designed) {
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetDefaultConstraint);
}

AnchorLayout::~AnchorLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void AnchorLayout::Add(QWidget* widget, Follow follow) {
    const QRect designed = widget->geometry();
    addChildWidget(widget);
    m_entries.append({new QWidgetItem(widget), designed, follow});
    invalidate();
}

void AnchorLayout::addItem(QLayoutItem* item) {
    // An item without a designed place stays where the window's top left corner puts it.
    m_entries.append({item, item->geometry(), kStays});
}

QLayoutItem* AnchorLayout::itemAt(int index) const {
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem* AnchorLayout::takeAt(int index) {
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    return m_entries.takeAt(index).item;
}

int AnchorLayout::count() const {
    return static_cast<int>(m_entries.size());
}

QSize AnchorLayout::sizeHint() const {
    return m_designed;
}

QSize AnchorLayout::minimumSize() const {
    return m_designed;
}

void AnchorLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const int extraWidth = std::max(0, rect.width() - m_designed.width());
    const int extraHeight = std::max(0, rect.height() - m_designed.height());
    const auto share = [](int extra, double fraction) {
        return static_cast<int>(std::lround(extra * fraction));
    };
    for (const Entry& entry : m_entries) {
        const QRect& d = entry.designed;
        const int left = d.x() + share(extraWidth, entry.follow.x);
        const int top = d.y() + share(extraHeight, entry.follow.y);
        // The far edge is rounded on its own, so that two neighbours sharing the extra width meet exactly.
        const int right = d.x() + d.width() + share(extraWidth, entry.follow.x + entry.follow.width);
        const int bottom = d.y() + d.height() + share(extraHeight, entry.follow.y + entry.follow.height);
        entry.item->setGeometry(QRect(rect.x() + left, rect.y() + top, right - left, bottom - top));
    }
}
