#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QtDialogPlacement.h"
#include "ui/qt/QuorlinkLook.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSizeGrip>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {

using Model = CVRXPageWLanAdvConnectDevice;
constexpr const char* kWindow = "CVRXPageWLanAdvConnectDevice";

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

QString Id(int controlId) {
    return QString::number(controlId);
}

void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void ShowList(QComboBox* combo, const Model::ListControl& list) {
    QStringList items;
    for (const std::string& item : list.items)
        items << Ui(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != list.selected)
        combo->setCurrentIndex(list.selected);
}

} // namespace

CVRXPageWLanAdvConnectDeviceDlg::CVRXPageWLanAdvConnectDeviceDlg(CVRXPageWLanAdvConnectDevice& model,
                                                                 QWidget* mainWindow)
    : FramedDialog(mainWindow), m_model(model), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("connectDeviceDialog"));
    setStyleSheet(QuorlinkLook::WindowStyleSheet());
    const QString title = Ui(LoadString(StringId::DeviceConnection));
    setWindowTitle(title);

    TitleBar()->setObjectName(Id(Model::IDC_TITLE));
    TitleBar()->SetText(title);

    QVBoxLayout* body = Body();
    body->setContentsMargins(14, 12, 14, 12);
    body->setSpacing(10);

    auto* interfaceGroup = new QGroupBox(Ui(StringTable::Dialog(kWindow, "Interface")), this);
    interfaceGroup->setObjectName(QStringLiteral("interfaceGroup"));
    auto* radios = new QHBoxLayout(interfaceGroup);
    radios->setContentsMargins(12, 10, 12, 8);
    m_radioUsb = new QRadioButton(Ui(StringTable::Dialog(kWindow, "USB")), interfaceGroup);
    m_radioUsb->setObjectName(Id(Model::IDC_RADIO_USB));
    m_radioSerial = new QRadioButton(Ui(StringTable::Dialog(kWindow, "SERIAL")), interfaceGroup);
    m_radioSerial->setObjectName(Id(Model::IDC_RADIO_SERIAL));
    radios->addWidget(m_radioUsb);
    radios->addSpacing(24);
    radios->addWidget(m_radioSerial);
    radios->addStretch(1);
    body->addWidget(interfaceGroup);

    auto* portGroup = new QGroupBox(Ui(StringTable::Dialog(kWindow, "Port Settings")), this);
    portGroup->setObjectName(QStringLiteral("portGroup"));
    auto* grid = new QGridLayout(portGroup);
    grid->setContentsMargins(12, 12, 12, 10);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    const auto combo = [&](int controlId) {
        auto* box = new QComboBox(portGroup);
        box->setObjectName(Id(controlId));
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
        return box;
    };
    auto* portLabel = new QLabel(Ui(StringTable::Dialog(kWindow, "Port:")), portGroup);
    portLabel->setObjectName(QStringLiteral("portLabel"));
    m_port = combo(Model::IDC_COMBO_PORT);
    m_port->setMinimumContentsLength(30);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    portLabel->setBuddy(m_port);
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(m_port, 0, 1);

    struct Row {
        int labelId;
        QString label;
        int comboId;
        QComboBox** combo;
    };
    const Row rows[] = {
        {1153, Ui(StringTable::Dialog(kWindow, "Baud Rate:")), Model::IDC_COMBO_BAUDRATE, &m_baudRate},
        {1157, Ui(StringTable::Dialog(kWindow, "Data Bits:")), Model::IDC_COMBO_DATABITS, &m_dataBits},
        {1154, Ui(StringTable::Dialog(kWindow, "Parity:")), Model::IDC_COMBO_PARITY, &m_parity},
        {1155, Ui(StringTable::Dialog(kWindow, "Stop Bits:")), Model::IDC_COMBO_STOPBITS, &m_stopBits},
        {1156, Ui(StringTable::Dialog(kWindow, "Flow Control:")), Model::IDC_COMBO_FLOWCONTROL,
         &m_flowControl},
    };
    int row = 1;
    for (const Row& r : rows) {
        auto* label = new QLabel(r.label, portGroup);
        label->setObjectName(Id(r.labelId));
        *r.combo = combo(r.comboId);
        label->setBuddy(*r.combo);
        grid->addWidget(label, row, 0);
        grid->addWidget(*r.combo, row, 1, Qt::AlignLeft);
        for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(*r.combo)}) {
            KeepPlaceWhenHidden(widget);
            m_serialWidgets << widget;
        }
        const int controlId = r.comboId;
        connect(*r.combo, &QComboBox::activated, this,
                [this, controlId](int index) { m_model.OnListSelected(controlId, index); });
        ++row;
    }
    body->addWidget(portGroup);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_connect = new QPushButton(QuorlinkLook::Icon(QuorlinkLook::IconKind::Configuration),
                                Ui(StringTable::Dialog(kWindow, "Connect")), this);
    m_connect->setObjectName(Id(Model::IDC_BTN_CONNECT));
    m_cancel = new QPushButton(QuorlinkLook::Icon(QuorlinkLook::IconKind::Cancel),
                               Ui(StringTable::Dialog(kWindow, "Cancel")), this);
    m_cancel->setObjectName(Id(Model::IDC_BTN_CANCEL));
    for (QPushButton* button : {m_connect, m_cancel}) {
        button->setIconSize(QSize(20, 20));
        button->setMinimumSize(106, 30);
        // Enter is the dialog's: it presses Connect through the model, never a default button.
        button->setAutoDefault(false);
        button->setDefault(false);
        buttons->addWidget(button);
    }
    body->addLayout(buttons);
    // The window has no system frame: the grip in the corner makes it larger.
    auto* grip = new QSizeGrip(this);
    grip->setObjectName(QStringLiteral("sizeGrip"));
    body->addWidget(grip, 0, Qt::AlignRight | Qt::AlignBottom);
    Mnemonics::Assign(this);
    // A list that drops down reads as its label, as its box does.
    for (QLabel* label : findChildren<QLabel*>())
        if (auto* box = qobject_cast<QComboBox*>(label->buddy()))
            box->view()->setAccessibleName(Mnemonics::Strip(label->text()));

    // toggled, not clicked: a choice made through the accessibility action ("Toggle") or the keyboard counts.
    connect(m_radioUsb, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !m_bRefreshing)
            m_model.OnBnClickedRadioUsb();
    });
    connect(m_radioSerial, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !m_bRefreshing)
            m_model.OnBnClickedRadioSerial();
    });
    connect(m_port, &QComboBox::activated, this, [this](int index) { m_model.OnPortSelected(index); });
    connect(m_connect, &QPushButton::clicked, this, [this] {
        ReadControls();
        m_model.OnBnClickedConnectBtn();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_model.OnCancel(); });
    m_port->installEventFilter(this);

    m_model.SetChangeListener([this] { Refresh(); });
    // The size with every control shown is the smallest, whatever is hidden later; larger, the lists widen.
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

CVRXPageWLanAdvConnectDeviceDlg::~CVRXPageWLanAdvConnectDeviceDlg() {
    m_timer.stop();
    m_model.SetChangeListener(nullptr);
}

int CVRXPageWLanAdvConnectDeviceDlg::exec() {
    QtDialogPlacement::PlaceOverMainWindowCentre(*this, m_mainWindow);
    m_model.OnInitDialog();
    if (m_model.IsEnded())
        return m_model.GetResult();
    m_port->setFocus(Qt::OtherFocusReason);
    QDialog::exec();
    return m_model.IsEnded() ? m_model.GetResult() : Model::kResultCancelled;
}

void CVRXPageWLanAdvConnectDeviceDlg::ReadControls() {
    Model::ShownControls shown;
    shown.interfaceChoice = m_radioSerial->isChecked() ? Model::kInterfaceSerial : Model::kInterfaceUsb;
    shown.portText = m_port->currentText().toStdString();
    shown.portIndex = m_port->currentIndex();
    shown.baudRate = m_baudRate->currentIndex();
    shown.dataBits = m_dataBits->currentIndex();
    shown.parity = m_parity->currentIndex();
    shown.stopBits = m_stopBits->currentIndex();
    shown.flowControl = m_flowControl->currentIndex();
    m_model.ReadControls(shown);
}

void CVRXPageWLanAdvConnectDeviceDlg::Refresh() {
    const bool outer = !m_bRefreshing;
    m_bRefreshing = true;
    RefreshControls();
    if (outer)
        m_bRefreshing = false;
    if (m_model.IsEnded() && !m_bDone) {
        m_bDone = true;
        QDialog::done(m_model.GetResult());
    }
}

void CVRXPageWLanAdvConnectDeviceDlg::RefreshControls() {
    const Model::Controls& c = m_model.GetControls();
    TitleBar()->SetText(Ui(c.title.empty() ? LoadString(StringId::DeviceConnection) : c.title));
    (c.interfaceChoice == Model::kInterfaceSerial ? m_radioSerial : m_radioUsb)->setChecked(true);

    if (m_port->isEditable() != c.portEditable) {
        m_port->setEditable(c.portEditable);
        if (QLineEdit* field = m_port->lineEdit()) {
            // Any change of the text that Refresh did not make is the user's, typed or put there otherwise.
            connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
                if (!m_bRefreshing)
                    m_model.OnPortTextEdited(text.toStdString());
            });
        }
    }
    ShowList(m_port, c.port);
    if (c.portEditable && m_port->currentText() != Ui(c.portText))
        m_port->setEditText(Ui(c.portText));
    const std::pair<QComboBox*, const Model::ListControl*> lists[] = {{m_baudRate, &c.baudRate},
                                                                      {m_dataBits, &c.dataBits},
                                                                      {m_parity, &c.parity},
                                                                      {m_stopBits, &c.stopBits},
                                                                      {m_flowControl, &c.flowControl}};
    for (const auto& [combo, list] : lists)
        ShowList(combo, *list);
    for (QWidget* widget : m_serialWidgets)
        widget->setVisible(c.serialSettingsVisible);
    m_connect->setEnabled(c.connectEnabled);

    if (c.timerRunning && !m_timer.isActive())
        m_timer.start(Model::kTimerMilliseconds, this);
    else if (!c.timerRunning)
        m_timer.stop();
}

bool CVRXPageWLanAdvConnectDeviceDlg::HandleKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ReadControls();
        m_model.OnEnter();
        return true;
    case Qt::Key_Escape:
        m_model.OnCancel();
        return true;
    default:
        return false;
    }
}

bool CVRXPageWLanAdvConnectDeviceDlg::eventFilter(QObject* watched, QEvent* event) {
    // The editable Port list would keep Enter and Escape to itself.
    if (watched == m_port && event->type() == QEvent::KeyPress && !m_port->view()->isVisible() &&
        HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CVRXPageWLanAdvConnectDeviceDlg::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CVRXPageWLanAdvConnectDeviceDlg::reject() {
    // The window's close: cancelled, as Escape.
    m_model.OnCancel();
    if (!m_bDone) {
        m_bDone = true;
        QDialog::done(Model::kResultCancelled);
    }
}

void CVRXPageWLanAdvConnectDeviceDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    m_model.OnTimer();
}
