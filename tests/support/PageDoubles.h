#pragma once

// Stand-ins for what a page needs around it when a test shows it on its own.
#include "devport/ISpoolerHold.h"
#include "ui/IMainWindowMessages.h"

#include <string>
#include <vector>

// A main window that takes every message and does nothing with it.
class NoMainWindow : public IMainWindowMessages {
public:
    int SendMessage(unsigned, const void*, const void*) override { return 0; }
    void PostMessage(unsigned, const void*, const void*) override {}
};

// A main window that keeps what it was sent ("send N") and posted ("post N").
class RecordingMainWindow : public IMainWindowMessages {
public:
    std::vector<std::string> messages;
    int SendMessage(unsigned message, const void*, const void*) override {
        messages.push_back("send " + std::to_string(message));
        return 1;
    }
    void PostMessage(unsigned message, const void*, const void*) override {
        messages.push_back("post " + std::to_string(message));
    }
};

// A spooler whose queues are always held and let go without a fault.
class FreeSpoolerHold : public ISpoolerHold {
public:
    bool ChangeWinDrvPortName(int) override { return true; }
    bool RestoreWinDrvPortName() override { return true; }
};
