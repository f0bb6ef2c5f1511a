#pragma once
// Room for a dock the tuner opens: the window grows by the dock, along the side it stands
// on, as far as its screen allows, and stays on the screen. A maximized window, or one not
// yet shown (its remembered size holds its docks), is left as it is.

#include <QDockWidget>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace vortan {

// Shows `dock`, then, once laid out, makes room for it.
inline void showDockWithRoom(QMainWindow& window, QDockWidget& dock, Qt::Orientation along) {
    const bool grow = !dock.isVisible() && window.isVisible() &&
                      !(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const QSize before = window.size();
    dock.show();
    if (!grow)
        return;
    QTimer::singleShot(0, &dock, [w = QPointer<QMainWindow>(&window), &dock, along, before] {
        const QScreen* screen = w ? w->screen() : nullptr;
        if (!screen)
            return;
        const QRect available = screen->availableGeometry();
        const QSize frame = w->frameGeometry().size() - w->size();
        QSize wanted = w->size();
        if (along == Qt::Horizontal)
            wanted.setWidth(std::max(wanted.width(), before.width() + dock.sizeHint().width()));
        else
            wanted.setHeight(std::max(wanted.height(), before.height() + dock.sizeHint().height()));
        w->resize(wanted.boundedTo(available.size() - frame));
        const int overRight = w->x() + w->width() + frame.width() - 1 - available.right();
        const int overBottom = w->y() + w->height() + frame.height() - 1 - available.bottom();
        w->move(overRight > 0 ? std::max(available.left(), w->x() - overRight) : w->x(),
                overBottom > 0 ? std::max(available.top(), w->y() - overBottom) : w->y());
    });
}

} // namespace vortan
