#pragma once

#include "ui/IMessageBox.h"

#include <QPointer>
#include <QWidget>

// Message boxes as Qt shows them, over parent (or the active window), titled with the program's name.
class QtMessageBox : public IMessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowPlain(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

private:
    QPointer<QWidget> m_parent;
};
