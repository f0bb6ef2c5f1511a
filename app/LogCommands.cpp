// The run log's commands of the main window: Record log and Replay log, each with its dialog
// and with the chosen path, and the window's share of the recording and the replay.

#include "app/FindChild.h"
#include "app/Hlav.h"
#include "app/LogPlot.h"
#include "app/LogRecordView.h"
#include "app/MapColouring.h"
#include "app/MonitorView.h"
#include "app/ReplayView.h"
#include "lang/LogTexts.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

using namespace vortan;

namespace {
QString logFilter(int language) {
    return QString::fromStdString(logText(LogText::FileFilter, language));
}
} // namespace

void TFormHlav::buildLogViews() {
    recordView_ =
        std::make_unique<LogRecordView>(statusBar(), requiredChild<QAction>(this, "MenuRecordLog"));
    replayView_ = std::make_unique<ReplayView>(requiredChild<QWidget>(this, "PanelMonitor"));
    replayView_->onRows = [this](long first, long last) {
        const LogRow& row = replayView_->rows()[static_cast<std::size_t>(last)];
        displayPacket(row.packet);
        logPlot_->setCursorTime(row.timeMs);
        mapColouring_->replayRows(replayView_->rows(), first, last, image);
    };
    replayView_->onClose = [this] { closeReplay(); };

    plotDock_ = new QDockWidget(this);
    plotDock_->setObjectName("DockPlot");
    logPlot_ = new LogPlot(plotDock_);
    logPlot_->setMinimumHeight(220);
    plotDock_->setWidget(logPlot_);
    addDockWidget(Qt::BottomDockWidgetArea, plotDock_);
    plotDock_->hide();
    replayView_->onPlot = [this] { plotDock_->setVisible(!plotDock_->isVisible()); };
    connect(logPlot_, &LogPlot::jumpTo, this, [this](std::int64_t ms) { replayView_->seek(ms); });

    mapColouring_ = std::make_unique<MapColouring>(requiredChild<QWidget>(this, "TabSheet2"),
                                                   *params_, *mapEditing_);
}

void TFormHlav::logLanguage() {
    replayView_->setLanguage(language);
    logPlot_->setLanguage(language);
    mapColouring_->setLanguage(language);
    plotDock_->setWindowTitle(QString::fromStdString(logText(LogText::Plot, language)));
}

void TFormHlav::logTick() {
    recordView_->tick();
    std::optional<std::int64_t> replayMs;
    if (replayView_->active())
        replayMs = replayView_->clock()->position();
    mapColouring_->tick(image, cursor, recordView_->recording(), replayMs);
}

void TFormHlav::MenuRecordLogClick() {
    if (recordView_->recording()) {
        stopRecording();
        return;
    }
    const QString folder =
        lastFilePath.isEmpty() ? QDir::homePath() : QFileInfo(lastFilePath).absolutePath();
    QFileDialog dialog(this, QString::fromStdString(logText(LogText::SaveTitle, language)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    dialog.setNameFilter(logFilter(language));
    dialog.selectFile(LogRecordView::defaultName(folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        requiredChild<QAction>(this, "MenuRecordLog")->setChecked(false);
        return;
    }
    startRecording(dialog.selectedFiles().front());
}

bool TFormHlav::startRecording(const QString& path) {
    const bool started = recordView_->start(path, language);
    if (started)
        mapColouring_->recordingStarted();
    return started;
}

void TFormHlav::stopRecording() {
    recordView_->stop();
}

void TFormHlav::MenuReplayLogClick() {
    const QString folder =
        lastFilePath.isEmpty() ? QDir::homePath() : QFileInfo(lastFilePath).absolutePath();
    QFileDialog dialog(this, QString::fromStdString(logText(LogText::OpenTitle, language)), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({logFilter(language), "All Files (*)"});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openReplay(dialog.selectedFiles().front());
}

bool TFormHlav::openReplay(const QString& path) {
    logPlot_->setLog(nullptr); // the rows it draws go with the replay open now
    const QString failure = replayView_->open(path, language);
    if (!failure.isEmpty()) {
        if (replayView_->active()) // the replay open before goes on
            logPlot_->setLog(&replayView_->rows());
        showBox(failure);
        return false;
    }
    mapColouring_->replayOpened(replayView_->rows(), image);
    logPlot_->setLog(&replayView_->rows());
    logPlot_->setCursorTime(replayView_->clock()->position());
    plotDock_->show();
    return true;
}

// Back to live values: the last live packet, if one came, is shown again.
void TFormHlav::closeReplay() {
    logPlot_->setLog(nullptr);
    plotDock_->hide();
    mapColouring_->replayClosed();
    replayView_->close();
    if (lastLive_)
        displayPacket(*lastLive_);
}
