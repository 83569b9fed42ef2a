#pragma once

// The waiting dialog as the page runs it: shown modally (quick mode) until the page's timer closes it.
class IWaitingDialog {
public:
    virtual ~IWaitingDialog() = default;
    // Returns when Close has been called, from the page's timer while the dialog is up.
    virtual void RunModal() = 0;
    virtual void Close() = 0;
};
