#pragma once

#include <string>

// Opens an address in the desktop's browser.
class IBrowser {
public:
    virtual ~IBrowser() = default;
    virtual bool Open(const std::string& url) = 0;
};
