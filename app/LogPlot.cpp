#include "app/LogPlot.h"

#include "lang/LogTexts.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vortan {

namespace {
constexpr PlotChannel kChannels[4] = {PlotChannel::Rpm, PlotChannel::Throttle, PlotChannel::Advance,
                                      PlotChannel::Lambda};
constexpr LogText kNames[4] = {LogText::SeriesRpm, LogText::SeriesThrottle, LogText::SeriesAdvance,
                               LogText::SeriesLambda};
const QColor kColours[4] = {QColor(0xC0, 0x00, 0xC0), QColor(0x00, 0x80, 0x80),
                            QColor(0xD0, 0x70, 0x00), QColor(0x20, 0x40, 0xC0)};
constexpr double kNarrowestSeconds = 2.0;
} // namespace

LogPlot::LogPlot(QWidget* parent) : QChartView(parent) {
    setObjectName("ChartLog");
    setRenderHint(QPainter::Antialiasing, false);
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(2, 2, 2, 2));
    time_ = new QValueAxis;
    rpm_ = new QValueAxis;
    other_ = new QValueAxis;
    rpm_->setRange(0, 16000);
    other_->setRange(0, 100);
    time_->setLabelFormat("%.0f");
    rpm_->setLabelFormat("%.0f");
    other_->setLabelFormat("%.0f");
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(rpm_, Qt::AlignLeft);
    chart->addAxis(other_, Qt::AlignRight);
    for (int i = 0; i < 4; ++i) {
        auto* s = new QLineSeries;
        s->setColor(kColours[i]);
        chart->addSeries(s);
        s->attachAxis(time_);
        s->attachAxis(i == 0 ? rpm_ : other_);
        series_[static_cast<std::size_t>(i)] = s;
    }
    cursor_ = new QLineSeries;
    cursor_->setColor(Qt::black);
    chart->addSeries(cursor_);
    cursor_->attachAxis(time_);
    cursor_->attachAxis(rpm_);
    setChart(chart);
    chart->legend()->markers(cursor_).front()->setVisible(false);
    setLanguage(1);
}

void LogPlot::setLog(const std::vector<LogRow>* rows) {
    rows_ = rows && !rows->empty() ? rows : nullptr;
    if (!rows_) {
        for (QLineSeries* s : series_)
            s->clear();
        return;
    }
    whole_ = {0, std::max(0.001, (rows_->back().timeMs - rows_->front().timeMs) / 1000.0)};
    visible_ = whole_;
    int maxRpm = 1000;
    int maxOther = 100;
    for (const LogRow& r : *rows_) {
        maxRpm = std::max<int>(maxRpm, r.packet.rpm);
        maxOther = std::max<int>(maxOther, int(plotValue(r.packet, PlotChannel::Lambda)));
        maxOther = std::max<int>(maxOther, r.packet.advance);
    }
    // A value the log has no column for is no line at zero, and no entry in the legend.
    for (int i = 0; i < 4; ++i)
        series_[static_cast<std::size_t>(i)]->setVisible(
            std::any_of(rows_->begin(), rows_->end(),
                        [i](const LogRow& r) { return hasPlotValue(r, kChannels[i]); }));
    rpm_->setRange(0, (maxRpm + 999) / 1000 * 1000);
    other_->setRange(0, (maxOther + 9) / 10 * 10);
    refill();
}

void LogPlot::refill() {
    if (!rows_)
        return;
    time_->setRange(visible_.from, visible_.to);
    const std::int64_t start = rows_->front().timeMs;
    // Rounded, not cut: a cut end could fall a millisecond short of the last row.
    const auto from = start + std::llround(visible_.from * 1000);
    const auto to = start + std::llround(visible_.to * 1000);
    const int slices = std::max(50, width() / 2);
    for (int i = 0; i < 4; ++i) {
        QList<QPointF> points;
        for (const PlotPoint& p : thinnedSeries(*rows_, kChannels[i], from, to, slices))
            points.append(QPointF(p.seconds, p.value));
        series_[static_cast<std::size_t>(i)]->replace(points);
    }
}

void LogPlot::setCursorTime(std::int64_t timeMs) {
    if (!rows_)
        return;
    cursorSeconds_ = (timeMs - rows_->front().timeMs) / 1000.0;
    cursor_->replace({QPointF(cursorSeconds_, rpm_->min()), QPointF(cursorSeconds_, rpm_->max())});
}

void LogPlot::setLanguage(int language) {
    for (int i = 0; i < 4; ++i)
        series_[static_cast<std::size_t>(i)]->setName(
            QString::fromStdString(logText(kNames[i], language)));
    time_->setTitleText(QString::fromStdString(logText(LogText::AxisTime, language)));
}

double LogPlot::secondsAt(const QPointF& viewPos) const {
    return chart()->mapToValue(mapToScene(viewPos.toPoint()), series_[0]).x();
}

void LogPlot::mousePressEvent(QMouseEvent* event) {
    if (!rows_ || event->button() != Qt::LeftButton ||
        !chart()->plotArea().contains(mapToScene(event->position().toPoint()))) {
        QChartView::mousePressEvent(event);
        return;
    }
    const double s = std::clamp(secondsAt(event->position()), whole_.from, whole_.to);
    if (onJump)
        onJump(rows_->front().timeMs + static_cast<std::int64_t>(s * 1000 + 0.5));
}

void LogPlot::wheelEvent(QWheelEvent* event) {
    if (!rows_ || event->angleDelta().y() == 0) {
        QChartView::wheelEvent(event);
        return;
    }
    const double factor = event->angleDelta().y() > 0 ? 0.8 : 1.25;
    // A short log may still be zoomed into; a long one to two seconds at most.
    const double narrowest = std::min(kNarrowestSeconds, (whole_.to - whole_.from) / 20);
    visible_ = zoomRange(visible_, secondsAt(event->position()), factor, whole_, narrowest);
    refill();
    event->accept();
}

void LogPlot::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    refill();
}

} // namespace vortan

extern "C" Q_DECL_EXPORT vortan::RunPlot* vortan2MakeRunPlot(QWidget* parent) {
    return new vortan::LogPlot(parent);
}
