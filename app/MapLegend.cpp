#include "app/MapLegend.h"

#include "params/ColourScale.h"

#include <QLinearGradient>
#include <QPainter>

namespace vortan {

MapLegend::MapLegend(QWidget* parent) : QWidget(parent) {}

void MapLegend::setRange(int low, int high) {
    if (low == low_ && high == high_)
        return;
    low_ = low;
    high_ = high;
    update();
}

void MapLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int textHeight = fontMetrics().height();
    const QRect bar(0, textHeight / 2, 12, height() - textHeight);
    QLinearGradient g(bar.bottomLeft(), bar.topLeft());
    for (int i = 0; i <= 8; ++i) {
        const Rgb c = scaleColour(i / 8.0);
        g.setColorAt(i / 8.0, QColor(c.red, c.green, c.blue));
    }
    p.fillRect(bar, g);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(bar.adjusted(0, 0, -1, -1));
    const int values[3] = {high_, (low_ + high_) / 2, low_};
    for (int i = 0; i < 3; ++i) {
        const int y = bar.top() + bar.height() * i / 2;
        const QRect text(bar.right() + 3, y - textHeight / 2, width() - bar.width() - 3,
                         textHeight);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("%1°").arg(values[i]));
    }
}

} // namespace vortan
