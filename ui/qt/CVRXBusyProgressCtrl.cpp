#include "ui/qt/CVRXBusyProgressCtrl.h"

#include "ui/qt/QuorlinkAccessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QThread>

namespace {

QColor ToQColor(BusyProgressModel::Color color) {
    return QColor(color.red, color.green, color.blue);
}

QRect ToQRect(const BusyProgressModel::Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

BusyProgressModel::Color ButtonColor(const QWidget& widget) {
    const QColor button = widget.palette().color(QPalette::Button);
    return {static_cast<std::uint8_t>(button.red()), static_cast<std::uint8_t>(button.green()),
            static_cast<std::uint8_t>(button.blue())};
}

} // namespace

CVRXBusyProgressCtrl::CVRXBusyProgressCtrl(int numberOfBlocks, int position, QWidget* parent)
    : QWidget(parent), m_control(numberOfBlocks, position, [this] { RequestRepaint(); }) {
    QuorlinkAccessibility::Install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_control.SetSystemColor(ButtonColor(*this));
    m_control.SetClientArea({0, 0, width(), height()});
    m_control.SetRunningListener([this](bool) {
        if (QThread::currentThread() == thread())
            ReportRunning();
        else
            QMetaObject::invokeMethod(
                this, [this] { ReportRunning(); }, Qt::QueuedConnection);
    });
}

CVRXBusyProgressCtrl::~CVRXBusyProgressCtrl() {
    m_control.SetRunningListener(nullptr);
    m_control.Stop();
}

void CVRXBusyProgressCtrl::ReportRunning() {
    // A screen reader hears that the wait began or ended: the busy and animated states changed.
    const bool running = m_control.IsRunning();
    if (running == m_bReportedRunning)
        return;
    m_bReportedRunning = running;
    QAccessible::State changed;
    changed.busy = true;
    changed.animated = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

CVRXBusyProgressCtrl* CVRXBusyProgressCtrl::TakeOver(QLabel* placeholder, int numberOfBlocks, int position) {
    QWidget* parent = placeholder->parentWidget();
    auto* control = new CVRXBusyProgressCtrl(numberOfBlocks, position, parent);
    control->setObjectName(placeholder->objectName());
    control->setAccessibleName(placeholder->text());
    control->setGeometry(placeholder->geometry());
    control->setSizePolicy(placeholder->sizePolicy());
    if (parent && parent->layout() && parent->layout()->indexOf(placeholder) >= 0)
        delete parent->layout()->replaceWidget(placeholder, control);
    control->setVisible(placeholder->isVisibleTo(parent));
    delete placeholder;
    return control;
}

void CVRXBusyProgressCtrl::RequestRepaint() {
    // From the animation thread as well: update() belongs to this widget's thread. A repaint still queued
    // when the widget goes is dropped with it.
    QMetaObject::invokeMethod(
        this, [this] { update(); }, Qt::QueuedConnection);
}

void CVRXBusyProgressCtrl::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_pixmap.isNull() || m_pixmap.size() != pixels) {
        m_pixmap = QPixmap(pixels);
        m_pixmap.setDevicePixelRatio(ratio);
        ++m_nPixmapBuilds;
    }
    {
        QPainter painter(&m_pixmap);
        for (const auto& item : m_control.PaintPlan()) {
            const QRect rect = ToQRect(item.rect);
            if (rect.isEmpty())
                continue;
            painter.fillRect(rect, ToQColor(item.border));
            const QRect inner = rect.adjusted(1, 1, -1, -1);
            if (item.fill != item.border && !inner.isEmpty())
                painter.fillRect(inner, ToQColor(item.fill));
        }
    }
    QPainter(this).drawPixmap(0, 0, m_pixmap);
}

void CVRXBusyProgressCtrl::resizeEvent(QResizeEvent* event) {
    m_control.SetClientArea({0, 0, event->size().width(), event->size().height()});
    // Qt also sends the size again without a change (when a hidden widget is rendered); that keeps it.
    if (m_pixmap.deviceIndependentSize() != QSizeF(event->size()))
        m_pixmap = QPixmap();
    QWidget::resizeEvent(event);
}

void CVRXBusyProgressCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        m_control.SetSystemColor(ButtonColor(*this));
        update();
    }
    QWidget::changeEvent(event);
}
