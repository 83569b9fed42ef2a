#include "ui/qt/QtCursor.h"

#include <QApplication>
#include <QCursor>

QtCursor::~QtCursor() {
    ShowArrow();
}

void QtCursor::ShowWait() {
    if (m_bWaiting)
        return;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_bWaiting = true;
}

void QtCursor::ShowArrow() {
    if (!m_bWaiting)
        return;
    QApplication::restoreOverrideCursor();
    m_bWaiting = false;
}
