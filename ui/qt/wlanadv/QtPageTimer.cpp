#include "ui/qt/wlanadv/QtPageTimer.h"

#include <QTimer>

void QtPageTimer::StartTimer(int id, int periodMs) {
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (m_onTick)
                m_onTick(id);
        });
    }
    timer->start(periodMs);
}

void QtPageTimer::StopTimer(int id) {
    if (const auto found = m_timers.find(id); found != m_timers.end())
        found->second->stop();
}
