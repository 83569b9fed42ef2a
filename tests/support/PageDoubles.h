#pragma once

// Stand-ins for what a page needs around it when a test shows it on its own.
#include "devport/ISpoolerHold.h"
#include "ui/IMainWindowMessages.h"

// A main window that takes every message and does nothing with it.
class NoMainWindow : public IMainWindowMessages {
public:
    int SendMessage(unsigned, const void*, const void*) override { return 0; }
    void PostMessage(unsigned, const void*, const void*) override {}
};

// A spooler whose queues are always held and let go without a fault.
class FreeSpoolerHold : public ISpoolerHold {
public:
    bool ChangeWinDrvPortName(int) override { return true; }
    bool RestoreWinDrvPortName() override { return true; }
};
