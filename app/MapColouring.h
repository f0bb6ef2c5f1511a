#pragma once
// The map's colouring and trail: a choice on the map page (off, by advance, by time in cell),
// the time in cell of the recording in progress or of the replayed log with the percentage
// in each cell's tool tip, and a trail of the cells in use over the last three seconds,
// fading with age. The cell in use stays lime (MonitorView paints it over all this).

#include "monitor/CellTrail.h"
#include "monitor/DwellShares.h"
#include "monitor/LogCsv.h"
#include "params/DeviceImage.h"

#include <QElapsedTimer>
#include <QObject>

#include <optional>

#include <vector>

class QComboBox;
class QLabel;

namespace vortan {

class MonitorView;
class ParamView;

class MapColouring : public QObject {
    Q_OBJECT
public:
    enum Choice { Off, Advance, TimeInCell };

    MapColouring(QWidget* mapPage, const ParamView& params, MonitorView& monitor);

    // Every tick, after the cursor was marked. Live (no `replayMs`) the cursor joins the trail
    // at the wall time, and the time in cell while a recording runs; replaying, the trail is
    // that of the rows passed, at the replay's position. Then the cells are painted.
    void tick(const DeviceImage& image, const MapCursor& cursor, bool recording,
              std::optional<std::int64_t> replayMs);
    // A recording starts: its time in cell starts from nothing.
    void recordingStarted() { live_.clear(); }
    // A replay opened: the time in cell of the whole log, the trail anew.
    void replayOpened(const std::vector<LogRow>& rows, const DeviceImage& image);
    // Rows first..last of the replay passed.
    void replayRows(const std::vector<LogRow>& rows, long first, long last,
                    const DeviceImage& image);
    void replayClosed();
    // The cells' colours for the choice, the time in cell and the trail at `nowMs`.
    void paint(const DeviceImage& image, std::int64_t nowMs);
    const DwellShares& timeInCell() const { return replaying_ ? replay_ : live_; }
    void setLanguage(int language);
    Choice choice() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void countReplay(const DeviceImage& image);

    const ParamView& params_;
    MonitorView& monitor_;
    QLabel* label_;
    QComboBox* combo_;
    DwellShares live_;
    DwellShares replay_;
    bool replaying_ = false;
    // The replayed rows, and the axis and map switch their time in cell was counted with: a
    // change of either counts it again.
    const std::vector<LogRow>* replayRows_ = nullptr;
    std::array<std::uint8_t, 11> countedWith_{};
    CellTrail trail_;
    QElapsedTimer wall_;
    bool plain_ = true; // every cell was last painted in the window colour
    int language_ = 1;
};

} // namespace vortan
