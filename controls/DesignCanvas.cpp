#include "controls/DesignCanvas.h"

#include <QChildEvent>
#include <QMoveEvent>
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

QPoint DesignCanvas::frozenShift(const QRect& design, QSize strips, QPoint hidden) {
    const bool left = strips.width() > 0 && design.left() + design.width() <= strips.width();
    const bool top = strips.height() > 0 && design.top() + design.height() <= strips.height();
    return QPoint(left ? hidden.x() : 0, top ? hidden.y() : 0);
}

void DesignCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void DesignCanvas::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A scroll area scrolls by moving the canvas.
    if (leftStrip_)
        placeFrozen();
}

void DesignCanvas::setFrozenStrips(QSize strips) {
    strips_ = strips;
    for (QWidget** strip : {&leftStrip_, &topStrip_, &cornerStrip_}) {
        if (*strip)
            continue;
        *strip = new QWidget(this);
        // Opaque, so the cells passing beneath do not show through the gaps.
        (*strip)->setAutoFillBackground(true);
    }
    // Placed with the rest at the next resize, as the canvas is laid out.
}

QSize DesignCanvas::frozenStrips() const {
    const QSizeF s = scales(size(), design_);
    return scaledRect(QRect(QPoint(), strips_), s.width(), s.height()).size();
}

Qt::Orientations DesignCanvas::frozenAxes(const QWidget* w) const {
    while (w && w->parentWidget() != this)
        w = w->parentWidget();
    for (const Placed& p : placed_)
        if (w && p.widget == w) {
            const QPoint along = frozenShift(p.rect, strips_, QPoint(1, 1));
            return (along.x() ? Qt::Horizontal : Qt::Orientations()) |
                   (along.y() ? Qt::Vertical : Qt::Orientations());
        }
    return {};
}

QPoint DesignCanvas::hidden() const {
    return QPoint(std::max(0, -x()), std::max(0, -y()));
}

QRect DesignCanvas::placedRect(const Placed& p) const {
    const QSizeF s = scales(size(), design_);
    return scaledRect(p.rect, s.width(), s.height())
        .translated(frozenShift(p.rect, strips_, hidden()));
}

void DesignCanvas::placeFrozen() {
    const QPoint off = hidden();
    const QSize strips = frozenStrips();
    // Each strip as long as the rows or columns beside what stays in sight with it, so the
    // controls beyond (below the rows, right of the speeds) scroll as plainly as the rest.
    int leftEnd = strips.height();
    int topEnd = strips.width();
    for (const Placed& p : placed_) {
        if (!p.widget)
            continue;
        const QPoint along = frozenShift(p.rect, strips_, QPoint(1, 1));
        if (along == QPoint())
            continue;
        const QRect r = placedRect(p);
        p.widget->setGeometry(r);
        if (along.x() && !along.y())
            leftEnd = std::max(leftEnd, r.bottom() + 1);
        if (along.y() && !along.x())
            topEnd = std::max(topEnd, r.right() + 1);
    }
    const int captionsEnd = leftEnd;
    const int speedsEnd = topEnd;
    for (const Placed& p : placed_) {
        if (!p.widget || frozenShift(p.rect, strips_, QPoint(1, 1)) != QPoint())
            continue;
        const QRect r = placedRect(p);
        if (r.top() < captionsEnd)
            leftEnd = std::max(leftEnd, r.bottom() + 1);
        if (r.left() < speedsEnd)
            topEnd = std::max(topEnd, r.right() + 1);
    }
    leftStrip_->setGeometry(off.x(), 0, strips.width(), leftEnd);
    topStrip_->setGeometry(0, off.y(), topEnd, strips.height());
    cornerStrip_->setGeometry(QRect(off, strips));
}

bool DesignCanvas::event(QEvent* event) {
    // A child added later is placed once it is polished, before it is first shown.
    if (event->type() == QEvent::ChildPolished && !placing_) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child && child != leftStrip_ && child != topStrip_ && child != cornerStrip_ &&
            !find(child))
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
    Placed& p = placedOf(child);
    p.rect = rect;
    child->setGeometry(placedRect(p));
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
        if (!child->isWindow() && child != leftStrip_ && child != topStrip_ &&
            child != cornerStrip_)
            placedOf(child);
    const QSizeF s = scales(size(), design_);
    const double type = std::min(s.width(), s.height());
    for (Placed& p : placed_) {
        QFont font = p.font;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(p.font.pointSizeF() * type);
        if (p.widget->font() != font)
            p.widget->setFont(font);
        p.widget->setGeometry(placedRect(p));
    }
    if (leftStrip_) {
        placeFrozen();
        // Above the rest: the strips, what stays in sight with one of them, the corner, and
        // what stays in sight with both.
        leftStrip_->raise();
        topStrip_->raise();
        for (bool corner : {false, true}) {
            if (corner)
                cornerStrip_->raise();
            for (const Placed& p : placed_) {
                const QPoint along = frozenShift(p.rect, strips_, QPoint(1, 1));
                if (along != QPoint() && (along == QPoint(1, 1)) == corner)
                    p.widget->raise();
            }
        }
    }
    placing_ = false;
}

} // namespace vortan
