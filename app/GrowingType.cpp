#include "app/GrowingType.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace vortan {

namespace {
constexpr qreal kStep = 0.25; // points
constexpr qreal kSmallest = 1;

int widest(const QFont& font, const QStringList& texts) {
    const QFontMetrics metrics(font);
    int w = 0;
    for (const QString& t : texts)
        w = std::max(w, metrics.horizontalAdvance(t));
    return w;
}
} // namespace

GrowingType::GrowingType(QWidget* window, const std::vector<std::pair<QLabel*, QString>>& labels)
    : QObject(window), window_(window) {
    for (const auto& [label, longest] : labels) {
        labels_.push_back({label, label->font(), everyDigit(longest) << label->text()});
        // The room the label gets is known only once its layout has placed it.
        label->installEventFilter(this);
    }
    window->installEventFilter(this);
}

double GrowingType::growth(QSize size, QSize first) {
    if (first.width() <= 0 || first.height() <= 0)
        return 1;
    const double g =
        (double(size.width()) / first.width() + double(size.height()) / first.height()) / 2;
    return std::clamp(g * g, 1.0, 3.0);
}

qreal GrowingType::fittedPointSize(const QFont& font, qreal wanted, const QStringList& texts,
                                   int width) {
    QFont f = font;
    auto fits = [&](qreal size) {
        f.setPointSizeF(size);
        return widest(f, texts) <= width;
    };
    if (fits(wanted))
        return wanted;
    // Widths grow about in proportion to the size: start there, then step down to a fit.
    f.setPointSizeF(wanted);
    const int w = widest(f, texts);
    qreal size = std::floor(wanted * width / std::max(w, 1) / kStep) * kStep;
    size = std::clamp(size, kSmallest, wanted - kStep);
    while (size > kSmallest && !fits(size))
        size -= kStep;
    // Hinting may leave room for a little more.
    while (size + kStep < wanted && fits(size + kStep))
        size += kStep;
    return std::max(size, kSmallest);
}

QStringList GrowingType::everyDigit(const QString& text) {
    QStringList out;
    for (const QChar c : QStringLiteral("0123456789-")) {
        QString t = text;
        for (QChar& x : t)
            if (x.isDigit())
                x = c;
        out << t;
    }
    return out;
}

void GrowingType::fit(Grown& g) const {
    const int width = g.label->contentsRect().width();
    if (width <= 0)
        return;
    const qreal wanted = g.font.pointSizeF() * growth(window_->size(), first_);
    QFont grown = g.font;
    grown.setPointSizeF(
        fittedPointSize(g.font, wanted, QStringList(g.texts) << g.label->text(), width));
    if (g.label->font() != grown)
        g.label->setFont(grown);
}

bool GrowingType::eventFilter(QObject* watched, QEvent* event) {
    // A size given before the window is shown arrives as a resize on showing, or not at all.
    const bool windowSized =
        watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show);
    if (windowSized && !first_.isValid())
        first_ = window_->sizeHint();
    if (windowSized || (watched != window_ && event->type() == QEvent::Resize))
        for (Grown& g : labels_)
            if (windowSized || watched == g.label)
                fit(g);
    return QObject::eventFilter(watched, event);
}

} // namespace vortan
