#pragma once
// File › Replay log: the log's rows played through the window's display at their times. A
// panel over the monitor area carries the "REPLAY" banner with the file name, play/pause,
// step by row, the speed, a position slider and the replay's time; the window shows the rows
// it hands over and keeps live packets off the display meanwhile.

#include "monitor/LogCsv.h"
#include "monitor/ReplayClock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QSlider;
class QToolButton;
class QWidget;

namespace vortan {

class ElidedLabel;

class ReplayView : public QObject {
    Q_OBJECT
public:
    // The panel goes on top of `monitorPanel`'s layout, hidden until a log is open.
    explicit ReplayView(QWidget* monitorPanel);
    ~ReplayView() override;

    // Reads the log and starts playing it at 1x. Empty when it opened, else the message.
    QString open(const QString& path, int language);
    void close();
    bool active() const { return clock_ != nullptr; }
    // Every tick: moves the replay on by the wall time since the last tick.
    void tick();
    void seek(std::int64_t timeMs);
    void step(long rows);
    void setLanguage(int language);

    const std::vector<LogRow>& rows() const { return log_.rows; }
    const ReplayClock* clock() const { return clock_.get(); }

    // Rows first..last (in order) have passed; the last is the one to show. After a jump the
    // first is the earliest within the trail's time before the last.
    std::function<void(long first, long last)> onRows;
    // The close button was pressed.
    std::function<void()> onClose;
    // The plot button was pressed.
    std::function<void()> onPlot;

private:
    void buildPanel();
    void showPosition(bool force);
    void updateTexts();

    LogReadResult log_;
    std::unique_ptr<ReplayClock> clock_;
    QElapsedTimer wall_;
    long shown_ = -1;
    bool endShown_ = false;
    int language_ = 1;
    QString fileName_;
    QString filePath_; // the banner's tool tip
    QWidget* monitorPanel_;
    // Made by buildPanel() with the first replay.
    QWidget* panel_ = nullptr;
    ElidedLabel* banner_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* forward_ = nullptr;
    QComboBox* speed_ = nullptr;
    QToolButton* plot_ = nullptr;
    QToolButton* close_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* time_ = nullptr;
};

// "m:ss.s", or "h:mm:ss" from an hour on: the replay's position and length.
QString replayTimeText(std::int64_t ms);

} // namespace vortan
