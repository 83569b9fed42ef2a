#include "ui/qt/CVRXPageNetConnectionSettingView.h"

#include "app/StringTable.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QuorlinkLook.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <algorithm>

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

// The width a label's text needs in the current language.
int TextWidth(const QLabel* label) {
    return label->sizeHint().width() + 2;
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

    // Labels are as wide as their texts in the current language need; the controls beside them follow.
    m_ipLabel = new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "IP Address:")), this);
    m_subnetLabel = new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "Subnet Mask:")), this);
    m_gatewayLabel = new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "GateWay:")), this);
    const int addressLabelWidth =
        std::max({140, TextWidth(m_ipLabel), TextWidth(m_subnetLabel), TextWidth(m_gatewayLabel)});
    const int addressX = 48 + addressLabelWidth + 8;
    Place(m_ipLabel, "ipLabel", QRect(48, 94, addressLabelWidth, 26));
    m_ipAddress = Place(new IpAddressEdit(this), "ipAddress", QRect(addressX, 94, 200, 26));
    Place(m_subnetLabel, "subnetLabel", QRect(48, 128, addressLabelWidth, 26));
    m_subnetMask = Place(new IpAddressEdit(this), "subnetMask", QRect(addressX, 128, 200, 26));
    Place(m_gatewayLabel, "gatewayLabel", QRect(48, 162, addressLabelWidth, 26));
    m_gateway = Place(new IpAddressEdit(this), "gateway", QRect(addressX, 162, 200, 26));

    // A label, its field and the hint under the field, within a group whose inner edges are left and right.
    auto labelledField = [this](const std::string& labelText, const char* labelName, QLineEdit* field,
                                const char* fieldName, int fieldWidth, const std::string& hintText,
                                const char* hintName, int left, int right) {
        auto* label = new QLabel(Ui(labelText), this);
        const int labelWidth = std::min(TextWidth(label), right - left - fieldWidth - 4);
        Place(label, labelName, QRect(left, 236, labelWidth, 26));
        const int fieldX = left + labelWidth + 4;
        Place(field, fieldName, QRect(fieldX, 236, fieldWidth, 26));
        auto* hint = new QLabel(Ui(hintText), this);
        const int hintX = std::min(fieldX, right - TextWidth(hint));
        Place(hint, hintName, QRect(hintX, 266, right - hintX, 22));
        // The label names the field; the range under it describes it.
        label->setBuddy(field);
        field->setAccessibleDescription(hint->text());
    };
    m_portNumber = DigitsField(this, Page::kPortNumberChars);
    labelledField(StringTable::Dialog("CVRXPageNetConnectionSetting", "Port Number:"), "portLabel",
                  m_portNumber, "portNumber", 80,
                  StringTable::Dialog("CVRXPageNetConnectionSetting", "[0 - 32767]"), "portHint", 24, 268);
    m_inactiveTime = DigitsField(this, Page::kInactiveTimeChars);
    labelledField(StringTable::Dialog("CVRXPageNetConnectionSetting", "Inactivity Time:"), "inactivityLabel",
                  m_inactiveTime, "inactiveTime", 70,
                  StringTable::Dialog("CVRXPageNetConnectionSetting", "[0 - 3600] sec."), "inactivityHint",
                  296, 540);

    const QRect nameGroup = ToQRect(Page::Layout::kSystemNameGroup);
    m_systemNameLabel =
        new QLabel(Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "System Name:")), this);
    const int nameLabelWidth = std::max(124, TextWidth(m_systemNameLabel));
    Place(m_systemNameLabel, "systemNameLabel",
          QRect(nameGroup.x() + 12, nameGroup.y() + 26, nameLabelWidth, 26));
    m_systemName = Place(new QLineEdit(this), "systemName",
                         QRect(nameGroup.x() + 16 + nameLabelWidth, nameGroup.y() + 26,
                               nameGroup.width() - 28 - nameLabelWidth, 26));
    m_systemName->setMaxLength(Page::kSystemNameChars);

    // Screen readers name each field by its label.
    m_ipLabel->setBuddy(m_ipAddress);
    m_subnetLabel->setBuddy(m_subnetMask);
    m_gatewayLabel->setBuddy(m_gateway);
    m_systemNameLabel->setBuddy(m_systemName);
    const QString addressHelp = Ui(LoadString(StringId::AddressFieldDescription));
    for (IpAddressEdit* edit : {m_ipAddress, m_subnetMask, m_gateway})
        edit->setAccessibleDescription(addressHelp);

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
    // As wide as their texts need, Cancel at the right edge and Save before it.
    m_cancelWidth = std::max(Page::Layout::kCancelButton.width, m_cancel->sizeHint().width());
    m_saveWidth = std::max(Page::Layout::kSaveButton.width, m_save->sizeHint().width());

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

    Mnemonics::Assign(this);

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
    // The labels grey with their controls (DHCP mode).
    m_ipLabel->setEnabled(controls.ipAddress.enabled);
    m_subnetLabel->setEnabled(controls.subnetMask.enabled);
    m_gatewayLabel->setEnabled(controls.gateway.enabled);

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
    const Page::Rect& cancel = controls.cancelButton;
    m_cancel->setGeometry(cancel.x + cancel.width - m_cancelWidth, cancel.y, m_cancelWidth, cancel.height);
    const int saveRight = std::min(controls.saveButton.x + controls.saveButton.width, m_cancel->x() - 8);
    m_save->setGeometry(saveRight - m_saveWidth, controls.saveButton.y, m_saveWidth,
                        controls.saveButton.height);

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
