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
    // A notice of something that may go wrong, with the warning icon; where a view has no such box, a
    // notice.
    virtual void ShowWarning(const std::string& text) { ShowInformation(text); }
    // A message without an icon, with an OK button; where a view has no such box, a failure box.
    virtual void ShowPlain(const std::string& text) { ShowError(text); }
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};
