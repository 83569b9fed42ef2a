#include "ui/qt/FramedDialog.h"

#include "ui/qt/CaptionBar.h"

#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

FramedDialog::FramedDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1); // inside the border
    outer->setSpacing(0);
    m_titleBar = new CaptionBar(CaptionBar::Kind::Title, this);
    m_titleBar->setObjectName(QStringLiteral("caption"));
    m_titleBar->SetIcon(QuorlinkLook::Icon(QuorlinkLook::IconKind::Application));
    outer->addWidget(m_titleBar);
    m_body = new QVBoxLayout;
    outer->addLayout(m_body, 1);
}

QPushButton* FramedDialog::MakeButton(QuorlinkLook::IconKind icon, const QString& text,
                                      const QString& objectName) {
    auto* button = new QPushButton(QuorlinkLook::Icon(icon), text, this);
    button->setObjectName(objectName);
    button->setIconSize(QSize(18, 18));
    button->setMinimumSize(96, 28);
    return button;
}

void FramedDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QuorlinkLook::CaptionDark());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
