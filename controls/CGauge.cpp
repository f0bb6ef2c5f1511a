#include "controls/CGauge.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace vortan {

namespace {

std::out_of_range outOfRange(qint64 low, qint64 high) {
    return std::out_of_range(
        QStringLiteral("Value must be between %1 and %2").arg(low).arg(high).toStdString());
}

// XOR `source` into `target`; black in the source leaves the target untouched.
void xorInto(QImage& target, const QImage& source) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(0, 0, source);
}

} // namespace

TCGauge::TCGauge(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

void TCGauge::setKind(Kind kind) {
    if (kind == m_kind)
        return;
    m_kind = kind;
    invalidate();
}

void TCGauge::setShowText(bool show) {
    if (show == m_showText)
        return;
    m_showText = show;
    invalidate();
}

void TCGauge::setBorderStyle(BorderStyle style) {
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
}

void TCGauge::setForeColor(const QColor& color) {
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    invalidate();
}

void TCGauge::setBackColor(const QColor& color) {
    if (color == m_backColor)
        return;
    m_backColor = color;
    invalidate();
}

void TCGauge::setMinValue(int value) {
    if (value == m_minValue)
        return;
    if (value > m_maxValue)
        throw outOfRange(qint64(std::numeric_limits<int>::min()) + 1, qint64(m_maxValue) - 1);
    m_minValue = value;
    m_progress = std::max(m_progress, m_minValue);
    invalidate();
}

void TCGauge::setMaxValue(int value) {
    // 0 is the "not set" value of the form data and never changes the range.
    if (value == 0 || value == m_maxValue)
        return;
    if (value < m_minValue)
        throw outOfRange(qint64(m_minValue) + 1, std::numeric_limits<int>::max());
    m_maxValue = value;
    m_progress = std::min(m_progress, m_maxValue);
    invalidate();
}

void TCGauge::setProgress(int value) {
    const int clamped = std::clamp(value, m_minValue, m_maxValue);
    if (clamped == m_progress)
        return;
    const int before = percentDone();
    m_progress = clamped;
    if (percentDone() != before)
        invalidate();
}

void TCGauge::addProgress(int delta) {
    // Summed wide so that a large delta clamps instead of wrapping round.
    const qint64 sum = qint64(m_progress) + delta;
    setProgress(int(std::clamp<qint64>(sum, m_minValue, m_maxValue)));
    invalidate();
}

void TCGauge::invalidate() {
    update();
}

int TCGauge::percentDone(int minValue, int maxValue, int progress) {
    const double span = double(maxValue) - double(minValue);
    if (span == 0.0)
        return 0;
    return int(std::floor((double(progress) - double(minValue)) * 100.0 / span));
}

QString TCGauge::percentText(int percent) {
    return QString::number(percent) + QLatin1Char('%');
}

QRect TCGauge::drawingArea(const QRect& client, BorderStyle style) {
    return style == bsSingle ? client.adjusted(1, 1, -1, -1) : client;
}

// The bar extents follow the unit-style edge arithmetic: W and H count one
// more than the area, and the filled part ends at an exclusive edge.
QRect TCGauge::horizontalBarRect(const QRect& area, int percent) {
    const int w = area.width() + 1;
    const int h = area.height() + 1;
    const int filled = std::min(int(std::floor(w * percent * 0.01)), w);
    if (filled <= 0)
        return QRect();
    const QRect bar(QPoint(area.left(), area.top()), QPoint(filled - 1, h - 1));
    return bar.intersected(area);
}

QRect TCGauge::verticalBarRect(const QRect& area, int percent) {
    const int w = area.width() + 1;
    const int h = area.height() + 1;
    const int filled = std::min(int(std::floor(h * percent * 0.01)), h - 1);
    if (filled <= 0)
        return QRect();
    const QRect bar(QPoint(area.left(), h - filled), QPoint(w - 1, h - 1));
    return bar.intersected(area);
}

QPoint TCGauge::textPosition(const QRect& area, const QSize& textSize) {
    return QPoint(area.left() + (area.width() - textSize.width() + 1) / 2,
                  area.top() + (area.height() - textSize.height() + 1) / 2);
}

void TCGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, paintImage());
}

QImage TCGauge::paintImage() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QImage overlay(size(), QImage::Format_RGB32);
    overlay.fill(Qt::black);

    const QRect area = drawingArea(rect(), m_borderStyle);
    {
        QPainter painter(&overlay);
        paintKind(painter, area);
    }
    xorInto(image, overlay);
    if (m_showText)
        paintText(image, area);
    return image;
}

void TCGauge::paintKind(QPainter& painter, const QRect& area) const {
    const int percent = percentDone();
    switch (m_kind) {
    case gkText:
        painter.fillRect(area, m_backColor);
        break;
    case gkHorizontalBar:
    case gkVerticalBar: {
        painter.fillRect(area, m_backColor);
        const QRect bar = m_kind == gkHorizontalBar ? horizontalBarRect(area, percent)
                                                    : verticalBarRect(area, percent);
        if (!bar.isEmpty())
            painter.fillRect(bar, m_foreColor);
        break;
    }
    case gkPie: {
        painter.fillRect(area, palette().color(QPalette::Window));
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ellipse = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(m_foreColor);
        painter.setBrush(m_backColor);
        painter.drawEllipse(ellipse);
        if (percent >= 1) {
            // From 12 o'clock clockwise; Qt counts sixteenths of a degree anticlockwise.
            painter.setBrush(m_foreColor);
            painter.drawPie(ellipse, 90 * 16, -qRound(percent * 3.6 * 16));
        }
        break;
    }
    case gkNeedle: {
        painter.fillRect(area, palette().color(QPalette::Window));
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF face = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
        const QRectF ellipse(face.left(), face.top(), face.width(), face.height() * 2);
        painter.setPen(m_foreColor);
        painter.setBrush(m_backColor);
        painter.drawPie(ellipse, 0, 180 * 16);
        if (percent > 0) {
            // 0 % points to the left end of the base, 100 % to the right end.
            const double angle = percent * 0.01 * M_PI;
            const QPointF centre(face.center().x(), face.bottom());
            const QPointF tip(centre.x() - std::cos(angle) * face.width() / 2,
                              centre.y() - std::sin(angle) * face.height());
            painter.drawLine(centre, tip);
        }
        break;
    }
    }
}

void TCGauge::paintText(QImage& image, const QRect& area) const {
    QImage overlay(size(), QImage::Format_RGB32);
    overlay.fill(Qt::black);
    QFont textFont = font();
    // Hard-edged glyphs invert cleanly under XOR.
    textFont.setStyleStrategy(QFont::NoAntialias);
    const QString text = percentText(percentDone());
    const QFontMetrics metrics(textFont);
    const QSize textSize(metrics.horizontalAdvance(text), metrics.height());
    {
        QPainter painter(&overlay);
        painter.setClipRect(area);
        painter.setFont(textFont);
        painter.setPen(Qt::white);
        painter.drawText(QRect(textPosition(area, textSize), textSize),
                         Qt::AlignLeft | Qt::AlignTop, text);
    }
    xorInto(image, overlay);
}

} // namespace vortan
