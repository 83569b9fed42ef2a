#pragma once

// The waiting dialog as an exchange sees it: shown modally while the module works on its own (after a
// factory reset), closed by its owner's one-second timer once the countdown has run out.
class IExchangeWaiting {
public:
    virtual ~IExchangeWaiting() = default;
    // Returns when nCountdownMs have passed.
    virtual void WaitFor(int nCountdownMs) = 0;
};
