#include "ui/qt/QtQueueNameAsker.h"

#include "ui/qt/QueueNameDialog.h"

#include <QApplication>

std::optional<std::string> QtQueueNameAsker::AskQueueName(const Question& question, const Check& check) {
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    QueueNameDialog dialog(question, check, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name().toStdString();
}
