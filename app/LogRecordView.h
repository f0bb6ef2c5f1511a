#pragma once
// Device › Record log: the recorder, its status-bar field "● REC 00:42 · 128" and the one
// message of a failed write. The window hands it every accepted live packet.

#include "monitor/LogRecorder.h"

#include <QElapsedTimer>
#include <QString>

class QAction;
class QLabel;
class QStatusBar;

namespace vortan {

class LogRecordView {
public:
    LogRecordView(QStatusBar* bar, QAction* item);

    // Starts writing to `path`; false (and a message in the field) when it cannot.
    bool start(const QString& path, int language);
    void stop();
    bool recording() const { return recorder_.recording(); }
    // An accepted live packet and the map cell it falls in.
    void packet(const MonitorPacket& p, const MapCursor& cursor, int language);
    // Brings the field's time up to date (every tick; repaints once a second).
    void tick();
    // Milliseconds since the recording began, on the clock the lines are stamped with.
    std::int64_t nowMs() const { return clock_.elapsed(); }

    // The file name offered: vortan2-YYYYMMDD-HHMMSS.csv in `folder`.
    static QString defaultName(const QString& folder);

private:
    void showField();
    void showFailure(const QString& text);

    LogRecorder recorder_;
    QElapsedTimer clock_;
    QStatusBar* bar_;
    QAction* item_;
    QLabel* field_;
};

} // namespace vortan
