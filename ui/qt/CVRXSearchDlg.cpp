#include "ui/qt/CVRXSearchDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/QtDialogPlacement.h"

#include <QLabel>
#include <QPainter>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {
constexpr const char* kWindow = "CVRXSearchDlg";
}

CVRXSearchDlg::CVRXSearchDlg(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_busy(new CVRXBusyProgressCtrl(SearchDialogModel::kInitialBlocks, SearchDialogModel::kInitialPosition,
                                      this)),
      m_heard(new QLabel(this)), m_model(endpoint, messages, cursor, m_busy->Control()) {
    setModal(true);
    // The indicator's 203 x 34 dialog units and a line under it for the count.
    setFixedSize(QtDialogPlacement::DialogUnitsToPixels(*this, 203, 48));
    m_busy->setObjectName(QStringLiteral("1001"));
    m_busy->setAccessibleName(QString::fromStdString(StringTable::Dialog(kWindow, "Search for")));
    // The indicator fills the dialog inside a margin of 7 × 7 dialog units.
    const QSize margin = QtDialogPlacement::DialogUnitsToPixels(*this, 7, 7);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->setSpacing(QtDialogPlacement::DialogUnitsToPixels(*this, 0, 3).height());
    layout->addWidget(m_busy, 1);
    m_heard->setObjectName(QStringLiteral("PrintersHeard"));
    m_heard->setAlignment(Qt::AlignCenter);
    m_heard->setText(QString::fromStdString(m_model.PrintersHeardText()));
    layout->addWidget(m_heard);
}

CVRXSearchDlg::~CVRXSearchDlg() {
    m_timer.stop();
    m_model.OnDestroy();
}

int CVRXSearchDlg::exec() {
    QtDialogPlacement::PlaceAboveMainWindowCentre(*this, parentWidget());
    if (!m_model.InitDialog()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    m_timer.start(SearchDialogModel::kTimerMilliseconds, this);
    return QDialog::exec();
}

bool CVRXSearchDlg::CopyWLanInfoTo(WLanInfoMap& target) {
    return m_model.CopyWLanInfoTo(target);
}

bool CVRXSearchDlg::CopyEthernetInfoTo(EthernetInfoMap& target) {
    return m_model.CopyEthernetInfoTo(target);
}

void CVRXSearchDlg::reject() {
    if (!m_model.OnCancel())
        return;
    m_timer.stop();
    QDialog::reject();
}

void CVRXSearchDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    const bool ended = m_model.OnTimer();
    m_heard->setText(QString::fromStdString(m_model.PrintersHeardText()));
    if (ended) {
        m_timer.stop();
        if (m_model.WasCancelled())
            QDialog::reject();
        else
            accept();
    }
}

void CVRXSearchDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The thin border of a window without a frame.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
