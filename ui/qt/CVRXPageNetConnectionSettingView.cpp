#include "ui/qt/CVRXPageNetConnectionSettingView.h"

#include "app/StringTable.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/QuorlinkLook.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace {

using Page = CVRXPageNetConnectionSetting;

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

QRect ToQRect(const Page::Rect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A digits-only field that takes up to maxDigits digits from the keyboard. The limit is the validator's,
// not a maximum length, so that a longer value the printer reported is still shown whole.
QLineEdit* DigitsField(QWidget* parent, int maxDigits) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(maxDigits)), field));
    return field;
}

void SetTextIfDifferent(QLineEdit* field, const std::string& text) {
    const QString shown = Ui(text);
    if (field->text() != shown)
        field->setText(shown);
}

} // namespace

CVRXPageNetConnectionSettingView::CVRXPageNetConnectionSettingView(CVRXPageNetConnectionSetting& page,
                                                                   QWidget* parent)
    : QWidget(parent), m_page(page) {
    setWindowTitle(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Network Configuration")));
    setFixedSize(Page::Layout::kWidth, Page::Layout::kHeight);

    // Frames first, so that the controls lie on top of them.
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "IP Address Assignment ")),
                        this),
          "addressGroup", QRect(12, 8, 536, 196));
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Port Number")), this),
          "portGroup", QRect(12, 212, 264, 88));
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Inactivity Time")), this),
          "inactivityGroup", QRect(284, 212, 264, 88));
    m_systemNameGroup =
        Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "System Name")), this),
              "systemNameGroup", ToQRect(Page::Layout::kSystemNameGroup));

    m_radioDhcp =
        Place(new QRadioButton(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting",
                                                      "DHCP (Dynamic Host Configuration Protocol)")),
                               this),
              "radioDhcp", QRect(28, 30, 500, 24));
    m_radioManual =
        Place(new QRadioButton(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Manual")), this),
              "radioManual", QRect(28, 58, 500, 24));

    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "IP Address:")), this), "ipLabel",
          QRect(48, 94, 140, 26));
    m_ipAddress = Place(new IpAddressEdit(this), "ipAddress", QRect(196, 94, 200, 26));
    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Subnet Mask:")), this),
          "subnetLabel", QRect(48, 128, 140, 26));
    m_subnetMask = Place(new IpAddressEdit(this), "subnetMask", QRect(196, 128, 200, 26));
    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "GateWay:")), this),
          "gatewayLabel", QRect(48, 162, 140, 26));
    m_gateway = Place(new IpAddressEdit(this), "gateway", QRect(196, 162, 200, 26));

    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Port Number:")), this),
          "portLabel", QRect(24, 236, 112, 26));
    m_portNumber = Place(DigitsField(this, Page::kPortNumberChars), "portNumber", QRect(140, 236, 80, 26));
    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "[0 - 32767]")), this),
          "portHint", QRect(140, 266, 130, 22));

    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Inactivity Time:")), this),
          "inactivityLabel", QRect(296, 236, 120, 26));
    m_inactiveTime =
        Place(DigitsField(this, Page::kInactiveTimeChars), "inactiveTime", QRect(420, 236, 70, 26));
    Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "[0 - 3600] sec.")), this),
          "inactivityHint", QRect(420, 266, 124, 22));

    const QRect nameGroup = ToQRect(Page::Layout::kSystemNameGroup);
    m_systemNameLabel =
        Place(new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "System Name:")), this),
              "systemNameLabel", QRect(nameGroup.x() + 12, nameGroup.y() + 26, 124, 26));
    m_systemName = Place(new QLineEdit(this), "systemName",
                         QRect(nameGroup.x() + 140, nameGroup.y() + 26, nameGroup.width() - 152, 26));
    m_systemName->setMaxLength(Page::kSystemNameChars);

    m_save = Place(new QPushButton(QuorlinkLook::Icon(QuorlinkLook::IconKind::Save),
                                   Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Save")), this),
                   "save", ToQRect(Page::Layout::kSaveButton));
    m_cancel = Place(new QPushButton(QuorlinkLook::Icon(QuorlinkLook::IconKind::Cancel),
                                     Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Cancel")), this),
                     "cancel", ToQRect(Page::Layout::kCancelButton));
    for (QPushButton* button : {m_save, m_cancel}) {
        button->setIconSize(QSize(20, 20)); // as on the printer list page
        button->setAutoDefault(false);
    }

    connect(m_radioDhcp, &QRadioButton::clicked, this, [this] { m_page.OnBnClickedRadioDhcp(); });
    connect(m_radioManual, &QRadioButton::clicked, this, [this] { m_page.OnBnClickedRadioManual(); });
    const std::pair<IpAddressEdit*, int> addresses[] = {{m_ipAddress, Page::IDC_IPADDRESS_IP},
                                                        {m_subnetMask, Page::IDC_IPADDRESS_SUBNET},
                                                        {m_gateway, Page::IDC_IPADDRESS_GATEWAY}};
    for (const auto& [edit, id] : addresses)
        connect(edit, &IpAddressEdit::addressEdited, this,
                [this, edit = edit, id = id] { m_page.OnAddressChanged(id, edit->address()); });
    connect(m_portNumber, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_page.OnEnChangeEditPortNumber(text.toStdString()); });
    connect(m_inactiveTime, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_page.OnEnChangeEditInactiveTime(text.toStdString()); });
    connect(m_systemName, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_page.OnEnChangeEditSystemName(text.toStdString()); });
    connect(m_save, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnSave(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnCancel(); });

    m_page.SetChangeListener([this] { Refresh(); });
    m_appliedFocusSerial = m_page.GetControls().focusSerial;
    Refresh();
    m_portNumber->selectAll();
    m_inactiveTime->selectAll();
    m_systemName->selectAll();
}

CVRXPageNetConnectionSettingView::~CVRXPageNetConnectionSettingView() {
    m_page.SetChangeListener(nullptr);
}

QWidget* CVRXPageNetConnectionSettingView::WidgetOf(int controlId) const {
    switch (controlId) {
    case Page::IDC_RADIO_DHCP:
        return m_radioDhcp;
    case Page::IDC_RADIO_MANUAL:
        return m_radioManual;
    case Page::IDC_IPADDRESS_IP:
        return m_ipAddress;
    case Page::IDC_IPADDRESS_SUBNET:
        return m_subnetMask;
    case Page::IDC_IPADDRESS_GATEWAY:
        return m_gateway;
    case Page::IDC_EDIT_PORT_NUMBER:
        return m_portNumber;
    case Page::IDC_EDIT_INACTIVE_TIME:
        return m_inactiveTime;
    case Page::IDC_EDIT_SYSTEM_NAME:
        return m_systemName;
    case Page::IDC_BTN_SAVE:
        return m_save;
    case Page::IDC_BTN_CANCEL:
        return m_cancel;
    default:
        // The page itself: its first control, the checked mode button.
        return m_radioManual->isChecked() ? m_radioManual : m_radioDhcp;
    }
}

void CVRXPageNetConnectionSettingView::Refresh() {
    const Page::Controls& controls = m_page.GetControls();
    (controls.checkedMode == Page::kIpModeManual ? m_radioManual : m_radioDhcp)->setChecked(true);

    const std::pair<IpAddressEdit*, const Page::AddressControl*> addresses[] = {
        {m_ipAddress, &controls.ipAddress},
        {m_subnetMask, &controls.subnetMask},
        {m_gateway, &controls.gateway}};
    for (const auto& [edit, state] : addresses) {
        edit->setAddress(state->address);
        edit->setEnabled(state->enabled);
    }

    const std::pair<QLineEdit*, const Page::EditControl*> edits[] = {{m_portNumber, &controls.portNumber},
                                                                     {m_inactiveTime, &controls.inactiveTime},
                                                                     {m_systemName, &controls.systemName}};
    for (const auto& [field, state] : edits) {
        SetTextIfDifferent(field, state->text);
        field->setEnabled(state->enabled);
        field->setVisible(state->visible);
    }
    m_systemNameGroup->setVisible(controls.systemNameGroupVisible);
    m_systemNameLabel->setVisible(controls.systemNameLabelVisible);
    m_save->setGeometry(ToQRect(controls.saveButton));
    m_cancel->setGeometry(ToQRect(controls.cancelButton));

    if (controls.focusSerial != m_appliedFocusSerial) {
        m_appliedFocusSerial = controls.focusSerial;
        if (QWidget* target = WidgetOf(controls.focus)) {
            target->setFocus(Qt::OtherFocusReason);
            if (auto* field = qobject_cast<QLineEdit*>(target))
                field->selectAll();
        }
    }
}

bool CVRXPageNetConnectionSettingView::event(QEvent* event) {
    // Escape belongs to the page, ahead of any shortcut of the windows around it.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CVRXPageNetConnectionSettingView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_page.OnBnClickedBtnCancel();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
