#include "ui/qt/wlanadv/QtWindowLoop.h"

#include <QCoreApplication>
#include <QEventLoop>

QtWindowLoop::QtWindowLoop() : m_context(new QObject) {}

QtWindowLoop::~QtWindowLoop() {
    delete m_context;
}

void QtWindowLoop::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(m_context, std::move(task), Qt::QueuedConnection);
}

void QtWindowLoop::RunUntil(const std::function<bool()>& done) {
    // Every posted task is an event, so the wait for more events ends with each of them.
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
