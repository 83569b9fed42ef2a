#pragma once

// The mouse cursor's busy feedback.
class ICursor {
public:
    virtual ~ICursor() = default;
    virtual void ShowWait() = 0;
    virtual void ShowArrow() = 0;
};
