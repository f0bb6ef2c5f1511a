#include "controls/DesignCanvas.h"

#include <QChildEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace vortan {

DesignCanvas::DesignCanvas(QSize designSize, QWidget* parent)
    : QWidget(parent), design_(designSize) {
    setMinimumSize(designSize);
}

QRect DesignCanvas::scaledRect(const QRect& design, double scaleX, double scaleY) {
    // Both edges scaled and rounded, so neighbours keep their gaps and never overlap.
    const int left = int(std::lround(design.left() * scaleX));
    const int top = int(std::lround(design.top() * scaleY));
    const int right = int(std::lround((design.left() + design.width()) * scaleX));
    const int bottom = int(std::lround((design.top() + design.height()) * scaleY));
    return QRect(left, top, right - left, bottom - top);
}

QSizeF DesignCanvas::scales(QSize size, QSize design) {
    if (design.width() <= 0 || design.height() <= 0)
        return QSizeF(1, 1);
    return QSizeF(std::max(1.0, double(size.width()) / design.width()),
                  std::max(1.0, double(size.height()) / design.height()));
}

void DesignCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

bool DesignCanvas::event(QEvent* event) {
    // A child added later is placed once it is polished, before it is first shown.
    if (event->type() == QEvent::ChildPolished && !placing_) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child && !find(child))
            place();
    }
    return QWidget::event(event);
}

DesignCanvas::Placed* DesignCanvas::find(const QWidget* child) {
    for (Placed& p : placed_)
        if (p.widget == child)
            return &p;
    return nullptr;
}

DesignCanvas::Placed& DesignCanvas::placedOf(QWidget* child) {
    if (Placed* p = find(child))
        return *p;
    // Not seen yet: its geometry now is its design geometry.
    placed_.push_back({child, child->geometry(), child->font()});
    return placed_.back();
}

QRect DesignCanvas::designGeometry(QWidget* child) {
    return placedOf(child).rect;
}

void DesignCanvas::setDesignGeometry(QWidget* child, const QRect& rect) {
    placedOf(child).rect = rect;
    const QSizeF s = scales(size(), design_);
    child->setGeometry(scaledRect(rect, s.width(), s.height()));
}

QRect designGeometry(QWidget* w) {
    if (auto* canvas = qobject_cast<DesignCanvas*>(w->parentWidget()))
        return canvas->designGeometry(w);
    return w->geometry();
}

void setDesignGeometry(QWidget* w, const QRect& rect) {
    if (auto* canvas = qobject_cast<DesignCanvas*>(w->parentWidget()))
        canvas->setDesignGeometry(w, rect);
    else
        w->setGeometry(rect);
}

void DesignCanvas::place() {
    placing_ = true;
    placed_.erase(std::remove_if(placed_.begin(), placed_.end(),
                                 [](const Placed& p) { return p.widget.isNull(); }),
                  placed_.end());
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            placedOf(child);
    const QSizeF s = scales(size(), design_);
    const double type = std::min(s.width(), s.height());
    for (Placed& p : placed_) {
        QFont font = p.font;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(p.font.pointSizeF() * type);
        if (p.widget->font() != font)
            p.widget->setFont(font);
        p.widget->setGeometry(scaledRect(p.rect, s.width(), s.height()));
    }
    placing_ = false;
}

} // namespace vortan
