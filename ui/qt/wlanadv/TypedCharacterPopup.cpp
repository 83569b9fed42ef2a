#include "ui/qt/wlanadv/TypedCharacterPopup.h"

#include "ui/qt/QuorlinkLook.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVariantAnimation>

namespace {

constexpr int kSide = 230;

QFont CharacterFont() {
    // Impact where the system has it, else a heavy sans-serif face.
    QFont font(QStringLiteral("Impact"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPointSize(130);
    return font;
}

} // namespace

TypedCharacterPopup::TypedCharacterPopup(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("typedCharacterPopup"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kSide, kSide);

    const int total = kFadeInMs + kHoldMs + kFadeOutMs;
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(total);
    m_animation->setStartValue(0.0);
    m_animation->setKeyValueAt(double(kFadeInMs) / total, 1.0);
    m_animation->setKeyValueAt(double(kFadeInMs + kHoldMs) / total, 1.0);
    m_animation->setEndValue(0.0);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_opacity = value.toReal();
        update();
    });
    connect(m_animation, &QVariantAnimation::finished, this, &QWidget::hide);
}

TypedCharacterPopup::~TypedCharacterPopup() = default;

void TypedCharacterPopup::Flash(const QString& text, const QWidget* over) {
    m_text = text;
    QRect area;
    if (over)
        area = over->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
    m_animation->stop();
    m_opacity = 0;
    show();
    m_animation->start();
    update();
}

void TypedCharacterPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setOpacity(m_opacity);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 28, 28);
    QLinearGradient background(0, 0, 0, height());
    QColor top = QuorlinkLook::CaptionDark();
    QColor bottom = QuorlinkLook::CaptionMiddle();
    top.setAlpha(225);
    bottom.setAlpha(225);
    background.setColorAt(0, top);
    background.setColorAt(1, bottom);
    p.fillPath(tile, background);
    p.setPen(QColor(255, 255, 255, 90));
    p.drawPath(tile);
    p.setFont(CharacterFont());
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, m_text);
}
