#include "ui/qt/IpAddressEdit.h"

#include "ui/qt/QuorlinkAccessibility.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

#include <algorithm>

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    QuorlinkAccessibility::Install();
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    // Disabled, the control looks like the window behind it, as a disabled edit does; the fields draw no
    // background of their own, so that the control's shows through them.
    QPalette look = palette();
    look.setBrush(QPalette::Disabled, QPalette::Base, look.brush(QPalette::Disabled, QPalette::Window));
    setPalette(look);
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    auto* validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int index = 0; index < 4; ++index) {
        if (index > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
        auto* field = new IpAddressOctet(this);
        field->setObjectName(QStringLiteral("octet%1").arg(index));
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(validator);
        field->setText(QStringLiteral("0"));
        field->installEventFilter(this);
        // Only the first number is a stop of the window's Tab order; the others are reached by the dot, the
        // arrow keys or the mouse.
        if (index > 0)
            field->setFocusPolicy(Qt::ClickFocus);
        connect(field, &QLineEdit::textEdited, this, [this, index] { onFieldEdited(index); });
        layout->addWidget(field, 1);
        m_fields[static_cast<size_t>(index)] = field;
    }
    // Focus given to the control goes to its first field; the control itself takes the focus (so that its
    // label's Alt key reaches it), but is no stop of the Tab order besides its first number.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_fields[0]);
}

std::array<std::uint8_t, 4> IpAddressEdit::address() const {
    std::array<std::uint8_t, 4> address{};
    for (size_t index = 0; index < 4; ++index)
        address[index] = static_cast<std::uint8_t>(std::min(m_fields[index]->text().toUInt(), 255u));
    return address;
}

void IpAddressEdit::setAddress(const std::array<std::uint8_t, 4>& address) {
    for (size_t index = 0; index < 4; ++index) {
        const QString text = QString::number(address[index]);
        if (m_fields[index]->text() != text)
            m_fields[index]->setText(text);
    }
}

QString IpAddressEdit::text() const {
    QStringList numbers;
    for (const QLineEdit* field : m_fields)
        numbers << (field->text().isEmpty() ? QStringLiteral("0") : field->text());
    return numbers.join(QLatin1Char('.'));
}

int IpAddressEdit::focusedField() const {
    for (int index = 0; index < 4; ++index)
        if (m_fields[static_cast<size_t>(index)]->hasFocus())
            return index;
    return -1;
}

void IpAddressEdit::onFieldEdited(int index) {
    QLineEdit* field = m_fields[static_cast<size_t>(index)];
    if (field->text().toUInt() > 255)
        field->setText(QStringLiteral("255"));
    if (m_bZeroWhenEmptied && field->text().isEmpty()) {
        field->setText(QStringLiteral("0"));
        field->selectAll();
    }
    emit addressEdited();
    if (field->text().size() == 3 && field->cursorPosition() == 3 && index < 3)
        focusField(index + 1, true);
}

void IpAddressEdit::focusField(int index, bool selectAll) {
    QLineEdit* field = m_fields[static_cast<size_t>(index)];
    field->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        field->selectAll();
}

int IpAddressEdit::indexOf(QObject* watched) const {
    for (int index = 0; index < 4; ++index)
        if (m_fields[static_cast<size_t>(index)] == watched)
            return index;
    return -1;
}

void IpAddressEdit::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (focusedField() < 0)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index < 0)
        return QFrame::eventFilter(watched, event);
    QLineEdit* field = m_fields[static_cast<size_t>(index)];

    if (event->type() == QEvent::FocusIn) {
        update();
    } else if (event->type() == QEvent::FocusOut) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
        update();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool atStart = field->cursorPosition() == 0 && !field->hasSelectedText();
        const bool atEnd = field->cursorPosition() == field->text().size() && !field->hasSelectedText();
        switch (key->key()) {
        case Qt::Key_Backtab:
            // Out of the control, not to its first number: move there first, so that the window's
            // Shift+Tab, which follows, starts from it.
            if (index > 0)
                m_fields[0]->setFocus(Qt::OtherFocusReason);
            break;
        case Qt::Key_Period:
            if (index < 3)
                focusField(index + 1, true);
            return true; // a dot is never part of a field
        case Qt::Key_Backspace:
            if (atStart && index > 0) {
                focusField(index - 1, false);
                m_fields[static_cast<size_t>(index - 1)]->end(false);
                return true;
            }
            break;
        case Qt::Key_Left:
            if (atStart && index > 0) {
                focusField(index - 1, false);
                m_fields[static_cast<size_t>(index - 1)]->end(false);
                return true;
            }
            break;
        case Qt::Key_Right:
            if (atEnd && index < 3) {
                focusField(index + 1, false);
                m_fields[static_cast<size_t>(index + 1)]->home(false);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
