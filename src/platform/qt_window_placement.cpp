#include "platform/qt_window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace standwise {
namespace {

// The screen that holds most of the window.
QScreen* screen_of(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    QScreen* best = nullptr;
    qint64 best_area = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->geometry().intersected(frame);
        const qint64 area = static_cast<qint64>(shared.width()) * shared.height();
        if (area > best_area) {
            best = screen;
            best_area = area;
        }
    }
    return best != nullptr ? best : QGuiApplication::primaryScreen();
}

QMargins frame_margins(const QWidget* widget) {
    return widget != nullptr && widget->windowHandle() != nullptr ? widget->windowHandle()->frameMargins()
                                                                  : QMargins();
}

// A frame of the given size centred on `centre` and moved fully into `area`; a frame larger than
// the area is cut to it.
QRect placed_frame(QSize frame, QPoint centre, const QRect& area) {
    QRect placed(QPoint(0, 0), frame.boundedTo(area.size()));
    placed.moveCenter(centre);
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() - placed.height() + 1));
    return placed;
}

}  // namespace

// The window manager, if any, decides the frame only once a window is first shown; until then the
// frame of the window being replaced, shown already, stands in for it.
void place_over(QWidget* window, const QWidget* replaced) {
    const bool over = replaced != nullptr && replaced != window && replaced->windowHandle() != nullptr;
    QScreen* screen = over ? screen_of(replaced) : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QMargins margins =
        window->windowHandle() != nullptr ? frame_margins(window) : frame_margins(over ? replaced : nullptr);

    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QSize room = area.size().shrunkBy(margins);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));

    const QSize frame = window->size().grownBy(margins);
    const QPoint centre = over ? replaced->frameGeometry().center() : area.center();
    window->move(placed_frame(frame, centre, area).topLeft());
}

}  // namespace standwise
