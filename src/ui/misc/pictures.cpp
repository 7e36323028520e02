#include "ui/misc/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// A static library's resources are registered only when asked for, and from outside any namespace.
static void register_icons() {
    Q_INIT_RESOURCE(icons);
}

namespace standwise {
namespace {

void draw_board(QPainter& p, const QRectF& board, const QColor& solder_mask) {
    p.setPen(QPen(solder_mask.darker(160), 2));
    p.setBrush(solder_mask);
    p.drawRoundedRect(board, 6, 6);
    // Edge connector along the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 175, 55));
    const double pitch = 7;
    for (double x = board.left() + 24; x < board.right() - 24; x += pitch)
        p.drawRect(QRectF(x, board.bottom() - 12, 4, 10));
    // Mounting holes.
    p.setBrush(QColor(235, 235, 235));
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.drawEllipse(QPointF(board.left() + 10, board.top() + 10), 4, 4);
    p.drawEllipse(QPointF(board.right() - 10, board.top() + 10), 4, 4);
}

void draw_tracks(QPainter& p, const QRectF& board, const QColor& colour, int count) {
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const double y = board.top() + 20 + i * (board.height() - 40) / count;
        QPainterPath path(QPointF(board.left() + 16, y));
        path.lineTo(board.center().x() - 10, y);
        path.lineTo(board.center().x() + 10, y + 8);
        path.lineTo(board.right() - 16, y + 8);
        p.drawPath(path);
    }
}

void draw_through_hole_parts(QPainter& p, const QRectF& board) {
    // Large DIP packages and axial resistors with leads through the board.
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 3; ++i) {
        QRectF chip(board.left() + 20 + i * 62, board.top() + 26, 46, 20);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(chip);
        p.setBrush(QColor(200, 200, 200));
        for (int pin = 0; pin < 6; ++pin) {
            p.drawRect(QRectF(chip.left() + 3 + pin * 7, chip.top() - 4, 3, 4));
            p.drawRect(QRectF(chip.left() + 3 + pin * 7, chip.bottom(), 3, 4));
        }
    }
    for (int i = 0; i < 5; ++i) {
        const double x = board.left() + 24 + i * 36, y = board.top() + 70;
        p.setPen(QPen(QColor(160, 160, 160), 2));
        p.drawLine(QPointF(x, y), QPointF(x + 30, y));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(210, 180, 140));
        p.drawRoundedRect(QRectF(x + 8, y - 4, 14, 8), 3, 3);
    }
    p.setBrush(QColor(20, 60, 160));
    p.drawEllipse(QRectF(board.right() - 52, board.top() + 58, 26, 26));
}

void draw_surface_mount_parts(QPainter& p, const QRectF& board) {
    // One fine-pitch processor and rows of tiny chip parts.
    p.setPen(QPen(Qt::black, 1));
    QRectF cpu(board.left() + 26, board.top() + 22, 40, 40);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(cpu);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int pin = 0; pin < 12; ++pin) {
        const double o = 3 + pin * 3;
        p.drawLine(QPointF(cpu.left() + o, cpu.top() - 3), QPointF(cpu.left() + o, cpu.top()));
        p.drawLine(QPointF(cpu.left() + o, cpu.bottom()), QPointF(cpu.left() + o, cpu.bottom() + 3));
        p.drawLine(QPointF(cpu.left() - 3, cpu.top() + o), QPointF(cpu.left(), cpu.top() + o));
        p.drawLine(QPointF(cpu.right(), cpu.top() + o), QPointF(cpu.right() + 3, cpu.top() + o));
    }
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 9; ++col) {
            p.setBrush((row + col) % 3 == 0 ? QColor(120, 90, 60) : QColor(60, 60, 60));
            p.drawRect(QRectF(board.left() + 86 + col * 13, board.top() + 24 + row * 12, 7, 4));
        }
    }
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(board.left() + 90, board.top() + 78, 22, 12));
    p.drawRect(QRectF(board.left() + 124, board.top() + 78, 22, 12));
}

}  // namespace

QIcon program_icon() {
    register_icons();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/standwise-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap product_picture() {
    QPixmap pixmap(120, 120);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cabinet(0, 0, 0, 120);
    cabinet.setColorAt(0, QColor(200, 30, 30));
    cabinet.setColorAt(1, QColor(130, 10, 10));
    p.setPen(QPen(QColor(90, 0, 0), 2));
    p.setBrush(cabinet);
    p.drawRoundedRect(QRectF(8, 6, 104, 108), 8, 8);
    p.setBrush(QColor(30, 40, 30));
    p.drawRect(QRectF(22, 18, 76, 30));
    p.setPen(QColor(120, 255, 120));
    p.setFont(QFont(QStringLiteral("Sans"), 7));
    p.drawText(QRectF(22, 18, 76, 30), Qt::AlignCenter, QStringLiteral("SYSTEM\nNORMAL"));
    const QColor leds[] = {QColor(0, 220, 0), QColor(255, 190, 0), QColor(255, 60, 60)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(leds[i]);
        p.drawEllipse(QPointF(32 + i * 28, 62), 5, 5);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(24, 78, 32, 26));
    p.drawRect(QRectF(64, 78, 32, 26));
    p.setPen(QColor(240, 240, 240));
    p.drawText(QRectF(24, 78, 32, 26), Qt::AlignCenter, QStringLiteral("12V"));
    p.drawText(QRectF(64, 78, 32, 26), Qt::AlignCenter, QStringLiteral("12V"));
    return pixmap;
}

QPixmap example_cards_picture() {
    // Each card is centred in its own half, under which the window puts the card's name.
    QPixmap pixmap(2 * kCardHalfWidth, 150);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double inset = (kCardHalfWidth - 210) / 2.0;
    const QRectF pth(inset, 10, 210, 130), smt(kCardHalfWidth + inset, 10, 210, 130);
    draw_board(p, pth, QColor(30, 120, 50));
    draw_tracks(p, pth, QColor(70, 170, 90), 5);
    draw_through_hole_parts(p, pth);
    draw_board(p, smt, QColor(20, 90, 60));
    draw_tracks(p, smt, QColor(60, 140, 100), 9);
    draw_surface_mount_parts(p, smt);
    return pixmap;
}

}  // namespace standwise
