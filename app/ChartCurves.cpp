// The curves panel's chart, built as the module vortan2charts (app/CurvesPanel.h).

#include "app/CurvesPanel.h"
#include "app/DockRoom.h"
#include "app/FindChild.h"

#include "lang/MapEditTexts.h"
#include "params/CurveColours.h"

#include <QChart>
#include <QChartView>
#include <QDockWidget>
#include <QLineSeries>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScatterSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <algorithm>
#include <array>

namespace vortan {

namespace {
constexpr int kServoPage = 3;

// The chart asks for room to read ten curves, but makes do with less: too narrow for the
// legend beside the curves, it leaves the legend out (the rows' order is their lightness).
class CurvesView : public QChartView {
public:
    using QChartView::QChartView;
    QSize sizeHint() const override { return QSize(460, 380); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        chart()->legend()->setVisible(event->size().width() >= 340);
        QChartView::resizeEvent(event);
    }
};

class ChartCurves : public QObject, public CurvesPanel {
public:
    explicit ChartCurves(QMainWindow& window);

    void setShown(bool shown, const DeviceImage& image, const MapCursor& cursor) override;
    bool isShown() const override;
    void update(const DeviceImage& image, const MapCursor& cursor) override;
    void setLanguage(int language) override;
    QLineSeries* rowSeries(int row) const override { return rows_[std::size_t(row)]; }
    QLineSeries* servoSeries() const override { return servo_; }

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

QString text(MapEditText t, int language) {
    return QString::fromStdString(mapEditText(t, language));
}

// Only a change of the points redraws the chart (the cursor moves every tick).
void replaceChanged(QXYSeries* series, const QList<QPointF>& points) {
    if (series->points() != points)
        series->replace(points);
}
} // namespace

ChartCurves::ChartCurves(QMainWindow& window) : window_(window) {
    pages_ = requiredChild<QTabWidget>(&window, "PageControl1");
    connect(pages_, &QTabWidget::currentChanged, this, [this] { redraw(); });
}

bool ChartCurves::isShown() const {
    return dock_ && dock_->isVisible();
}

bool ChartCurves::servoShown() const {
    return pages_->currentIndex() == kServoPage;
}

void ChartCurves::build() {
    dock_ = new QDockWidget(&window_);
    dock_->setObjectName("DockMapCurves");
    dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    chart_ = new QChart;
    // Ten rows' names fit one above the other, not side by side under a narrow chart.
    chart_->legend()->setAlignment(Qt::AlignRight);
    QFont small = chart_->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    chart_->legend()->setFont(small);
    chart_->setMargins(QMargins(2, 2, 2, 2));
    speedAxis_ = new QValueAxis(chart_);
    valueAxis_ = new QValueAxis(chart_);
    speedAxis_->setLabelFormat("%d");
    // Round speeds under the grid lines, not fifths of the axis.
    speedAxis_->setTickType(QValueAxis::TicksDynamic);
    speedAxis_->setTickAnchor(0);
    speedAxis_->setTickInterval(2000);
    valueAxis_->setLabelFormat("%d");
    for (QValueAxis* axis : {speedAxis_, valueAxis_}) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
    }
    chart_->addAxis(speedAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    auto attach = [this](QXYSeries* s) {
        chart_->addSeries(s);
        s->attachAxis(speedAxis_);
        s->attachAxis(valueAxis_);
    };
    for (int r = 0; r < 10; ++r) {
        auto* series = new QLineSeries(chart_);
        attach(series);
        // After attaching: the chart's theme colours a series as it is added.
        const Rgb c = throttleRowColour(r);
        series->setColor(QColor(c.red, c.green, c.blue));
        rows_[std::size_t(r)] = series;
    }
    servo_ = new QLineSeries(chart_);
    attach(servo_);
    dot_ = new QScatterSeries(chart_);
    dot_->setMarkerSize(11);
    dot_->setColor(QColor(0x00, 0xC0, 0x00));
    attach(dot_);
    view_ = new CurvesView(chart_, dock_);
    view_->setObjectName("ChartMapCurves");
    // Without antialiasing: a redraw after every change costs half as much.
    view_->setRenderHint(QPainter::Antialiasing, false);
    // Small enough to take only the room the map leaves on a small screen.
    view_->setMinimumSize(240, 240);
    dock_->setWidget(view_);
    window_.addDockWidget(Qt::RightDockWidgetArea, dock_);
    retitle();
}

void ChartCurves::setShown(bool shown, const DeviceImage& image, const MapCursor& cursor) {
    if (shown && !dock_)
        build();
    if (!dock_)
        return;
    if (shown)
        showDockWithRoom(window_, *dock_, Qt::Horizontal, true); // the map stays whole
    else
        dock_->hide();
    drawn_ = false;
    update(image, cursor);
}

void ChartCurves::setLanguage(int language) {
    language_ = language;
    if (dock_)
        retitle();
}

void ChartCurves::retitle() {
    dock_->setWindowTitle(text(MapEditText::CurvesTitle, language_));
    speedAxis_->setTitleText(text(MapEditText::SpeedAxis, language_));
    valueAxis_->setTitleText(
        text(servoDrawn_ ? MapEditText::ServoAxis : MapEditText::AdvanceAxis, language_));
    // The rows by the map's own captions ("0%" .. "100%"): short, so that a panel given only
    // the room beside the map keeps most of it for the curves.
    for (int r = 0; r < 10; ++r)
        rows_[std::size_t(r)]->setName(QStringLiteral("%1%").arg(kThrottleAxis[std::size_t(r)]));
    servo_->setName(text(MapEditText::ServoAxis, language_));
    dot_->setName(
        text(servoDrawn_ ? MapEditText::ServoPointInUse : MapEditText::CellInUse, language_));
}

void ChartCurves::update(const DeviceImage& image, const MapCursor& cursor) {
    if (!isShown())
        return;
    if (drawn_ && image == image_ && cursor == cursor_ && servoDrawn_ == servoShown())
        return;
    image_ = image;
    cursor_ = cursor;
    redraw();
}

void ChartCurves::redraw() {
    if (!isShown())
        return;
    drawn_ = true;
    const bool servo = servoShown();
    const bool titles = servo != servoDrawn_;
    servoDrawn_ = servo;
    const int speedAt = servo ? Byte::RPM_PRIV : Byte::RPM_ADV;
    const double low = image_[speedAt] * 100.0;
    const double high = image_[speedAt + 9] * 100.0;
    if (speedAxis_->min() != low || speedAxis_->max() != high)
        speedAxis_->setRange(low, high);
    const bool throttleMap = image_[Byte::TPS_MAPA] != 0;
    for (int r = 0; r < 10; ++r) {
        QLineSeries* s = rows_[std::size_t(r)];
        const bool visible = !servo && (throttleMap || r == 9);
        if (s->isVisible() != visible)
            s->setVisible(visible);
        if (!visible)
            continue;
        QList<QPointF> points;
        for (int c = 0; c < 10; ++c)
            points.append({image_[Byte::RPM_ADV + c] * 100.0, double(image_.map(r, c))});
        replaceChanged(s, points);
        const qreal width = r == cursor_.row ? 3.5 : 1.5;
        if (s->pen().widthF() != width) {
            QPen pen = s->pen();
            pen.setWidthF(width);
            s->setPen(pen);
        }
    }
    if (servo_->isVisible() != servo)
        servo_->setVisible(servo);
    QList<QPointF> dot;
    if (servo) {
        QList<QPointF> points;
        for (int c = 0; c < 10; ++c)
            points.append({image_[Byte::RPM_PRIV + c] * 100.0, image_[Byte::NAP_PRIV + c] * 20.0});
        replaceChanged(servo_, points);
        if (valueAxis_->max() != 5000)
            valueAxis_->setRange(0, 5000);
        dot.append(points[cursor_.servoColumn]);
    } else {
        if (valueAxis_->max() != 60)
            valueAxis_->setRange(0, 60);
        if (!cursor_.belowMap)
            dot.append({image_[Byte::RPM_ADV + cursor_.column] * 100.0,
                        double(image_.map(cursor_.row, cursor_.column))});
    }
    replaceChanged(dot_, dot);
    if (titles)
        retitle();
}

} // namespace vortan

extern "C" Q_DECL_EXPORT vortan::CurvesPanel* vortan2MakeCurvesPanel(QMainWindow* window) {
    return new vortan::ChartCurves(*window);
}
