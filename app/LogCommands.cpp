// The run log's commands of the main window: Record log and Replay log, each with its dialog
// and with the chosen path, and the window's share of the recording and the replay.

#include "app/DockRoom.h"
#include "app/FindChild.h"
#include "app/FormBuilder.h"
#include "app/Hlav.h"
#include "app/LogRecordView.h"
#include "app/MapColouring.h"
#include "app/Modules.h"
#include "app/MonitorView.h"
#include "app/ReplayView.h"
#include "app/RunPlot.h"
#include "app/WindowPages.h"
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
        displayPacket(row.packet, row.values);
        if (logPlot_)
            logPlot_->setCursorTime(row.timeMs);
        if (MapColouring* colouring = pages_->mapColouring())
            colouring->replayRows(replayView_->rows(), first, last, session_->image());
    };
    replayView_->onClose = [this] { closeReplay(); };

    plotDock_ = new QDockWidget(this);
    plotDock_->setObjectName("DockPlot");
    addDockWidget(Qt::BottomDockWidgetArea, plotDock_);
    plotDock_->hide();
    replayView_->onPlot = [this] {
        if (plotDock_->isVisible())
            plotDock_->hide();
        else
            showDockWithRoom(*this, *plotDock_, Qt::Vertical);
    };
}

// The plot is made with the first replay: Qt Charts is loaded then, not at start-up.
vortan::RunPlot* TFormHlav::runPlot() {
    if (logPlot_ || plotMade_)
        return logPlot_;
    plotMade_ = true;
    if (auto make = reinterpret_cast<MakeRunPlot>(moduleEntry(kChartModule, kMakeRunPlot))) {
        logPlot_ = make(plotDock_);
        logPlot_->widget()->setMinimumHeight(220);
        plotDock_->setWidget(logPlot_->widget());
        logPlot_->onJump = [this](std::int64_t ms) { replayView_->seek(ms); };
        logPlot_->setLanguage(session_->language());
    }
    return logPlot_;
}

void TFormHlav::logLanguage() {
    replayView_->setLanguage(session_->language());
    if (logPlot_)
        logPlot_->setLanguage(session_->language());
    if (MapColouring* colouring = pages_->mapColouring())
        colouring->setLanguage(session_->language());
    plotDock_->setWindowTitle(QString::fromStdString(logText(LogText::Plot, session_->language())));
}

void TFormHlav::logTick() {
    recordView_->tick();
    std::optional<std::int64_t> replayMs;
    if (replayView_->active())
        replayMs = replayView_->clock()->position();
    if (MapColouring* colouring = pages_->mapColouring())
        colouring->tick(session_->image(), session_->cursor(), replayMs);
}

void TFormHlav::MenuRecordLogClick() {
    if (recordView_->recording()) {
        stopRecording();
        return;
    }
    const QString folder = session_->lastFilePath().isEmpty()
                               ? QDir::homePath()
                               : QFileInfo(session_->lastFilePath()).absolutePath();
    QFileDialog dialog(this,
                       QString::fromStdString(logText(LogText::SaveTitle, session_->language())));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    dialog.setNameFilter(logFilter(session_->language()));
    dialog.selectFile(LogRecordView::defaultName(folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        requiredChild<QAction>(this, "MenuRecordLog")->setChecked(false);
        return;
    }
    startRecording(dialog.selectedFiles().front());
}

bool TFormHlav::startRecording(const QString& path) {
    const bool started = recordView_->start(path, session_->language());
    if (started) {
        pages_->ensure(kMapPage); // the time in each cell is counted on the map page
        pages_->mapColouring()->recordingStarted();
    }
    return started;
}

void TFormHlav::stopRecording() {
    recordView_->stop();
}

void TFormHlav::MenuReplayLogClick() {
    const QString folder = session_->lastFilePath().isEmpty()
                               ? QDir::homePath()
                               : QFileInfo(session_->lastFilePath()).absolutePath();
    QFileDialog dialog(
        this, QString::fromStdString(logText(LogText::OpenTitle, session_->language())), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {logFilter(session_->language()),
         QString::fromStdString(logText(LogText::AllFilesFilter, session_->language()))});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openReplay(dialog.selectedFiles().front());
}

bool TFormHlav::openReplay(const QString& path) {
    RunPlot* plot = runPlot();
    if (plot)
        plot->setLog(nullptr); // the rows it draws go with the replay open now
    const QString failure = replayView_->open(path, session_->language());
    if (!failure.isEmpty()) {
        if (plot && replayView_->active()) // the replay open before goes on
            plot->setLog(&replayView_->rows());
        showBox(failure);
        return false;
    }
    pages_->ensure(kMapPage); // the replayed rows colour its cells
    pages_->mapColouring()->replayOpened(replayView_->rows(), session_->image());
    if (plot) {
        plot->setLog(&replayView_->rows());
        plot->setCursorTime(replayView_->clock()->position());
        showDockWithRoom(*this, *plotDock_, Qt::Vertical);
    }
    return true;
}

// Back to live values: the last live packet, if one came, is shown again.
void TFormHlav::closeReplay() {
    if (logPlot_)
        logPlot_->setLog(nullptr);
    plotDock_->hide();
    if (MapColouring* colouring = pages_->mapColouring())
        colouring->replayClosed();
    replayView_->close();
    // With no live packet yet, the values of no engine: the last row stays neither on screen
    // nor under the buttons that act on the cell in use.
    displayPacket(lastLive_.value_or(MonitorPacket{}));
}
