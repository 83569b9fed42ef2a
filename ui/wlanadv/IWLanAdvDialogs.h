#pragma once

#include <optional>
#include <string>

class CVRXPageWLanPwSetting;
class CVRXPageWLanAdvIpConfig;
class CVRXPageWLanAdvBssList;

// The dialogs the items of the advanced settings grid open. Each runs its model modally and returns the
// model's result; the Qt layer shows the real windows, tests script the models.
class IWLanAdvDialogs {
public:
    virtual ~IWLanAdvDialogs() = default;
    virtual int RunPasswordDialog(CVRXPageWLanPwSetting& dialog) = 0;
    virtual int RunIpConfigDialog(CVRXPageWLanAdvIpConfig& dialog) = 0;
    virtual int RunBssListDialog(CVRXPageWLanAdvBssList& dialog) = 0;
    // A file chooser for opening a file of any kind; the chosen path, nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFileToOpen() = 0;
};
