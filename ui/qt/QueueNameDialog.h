#pragma once

#include "ui/IQueueNameAsker.h"
#include "ui/qt/FramedDialog.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The small dialog that asks for a new print queue's name: the prompt, the name field with the offered
// name, a line for what the check says, OK and Cancel. OK runs the check; a refused name keeps the dialog
// open with the edit and the reason shown.
class QueueNameDialog : public FramedDialog {
    Q_OBJECT
public:
    QueueNameDialog(const IQueueNameAsker::Question& question, IQueueNameAsker::Check check, QWidget* parent);

    QString Name() const;

public slots:
    void accept() override;

private:
    IQueueNameAsker::Check m_check;
    QLineEdit* m_name = nullptr;
    QLabel* m_problem = nullptr;
};
