#pragma once

#include <QFrame>

#include <array>
#include <cstdint>

#include <QLineEdit>

// One of the four numbers of an IpAddressEdit. Screen readers meet it as the whole control: its accessible
// interface reads the control's name and the whole address (QuorlinkAccessibility).
class IpAddressOctet : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};

// An IPv4 address control: four fields of 0..255 separated by dots. A field holds at most three digits; a
// larger number becomes 255. The dot key, and a third digit typed at a field's end, move on to the next
// field, as do the arrow keys across a field's border. The four numbers are one field of the window: Tab and
// Shift+Tab leave the control from any of them, and enter it at its first number. A field left empty reads
// as 0 and shows 0 once the focus leaves it. To assistive technology it is one edit field, named by the
// label whose buddy it is, whose text is the whole address ("192.0.2.40").
class IpAddressEdit : public QFrame {
    Q_OBJECT
public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    std::array<std::uint8_t, 4> address() const;
    // Shows address; not an edit of the user's, so addressEdited is not emitted.
    void setAddress(const std::array<std::uint8_t, 4>& address);

    // With on, a number the user empties becomes 0 at once (selected, so that the next digit replaces it)
    // instead of when the focus leaves it.
    void setZeroWhenEmptied(bool on) { m_bZeroWhenEmptied = on; }

    // The field for octet index (0..3).
    QLineEdit* field(int index) const { return m_fields[static_cast<size_t>(index)]; }
    // The address as it reads: the four numbers with dots between them.
    QString text() const;
    // The field that has the focus (0..3), or -1.
    int focusedField() const;

signals:
    // The user changed a field.
    void addressEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The frame, and a ring in the palette's highlight while one of the numbers has the focus.
    void paintEvent(QPaintEvent* event) override;

private:
    void onFieldEdited(int index);
    void focusField(int index, bool selectAll);
    int indexOf(QObject* watched) const;

    std::array<QLineEdit*, 4> m_fields{};
    bool m_bZeroWhenEmptied = false;
};
