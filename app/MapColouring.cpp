#include "app/MapColouring.h"

#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "controls/ParamSpinBox.h"
#include "lang/LogTexts.h"
#include "monitor/MapTint.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

namespace vortan {

namespace {
QColor toQColor(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}
Rgb toRgb(const QColor& c) {
    return {c.red(), c.green(), c.blue()};
}

// What the cell of a row depends on besides the row: the speed axis and the throttle map switch.
std::array<std::uint8_t, 11> cursorInputs(const DeviceImage& image) {
    std::array<std::uint8_t, 11> in{};
    for (int i = 0; i < 10; ++i)
        in[static_cast<std::size_t>(i)] = image[Byte::RPM_ADV + i];
    in[10] = image[Byte::TPS_MAPA];
    return in;
}
} // namespace

MapColouring::MapColouring(QWidget* mapPage, const ParamView& params, MonitorView& monitor)
    : params_(params), monitor_(monitor) {
    label_ = new QLabel(mapPage);
    label_->setObjectName("LabelColouring");
    combo_ = new QComboBox(mapPage);
    combo_->setObjectName("ComboColouring");
    combo_->addItems({"Off", "Advance", "Time in cell"});
    // Above the last column of the map, clear of the TPS check box.
    const QRect last = params.mapCell(0, 9)->geometry();
    combo_->setGeometry(last.right() - 150, 4, 150, 24);
    label_->setGeometry(last.right() - 240, 4, 86, 24);
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < 100; ++i)
        params.mapCell(i / 10, i % 10)->installEventFilter(this);
    wall_.start();
}

MapColouring::Choice MapColouring::choice() const {
    return static_cast<Choice>(combo_->currentIndex());
}

void MapColouring::tick(const DeviceImage& image, const MapCursor& cursor, bool recording,
                        std::optional<std::int64_t> replayMs) {
    const std::int64_t now = replayMs ? *replayMs : wall_.elapsed();
    if (replayRows_ && cursorInputs(image) != countedWith_)
        countReplay(image);
    if (!replayMs) {
        trail_.sample(now, cursor);
        if (recording)
            live_.sample(now, cursor);
    }
    // Nothing to paint over plain cells: the usual idle tick stays cheap.
    if (plain_ && choice() == Off && !trail_.shows(now))
        return;
    paint(image, now);
}

void MapColouring::replayOpened(const std::vector<LogRow>& rows, const DeviceImage& image) {
    replaying_ = true;
    replayRows_ = &rows;
    countReplay(image);
    trail_.clear();
}

void MapColouring::countReplay(const DeviceImage& image) {
    replay_.clear();
    countedWith_ = cursorInputs(image);
    for (const LogRow& r : *replayRows_)
        replay_.sample(r.timeMs, computeMapCursor(r.packet.rpm, r.packet.tpsPercent, image));
}

void MapColouring::replayRows(const std::vector<LogRow>& rows, long first, long last,
                              const DeviceImage& image) {
    for (long i = first; i <= last; ++i) {
        const LogRow& r = rows[static_cast<std::size_t>(i)];
        trail_.sample(r.timeMs, computeMapCursor(r.packet.rpm, r.packet.tpsPercent, image));
    }
}

void MapColouring::replayClosed() {
    replaying_ = false;
    replayRows_ = nullptr;
    trail_.clear();
}

void MapColouring::paint(const DeviceImage& image, std::int64_t nowMs) {
    CellTints tints;
    if (choice() == Advance)
        tints = advanceTints(image);
    else if (choice() == TimeInCell)
        tints = dwellTints(timeInCell());
    const std::array<double, 100> trail = trail_.strengths(nowMs);
    const QColor& window = monitor_.windowColour();
    std::array<QColor, 100> colours;
    plain_ = true;
    for (std::size_t i = 0; i < 100; ++i) {
        const Rgb under = tints[i] ? *tints[i] : toRgb(window);
        colours[i] = toQColor(trail[i] > 0 ? trailColour(under, trail[i]) : under);
        plain_ = plain_ && colours[i] == window;
    }
    monitor_.setCellColours(colours);
}

void MapColouring::setLanguage(int language) {
    language_ = language;
    label_->setText(QString::fromStdString(logText(LogText::Colouring, language)));
    const LogText items[3] = {LogText::ColouringOff, LogText::ColouringAdvance,
                              LogText::ColouringDwell};
    for (int i = 0; i < 3; ++i)
        combo_->setItemText(i, QString::fromStdString(logText(items[i], language)));
}

// With "Time in cell", a cell's tool tip tells its share, after any note of its own.
bool MapColouring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || choice() != TimeInCell)
        return false;
    auto* cell = qobject_cast<ParamSpinBox*>(watched);
    int index = -1;
    for (int i = 0; i < 100 && cell; ++i)
        if (params_.mapCell(i / 10, i % 10) == cell)
            index = i;
    if (index < 0)
        return false;
    const double percent = 100.0 * timeInCell().share(index / 10, index % 10);
    QString tip = QString::fromStdString(logText(LogText::DwellTip, language_))
                      .arg(QString::number(percent, 'f', 1));
    if (!cell->toolTip().isEmpty())
        tip = cell->toolTip() + "\n" + tip;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, cell);
    return true;
}

} // namespace vortan
