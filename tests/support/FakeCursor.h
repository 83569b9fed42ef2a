#pragma once

#include "ui/ICursor.h"

#include <mutex>
#include <vector>

// The mouse cursor for tests: records every change and knows whether the wait cursor is up.
class FakeCursor : public ICursor {
public:
    enum class Shape { Wait, Arrow };

    void ShowWait() override { Record(Shape::Wait); }
    void ShowArrow() override { Record(Shape::Arrow); }

    bool IsWait() const {
        std::lock_guard lock(m_mutex);
        return !m_changes.empty() && m_changes.back() == Shape::Wait;
    }
    int WaitCount() const { return Count(Shape::Wait); }
    int ArrowCount() const { return Count(Shape::Arrow); }
    std::vector<Shape> Changes() const {
        std::lock_guard lock(m_mutex);
        return m_changes;
    }

private:
    void Record(Shape shape) {
        std::lock_guard lock(m_mutex);
        m_changes.push_back(shape);
    }
    int Count(Shape shape) const {
        std::lock_guard lock(m_mutex);
        int count = 0;
        for (const auto change : m_changes)
            count += change == shape;
        return count;
    }

    mutable std::mutex m_mutex;
    std::vector<Shape> m_changes;
};
