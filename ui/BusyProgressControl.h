#pragma once

#include "ui/BusyProgressModel.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The numbers of the busy indicator's messages; Dispatch routes each to its operation.
namespace BusyMessage {
inline constexpr int SetNumberOfBlocks = 0x401; // first: blocks
inline constexpr int SetPosition = 0x402;       // first: position
inline constexpr int SetGap = 0x403;            // first: pixels
inline constexpr int SetSpeed = 0x404;          // first: milliseconds
inline constexpr int SetRange = 0x405;          // first: lower, second: upper
inline constexpr int SetMode = 0x406;           // first: 1 busy, 2 progress
inline constexpr int Start = 0x407;
inline constexpr int Stop = 0x408;
inline constexpr int Step = 0x409;
inline constexpr int SetBusyType = 0x40A;    // first: 1 bounce, 2 wrap, 4 reverse wrap
inline constexpr int SetBusyFill = 0x40B;    // first: 1 one block, 2 growing fill
inline constexpr int SetGranularity = 0x40C; // first: sub-steps per block
inline constexpr int SetColor1 = 0x40D;      // 0x40D..0x411: colours 1..5, first: 0x00BBGGRR
inline constexpr int SetColor5 = 0x411;
inline constexpr int RecalculateGeometry = 0x412;
inline constexpr int Reset = 0x413;
inline constexpr int UseSystemColor = 0x414; // first: 0 or not 0
} // namespace BusyMessage

// The busy indicator without its window: the model, guarded by a mutex, and the animation thread that
// steps it. Every operation may be called from the user-interface thread while the animation runs; the
// animation thread only steps the model and asks for a redraw. The redraw request is called from either
// thread and must not block (the Qt view posts a repaint to its own thread).
class BusyProgressControl {
public:
    using RedrawRequest = std::function<void()>;
    // Told when the animation starts (true) and ends (false), on the thread that called Start or Stop.
    using RunningListener = std::function<void(bool running)>;

    BusyProgressControl(int numberOfBlocks, int position, RedrawRequest redraw = {});
    // Stops the animation; the thread never outlives the control.
    ~BusyProgressControl();
    BusyProgressControl(const BusyProgressControl&) = delete;
    BusyProgressControl& operator=(const BusyProgressControl&) = delete;

    void SetNumberOfBlocks(int numberOfBlocks); // geometry, redraw
    void SetPosition(int position);             // redraw
    void SetGap(int gap);                       // geometry, redraw
    void SetSpeed(int milliseconds);
    void SetRange(int lower, int upper);
    void SetMode(int mode); // stops the animation first
    // Busy mode only: stops an animation still running, then animates on a thread of its own, one step
    // every speed milliseconds, the first step at once.
    void Start();
    // Ends the animation; returns once the thread has ended (well within twice the speed).
    void Stop();
    void Step(); // redraw
    void SetBusyType(int busyType);
    void SetBusyFill(int busyFill);
    void SetGranularity(int granularity);
    void SetColor(int index, BusyProgressModel::Color color); // 1..5, redraw
    void RecalculateGeometry();                               // geometry, redraw
    void Reset();
    void SetUseSystemColor(bool useSystemColor);

    // Routes a message number (BusyMessage) to its operation; 0 for an unknown number, else 1.
    int Dispatch(int message, std::intptr_t first = 0, std::intptr_t second = 0);

    bool IsRunning() const { return m_running.load(); }
    // Set before the animation first starts (or after it has stopped): the listener is not guarded.
    void SetRunningListener(RunningListener listener) { m_runningListener = std::move(listener); }

    // What the view tells the control.
    void SetClientArea(BusyProgressModel::Rect clientArea);
    void SetSystemColor(BusyProgressModel::Color buttonFace);
    // Asks the view to paint again.
    void Redraw();

    std::vector<BusyProgressModel::PaintItem> PaintPlan() const;
    // A copy of the whole state at one instant.
    BusyProgressModel Snapshot() const;

private:
    void Animate();

    mutable std::mutex m_mutex;
    BusyProgressModel m_model;
    RedrawRequest m_redraw;
    RunningListener m_runningListener;
    std::atomic<bool> m_running{false};
    std::condition_variable m_wake;
    std::thread m_thread;
};
