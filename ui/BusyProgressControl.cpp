#include "ui/BusyProgressControl.h"

#include <algorithm>
#include <chrono>
#include <system_error>

BusyProgressControl::BusyProgressControl(int numberOfBlocks, int position, RedrawRequest redraw)
    : m_model(numberOfBlocks, position), m_redraw(std::move(redraw)) {}

BusyProgressControl::~BusyProgressControl() {
    m_runningListener = nullptr;
    Stop();
}

void BusyProgressControl::SetNumberOfBlocks(int numberOfBlocks) {
    {
        std::lock_guard lock(m_mutex);
        m_model.SetNumberOfBlocks(numberOfBlocks);
    }
    Redraw();
}

void BusyProgressControl::SetPosition(int position) {
    {
        std::lock_guard lock(m_mutex);
        m_model.SetPosition(position);
    }
    Redraw();
}

void BusyProgressControl::SetGap(int gap) {
    {
        std::lock_guard lock(m_mutex);
        m_model.SetGap(gap);
    }
    Redraw();
}

void BusyProgressControl::SetSpeed(int milliseconds) {
    std::lock_guard lock(m_mutex);
    m_model.SetSpeed(milliseconds);
}

void BusyProgressControl::SetRange(int lower, int upper) {
    std::lock_guard lock(m_mutex);
    m_model.SetRange(lower, upper);
}

void BusyProgressControl::SetMode(int mode) {
    Stop();
    std::lock_guard lock(m_mutex);
    m_model.SetMode(mode);
}

void BusyProgressControl::Start() {
    {
        std::lock_guard lock(m_mutex);
        if (m_model.Mode() != BusyProgressModel::kModeBusy)
            return;
    }
    Stop();
    // The flag is set before the thread exists, so that a Stop right after Start always ends it.
    m_running = true;
    try {
        m_thread = std::thread(&BusyProgressControl::Animate, this);
    } catch (const std::system_error&) {
        m_running = false;
        return;
    }
    if (m_runningListener)
        m_runningListener(true);
}

void BusyProgressControl::Stop() {
    bool wasRunning = false;
    {
        std::lock_guard lock(m_mutex);
        wasRunning = m_running.exchange(false);
    }
    m_wake.notify_all();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    if (wasRunning && m_runningListener)
        m_runningListener(false);
}

void BusyProgressControl::Animate() {
    std::unique_lock lock(m_mutex);
    while (m_running) {
        m_model.Step();
        lock.unlock();
        Redraw();
        lock.lock();
        const auto speed = std::chrono::milliseconds(std::max(1, m_model.Speed()));
        m_wake.wait_for(lock, speed, [this] { return !m_running; });
    }
}

void BusyProgressControl::Step() {
    {
        std::lock_guard lock(m_mutex);
        m_model.Step();
    }
    Redraw();
}

void BusyProgressControl::SetBusyType(int busyType) {
    std::lock_guard lock(m_mutex);
    m_model.SetBusyType(busyType);
}

void BusyProgressControl::SetBusyFill(int busyFill) {
    std::lock_guard lock(m_mutex);
    m_model.SetBusyFill(busyFill);
}

void BusyProgressControl::SetGranularity(int granularity) {
    std::lock_guard lock(m_mutex);
    m_model.SetGranularity(granularity);
}

void BusyProgressControl::SetColor(int index, BusyProgressModel::Color color) {
    {
        std::lock_guard lock(m_mutex);
        m_model.SetColor(index, color);
    }
    Redraw();
}

void BusyProgressControl::RecalculateGeometry() {
    {
        std::lock_guard lock(m_mutex);
        m_model.RecalculateGeometry();
    }
    Redraw();
}

void BusyProgressControl::Reset() {
    std::lock_guard lock(m_mutex);
    m_model.Reset();
}

void BusyProgressControl::SetUseSystemColor(bool useSystemColor) {
    std::lock_guard lock(m_mutex);
    m_model.SetUseSystemColor(useSystemColor);
}

int BusyProgressControl::Dispatch(int message, std::intptr_t first, std::intptr_t second) {
    const int value = static_cast<int>(first);
    switch (message) {
    case BusyMessage::SetNumberOfBlocks:
        SetNumberOfBlocks(value);
        return 1;
    case BusyMessage::SetPosition:
        SetPosition(value);
        return 1;
    case BusyMessage::SetGap:
        SetGap(value);
        return 1;
    case BusyMessage::SetSpeed:
        SetSpeed(value);
        return 1;
    case BusyMessage::SetRange:
        SetRange(value, static_cast<int>(second));
        return 1;
    case BusyMessage::SetMode:
        SetMode(value);
        return 1;
    case BusyMessage::Start:
        Start();
        return 1;
    case BusyMessage::Stop:
        Stop();
        return 1;
    case BusyMessage::Step:
        Step();
        return 1;
    case BusyMessage::SetBusyType:
        SetBusyType(value);
        return 1;
    case BusyMessage::SetBusyFill:
        SetBusyFill(value);
        return 1;
    case BusyMessage::SetGranularity:
        SetGranularity(value);
        return 1;
    case BusyMessage::RecalculateGeometry:
        RecalculateGeometry();
        return 1;
    case BusyMessage::Reset:
        Reset();
        return 1;
    case BusyMessage::UseSystemColor:
        SetUseSystemColor(first != 0);
        return 1;
    default:
        if (message >= BusyMessage::SetColor1 && message <= BusyMessage::SetColor5) {
            SetColor(message - BusyMessage::SetColor1 + 1,
                     BusyProgressModel::Color::FromColorRef(static_cast<std::uint32_t>(first)));
            return 1;
        }
        return 0;
    }
}

void BusyProgressControl::SetClientArea(BusyProgressModel::Rect clientArea) {
    std::lock_guard lock(m_mutex);
    m_model.SetClientArea(clientArea);
}

void BusyProgressControl::SetSystemColor(BusyProgressModel::Color buttonFace) {
    std::lock_guard lock(m_mutex);
    m_model.SetSystemColor(buttonFace);
}

void BusyProgressControl::Redraw() {
    if (m_redraw)
        m_redraw();
}

std::vector<BusyProgressModel::PaintItem> BusyProgressControl::PaintPlan() const {
    std::lock_guard lock(m_mutex);
    return m_model.PaintPlan();
}

BusyProgressModel BusyProgressControl::Snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_model;
}
