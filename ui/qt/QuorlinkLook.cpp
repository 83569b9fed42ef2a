#include "ui/qt/QuorlinkLook.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>
#include <QtMath>

#include <algorithm>

namespace QuorlinkLook {

namespace {

// Every icon is drawn on a 24 x 24 grid and scaled to the pixmap's size.
constexpr qreal kGrid = 24.0;

const QColor kInk(0x1f, 0x4e, 0x7e);
const QColor kSteel(0x5b, 0x6b, 0x7d);

QLinearGradient VerticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

void DrawSearch(QPainter& p) {
    // Lens with a light glass, and the handle.
    p.setPen(QPen(QColor(0x44, 0x51, 0x5f), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.2, 15.2), QPointF(21.0, 21.0));
    QRadialGradient glass(QPointF(8.5, 8.0), 8.0);
    glass.setColorAt(0, QColor(0xff, 0xff, 0xff, 235));
    glass.setColorAt(1, QColor(0x9f, 0xcd, 0xee, 235));
    p.setBrush(glass);
    p.setPen(QPen(kInk, 2.4));
    p.drawEllipse(QPointF(10.0, 10.0), 6.6, 6.6);
}

void DrawGear(QPainter& p, const QPointF& centre, qreal outer, qreal inner, qreal hole) {
    QPainterPath gear;
    const int teeth = 8;
    for (int t = 0; t < teeth; ++t) {
        const qreal base = t * 360.0 / teeth;
        const qreal angles[] = {base - 15, base - 8, base + 8, base + 15};
        const qreal radii[] = {inner, outer, outer, inner};
        for (int i = 0; i < 4; ++i) {
            const QPointF point(centre.x() + radii[i] * qCos(qDegreesToRadians(angles[i])),
                                centre.y() + radii[i] * qSin(qDegreesToRadians(angles[i])));
            if (t == 0 && i == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(centre, hole, hole);
    gear.setFillRule(Qt::OddEvenFill);
    p.setBrush(VerticalGradient(centre.y() - outer, centre.y() + outer, QColor(0x9a, 0xa9, 0xba), kSteel));
    p.setPen(QPen(QColor(0x3a, 0x47, 0x55), 1.0));
    p.drawPath(gear);
}

void DrawConfiguration(QPainter& p) {
    DrawGear(p, QPointF(12, 12), 10.5, 7.8, 3.4);
}

void DrawGlobe(QPainter& p, const QPointF& centre, qreal radius) {
    p.setBrush(VerticalGradient(centre.y() - radius, centre.y() + radius, QColor(0x5c, 0xb6, 0xe8),
                                QColor(0x1c, 0x5d, 0x9c)));
    p.setPen(QPen(QColor(0x16, 0x4a, 0x7e), 1.2));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.2));
    p.drawEllipse(centre, radius * 0.45, radius);
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    const qreal dy = radius * 0.5;
    const qreal dx = radius * qSqrt(1 - 0.25) * 0.97;
    p.drawLine(QPointF(centre.x() - dx, centre.y() - dy), QPointF(centre.x() + dx, centre.y() - dy));
    p.drawLine(QPointF(centre.x() - dx, centre.y() + dy), QPointF(centre.x() + dx, centre.y() + dy));
}

void DrawBrowser(QPainter& p) {
    DrawGlobe(p, QPointF(12, 12), 9.8);
}

void DrawClose(QPainter& p) {
    p.setBrush(VerticalGradient(2, 22, QColor(0xea, 0x6b, 0x66), QColor(0xb5, 0x2b, 0x27)));
    p.setPen(QPen(QColor(0x8e, 0x1f, 0x1b), 1.0));
    p.drawEllipse(QPointF(12, 12), 9.8, 9.8);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.4, 8.4), QPointF(15.6, 15.6));
    p.drawLine(QPointF(15.6, 8.4), QPointF(8.4, 15.6));
}

void DrawSave(QPainter& p) {
    // A diskette: the body, the label and the shutter.
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(18, 3);
    body.lineTo(21, 6);
    body.lineTo(21, 21);
    body.lineTo(3, 21);
    body.closeSubpath();
    p.setBrush(VerticalGradient(3, 21, QColor(0x5c, 0xa0, 0xdc), QColor(0x1f, 0x5f, 0x99)));
    p.setPen(QPen(QColor(0x16, 0x4a, 0x7e), 1.0));
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x9f, 0xb4, 0xc8), 1.0));
    p.drawRect(QRectF(6.5, 12.5, 11, 7.5));
    p.drawLine(QPointF(8.5, 15), QPointF(15.5, 15));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    p.setBrush(QColor(0xd6, 0xdd, 0xe5));
    p.setPen(QPen(QColor(0x44, 0x51, 0x5f), 1.0));
    p.drawRect(QRectF(7.5, 3.5, 8, 5.5));
    p.setBrush(QColor(0x44, 0x51, 0x5f));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(12.5, 4.5, 2, 3.5));
}

void DrawCancel(QPainter& p) {
    // An arrow curving back to the left: back to the list, nothing saved.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x44, 0x51, 0x5f), 3.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath curve;
    curve.moveTo(7, 9);
    curve.lineTo(14, 9);
    curve.cubicTo(QPointF(23, 9), QPointF(23, 20), QPointF(14, 20));
    curve.lineTo(9, 20);
    p.drawPath(curve);
    QPolygonF head;
    head << QPointF(2, 9) << QPointF(9, 3.5) << QPointF(9, 14.5);
    p.setBrush(QColor(0x44, 0x51, 0x5f));
    p.setPen(QPen(QColor(0x44, 0x51, 0x5f), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(head);
}

void DrawLanguage(QPainter& p) {
    // Two speech bubbles: a back one and a front one with "A".
    QPainterPath back;
    back.addRoundedRect(QRectF(9, 2, 13, 10), 2.5, 2.5);
    p.setBrush(QColor(0x9c, 0xc9, 0x8f));
    p.setPen(QPen(QColor(0x3d, 0x7a, 0x3a), 1.0));
    p.drawPath(back);

    QPainterPath front;
    front.addRoundedRect(QRectF(2, 7, 15, 12), 3, 3);
    QPolygonF tail;
    tail << QPointF(5, 18) << QPointF(4.5, 22.5) << QPointF(10, 18);
    front.addPolygon(tail);
    front = front.simplified();
    p.setBrush(VerticalGradient(7, 22, QColor(0x4c, 0xaf, 0x50), QColor(0x2e, 0x7d, 0x32)));
    p.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 1.0));
    p.drawPath(front);

    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 7, 15, 12), Qt::AlignCenter, QStringLiteral("A"));
}

void DrawPrinter(QPainter& p) {
    // Paper going in at the back, the body, and the printed sheet coming out.
    p.setPen(QPen(QColor(0x8a, 0x96, 0xa3), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    p.setBrush(VerticalGradient(8, 18, QColor(0x8f, 0x9e, 0xaf), QColor(0x4a, 0x58, 0x68)));
    p.setPen(QPen(QColor(0x33, 0x3f, 0x4c), 1.0));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(QColor(0x6c, 0xd4, 0x6f));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(18.5, 11.5), 1.2, 1.2);
    p.setPen(QPen(QColor(0x8a, 0x96, 0xa3), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(QPen(QColor(0x9f, 0xb4, 0xc8), 1.0));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
}

void DrawWaves(QPainter& p, const QPointF& origin, qreal scale, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2.4 * scale, Qt::SolidLine, Qt::RoundCap));
    for (qreal radius : {4.5, 9.0, 13.5}) {
        const qreal r = radius * scale;
        p.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(origin, 1.8 * scale, 1.8 * scale);
}

void DrawWLan(QPainter& p) {
    DrawWaves(p, QPointF(12, 19), 1.0, QColor(0x1f, 0x6f, 0xb5));
    DrawGear(p, QPointF(18.5, 18.5), 5.2, 3.9, 1.6);
}

void DrawSettings(QPainter& p) {
    // Three connected stations.
    p.setPen(QPen(QColor(0x33, 0x3f, 0x4c), 1.6));
    p.drawLine(QPointF(12, 8), QPointF(12, 13));
    p.drawLine(QPointF(6, 13), QPointF(18, 13));
    p.drawLine(QPointF(6, 13), QPointF(6, 16));
    p.drawLine(QPointF(18, 13), QPointF(18, 16));
    const QRectF boxes[] = {QRectF(7.5, 1.5, 9, 6.5), QRectF(1.5, 15.5, 9, 6.5), QRectF(13.5, 15.5, 9, 6.5)};
    for (const QRectF& box : boxes) {
        p.setBrush(
            VerticalGradient(box.top(), box.bottom(), QColor(0x6f, 0xb8, 0xea), QColor(0x1f, 0x5f, 0x99)));
        p.setPen(QPen(QColor(0x16, 0x4a, 0x7e), 1.0));
        p.drawRoundedRect(box, 1.5, 1.5);
    }
}

void DrawApplication(QPainter& p) {
    p.save();
    p.translate(0, 3);
    p.scale(1.0, 0.875);
    DrawPrinter(p);
    p.restore();
    DrawWaves(p, QPointF(19, 8), 0.5, QColor(0x1f, 0x6f, 0xb5));
}

void DrawPlug(QPainter& p, bool connected) {
    // A plug and its socket: pushed together when connected, apart with a gap when not.
    const qreal gap = connected ? 0.0 : 3.0;
    p.setPen(QPen(QColor(0x33, 0x3f, 0x4c), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1.5, 22.5), QPointF(6, 18));
    p.drawLine(QPointF(18, 6), QPointF(22.5, 1.5));
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    // The plug, left, with its two pins.
    p.setBrush(VerticalGradient(-5, 5, QColor(0x6f, 0xb8, 0xea), QColor(0x1f, 0x5f, 0x99)));
    p.setPen(QPen(QColor(0x16, 0x4a, 0x7e), 1.0));
    p.drawRoundedRect(QRectF(-9 - gap, -4.5, 6, 9), 1.5, 1.5);
    p.setPen(QPen(QColor(0x44, 0x51, 0x5f), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-3 - gap, -2), QPointF(1 - gap, -2));
    p.drawLine(QPointF(-3 - gap, 2), QPointF(1 - gap, 2));
    // The socket, right.
    p.setBrush(VerticalGradient(-5, 5, connected ? QColor(0x8b, 0xd8, 0x8e) : QColor(0xd6, 0xdd, 0xe5),
                                connected ? QColor(0x2e, 0x7d, 0x32) : QColor(0x8a, 0x96, 0xa3)));
    p.setPen(QPen(QColor(0x33, 0x3f, 0x4c), 1.0));
    p.drawRoundedRect(QRectF(1 + gap, -4.5, 7, 9), 1.5, 1.5);
    p.restore();
}

void DrawFolder(QPainter& p) {
    QPainterPath back;
    back.moveTo(2.5, 5);
    back.lineTo(9, 5);
    back.lineTo(11, 7);
    back.lineTo(20.5, 7);
    back.lineTo(20.5, 19.5);
    back.lineTo(2.5, 19.5);
    back.closeSubpath();
    p.setBrush(QColor(0xd9, 0xa4, 0x3a));
    p.setPen(QPen(QColor(0x9a, 0x6b, 0x13), 1.0));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(5, 10);
    front.lineTo(22.5, 10);
    front.lineTo(20.5, 19.5);
    front.lineTo(2.5, 19.5);
    front.closeSubpath();
    p.setBrush(VerticalGradient(10, 20, QColor(0xff, 0xd8, 0x7a), QColor(0xe8, 0xaa, 0x2e)));
    p.drawPath(front);
}

void DrawSaveAsFile(QPainter& p) {
    p.save();
    p.translate(0, 2);
    p.scale(0.8, 0.8);
    DrawSave(p);
    p.restore();
    // A sheet of paper at the front right: a file.
    QPainterPath sheet;
    sheet.moveTo(13.5, 9.5);
    sheet.lineTo(19.5, 9.5);
    sheet.lineTo(22.5, 12.5);
    sheet.lineTo(22.5, 22.5);
    sheet.lineTo(13.5, 22.5);
    sheet.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x5b, 0x6b, 0x7d), 1.0));
    p.drawPath(sheet);
    p.setPen(QPen(QColor(0x9f, 0xb4, 0xc8), 1.0));
    p.drawLine(QPointF(15.5, 15), QPointF(20.5, 15));
    p.drawLine(QPointF(15.5, 17.5), QPointF(20.5, 17.5));
    p.drawLine(QPointF(15.5, 20), QPointF(20.5, 20));
}

void DrawFactoryReset(QPainter& p) {
    // A circular arrow around a small chip: back to the module's first settings.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc0, 0x5a, 0x1a), 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(3, 3, 18, 18), 120 * 16, 290 * 16);
    QPolygonF head;
    head << QPointF(1.5, 4.5) << QPointF(9.5, 3.5) << QPointF(4.5, 10.5);
    p.setBrush(QColor(0xc0, 0x5a, 0x1a));
    p.setPen(QPen(QColor(0xc0, 0x5a, 0x1a), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(head);
    p.setBrush(VerticalGradient(8, 16, QColor(0x8f, 0x9e, 0xaf), QColor(0x4a, 0x58, 0x68)));
    p.setPen(QPen(QColor(0x33, 0x3f, 0x4c), 1.0));
    p.drawRect(QRectF(8.5, 8.5, 7, 7));
}

void DrawToggle(QPainter& p, bool set) {
    // Three rows of a list; when set, the rows are shown opened out below a triangle pointing down. It
    // stands bare on the window's background: the triangle in the palette's highlight, the rows in its text
    // colour a little towards the background, so that it reads on a light and on a dark palette.
    const QPalette palette = QGuiApplication::palette();
    const QColor text = palette.color(QPalette::WindowText);
    const QColor window = palette.color(QPalette::Window);
    auto mix = [](int a, int b) { return (a * 70 + b * 30) / 100; };
    const QColor rowsColour(mix(text.red(), window.red()), mix(text.green(), window.green()),
                            mix(text.blue(), window.blue()));
    p.setPen(Qt::NoPen);
    p.setBrush(palette.color(QPalette::Highlight));
    QPolygonF triangle;
    if (set)
        triangle << QPointF(3, 6) << QPointF(11, 6) << QPointF(7, 11);
    else
        triangle << QPointF(5, 4) << QPointF(10, 8.5) << QPointF(5, 13);
    p.drawPolygon(triangle);
    p.setPen(QPen(rowsColour, 2.0, Qt::SolidLine, Qt::RoundCap));
    const int rows = set ? 3 : 1;
    for (int row = 0; row < rows; ++row)
        p.drawLine(QPointF(13, 8.5 + row * 5.5), QPointF(21.5, 8.5 + row * 5.5));
}

void Draw(IconKind kind, QPainter& p) {
    switch (kind) {
    case IconKind::Application:
        DrawApplication(p);
        break;
    case IconKind::Configuration:
        DrawConfiguration(p);
        break;
    case IconKind::Browser:
        DrawBrowser(p);
        break;
    case IconKind::Search:
        DrawSearch(p);
        break;
    case IconKind::Close:
        DrawClose(p);
        break;
    case IconKind::Language:
        DrawLanguage(p);
        break;
    case IconKind::Save:
        DrawSave(p);
        break;
    case IconKind::Cancel:
        DrawCancel(p);
        break;
    case IconKind::PrinterListTab:
        DrawPrinter(p);
        break;
    case IconKind::WLanTab:
        DrawWLan(p);
        break;
    case IconKind::SettingsTab:
        DrawSettings(p);
        break;
    case IconKind::Connect:
        DrawPlug(p, true);
        break;
    case IconKind::Disconnect:
        DrawPlug(p, false);
        break;
    case IconKind::FileOpen:
        DrawFolder(p);
        break;
    case IconKind::SaveAsFile:
        DrawSaveAsFile(p);
        break;
    case IconKind::FactoryReset:
        DrawFactoryReset(p);
        break;
    case IconKind::ToggleSet:
        DrawToggle(p, true);
        break;
    case IconKind::ToggleClear:
        DrawToggle(p, false);
        break;
    }
}

// Draws the icon anew at every size and device pixel ratio it is asked for, so that it stays sharp on a
// screen scaled to 200 % as at 100 %; the disabled look is the style's.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(IconKind kind) : m_kind(kind) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const int side = std::max(1, qRound(std::min(size.width(), size.height()) * scale));
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.scale(side / kGrid, side / kGrid);
            Draw(m_kind, painter);
        }
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            if (QStyle* style = QApplication::style())
                pixmap = style->generatedIconPixmap(mode, pixmap, &option);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(20, 20), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(m_kind); }
    QString key() const override { return QStringLiteral("QuorlinkDrawnIcon"); }

private:
    IconKind m_kind;
};

} // namespace

QIcon Icon(IconKind kind) {
    return QIcon(new DrawnIconEngine(kind));
}

QFont CaptionFont() {
    QFont font;
    if (QFontDatabase::families().contains(QStringLiteral("Verdana")))
        font.setFamily(QStringLiteral("Verdana"));
    else
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(14);
    font.setWeight(QFont::Bold);
    return font;
}

QColor CaptionDark() {
    return QColor(0x0d, 0x2b, 0x4f);
}
QColor CaptionMiddle() {
    return QColor(0x1a, 0x56, 0x8e);
}
QColor CaptionLight() {
    return QColor(0x2b, 0x8c, 0xc4);
}

QString WindowStyleSheet() {
    // Buttons and headers bring their own light faces and dark texts; what stands on the window's or the
    // list's own background takes its colours from the palette, so that a dark desktop stays readable.
    const QPalette palette = QGuiApplication::palette();
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    const QString groupText = dark ? QStringLiteral("#9ccaf5") : QStringLiteral("#1f4e7e");
    const QString groupBorder = dark ? QStringLiteral("#56606c") : QStringLiteral("#bfcad8");
    const QString grid = dark ? QStringLiteral("#454b53") : QStringLiteral("#d3dbe6");
    return QStringLiteral(R"(
QPushButton {
    border: 1px solid #8a9bb3;
    border-radius: 4px;
    padding: 3px 10px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dfe7f1);
    color: #17283b;
}
QPushButton:hover {
    border-color: #3f7fc4;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f9ff, stop:1 #cfe1f6);
}
QPushButton:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #bcd3ee, stop:1 #d9e7f7);
}
QPushButton:focus {
    border: 2px solid #2d6fb5;
    padding: 2px 9px;
}
QPushButton:disabled {
    color: #6f7986;
    border-color: #c8d0da;
    background: #eef1f5;
}
QGroupBox {
    font-weight: bold;
    color: @GROUP_TEXT@;
    border: 1px solid @GROUP_BORDER@;
    border-radius: 5px;
    margin-top: 9px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 10px;
    padding: 0 4px;
}
QTableWidget {
    gridline-color: @GRID@;
    selection-background-color: #2d6fb5;
    selection-color: #ffffff;
}
QHeaderView::section {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfcfe, stop:1 #e3e9f1);
    border: none;
    border-right: 1px solid #c8d2de;
    border-bottom: 1px solid #b8c4d3;
    padding: 3px;
    color: #1d2f44;
}
QLineEdit[readOnly="true"] {
    background: palette(window);
}
)")
        .replace(QStringLiteral("@GROUP_TEXT@"), groupText)
        .replace(QStringLiteral("@GROUP_BORDER@"), groupBorder)
        .replace(QStringLiteral("@GRID@"), grid);
}

} // namespace QuorlinkLook
