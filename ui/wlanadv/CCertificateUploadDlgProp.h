#pragma once

#include <string>

class IWLanAdvItemHost;
class PropertyItem;

// The Certificate File item: its button chooses a file, asks before the upload (text 242), checks the file
// (text 243 when it is no certificate) and uploads it as the chosen certificate type (text 244 or 245). The
// item is empty again afterwards, whatever happened.
class CCertificateUploadDlgProp {
public:
    explicit CCertificateUploadDlgProp(IWLanAdvItemHost* pPage) : m_pPage(pPage) {}

    // True when a certificate was uploaded.
    bool OnClickButton(PropertyItem& item);

    // File name and extension of path, without its folder.
    static std::string FileNameOf(const std::string& path);

private:
    IWLanAdvItemHost* m_pPage;
};
