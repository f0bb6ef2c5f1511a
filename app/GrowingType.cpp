#include "app/GrowingType.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

namespace vortan {

GrowingType::GrowingType(QWidget* window, const std::vector<QLabel*>& labels)
    : QObject(window), window_(window) {
    for (QLabel* l : labels)
        labels_.emplace_back(l, l->font());
    window->installEventFilter(this);
}

double GrowingType::growth(QSize size, QSize first) {
    if (first.width() <= 0 || first.height() <= 0)
        return 1;
    const double g =
        (double(size.width()) / first.width() + double(size.height()) / first.height()) / 2;
    return std::clamp(g * g, 1.0, 3.0);
}

bool GrowingType::eventFilter(QObject* watched, QEvent* event) {
    // A size given before the window is shown arrives as a resize on showing, or not at all.
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        if (!first_.isValid())
            first_ = window_->sizeHint();
        const double g = growth(window_->size(), first_);
        for (auto& [label, font] : labels_) {
            QFont grown = font;
            grown.setPointSizeF(font.pointSizeF() * g);
            if (label->font() != grown)
                label->setFont(grown);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vortan
