#pragma once
// The run log's part of the map colours: beside the map's "Colours" a choice of what they
// show, the advance or the time in cell (of the recording in progress, or of the replayed
// log, with the percentage in each cell's tool tip); and a trail of the cells in use over the
// last three seconds, fading with age. The map editor paints the cells (the cell in use stays
// lime); this hands it the tints and the trail.

#include "monitor/CellTrail.h"
#include "monitor/DwellShares.h"
#include "monitor/LogCsv.h"
#include "monitor/MapTint.h"
#include "params/DeviceImage.h"

#include <QElapsedTimer>
#include <QObject>

#include <optional>
#include <vector>

class QComboBox;

namespace vortan {

class MapEditing;
class ParamView;

class MapColouring : public QObject {
    Q_OBJECT
public:
    enum Choice { Advance, TimeInCell };

    MapColouring(QWidget* mapPage, const ParamView& params, MapEditing& map);
    ~MapColouring() override;

    // Every tick, after the cursor was marked. Live (no `replayMs`) the cursor joins the trail
    // at the wall time; replaying, the trail is that of the rows passed, at the replay's
    // position. Then the cells are painted again when anything of this shows.
    void tick(const DeviceImage& image, const MapCursor& cursor,
              std::optional<std::int64_t> replayMs);
    // A live packet while a recording runs, in `cell`: the recording's time in cell.
    void livePacket(const MapCursor& cell) { live_.sample(wall_.elapsed(), cell); }
    // A recording starts: its time in cell starts from nothing.
    void recordingStarted() { live_.clear(); }
    // A replay opened: the time in cell of the whole log, the trail anew.
    void replayOpened(const std::vector<LogRow>& rows, const DeviceImage& image);
    // Rows first..last of the replay passed.
    void replayRows(const std::vector<LogRow>& rows, long first, long last,
                    const DeviceImage& image);
    void replayClosed();
    void setLanguage(int language);
    Choice choice() const;
    const DwellShares& timeInCell() const { return replaying_ ? replay_ : live_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void countReplay(const DeviceImage& image);
    void choose();

    const ParamView& params_;
    MapEditing& map_;
    QComboBox* combo_;
    DwellShares live_;
    DwellShares replay_;
    bool replaying_ = false;
    // The replayed rows, and the axis and map switch their time in cell was counted with: a
    // change of either counts it again.
    const std::vector<LogRow>* replayRows_ = nullptr;
    std::array<std::uint8_t, 11> countedWith_{};
    CellTrail trail_;
    CellTints tints_;
    std::array<double, 100> strengths_{};
    bool shown_ = false; // the last tick painted a trail or a time in cell
    QElapsedTimer wall_;
    int language_ = 1;
};

} // namespace vortan
