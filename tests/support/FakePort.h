#pragma once

#include "devport/CPortMng.h"

#include <string>
#include <vector>

// A port that records what it was asked and opens when told to.
class FakePort : public CPortMng {
public:
    bool opens = true;
    bool open = false;
    DEVICE_OPTION option;
    std::vector<std::string> calls;

    void ClosePort() override {
        calls.push_back("ClosePort");
        open = false;
    }
    bool OpenPort() override {
        calls.push_back("OpenPort");
        open = opens;
        return opens;
    }
    bool SetDeviceOption(DEVICE_OPTION dop) override {
        calls.push_back("SetDeviceOption " + dop.strPort);
        if (dop.strPort.empty())
            return false;
        option = dop;
        return true;
    }
    std::uint32_t GetInterfaceType() override { return option.dwInterfaceType; }
    std::uint32_t Read(std::uint8_t*, std::uint32_t, std::uint32_t) override { return 0; }
    std::uint32_t Write(const std::uint8_t*, std::uint32_t) override { return 0; }
};
