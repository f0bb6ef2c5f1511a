#include "app/ScreenFit.h"

#include "settings/WindowSize.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace vortan {

namespace {
bool watched(const QWidget* w, const QWidget& main) {
    if (!w || !w->isWindow() || w == &main)
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Dialog || type == Qt::Window || type == Qt::Sheet;
}
} // namespace

ScreenFit::ScreenFit(QWidget& main) : QObject(&main), main_(main) {
    qApp->installEventFilter(this);
}

void ScreenFit::fit(QWidget& window, const QWidget* main) {
    // A dialog opens over its parent, on the parent's screen.
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QScreen* screen = parent ? parent->screen() : window.screen();
    if (!screen)
        return;
    // Before its first showing a window has no frame yet: the main window's stands in.
    QSize frame = window.frameGeometry().size() - window.size();
    if (frame.isNull() && main)
        frame = main->frameGeometry().size() - main->size();
    const QRect wanted(window.pos(), window.size() + frame);
    const QRect fitted = fittedFrame(wanted, screen->availableGeometry());
    if (fitted.size() != wanted.size())
        window.resize(fitted.size() - frame);
    if (fitted.topLeft() != wanted.topLeft() && window.isVisible())
        window.move(fitted.topLeft());
}

bool ScreenFit::eventFilter(QObject* object, QEvent* event) {
    if (event->type() != QEvent::Show || !object->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(object);
    if (!watched(w, main_) || event->spontaneous())
        return false;
    // Now the size, before a dialog centres itself over its parent; once shown, with its
    // true frame, the place as well.
    fit(*w, &main_);
    QTimer::singleShot(0, w, [w = QPointer<QWidget>(w), main = QPointer<QWidget>(&main_)] {
        if (w && w->isVisible())
            fit(*w, main);
    });
    return false;
}

} // namespace vortan
