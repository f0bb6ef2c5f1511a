#pragma once
// The curves panel beside the pages: the advance over engine speed, one line per visible
// throttle row, the row in use bold and the cell in use as a dot; with the Servo page in
// front, the servo voltage over engine speed. A dock of the main window that can be hidden;
// the chart, with Qt Charts, is loaded (module vortan2charts) and made when the panel is
// first shown, and redrawn only while it is shown.

#include "app/CurvesPanel.h"

#include <QObject>
#include <memory>

class QLineSeries;
class QMainWindow;

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
    // servo table (rpm, mV); null before the panel was first shown.
    QLineSeries* rowSeries(int row) const;
    QLineSeries* servoSeries() const;

private:
    // The panel, the module loaded on the first call; null when it cannot be found.
    CurvesPanel* panel();

    QMainWindow& window_;
    std::unique_ptr<CurvesPanel> panel_;
    bool loadTried_ = false;
    int language_ = 1;
};

} // namespace vortan
