#include "ui/qt/CaptionBar.h"

#include "ui/qt/QuorlinkLook.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr int kTitleHeight = 32;
constexpr int kNoticeHeight = 24;

} // namespace

CaptionBar::CaptionBar(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(kind == Kind::Title ? kTitleHeight : kNoticeHeight);
}

void CaptionBar::SetText(const QString& text) {
    m_text = text;
    setAccessibleName(text);
    update();
}

void CaptionBar::SetIcon(const QIcon& icon) {
    m_icon = icon;
    update();
}

QSize CaptionBar::sizeHint() const {
    return QSize(400, height());
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = rect();

    // Gradient from the dark left to the light right, with a soft sheen on the upper half.
    QLinearGradient background(area.topLeft(), area.topRight());
    const bool title = m_kind == Kind::Title;
    background.setColorAt(0, QuorlinkLook::CaptionDark());
    background.setColorAt(0.6, QuorlinkLook::CaptionMiddle());
    background.setColorAt(1, title ? QuorlinkLook::CaptionLight() : QuorlinkLook::CaptionMiddle());
    p.fillRect(area, background);
    QLinearGradient sheen(area.topLeft(), area.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, title ? 46 : 26));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 8));
    sheen.setColorAt(1, QColor(0, 0, 0, 30));
    p.fillRect(area, sheen);

    // The maker's name, large and faint, at the right end.
    QFont nameFont = QuorlinkLook::CaptionFont();
    nameFont.setItalic(true);
    nameFont.setPixelSize(title ? 28 : 18);
    nameFont.setLetterSpacing(QFont::AbsoluteSpacing, title ? 4 : 2);
    p.setFont(nameFont);
    p.setPen(QColor(255, 255, 255, title ? 70 : 50));
    p.drawText(area.adjusted(0, 0, -14, title ? 2 : 1), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("HALDA"));

    // Icon and text.
    qreal x = 10;
    if (!m_icon.isNull()) {
        const int size = title ? 22 : 16;
        m_icon.paint(&p, QRect(int(x), (height() - size) / 2, size, size));
        x += size + 8;
    }
    QFont textFont = QuorlinkLook::CaptionFont();
    p.setFont(textFont);
    // Light on the bar's own dark gradient, whatever the desktop's palette.
    p.setPen(QColor(0xf4, 0xf7, 0xfb));
    p.drawText(QRectF(x, 0, area.width() - x - 10, area.height()), Qt::AlignLeft | Qt::AlignVCenter, m_text);

    // A thin line between the bar and the window's content.
    p.setPen(QColor(0, 0, 0, 60));
    if (title)
        p.drawLine(area.bottomLeft(), area.bottomRight());
    else
        p.drawLine(area.topLeft(), area.topRight());
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    if (m_kind != Kind::Title || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // A press anywhere on the bar counts as a press on a title bar: let the window manager move the
    // window, or move it ourselves where it cannot.
    QWidget* top = window();
    if (top->windowHandle() && top->windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    m_bDragging = true;
    m_dragOffset = event->globalPosition().toPoint() - top->frameGeometry().topLeft();
    event->accept();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_bDragging && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent* event) {
    if (m_bDragging && event->button() == Qt::LeftButton) {
        m_bDragging = false;
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
