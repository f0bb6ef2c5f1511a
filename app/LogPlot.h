#pragma once
// The plot of the log being replayed (Qt Charts): engine speed on the left axis; throttle,
// advance and lambda on the right; a cursor line at the replay's position. A click jumps the
// replay there; the wheel zooms the time about the pointer.

#include "monitor/LogCsv.h"
#include "monitor/PlotData.h"

#include <QChartView>

#include <array>

class QLineSeries;
class QValueAxis;

namespace vortan {

class LogPlot : public QChartView {
    Q_OBJECT
public:
    explicit LogPlot(QWidget* parent = nullptr);

    // The rows outlive the plot's use of them (until the next setLog or clear).
    void setLog(const std::vector<LogRow>* rows);
    // The cursor line at `timeMs` of log time.
    void setCursorTime(std::int64_t timeMs);
    void setLanguage(int language);
    TimeRange visibleRange() const { return visible_; }

signals:
    void jumpTo(std::int64_t timeMs);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The series again for the visible range, thinned to the plot's width.
    void refill();
    double secondsAt(const QPointF& viewPos) const;

    const std::vector<LogRow>* rows_ = nullptr;
    std::array<QLineSeries*, 4> series_{};
    QLineSeries* cursor_ = nullptr;
    QValueAxis* time_ = nullptr;
    QValueAxis* rpm_ = nullptr;
    QValueAxis* other_ = nullptr;
    TimeRange whole_{0, 1};
    TimeRange visible_{0, 1};
    double cursorSeconds_ = 0;
};

} // namespace vortan
