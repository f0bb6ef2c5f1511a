#pragma once
// The curves panel beside the pages: the advance over engine speed, one line per visible
// throttle row, the row in use bold and the cell in use as a dot; with the Servo page in
// front, the servo voltage over engine speed. A dock of the main window that can be hidden;
// the chart is made when the panel is first shown and redrawn only while it is shown.

#include "monitor/MapCursor.h"
#include "params/DeviceImage.h"

#include <QObject>
#include <array>

class QDockWidget;
class QMainWindow;
class QTabWidget;

class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace vortan {

class MapCurves : public QObject {
    Q_OBJECT
public:
    explicit MapCurves(QMainWindow& window);
    ~MapCurves() override;

    void setShown(bool shown, const DeviceImage& image, const MapCursor& cursor);
    bool isShown() const;
    // Redraws from the set and the cell in use; cheap when neither changed.
    void update(const DeviceImage& image, const MapCursor& cursor);
    void setLanguage(int language);

    // The points of the map row `row` (engine speed in rpm, advance in degrees), and of the
    // servo table (rpm, mV).
    QLineSeries* rowSeries(int row) const { return rows_[std::size_t(row)]; }
    QLineSeries* servoSeries() const { return servo_; }

private:
    void build();
    void redraw();
    void retitle();
    bool servoShown() const;

    QMainWindow& window_;
    QTabWidget* pages_ = nullptr;
    QDockWidget* dock_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    std::array<QLineSeries*, 10> rows_{};
    QLineSeries* servo_ = nullptr;
    QScatterSeries* dot_ = nullptr;
    QValueAxis* speedAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    DeviceImage image_;
    MapCursor cursor_;
    bool servoDrawn_ = false;
    bool drawn_ = false;
    int language_ = 1;
};

} // namespace vortan
