#pragma once

#include "ui/qt/QuorlinkLook.h"

#include <QDialog>

class CaptionBar;
class QPushButton;
class QVBoxLayout;

// A modal dialog that draws its own frame: no system frame, the program's title bar on top (dragging it
// moves the window) and a thin border round the whole. The dialog's content goes into Body(), below the
// title bar, with the dialog's own margins and spacing.
class FramedDialog : public QDialog {
    Q_OBJECT
public:
    explicit FramedDialog(QWidget* parent);

protected:
    CaptionBar* TitleBar() const { return m_titleBar; }
    QVBoxLayout* Body() const { return m_body; }
    // A button of the dialogs' button row: an 18 px icon, at least 96 by 28.
    QPushButton* MakeButton(QuorlinkLook::IconKind icon, const QString& text, const QString& objectName);

    void paintEvent(QPaintEvent* event) override;

private:
    CaptionBar* m_titleBar = nullptr;
    QVBoxLayout* m_body = nullptr;
};
