#pragma once

#include <string>

// Message boxes and questions; the Qt layer shows real ones, tests script the answers.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // A failure, with the error icon.
    virtual void ShowError(const std::string& text) = 0;
    // A notice, with the information icon.
    virtual void ShowInformation(const std::string& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};
