#pragma once

#include "ui/IBrowser.h"

// The desktop's default browser.
class QtBrowser : public IBrowser {
public:
    bool Open(const std::string& url) override;
};
