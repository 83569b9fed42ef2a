#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/QtDialogPlacement.h"
#include "ui/qt/QuorlinkLook.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Model = CVRXPageWLanAdvIpConfig;
constexpr const char* kWindow = "CVRXPageWLanAdvIpConfig";

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CVRXPageWLanAdvIpConfigDlg::CVRXPageWLanAdvIpConfigDlg(CVRXPageWLanAdvIpConfig& model, QWidget* mainWindow)
    : FramedDialog(mainWindow), m_model(model), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("ipConfigDialog"));
    setStyleSheet(QuorlinkLook::WindowStyleSheet() + QStringLiteral("QLabel { background: transparent; }"));

    QVBoxLayout* body = Body();
    body->setContentsMargins(14, 12, 14, 12);
    body->setSpacing(10);

    auto* group = new QGroupBox(Ui(StringTable::Dialog(kWindow, "Network")), this);
    group->setObjectName(QStringLiteral("networkGroup"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(12, 14, 12, 10);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    struct Row {
        const char* name;
        QString label;
        IpAddressEdit** edit;
    };
    const Row rows[] = {
        {"ipAddress", Ui(StringTable::Dialog(kWindow, "IP Address:")), &m_ip},
        {"subnetMask", Ui(StringTable::Dialog(kWindow, "Subnet Mask:")), &m_subnetMask},
        {"gateway", Ui(StringTable::Dialog(kWindow, "GateWay:")), &m_gateway},
    };
    int row = 0;
    for (const Row& r : rows) {
        auto* label = new QLabel(r.label, group);
        auto* edit = new IpAddressEdit(group);
        edit->setObjectName(QString::fromLatin1(r.name));
        edit->setZeroWhenEmptied(true);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000")) + 48);
        for (int i = 0; i < 4; ++i)
            edit->field(i)->installEventFilter(this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        *r.edit = edit;
        ++row;
    }
    body->addWidget(group);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = MakeButton(QuorlinkLook::IconKind::Save, Ui(StringTable::Dialog(kWindow, "OK")),
                      QStringLiteral("ok"));
    m_cancel = MakeButton(QuorlinkLook::IconKind::Cancel, Ui(StringTable::Dialog(kWindow, "Cancel")),
                          QStringLiteral("cancel"));
    for (QPushButton* button : {m_ok, m_cancel}) {
        // Enter belongs to the dialog: it is OK wherever the focus is.
        button->setAutoDefault(false);
        button->installEventFilter(this);
        buttons->addWidget(button);
    }
    body->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_model.OnCancel();
        End();
    });
}

CVRXPageWLanAdvIpConfigDlg::~CVRXPageWLanAdvIpConfigDlg() = default;

void CVRXPageWLanAdvIpConfigDlg::Prepare() {
    m_model.OnInitDialog();
    TitleBar()->SetText(Ui(m_model.Caption()));
    setWindowTitle(Ui(m_model.Title()));
    m_ip->setAddress(m_model.GetIPAddress());
    m_subnetMask->setAddress(m_model.GetSubnetMask());
    m_gateway->setAddress(m_model.GetGateway());
    adjustSize();
    setFixedSize(size());
    QtDialogPlacement::PlaceOverMainWindowCentre(*this, m_mainWindow);
    m_ip->setFocus(Qt::OtherFocusReason);
}

int CVRXPageWLanAdvIpConfigDlg::exec() {
    Prepare();
    QDialog::exec();
    return m_model.IsEnded() ? m_model.GetResult() : Model::kResultCancel;
}

void CVRXPageWLanAdvIpConfigDlg::OnOK() {
    m_model.OnOK(m_ip->address(), m_subnetMask->address(), m_gateway->address());
    End();
}

void CVRXPageWLanAdvIpConfigDlg::End() {
    if (m_bDone || !m_model.IsEnded())
        return;
    m_bDone = true;
    QDialog::done(m_model.GetResult());
}

void CVRXPageWLanAdvIpConfigDlg::reject() {
    m_model.OnCancel();
    End();
}

bool CVRXPageWLanAdvIpConfigDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event)->key())) {
        OnOK();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CVRXPageWLanAdvIpConfigDlg::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event->key())) {
        OnOK();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
