#pragma once
// The live values and the run log: every accepted packet shown (or kept off the display while a
// log is replayed) and written to the log being recorded; Device › Record log and File › Replay
// log with their dialogs and with a path chosen; the replay's plot in its dock, made with the
// first replay; the map's time in cell and trail at each tick.

#include "monitor/MonitorPacket.h"

#include <QString>
#include <memory>
#include <optional>

class QDockWidget;

namespace vortan {

class LogRecordView;
class ReplayView;
class RunPlot;
class WindowPages;
struct WindowContext;

class RunLog {
public:
    RunLog(WindowContext& context, WindowPages& pages);
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // A valid live packet from the unit.
    void livePacket(const MonitorPacket& packet);
    // First in a tick: the replay moves on, so that the tick marks the replayed row's cell.
    void tickReplay();
    // Later in the tick: the recording's field, the map's colours.
    void tick();
    // The texts in the session's language.
    void languageChanged();

    // Device › Record log: asks for a file and starts, or stops.
    void record();
    // File › Replay log: asks for a log and plays it.
    void replay();
    bool startRecording(const QString& path);
    void stopRecording();
    bool openReplay(const QString& path);
    // Back to live values: the last live packet, if one came, is shown again.
    void closeReplay();

private:
    // The plot is made with the first replay: Qt Charts is loaded then, not at start-up.
    RunPlot* runPlot();
    // What an accepted packet shows: the labels and gauges (live, or a replayed row).
    // A replayed row passes the values it holds; a live packet holds them all.
    void display(const MonitorPacket& packet, PacketValues values = {});

    WindowContext& context_;
    WindowPages& pages_;
    std::unique_ptr<LogRecordView> recordView_;
    std::unique_ptr<ReplayView> replayView_;
    RunPlot* plot_ = nullptr; // in plotDock_, shown with a replay; made by runPlot()
    bool plotMade_ = false;
    QDockWidget* plotDock_ = nullptr;
    std::optional<MonitorPacket> lastLive_; // shown again when a replay closes
};

} // namespace vortan
