#include "ui/qt/QuorlinkAccessibility.h"

#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/IpAddressEdit.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include <algorithm>

namespace {

// The address as one text: "192.0.2.40". Offsets run over the whole text, dots included.
class AddressText : public QAccessibleTextInterface {
public:
    virtual IpAddressEdit* Edit() const = 0;

    // Where field index starts in the whole text.
    int FieldStart(int index) const {
        int start = 0;
        for (int i = 0; i < index; ++i)
            start += FieldLength(i) + 1;
        return start;
    }
    int FieldLength(int index) const {
        const QString text = Edit()->field(index)->text();
        return text.isEmpty() ? 1 : int(text.size());
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        const int index = Edit()->focusedField();
        if (selectionIndex != 0 || index < 0 || !Edit()->field(index)->hasSelectedText())
            return;
        const QLineEdit* field = Edit()->field(index);
        *startOffset = FieldStart(index) + field->selectionStart();
        *endOffset = *startOffset + int(field->selectedText().size());
    }
    int selectionCount() const override {
        const int index = Edit()->focusedField();
        return index >= 0 && Edit()->field(index)->hasSelectedText() ? 1 : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override {
        const int index = std::max(0, Edit()->focusedField());
        return FieldStart(index) + Edit()->field(index)->cursorPosition();
    }
    void setCursorPosition(int position) override {
        for (int index = 3; index >= 0; --index) {
            const int start = FieldStart(index);
            if (position >= start || index == 0) {
                QLineEdit* field = Edit()->field(index);
                field->setFocus(Qt::OtherFocusReason);
                field->setCursorPosition(std::clamp(position - start, 0, int(field->text().size())));
                return;
            }
        }
    }
    QString text(int startOffset, int endOffset) const override {
        const QString whole = Edit()->text();
        startOffset = std::clamp(startOffset, 0, int(whole.size()));
        endOffset = endOffset < 0 ? int(whole.size()) : std::clamp(endOffset, startOffset, int(whole.size()));
        return whole.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Edit()->text().size()); }
    QRect characterRect(int offset) const override {
        for (int index = 3; index >= 0; --index) {
            const int start = FieldStart(index);
            if (offset >= start || index == 0) {
                const QLineEdit* field = Edit()->field(index);
                const QRect area = field->contentsRect();
                const int x =
                    area.x() + field->fontMetrics().horizontalAdvance(field->text().left(offset - start));
                const int width = std::max(1, field->fontMetrics().averageCharWidth());
                return QRect(field->mapToGlobal(QPoint(x, area.y())), QSize(width, area.height()));
            }
        }
        return {};
    }
    int offsetAtPoint(const QPoint& point) const override {
        for (int index = 0; index < 4; ++index) {
            const QLineEdit* field = Edit()->field(index);
            if (field->rect().contains(field->mapFromGlobal(point)))
                return FieldStart(index);
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = std::max(0, offset);
        *endOffset = *startOffset;
        return {};
    }
};

// The whole control: one edit field with no children of its own.
class IpAddressAccessible : public QAccessibleWidget, public AddressText {
public:
    explicit IpAddressAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::EditableText) {}

    IpAddressEdit* Edit() const override { return static_cast<IpAddressEdit*>(widget()); }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Edit()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = Edit()->focusedField() >= 0;
        state.editable = true;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    using AddressText::text;
};

// One of the four numbers: it takes the focus, so it reads as the whole control (name, description, the
// whole address, the control's state) and stands where the control stands in the tree.
class IpAddressOctetAccessible : public QAccessibleWidget, public AddressText {
public:
    explicit IpAddressOctetAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText) {}

    IpAddressEdit* Edit() const override { return static_cast<IpAddressEdit*>(widget()->parentWidget()); }
    QAccessibleInterface* Control() const { return QAccessible::queryAccessibleInterface(Edit()); }

    QAccessibleInterface* parent() const override {
        QAccessibleInterface* control = Control();
        return control ? control->parent() : QAccessibleWidget::parent();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        QAccessibleInterface* control = Control();
        return control ? control->text(t) : QString();
    }
    QAccessible::State state() const override {
        QAccessibleInterface* control = Control();
        QAccessible::State state = control ? control->state() : QAccessibleWidget::state();
        state.focused = widget()->hasFocus();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    using AddressText::text;
};

// The busy indicator: an animation, busy while it runs.
class BusyIndicatorAccessible : public QAccessibleWidget {
public:
    explicit BusyIndicatorAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Animation) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const bool running = static_cast<CVRXBusyProgressCtrl*>(widget())->Control().IsRunning();
        state.busy = running;
        state.animated = running;
        return state;
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("IpAddressEdit"))
        return new IpAddressAccessible(widget);
    if (className == QLatin1String("IpAddressOctet") && qobject_cast<IpAddressEdit*>(widget->parentWidget()))
        return new IpAddressOctetAccessible(widget);
    if (className == QLatin1String("CVRXBusyProgressCtrl"))
        return new BusyIndicatorAccessible(widget);
    return nullptr;
}

} // namespace

namespace QuorlinkAccessibility {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace QuorlinkAccessibility
