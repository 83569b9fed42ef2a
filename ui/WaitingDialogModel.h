#pragma once

#include "ui/BusyProgressControl.h"
#include "ui/ICursor.h"

#include <functional>

// The logic of the waiting dialog: a borderless window with the busy indicator that its owner shows while
// it waits, and closes from its own timer. Normal mode fills the bar from left to right in fifths of a block
// (one fifth every 180 ms) and starts again; quick mode bounces one block from end to end (one block every
// 60 ms). While the dialog is up a 10 ms timer keeps the wait cursor.
//
// A wait that the user may end (the page waiting for a printer that may never answer) offers Cancel: the
// Cancel button, Escape and the window's close tell the owner, which then closes the dialog. Any other wait
// cannot be ended by the user.
class WaitingDialogModel {
public:
    static constexpr int kCursorTimerId = 100;
    static constexpr int kCursorTimerMilliseconds = 10;
    // The indicator as the dialog creates it, before its settings.
    static constexpr int kInitialBlocks = 10;
    static constexpr int kInitialPosition = 0;

    // indicator: created with kInitialBlocks and kInitialPosition; it gets the dialog's settings here.
    WaitingDialogModel(BusyProgressControl& indicator, ICursor& cursor);

    // Call before the modal run.
    void SetQuickMode(bool quickMode) { m_bQuickMode = quickMode; }
    bool QuickMode() const { return m_bQuickMode; }
    // Call before the modal run: onCancel is called (once) when the user cancels; without it the dialog
    // offers no Cancel.
    void SetCancelHandler(std::function<void()> onCancel) { m_onCancel = std::move(onCancel); }
    bool Cancellable() const { return static_cast<bool>(m_onCancel); }
    // The Cancel button, Escape or the window's close: true when the owner has been told (the first time
    // only), false when the wait cannot be cancelled or was cancelled already.
    bool Cancel();
    bool Cancelled() const { return m_bCancelled; }

    // The dialog's initialisation: the mode's settings and colours, then the start of the animation. True
    // when the view is to start the cursor timer (false only if an animation had survived, which the start
    // then stops instead).
    bool Initialize();
    // The cursor timer's tick.
    void OnTimer();
    // The owner's close: stops the animation and gives the arrow back. The view kills the cursor timer and
    // ends the dialog confirmed.
    void CloseWaiting();
    // The window goes.
    void OnDestroy();

private:
    BusyProgressControl& m_indicator;
    ICursor& m_cursor;
    bool m_bQuickMode = false;
    std::function<void()> m_onCancel;
    bool m_bCancelled = false;
    int m_nSpeed = 180;
    int m_nGap = 1;
    int m_nNumberOfBlocks = 20;
    int m_nGranularity = 5;
};
