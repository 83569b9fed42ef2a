#pragma once

#include "devcfg/IConfigurationGrid.h"
#include "devcfg/IConfigurationValidator.h"
#include "devcfg/IExchangeWaiting.h"
#include "ui/ICursor.h"
#include "ui/IMessageBox.h"
#include "ui/wlanadv/DeviceWorker.h"

#include <string>
#include <vector>

// What an exchange running on the device worker may do to windows, each call carried over to the window
// thread and waited for: the questions and messages, the cursor, the factory reset's waiting dialog, the
// grid's visible items and rebuild, and the field checks (they write grid items and show messages). Hand
// this object to the exchange in place of the window thread's own services.
class WindowThreadServices : public IMessageBox,
                             public ICursor,
                             public IExchangeWaiting,
                             public IConfigurationGrid,
                             public IConfigurationValidator {
public:
    struct Targets {
        IMessageBox* messages = nullptr;
        ICursor* cursor = nullptr;
        IExchangeWaiting* waiting = nullptr;
        IConfigurationGrid* grid = nullptr;
        IConfigurationValidator* validator = nullptr;
    };

    WindowThreadServices(DeviceWorker& worker, Targets targets) : m_worker(worker), m_targets(targets) {}

    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowPlain(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    void ShowWait() override;
    void ShowArrow() override;

    void WaitFor(int nCountdownMs) override;

    std::vector<int> VisibleItemIdentifiers(int nGrid) override;
    void RebuildGroups() override;

    bool DataValidation4Group1() override;
    bool DataValidation4Group2() override;

private:
    DeviceWorker& m_worker;
    Targets m_targets;
};
