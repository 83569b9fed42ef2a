#include "ui/qt/CVRXWaitingDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/QtDialogPlacement.h"

#include <QKeyEvent>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {
constexpr const char* kWindow = "CVRXWaitingDlg";
}

CVRXWaitingDlg::CVRXWaitingDlg(ICursor& cursor, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), m_mainWindow(mainWindow),
      m_busy(new CVRXBusyProgressCtrl(WaitingDialogModel::kInitialBlocks,
                                      WaitingDialogModel::kInitialPosition, this)),
      m_model(m_busy->Control(), cursor) {
    setModal(true);
    setFixedSize(QtDialogPlacement::DialogUnitsToPixels(*this, 195, 34));
    m_busy->setObjectName(QStringLiteral("1001"));
    m_busy->setAccessibleName(QString::fromStdString(StringTable::Dialog(kWindow, "Waiting for")));
    // The indicator fills the dialog inside a margin of 7 × 7 dialog units.
    const QSize margin = QtDialogPlacement::DialogUnitsToPixels(*this, 7, 7);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->addWidget(m_busy);
}

CVRXWaitingDlg::~CVRXWaitingDlg() {
    m_cursorTimer.stop();
    m_model.OnDestroy();
}

int CVRXWaitingDlg::exec() {
    QtDialogPlacement::PlaceAboveMainWindowCentre(*this, m_mainWindow);
    if (m_model.Initialize())
        m_cursorTimer.start(WaitingDialogModel::kCursorTimerMilliseconds, this);
    return QDialog::exec();
}

void CVRXWaitingDlg::CloseWaiting() {
    m_cursorTimer.stop();
    m_model.CloseWaiting();
    done(QDialog::Accepted);
}

void CVRXWaitingDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CVRXWaitingDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_cursorTimer.timerId()) {
        m_model.OnTimer();
        return;
    }
    QDialog::timerEvent(event);
}
