#pragma once

#include "devcfg/DeviceRecords.h"
#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

class IMessageBox;
class IWLanAdvDialogs;
class PropertyItem;

// What the items of the advanced settings grid need from their page: its dialogs and message boxes, the
// field rules, the shared address stores, the spooler hold, the device exchanges (each run off the window
// thread while the window keeps painting) and the rules that take a change over. WLanAdvItemHost is the
// page's; tests script one.
class IWLanAdvItemHost {
public:
    virtual ~IWLanAdvItemHost() = default;

    virtual IWLanAdvDialogs& Dialogs() = 0;
    virtual IMessageBox& Messages() = 0;
    // Text id of the page's text table.
    virtual std::string Text(int id) const = 0;

    // The value of PREFERENCE[3], nothing when the key is not there.
    virtual std::optional<int> ShowPasswordPreference() const = 0;
    // The field rule of identifier id on text: on success the rule has stored the text in the record and
    // the item; on a failure it has shown its message.
    virtual bool ValidateItemText(std::uint32_t id, const std::string& text) = 0;
    // IP address, subnet mask and gateway as the address dialog shows and returns them.
    virtual WLanAdvGroupEditor::AddressStores& AddressStores() = 0;
    // The grid reports item as changed by the user (the rules take it over).
    virtual void ReportChanged(PropertyItem& item) = 0;

    // The spooler hold of the connection's port: release it to the program, give it back.
    virtual void ReleasePort() = 0;
    virtual void RestorePort() = 0;
    // An access-point scan and its result: the number of entries copied into table (0 on a failure).
    virtual int ScanAccessPoints(BSS_INFO (&table)[VRX_MAX_BSS_INFO]) = 0;
    virtual void Wait(std::chrono::milliseconds duration) = 0;
    // Takes over entry index of the last scan; false when it cannot be (-1: nothing picked).
    virtual bool UpdateCurrentConfiguration(int index) = 0;

    // Loads the certificate file at path for the upload; false when it is refused.
    virtual bool DataValidation4Certificate(const std::string& path) = 0;
    // Whether the certificate loaded by DataValidation4Certificate is in PEM or DER form.
    virtual bool LoadedCertificateIsPemOrDer() const = 0;
    // Uploads the loaded certificate under name (file name and extension, without folder).
    virtual bool UploadCertificateDocument(const std::string& name) = 0;
};
