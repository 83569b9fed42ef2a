#pragma once

#include "ui/IBrowser.h"

#include <string>
#include <vector>

// The desktop's browser for tests: records every address it was asked to open.
class FakeBrowser : public IBrowser {
public:
    bool Open(const std::string& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<std::string> opened;
};
