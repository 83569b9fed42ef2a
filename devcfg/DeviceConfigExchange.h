#pragma once

#include "devcfg/DeviceCertificateExchange.h"
#include "devcfg/DeviceConfigState.h"
#include "devcfg/DeviceLink.h"
#include "devcfg/IConfigurationFileReader.h"
#include "devcfg/IConfigurationGrid.h"
#include "devcfg/IConfigurationValidator.h"
#include "devcfg/IDeviceSleeper.h"
#include "devcfg/IExchangeWaiting.h"
#include "devport/DevicePorts.h"
#include "devport/ISpoolerHold.h"
#include "ui/ICursor.h"
#include "ui/IMessageBox.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the configuration exchanges talk to besides the state. Only ports is required; a missing sleeper
// sleeps the thread, a missing spooler hold holds nothing, and without a validator, grid, file reader,
// message box, cursor or waiting dialog that step is left out (a save then sends the record as read).
struct DeviceExchangeServices {
    DevicePorts ports;
    ISpoolerHold* spooler = nullptr;
    IDeviceSleeper* sleeper = nullptr;
    IMessageBox* messages = nullptr;
    ICursor* cursor = nullptr;
    IExchangeWaiting* waiting = nullptr;
    IConfigurationValidator* validator = nullptr;
    IConfigurationGrid* grid = nullptr;
    IConfigurationFileReader* fileReader = nullptr;
};

// The exchanges with the printer's network module: reading its configuration (from the printer or a
// file), writing a new one, scanning for access points, the factory reset and the certificate upload. Each
// operation that uses the port takes the port of the state's connection type, has the spooler let go of
// it, opens it, and closes it and gives it back to the spooler before it returns.
class DeviceConfigExchange {
public:
    // The error codes of a failed save, shown after text 165.
    static constexpr int kSaveErrorNoPort = 3;
    static constexpr int kSaveErrorOpenPort = 4;
    static constexpr int kSaveErrorStart = 5;
    static constexpr int kSaveErrorSend = 6;
    // Start handshakes of the exchanges try this many times more after the first read.
    static constexpr int kStartMaxTry = 15;
    static constexpr int kScanMaxTry = 200;
    // How long the module needs for a factory reset before its answer is read.
    static constexpr int kFactoryResetCountdownMs = 20000;

    DeviceConfigExchange(DeviceConfigState& state, DeviceExchangeServices services);

    // Reads the printer: factory-reset query, start handshake, system information, then the configuration
    // from the printer (or from the state's file path) and the certificate names. received: the bytes of
    // the last start reply (the page retries only when it is 0 or above 2).
    bool GetCurrentConfiguration(std::uint32_t* received = nullptr);
    bool ReceiveSystemInformation(CPortMng* pPortHandle);
    // The IF__CUR frame the printer sends in answer to IF__GET; its length, 0 on failure.
    std::size_t ReadWiFiConfigurationData(CPortMng* pPortHandle, std::vector<std::uint8_t>& frame);
    bool ReceiveConfigInformation(CPortMng* pPortHandle);

    // Validates, builds the record to send and sends it (or, toFile, only validates and builds it): the
    // two steps below. A failure to send shows text 165 with the error code 3 to 6. The working record
    // becomes the record sent only when the printer took it; a file save or a refused save leaves it as
    // the grids show it.
    bool SaveNewConfiguration(bool toFile);
    // The window thread's part of a save: the DHCP option states into the working record, the field
    // checks, (for the printer) question 163, then the record to send. Nothing when a check failed or the
    // user said No.
    std::optional<WLAN_ADVANCED_CONFIG_INFO> PrepareConfigurationToSend(bool toFile);
    // The port's part of a save: record sent with the start handshake; text 165 and the code on a failure.
    // Touches neither the working record nor the grids, so it may run while the window thread goes on.
    bool SendNewConfiguration(const WLAN_ADVANCED_CONFIG_INFO& record);
    // The record to send: the as-read copy with the fields of the visible items taken from the working
    // record (a copy; the working record stays as it is).
    WLAN_ADVANCED_CONFIG_INFO SetConfigInformationToSend();
    bool SendConfigInformation(CPortMng* pPortHandle, const WLAN_ADVANCED_CONFIG_INFO& record);
    // The IF__SET frame (forSending) or the configuration file image of the working record (or of
    // record), in the variant of the last read.
    std::vector<std::uint8_t> CreateConfigurationData(bool bForSending) const;
    std::vector<std::uint8_t> CreateConfigurationData(const WLAN_ADVANCED_CONFIG_INFO& record,
                                                      bool bForSending) const;

    // Scans for access points into the state's table.
    bool GetBSSInfoList();
    bool ReceiveBssInformation(CPortMng* pPortHandle, int maxTry);
    // Copies the scan table (count entries) into buffer, which holds VRX_MAX_BSS_INFO; false when empty.
    bool GetBSSInfoData(BSS_INFO* buffer, int& count) const;

    // On an open port, before the start handshake: does the module answer the factory-reset query?
    bool IsFactoryResetSupported(CPortMng* pPortHandle);
    // Resets the module (the user has confirmed): the reset command, the waiting dialog for 20 s, then the
    // module's answer; text 162 on success, text 276 otherwise.
    bool FactoryReset();
    // The same exchange without the message: whether the module answered that it has been reset.
    bool SendFactoryReset();

    // Uploads the certificate file at path as the state's m_nCertificateType (the user has confirmed):
    // text 243 when the file is refused, then text 244 or 245. With names kept, the state's name of that
    // type becomes the name sent.
    bool UploadCertificateDocument(const std::string& path);
    // Sends the certificate the file check loaded under name (file name and extension) as the state's
    // m_nCertificateType, with the spooler hold and the port's open and close; shows nothing. With names
    // kept, the state's name of that type becomes the name sent.
    bool SendCertificateDocument(const std::string& name);

    // The spooler hold around a use of the port: the queues on nTargetPort (0 USB, 1 serial, other both;
    // without an argument the connection's kind) are held until the matching RestoreSpooler. Holds nest: an
    // exchange run inside a longer hold (a whole Connect with its retries) never gives the queues back
    // early. A queue the user may not pause is told once, as a warning.
    void HoldSpooler(int nTargetPort);
    void HoldSpooler();
    void RestoreSpooler();

    DeviceLink& Link() { return m_link; }
    DeviceCertificateExchange& Certificates() { return m_certificates; }

private:
    CPortMng* Port() const;
    IDeviceSleeper& Sleeper() const;
    void ShowError(const std::string& text) const;
    void ShowInformation(const std::string& text) const;

    DeviceConfigState& m_state;
    DeviceExchangeServices m_services;
    DeviceLink m_link;
    DeviceCertificateExchange m_certificates;
};
