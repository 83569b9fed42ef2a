#pragma once

#include "ui/IQueueNameAsker.h"

#include <QPointer>
#include <QWidget>

// Asks for a print queue's name with QueueNameDialog over parent.
class QtQueueNameAsker : public IQueueNameAsker {
public:
    explicit QtQueueNameAsker(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    std::optional<std::string> AskQueueName(const Question& question, const Check& check) override;

private:
    QPointer<QWidget> m_parent;
};
