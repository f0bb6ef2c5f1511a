#include "controls/FittingScrollArea.h"

#include <QScrollBar>
#include <QStyle>

namespace vortan {

namespace {
// Room left for a scroll area squeezed along a direction it scrolls in.
constexpr int kSqueezed = 60;
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
