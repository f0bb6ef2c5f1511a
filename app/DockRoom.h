#pragma once
// Room for a dock the tuner opens: the window grows by the dock, along the side it stands
// on, as far as its screen allows, and stays on the screen. A maximized window, or one not
// yet shown (its remembered size holds its docks), is left as it is. A dock that must not
// squeeze the window's own content takes only the room the window has left beside it, and
// floats over the window on a screen too small to hold both.

#include "settings/WindowSize.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace vortan {

// Sizes along the axis a dock opens on.
struct DockRoom {
    int window = 0;        // the window's new size
    int dock = 0;          // the dock's size in it, or floating
    bool floating = false; // no room beside the content: the dock floats over the window
};

// The window, now `window` large and at most `largest` on its screen, grows to hold its
// `content` (what the rest of it asks for), a `separator` and the dock at the size it
// `wants`; the dock then takes the room left, never less than its `minimum` nor more than it
// wants. When not even the content's `least` fits beside the dock's minimum, the dock floats
// at the size it wants, as far as the screen allows, and the window stays as it is.
inline DockRoom roomForDock(int window, int largest, int content, int least, int separator,
                            int wants, int minimum) {
    if (least + separator + minimum > largest)
        return {window, std::min(wants, largest), true};
    const int grown = std::max(window, std::min(content + separator + wants, largest));
    return {grown, std::clamp(grown - content - separator, minimum, std::max(minimum, wants)),
            false};
}

// Shows `dock`, then, once laid out, makes room for it; with `contentFirst` the dock takes
// only the room the window's content leaves.
inline void showDockWithRoom(QMainWindow& window, QDockWidget& dock, Qt::Orientation along,
                             bool contentFirst = false) {
    const bool grow = !dock.isVisible() && window.isVisible() &&
                      !(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const QSize before = window.size();
    dock.show();
    if (!grow && !contentFirst)
        return;
    QTimer::singleShot(
        0, &dock, [w = QPointer<QMainWindow>(&window), &dock, along, before, grow, contentFirst] {
            const QScreen* screen = w ? w->screen() : nullptr;
            if (!screen)
                return;
            const QRect available = screen->availableGeometry();
            const QSize frame = w->frameGeometry().size() - w->size();
            const QSize largest = available.size() - frame;
            QSize wanted = w->size();
            if (contentFirst && w->centralWidget()) {
                if (dock.isFloating()) // floated by the tuner, or before: it needs no room
                    return;
                const bool across = along == Qt::Horizontal;
                auto side = [across](QSize s) { return across ? s.width() : s.height(); };
                const int separator =
                    w->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, w);
                const QSize wants = dock.sizeHint().expandedTo(dock.minimumSizeHint());
                const DockRoom room =
                    roomForDock(grow ? side(before) : side(w->size()),
                                grow ? side(largest) : std::min(side(w->size()), side(largest)),
                                side(w->centralWidget()->sizeHint()),
                                side(w->centralWidget()->minimumSizeHint()), separator, side(wants),
                                side(dock.minimumSizeHint()));
                if (room.floating) {
                    // Beside the window's far edge, within the screen.
                    const QRect at = w->frameGeometry();
                    const QSize size = wants.boundedTo(largest);
                    dock.setFloating(true);
                    if (grow) // back, once laid out, from the size the docked panel pushed it to
                        QTimer::singleShot(0, w, [w, before] { w->resize(before); });
                    dock.resize(size);
                    dock.move(
                        fittedFrame(QRect(QPoint(at.right() + 1 - size.width() - frame.width(),
                                                 at.top() + at.height() / 4),
                                          size + frame),
                                    available)
                            .topLeft());
                    return;
                }
                (across ? wanted.rwidth() : wanted.rheight()) = room.window;
                w->resizeDocks({&dock}, {room.dock}, along);
            } else if (along == Qt::Horizontal) {
                wanted.setWidth(std::max(wanted.width(), before.width() + dock.sizeHint().width()));
            } else {
                wanted.setHeight(
                    std::max(wanted.height(), before.height() + dock.sizeHint().height()));
            }
            if (!grow)
                return;
            w->resize(wanted.boundedTo(largest));
            const int overRight = w->x() + w->width() + frame.width() - 1 - available.right();
            const int overBottom = w->y() + w->height() + frame.height() - 1 - available.bottom();
            w->move(overRight > 0 ? std::max(available.left(), w->x() - overRight) : w->x(),
                    overBottom > 0 ? std::max(available.top(), w->y() - overBottom) : w->y());
        });
}

} // namespace vortan
