#include "ui/system/units/unit_tree_icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace standwise {
namespace {

using Draw = void (*)(QPainter&);

// Every image is drawn on a 16 by 16 grid; larger sizes scale the same drawing.

// The terminal card an input or an output stands on, with its left edge at `left`.
void draw_card(QPainter& p, qreal left) {
    p.setPen(QPen(QColor(60, 70, 80), 1));
    p.setBrush(QColor(236, 240, 244));
    p.drawRect(QRectF(left, 2.5, 7, 11));
}

// An arrow pointing right: its shaft runs from `tail` to `head`, its head from there to `tip`.
void draw_arrow(QPainter& p, const QColor& colour, qreal tail, qreal head, qreal tip) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath arrow;
    arrow.moveTo(tail, 6.5);
    arrow.lineTo(head, 6.5);
    arrow.lineTo(head, 4);
    arrow.lineTo(tip, 8);
    arrow.lineTo(head, 12);
    arrow.lineTo(head, 9.5);
    arrow.lineTo(tail, 9.5);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

void draw_interface(QPainter& p) {
    p.setPen(QPen(QColor(70, 80, 95), 1));
    p.setBrush(QColor(214, 220, 228));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 10), 1.5, 1.5);
    p.setBrush(QColor(40, 110, 190));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(3, 4, 6, 2));
    p.setBrush(QColor(40, 170, 60));
    p.drawEllipse(QRectF(10.5, 4, 2.5, 2.5));
    p.setBrush(QColor(190, 150, 40));
    for (int x = 3; x <= 11; x += 4)
        p.drawRect(QRectF(x, 12.5, 2, 2.5));
    p.setPen(QPen(QColor(120, 128, 140), 1));
    p.drawLine(QPointF(3, 9), QPointF(13, 9));
}

void draw_input(QPainter& p) {
    draw_card(p, 7.5);
    draw_arrow(p, QColor(30, 150, 60), 1, 6, 11);
}

void draw_zone(QPainter& p) {
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(QColor(250, 250, 248));
    p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
    p.setBrush(QColor(205, 205, 200));
    p.drawEllipse(QRectF(4.5, 5.5, 7, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QRectF(11, 6.8, 2.4, 2.4));
    p.setPen(QPen(QColor(200, 40, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 0.5, 10, 6), 30 * 16, 120 * 16);
}

void draw_output(QPainter& p) {
    draw_card(p, 1.5);
    p.setPen(QPen(QColor(30, 80, 170), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 5, 4, 6));
    p.drawLine(QPointF(3, 5), QPointF(7, 11));
    draw_arrow(p, QColor(225, 120, 20), 8, 11, 15.5);
}

void draw_led(QPainter& p) {
    QRadialGradient glow(QPointF(8, 6.5), 7.5);
    glow.setColorAt(0, QColor(255, 240, 120, 230));
    glow.setColorAt(1, QColor(255, 200, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(0.5, -1, 15, 15));
    p.setPen(QPen(QColor(150, 90, 0), 1));
    p.setBrush(QColor(255, 190, 20));
    QPainterPath dome;
    dome.moveTo(4.5, 11);
    dome.lineTo(4.5, 6.5);
    dome.arcTo(QRectF(4.5, 3, 7, 7), 180, -180);
    dome.lineTo(11.5, 11);
    dome.closeSubpath();
    p.drawPath(dome);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(6.5, 11.5), QPointF(6.5, 15));
    p.drawLine(QPointF(9.5, 11.5), QPointF(9.5, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(6, 5, 2, 2));
}

QIcon paint_icon(Draw draw) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon unit_tree_icon(const QString& key) {
    static const QHash<QString, Draw> drawings{{QStringLiteral("Interface"), draw_interface},
                                               {QStringLiteral("Input"), draw_input},
                                               {QStringLiteral("Squad"), draw_zone},
                                               {QStringLiteral("Output"), draw_output},
                                               {QStringLiteral("LED"), draw_led}};
    static QHash<QString, QIcon> images;
    auto drawn = images.constFind(key);
    if (drawn != images.cend()) return *drawn;
    const Draw draw = drawings.value(key, nullptr);
    if (draw == nullptr) return {};
    return *images.insert(key, paint_icon(draw));
}

}  // namespace standwise
