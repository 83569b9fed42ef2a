#pragma once

#include "devcfg/DeviceConfigExchange.h"
#include "devcfg/IDeviceSleeper.h"
#include "devport/ISpoolerHold.h"
#include "ui/wlanadv/IWLanAdvItemHost.h"
#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include <functional>

// The page's side of the grid items: the group editor (rules, address stores, field checks), the device
// exchanges and the spooler hold. Every use of the printer port runs through the exchange runner, which
// runs it off the window thread while the window keeps painting (the page's device worker); without one it
// runs where it is called.
class WLanAdvItemHost : public IWLanAdvItemHost {
public:
    // Runs work and returns true when it ran (false: another exchange is running).
    using ExchangeRunner = std::function<bool(const std::function<void()>& work)>;

    WLanAdvItemHost(WLanAdvGroupEditor& editor, DeviceConfigExchange& exchange, IWLanAdvDialogs& dialogs,
                    IMessageBox& messages, ISpoolerHold* spooler = nullptr, ExchangeRunner runner = {},
                    IDeviceSleeper* sleeper = nullptr);

    IWLanAdvDialogs& Dialogs() override { return m_dialogs; }
    IMessageBox& Messages() override { return m_messages; }
    std::string Text(int id) const override { return m_editor.Text(id); }
    std::optional<int> ShowPasswordPreference() const override;
    bool ValidateItemText(std::uint32_t id, const std::string& text) override;
    WLanAdvGroupEditor::AddressStores& AddressStores() override { return m_editor.Addresses(); }
    void ReportChanged(PropertyItem& item) override;
    void ReleasePort() override;
    void RestorePort() override;
    int ScanAccessPoints(BSS_INFO (&table)[VRX_MAX_BSS_INFO]) override;
    void Wait(std::chrono::milliseconds duration) override;
    bool UpdateCurrentConfiguration(int index) override;
    bool DataValidation4Certificate(const std::string& path) override;
    bool LoadedCertificateIsPemOrDer() const override;
    // The certificate start and the certificate, with the spooler hold and the port's open and close, off
    // the window thread; after a success the grid's name item of the type shows name where the module
    // keeps names.
    bool UploadCertificateDocument(const std::string& name) override;

private:
    bool RunExchange(const std::function<void()>& work);

    WLanAdvGroupEditor& m_editor;
    DeviceConfigExchange& m_exchange;
    IWLanAdvDialogs& m_dialogs;
    IMessageBox& m_messages;
    ISpoolerHold* m_spooler;
    ExchangeRunner m_runner;
    IDeviceSleeper* m_sleeper;
    bool m_bReleased = false; // ReleasePort held the queues and RestorePort has not given them back
};
