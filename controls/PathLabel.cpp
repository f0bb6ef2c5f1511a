#include "controls/PathLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace vortan {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {}

QString PathLabel::shownPath(const QString& path, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const qsizetype cut = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    const QString name = path.mid(cut + 1);
    if (cut >= 0) {
        // The separator before the name stays with it: "…/tune1.ign".
        const QString tail = path.mid(cut);
        const int room = width - metrics.horizontalAdvance(tail);
        const QString ellipsis(QChar(0x2026));
        if (room >= metrics.horizontalAdvance(ellipsis)) {
            const QString folders = metrics.elidedText(path.left(cut), Qt::ElideMiddle, room);
            // Qt may give up on a text too short to split; the ellipsis alone then stands for it.
            return (folders.isEmpty() ? ellipsis : folders) + tail;
        }
    }
    return metrics.elidedText(name, Qt::ElideMiddle, width);
}

QString PathLabel::shownText() const {
    return shownPath(text(), fontMetrics(), contentsRect().width());
}

// The layout may give the label any width: what does not fit is elided, never drawn over a
// neighbour.
QSize PathLabel::minimumSizeHint() const {
    return QSize(0, QLabel::minimumSizeHint().height());
}

bool PathLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (text().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void PathLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

} // namespace vortan
