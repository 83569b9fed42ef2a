#pragma once

#include "ui/wlanadv/CVRXPageWLanPwSetting.h"

#include "ui/qt/FramedDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class TypedCharacterPopup;

// The password dialog on screen: the program's caption bar with the item's name, the masked edit in a bold
// fixed-pitch face, "Show Password", OK and Cancel, on white. Typed characters flash in the pop-up over
// the main window. exec() returns the model's result (1 OK, 2 Cancel).
class CVRXPageWLanPwSettingDlg : public FramedDialog {
    Q_OBJECT
public:
    // mainWindow: a widget of the main window, over which the dialog and the pop-up are centred.
    CVRXPageWLanPwSettingDlg(CVRXPageWLanPwSetting& model, QWidget* mainWindow = nullptr);
    ~CVRXPageWLanPwSettingDlg() override;

    int exec() override;
    // What exec() does before the dialog goes up: the model's start, the texts, size, place and focus (a
    // dialog shown without exec(), as the window tour shows it, calls it first).
    void Prepare();
    TypedCharacterPopup* Popup() const { return m_popup; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void End();

    CVRXPageWLanPwSetting& m_model;
    QWidget* m_mainWindow;
    QLineEdit* m_edit = nullptr;
    QCheckBox* m_showPassword = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    TypedCharacterPopup* m_popup = nullptr;
    bool m_bDone = false;
    bool m_bCaretPlaced = false;
};
