#pragma once

#include <functional>

// The waiting dialog as the page runs it: shown modally (quick mode) until the page's timer closes it.
class IWaitingDialog {
public:
    virtual ~IWaitingDialog() = default;
    // Returns when Close has been called, from the page's timer while the dialog is up.
    virtual void RunModal() = 0;
    // The same, for a wait the user may end: the dialog offers Cancel (and takes Escape), which calls
    // onCancel once; the page then closes it.
    virtual void RunModalCancellable(const std::function<void()>& onCancel) {
        (void)onCancel;
        RunModal();
    }
    virtual void Close() = 0;
};
