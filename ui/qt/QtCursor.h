#pragma once

#include "ui/ICursor.h"

// The busy cursor over the whole application. Qt keeps an override cursor until it is taken back, so the
// wait cursor is set once however often it is asked for, and taken back by the arrow (or when this goes).
class QtCursor : public ICursor {
public:
    QtCursor() = default;
    ~QtCursor() override;
    QtCursor(const QtCursor&) = delete;
    QtCursor& operator=(const QtCursor&) = delete;

    void ShowWait() override;
    void ShowArrow() override;

private:
    bool m_bWaiting = false;
};
