#include "ui/qt/QtMessageBox.h"

#include "app/StringTable.h"

#include <QApplication>
#include <QMessageBox>

namespace {

int Show(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QString::fromStdString(LoadString(StringId::AppTitle)),
                    QString::fromStdString(text), buttons, parent ? parent : QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void QtMessageBox::ShowError(const std::string& text) {
    Show(m_parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBox::ShowInformation(const std::string& text) {
    Show(m_parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBox::ShowWarning(const std::string& text) {
    Show(m_parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBox::ShowPlain(const std::string& text) {
    Show(m_parent, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBox::AskYesNo(const std::string& text) {
    return Show(m_parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}
