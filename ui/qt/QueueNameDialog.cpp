#include "ui/qt/QueueNameDialog.h"

#include "ui/qt/CaptionBar.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QueueNameDialog::QueueNameDialog(const IQueueNameAsker::Question& question, IQueueNameAsker::Check check,
                                 QWidget* parent)
    : FramedDialog(parent), m_check(std::move(check)) {
    setObjectName(QStringLiteral("queueNameDialog"));
    const QString caption = QString::fromStdString(question.caption);
    setWindowTitle(caption);
    TitleBar()->SetText(caption);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(12, 10, 12, 10);
    content->setSpacing(6);
    auto* prompt = new QLabel(QString::fromStdString(question.prompt), this);
    prompt->setObjectName(QStringLiteral("queueNamePrompt"));
    prompt->setWordWrap(true);
    m_name = new QLineEdit(QString::fromStdString(question.name), this);
    m_name->setObjectName(QStringLiteral("queueName"));
    m_name->setMinimumWidth(320);
    m_name->setAccessibleName(prompt->text());
    prompt->setBuddy(m_name);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("queueNameProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("queueNameButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QueueNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QueueNameDialog::reject);
    content->addWidget(prompt);
    content->addWidget(m_name);
    content->addWidget(m_problem);
    content->addWidget(buttons);
    Body()->addLayout(content);
    m_name->selectAll();
    m_name->setFocus();
}

QString QueueNameDialog::Name() const {
    return m_name->text();
}

void QueueNameDialog::accept() {
    const std::string problem = m_check ? m_check(Name().toStdString()) : std::string();
    if (!problem.empty()) {
        // The edit stays as typed; the reason shows below it.
        m_problem->setText(QString::fromStdString(problem));
        m_problem->show();
        m_name->setFocus();
        adjustSize();
        return;
    }
    FramedDialog::accept();
}
