#pragma once

#include "ui/wlanadv/IPageTimer.h"

#include <QObject>

#include <functional>
#include <map>

class QTimer;

// The page's timers as Qt timers on the window thread; each tick calls the handler with the identifier.
class QtPageTimer : public QObject, public IPageTimer {
    Q_OBJECT
public:
    explicit QtPageTimer(std::function<void(int)> onTick, QObject* parent = nullptr)
        : QObject(parent), m_onTick(std::move(onTick)) {}

    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;

private:
    std::function<void(int)> m_onTick;
    std::map<int, QTimer*> m_timers;
};
