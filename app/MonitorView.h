#pragma once
// Shows monitor packets in the monitor area and marks the map cell, throttle row and servo
// column in use. The marking runs on every tick, so it repaints only what changed.

#include "monitor/MonitorPacket.h"
#include "params/MapCursor.h"

#include <QColor>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QWidget;

namespace vortan {

class ParamView;
class TCGauge;

class MonitorView {
public:
    MonitorView(QWidget* root, const ParamView& params);

    // Steps of one accepted packet, in their order.
    void show(const MonitorDisplay& d, bool n2oChecked, bool servoGroupVisible,
              bool extendedMonitor);
    // Colours the axis points, the row label, the servo column and the map cell.
    void mark(const MapCursor& cursor);
    // Forgets what is marked, so the next mark() paints every control (after a show of the
    // whole image or a palette change).
    void invalidate() { marked_ = false; }
    void showProgrammingsLabel(bool visible);
    // Paints a map cell instead of the plain lime-or-window rule (the map's selection and
    // colours): row, column, whether it is the cell in use.
    void setCellPainter(std::function<void(int, int, bool)> painter) {
        cellPainter_ = std::move(painter);
    }

private:
    void setLabel(QLabel* label, const LabelView& view);
    void paintAll(const MapCursor& cursor);
    void paintColumn(int i, const MapCursor& c);
    void paintRow(int row, const MapCursor& c);
    void paintServo(int i, const MapCursor& c);
    void paintCell(int row, int column, const MapCursor& c);

    const ParamView& params_;
    QColor buttonFace_;
    QColor window_;
    QLabel* rpm_;
    TCGauge* rpmGauge_;
    QLabel* lambda_;
    TCGauge* lambdaGauge_;
    QLabel* tps_;
    TCGauge* tpsGauge_;
    QLabel* servoDesired_;
    QLabel* servoMeasured_;
    QLabel* blocking1_;
    QLabel* blocking2_;
    QLabel* clutch_;
    QLabel* limiter_;
    QLabel* tacho_;
    QLabel* n2o_;
    QLabel* advance_;
    QLabel* programmings_;
    std::array<QLabel*, 8> tests_{};
    std::function<void(int, int, bool)> cellPainter_;
    MapCursor markedCursor_{};
    bool marked_ = false;
};

} // namespace vortan
