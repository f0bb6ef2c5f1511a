#pragma once
// The plot of the log being replayed (Qt Charts): engine speed on the left axis; throttle,
// advance and lambda on the right; a cursor line at the replay's position. A click jumps the
// replay there; the wheel zooms the time about the pointer.

#include "app/RunPlot.h"
#include "monitor/LogCsv.h"
#include "monitor/PlotData.h"

#include <QChartView>

#include <array>

class QLineSeries;
class QValueAxis;

namespace vortan {

class LogPlot : public QChartView, public RunPlot {
    Q_OBJECT
public:
    explicit LogPlot(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void setLog(const std::vector<LogRow>* rows) override;
    void setCursorTime(std::int64_t timeMs) override;
    void setLanguage(int language) override;

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
