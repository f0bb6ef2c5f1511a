#include "app/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace vortan {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(false);
}

void ElidedLabel::setTexts(const QString& head, const QString& tail) {
    if (head == head_ && tail == tail_ && !text().isEmpty())
        return;
    head_ = head;
    tail_ = tail;
    fit();
    updateGeometry();
}

// No wider than the least it needs: opening a long name does not widen the panel.
QSize ElidedLabel::sizeHint() const {
    return {minimumSizeHint().width(), QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    const QMargins m = contentsMargins();
    const int width = fontMetrics().horizontalAdvance(head_ + QChar(0x2026)) + m.left() +
                      m.right() + 2 * margin();
    return {width, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fit();
}

void ElidedLabel::fit() {
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - 2 * margin() - metrics.horizontalAdvance(head_);
    const QString shown = head_ + metrics.elidedText(tail_, Qt::ElideMiddle, std::max(0, room));
    if (text() != shown)
        setText(shown);
}

} // namespace vortan
