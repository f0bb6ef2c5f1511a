#include "app/MapColouring.h"
#include "app/FindChild.h"

#include "app/MapEditing.h"
#include "app/ParamView.h"
#include "controls/ParamSpinBox.h"
#include "lang/LogTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QToolTip>

namespace vortan {

namespace {
// What the cell of a row depends on besides the row: the speed axis and the throttle map switch.
std::array<std::uint8_t, 11> cursorInputs(const DeviceImage& image) {
    std::array<std::uint8_t, 11> in{};
    for (int i = 0; i < 10; ++i)
        in[static_cast<std::size_t>(i)] = image[Byte::RPM_ADV + i];
    in[10] = image[Byte::TPS_MAPA];
    return in;
}
} // namespace

MapColouring::MapColouring(QWidget* mapPage, const ParamView& params, MapEditing& map)
    : params_(params), map_(map) {
    combo_ = requiredChild<QComboBox>(mapPage, "ComboMapColourSource");
    connect(combo_, qOverload<int>(&QComboBox::activated), this, [this] { choose(); });
    for (int i = 0; i < 100; ++i)
        params.mapCell(i / 10, i % 10)->installEventFilter(this);
    map_.setTrail([this](int cell) { return strengths_[static_cast<std::size_t>(cell)]; });
    wall_.start();
}

MapColouring::~MapColouring() {
    map_.setTintSource({});
    map_.setTrail({});
}

MapColouring::Choice MapColouring::choice() const {
    return static_cast<Choice>(combo_->currentIndex());
}

void MapColouring::choose() {
    if (choice() == TimeInCell)
        map_.setTintSource([this](int cell) { return tints_[static_cast<std::size_t>(cell)]; });
    else
        map_.setTintSource({});
}

void MapColouring::tick(const DeviceImage& image, const MapCursor& cursor,
                        std::optional<std::int64_t> replayMs) {
    const std::int64_t now = replayMs ? *replayMs : wall_.elapsed();
    if (replayRows_ && cursorInputs(image) != countedWith_)
        countReplay(image);
    if (!replayMs)
        trail_.sample(now, cursor);
    const bool dwell = map_.coloured() && choice() == TimeInCell;
    const bool shows = dwell || trail_.shows(now);
    // Nothing of this on the cells, now or last tick: the usual tick stays cheap.
    if (!shows && !shown_)
        return;
    shown_ = shows;
    strengths_ = trail_.strengths(now);
    if (dwell)
        tints_ = dwellTints(timeInCell());
    map_.repaintColours();
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

void MapColouring::setLanguage(int language) {
    language_ = language;
    combo_->setItemText(0, QString::fromStdString(logText(LogText::ColouringAdvance, language)));
    combo_->setItemText(1, QString::fromStdString(logText(LogText::ColouringDwell, language)));
    combo_->setToolTip(QString::fromStdString(logText(LogText::ColourSource, language)));
}

// With the time in cell shown, a cell's tool tip tells its share, after any note of its own.
bool MapColouring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !map_.coloured() || choice() != TimeInCell)
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
