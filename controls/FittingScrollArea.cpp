#include "controls/FittingScrollArea.h"

#include "controls/DesignCanvas.h"

#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace vortan {

namespace {
// Room left for a scroll area squeezed along a direction it scrolls in.
constexpr int kSqueezed = 60;

// One axis of originShowing: the far edge brought in first, so that a target longer than the
// view shows its start.
int axisShowing(int start, int length, int origin, int view, int covered, int content) {
    if (start + length > origin + view)
        origin = start + length - view;
    if (start < origin + covered)
        origin = start - covered;
    return std::clamp(origin, 0, std::max(0, content - view));
}
} // namespace

FittingScrollArea::FittingScrollArea(QWidget* content, Qt::Orientations scrolls, QWidget* parent)
    : QScrollArea(parent), scrolls_(scrolls) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(scrolls & Qt::Horizontal ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(scrolls & Qt::Vertical ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
    setWidget(content);
}

QPoint FittingScrollArea::originShowing(const QRect& target, QPoint origin, QSize view,
                                        QSize covered, QSize content) {
    return QPoint(axisShowing(target.x(), target.width(), origin.x(), view.width(), covered.width(),
                              content.width()),
                  axisShowing(target.y(), target.height(), origin.y(), view.height(),
                              covered.height(), content.height()));
}

void FittingScrollArea::ensureShown(const QWidget* child) {
    QWidget* content = widget();
    if (!content || !content->isAncestorOf(child))
        return;
    const auto* canvas = qobject_cast<const DesignCanvas*>(content);
    const QPoint origin(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QPoint to = originShowing(QRect(child->mapTo(content, QPoint()), child->size()), origin,
                                    viewport()->size(), canvas ? canvas->frozenStrips() : QSize(),
                                    content->size());
    // Along an axis where the child stays in sight with a strip, nothing need move.
    const Qt::Orientations frozen = canvas ? canvas->frozenAxes(child) : Qt::Orientations();
    if (!(frozen & Qt::Horizontal))
        horizontalScrollBar()->setValue(to.x());
    if (!(frozen & Qt::Vertical))
        verticalScrollBar()->setValue(to.y());
}

bool FittingScrollArea::focusNextPrevChild(bool next) {
    // The plain scroll area brings the new focus into view, perhaps beneath a strip.
    const bool moved = QScrollArea::focusNextPrevChild(next);
    if (moved && qobject_cast<const DesignCanvas*>(widget()))
        if (QWidget* focus = focusWidget())
            ensureShown(focus);
    return moved;
}

QSize FittingScrollArea::frame() const {
    const int f = 2 * frameWidth();
    return QSize(f, f);
}

QSize FittingScrollArea::sizeHint() const {
    return widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + frame()
                    : QScrollArea::sizeHint();
}

QSize FittingScrollArea::minimumSizeHint() const {
    if (!widget())
        return QScrollArea::minimumSizeHint();
    const QSize content = widget()->minimumSizeHint().expandedTo(widget()->minimumSize());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // Along a fixed axis the whole content, and room for the other axis's scroll bar.
    const int width = scrolls_ & Qt::Horizontal
                          ? kSqueezed
                          : content.width() + (scrolls_ & Qt::Vertical ? bar : 0);
    const int height = scrolls_ & Qt::Vertical
                           ? kSqueezed
                           : content.height() + (scrolls_ & Qt::Horizontal ? bar : 0);
    return QSize(width, height) + frame();
}

} // namespace vortan
