#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/QtDialogPlacement.h"
#include "ui/qt/QuorlinkLook.h"
#include "ui/qt/wlanadv/TypedCharacterPopup.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Model = CVRXPageWLanPwSetting;
constexpr const char* kWindow = "CVRXPageWLanPwSetting";

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

QFont PasswordFont() {
    // The desktop's fixed-pitch face; "monospace" is what font configuration resolves to one.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(QLatin1Char('i')) != metrics.horizontalAdvance(QLatin1Char('W')))
        font = QFont(QStringLiteral("monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPixelSize(14);
    return font;
}

} // namespace

CVRXPageWLanPwSettingDlg::CVRXPageWLanPwSettingDlg(CVRXPageWLanPwSetting& model, QWidget* mainWindow)
    : FramedDialog(mainWindow), m_model(model), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("passwordDialog"));
    // White behind everything; the password character is "*", whatever the style would draw.
    setStyleSheet(QuorlinkLook::WindowStyleSheet() +
                  QStringLiteral("QDialog#passwordDialog { background: white; }"
                                 "QLineEdit { lineedit-password-character: 42; }"));
    setAutoFillBackground(true);

    QVBoxLayout* body = Body();
    body->setContentsMargins(16, 14, 16, 12);
    body->setSpacing(10);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("password"));
    m_edit->setFont(PasswordFont());
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 34);
    m_edit->installEventFilter(this);
    body->addWidget(m_edit);

    m_showPassword = new QCheckBox(Ui(StringTable::Dialog(kWindow, "Show Password")), this);
    m_showPassword->setObjectName(QStringLiteral("showPassword"));
    m_showPassword->installEventFilter(this);
    body->addWidget(m_showPassword);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = MakeButton(QuorlinkLook::IconKind::Save, Ui(StringTable::Dialog(kWindow, "OK")),
                      QStringLiteral("ok"));
    m_cancel = MakeButton(QuorlinkLook::IconKind::Cancel, Ui(StringTable::Dialog(kWindow, "Cancel")),
                          QStringLiteral("cancel"));
    for (QPushButton* button : {m_ok, m_cancel}) {
        button->installEventFilter(this);
        buttons->addWidget(button);
    }
    m_ok->setDefault(true);
    body->addLayout(buttons);

    m_popup = new TypedCharacterPopup(this);

    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString shown = Ui(m_model.OnTextEdited(text.toStdString()));
        if (shown != text)
            m_edit->setText(shown);
    });
    connect(m_showPassword, &QCheckBox::toggled, this, [this](bool checked) {
        m_model.OnShowPasswordToggled(checked);
        Refresh();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_model.OnOK();
        End();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_model.OnCancel();
        End();
    });
}

CVRXPageWLanPwSettingDlg::~CVRXPageWLanPwSettingDlg() = default;

void CVRXPageWLanPwSettingDlg::Prepare() {
    m_model.OnInitDialog();
    const Model::Controls& c = m_model.GetControls();
    TitleBar()->SetText(Ui(c.title));
    setWindowTitle(Ui(c.title));
    // The field is read by the item's name, which the title is.
    m_edit->setAccessibleName(Ui(c.title));
    // The edit's own limit counts characters; the model cuts what is over the limit in bytes.
    if (c.maxLength > 0)
        m_edit->setMaxLength(static_cast<int>(c.maxLength));
    m_edit->setText(Ui(c.text));
    Refresh();
    adjustSize();
    setFixedSize(size());
    QtDialogPlacement::PlaceOverMainWindowCentre(*this, m_mainWindow);
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->end(false);
}

int CVRXPageWLanPwSettingDlg::exec() {
    Prepare();
    QDialog::exec();
    return m_model.IsEnded() ? m_model.GetResult() : Model::kResultCancel;
}

void CVRXPageWLanPwSettingDlg::Refresh() {
    const Model::Controls& c = m_model.GetControls();
    m_edit->setEchoMode(c.masked ? QLineEdit::Password : QLineEdit::Normal);
    m_showPassword->setEnabled(c.showPasswordEnabled);
    if (m_showPassword->isChecked() != c.showPasswordChecked)
        m_showPassword->setChecked(c.showPasswordChecked);
}

void CVRXPageWLanPwSettingDlg::End() {
    if (m_bDone || !m_model.IsEnded())
        return;
    m_bDone = true;
    m_popup->hide();
    QDialog::done(m_model.GetResult());
}

void CVRXPageWLanPwSettingDlg::reject() {
    m_model.OnCancel();
    End();
}

bool CVRXPageWLanPwSettingDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::FocusIn && !m_bCaretPlaced) {
        // The first focus puts the caret after the value, with nothing selected, whatever brought it.
        m_bCaretPlaced = true;
        QTimer::singleShot(0, m_edit, [this] {
            m_edit->deselect();
            m_edit->end(false);
        });
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::string typed = key->key() == Qt::Key_Space ? std::string(" ") : key->text().toStdString();
        if (!m_model.OnKeyTyped(typed))
            return true;
        if (watched == m_edit && key->key() != Qt::Key_Backspace) {
            const std::string shown = m_model.PopupText(typed);
            if (!shown.empty())
                m_popup->Flash(Ui(shown), m_mainWindow ? m_mainWindow : this);
        }
    } else if (event->type() == QEvent::KeyRelease &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        // The check box toggles on the space bar's release.
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
