#pragma once

#include "ui/IBrowser.h"

#include <string>
#include <vector>

// The desktop's browser for tests: records every address it was asked to open and answers with result.
class FakeBrowser : public IBrowser {
public:
    bool Open(const std::string& url) override {
        opened.push_back(url);
        return result;
    }
    std::vector<std::string> opened;
    bool result = true; // false: no browser could be started
};
