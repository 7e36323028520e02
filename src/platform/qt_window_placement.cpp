#include "platform/qt_window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

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

// Kept on a window placed over others: each of them and where both stood then.
class PlacedOver : public QObject {
public:
    using QObject::QObject;
    struct Entry {
        QPointer<const QWidget> replaced;
        QPoint replaced_at;
        QPoint placed_at;
    };
    std::vector<Entry> entries;
};

PlacedOver* placement_record(const QWidget* window) {
    for (QObject* child : window->children())
        if (auto* record = dynamic_cast<PlacedOver*>(child)) return record;
    return nullptr;
}

// A window centred anew forgets what it was placed over before; one put back keeps it, so that
// the window it replaced first can come back to its place as well.
void remember_placement(QWidget* window, const QWidget* replaced, bool put_back) {
    PlacedOver* record = placement_record(window);
    if (record == nullptr) record = new PlacedOver(window);
    if (!put_back) record->entries.clear();
    std::erase_if(record->entries, [replaced](const PlacedOver::Entry& entry) {
        return entry.replaced == nullptr || entry.replaced == replaced;
    });
    if (replaced != nullptr) record->entries.push_back({replaced, replaced->pos(), window->pos()});
}

// Where `window` stood when `replaced` was placed over it, if `replaced` has stayed where it was put
// since (the window manager may have shifted it by no more than its frame).
std::optional<QPoint> place_before(const QWidget* window, const QWidget* replaced) {
    const PlacedOver* record = placement_record(replaced);
    if (record == nullptr) return std::nullopt;
    const QMargins frame = frame_margins(replaced);
    for (const PlacedOver::Entry& entry : record->entries) {
        if (entry.replaced != window) continue;
        const QPoint shift = replaced->pos() - entry.placed_at;
        if (std::abs(shift.x()) > frame.left() || std::abs(shift.y()) > frame.top()) return std::nullopt;
        return entry.replaced_at;
    }
    return std::nullopt;
}

}  // namespace

// The window manager, if any, decides the frame only once a window is first shown; until then the
// frame of the window being replaced, shown already, stands in for it.
void place_over(QWidget* window, const QWidget* replaced) {
    const bool over = replaced != nullptr && replaced != window && replaced->windowHandle() != nullptr;
    // Going back to the window that took this one's place, this one returns where it stood.
    // Centring each on the other would let it walk across the screen: a window cut to the screen,
    // or held off its edge, has another centre than the one it was centred on.
    if (over) {
        if (const std::optional<QPoint> before = place_before(window, replaced)) {
            window->move(*before);
            remember_placement(window, replaced, true);
            return;
        }
    }
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
    remember_placement(window, over ? replaced : nullptr, false);
}

}  // namespace standwise
