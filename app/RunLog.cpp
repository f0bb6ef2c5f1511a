// The live values and the run log of the main window: Record log and Replay log, each with its
// dialog and with the chosen path, the replay's plot, and the packets shown and recorded.

#include "app/RunLog.h"

#include "app/DockRoom.h"
#include "app/FindChild.h"
#include "app/FormBuilder.h"
#include "app/LogRecordView.h"
#include "app/MapColouring.h"
#include "app/Modules.h"
#include "app/MonitorView.h"
#include "app/ReplayView.h"
#include "app/RunPlot.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "lang/LogTexts.h"
#include "session/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

namespace vortan {

namespace {
QString logFilter(int language) {
    return QString::fromStdString(logText(LogText::FileFilter, language));
}
} // namespace

RunLog::RunLog(WindowContext& context, WindowPages& pages) : context_(context), pages_(pages) {
    QMainWindow& window = context_.window;
    recordView_ = std::make_unique<LogRecordView>(window.statusBar(),
                                                  requiredChild<QAction>(&window, "MenuRecordLog"));
    replayView_ = std::make_unique<ReplayView>(requiredChild<QWidget>(&window, "PanelMonitor"));
    replayView_->onRows = [this](long first, long last) {
        const LogRow& row = replayView_->rows()[static_cast<std::size_t>(last)];
        display(row.packet, row.values);
        if (plot_)
            plot_->setCursorTime(row.timeMs);
        if (MapColouring* colouring = pages_.mapColouring())
            colouring->replayRows(replayView_->rows(), first, last, context_.session.image());
    };
    replayView_->onClose = [this] { closeReplay(); };

    plotDock_ = new QDockWidget(&window);
    plotDock_->setObjectName("DockPlot");
    window.addDockWidget(Qt::BottomDockWidgetArea, plotDock_);
    plotDock_->hide();
    replayView_->onPlot = [this] {
        if (plotDock_->isVisible())
            plotDock_->hide();
        else
            showDockWithRoom(context_.window, *plotDock_, Qt::Vertical);
    };
}

RunLog::~RunLog() = default;

// The plot is made with the first replay: Qt Charts is loaded then, not at start-up.
RunPlot* RunLog::runPlot() {
    if (plot_ || plotMade_)
        return plot_;
    plotMade_ = true;
    if (auto make = reinterpret_cast<MakeRunPlot>(moduleEntry(kChartModule, kMakeRunPlot))) {
        plot_ = make(plotDock_);
        plot_->widget()->setMinimumHeight(220);
        plotDock_->setWidget(plot_->widget());
        plot_->onJump = [this](std::int64_t ms) { replayView_->seek(ms); };
        plot_->setLanguage(context_.language());
    }
    return plot_;
}

void RunLog::languageChanged() {
    replayView_->setLanguage(context_.language());
    if (plot_)
        plot_->setLanguage(context_.language());
    if (MapColouring* colouring = pages_.mapColouring())
        colouring->setLanguage(context_.language());
    plotDock_->setWindowTitle(QString::fromStdString(logText(LogText::Plot, context_.language())));
}

void RunLog::tick() {
    recordView_->tick();
    std::optional<std::int64_t> replayMs;
    if (replayView_->active())
        replayMs = replayView_->clock()->position();
    if (MapColouring* colouring = pages_.mapColouring())
        colouring->tick(context_.session.image(), context_.session.cursor(), replayMs);
}

void RunLog::record() {
    if (recordView_->recording()) {
        stopRecording();
        return;
    }
    const QString folder = context_.session.lastFilePath().isEmpty()
                               ? QDir::homePath()
                               : QFileInfo(context_.session.lastFilePath()).absolutePath();
    QFileDialog dialog(&context_.window,
                       QString::fromStdString(logText(LogText::SaveTitle, context_.language())));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    dialog.setNameFilter(logFilter(context_.language()));
    dialog.selectFile(LogRecordView::defaultName(folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        requiredChild<QAction>(&context_.window, "MenuRecordLog")->setChecked(false);
        return;
    }
    startRecording(dialog.selectedFiles().front());
}

bool RunLog::startRecording(const QString& path) {
    const bool started = recordView_->start(path, context_.language());
    if (started) {
        pages_.ensure(kMapPage); // the time in each cell is counted on the map page
        pages_.mapColouring()->recordingStarted();
    }
    return started;
}

void RunLog::stopRecording() {
    recordView_->stop();
}

void RunLog::replay() {
    const QString folder = context_.session.lastFilePath().isEmpty()
                               ? QDir::homePath()
                               : QFileInfo(context_.session.lastFilePath()).absolutePath();
    QFileDialog dialog(&context_.window,
                       QString::fromStdString(logText(LogText::OpenTitle, context_.language())),
                       folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {logFilter(context_.language()),
         QString::fromStdString(logText(LogText::AllFilesFilter, context_.language()))});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openReplay(dialog.selectedFiles().front());
}

bool RunLog::openReplay(const QString& path) {
    RunPlot* plot = runPlot();
    if (plot)
        plot->setLog(nullptr); // the rows it draws go with the replay open now
    const QString failure = replayView_->open(path, context_.language());
    if (!failure.isEmpty()) {
        if (plot && replayView_->active()) // the replay open before goes on
            plot->setLog(&replayView_->rows());
        context_.showBox(failure);
        return false;
    }
    pages_.ensure(kMapPage); // the replayed rows colour its cells
    pages_.mapColouring()->replayOpened(replayView_->rows(), context_.session.image());
    if (plot) {
        plot->setLog(&replayView_->rows());
        plot->setCursorTime(replayView_->clock()->position());
        showDockWithRoom(context_.window, *plotDock_, Qt::Vertical);
    }
    return true;
}

void RunLog::closeReplay() {
    if (plot_)
        plot_->setLog(nullptr);
    plotDock_->hide();
    if (MapColouring* colouring = pages_.mapColouring())
        colouring->replayClosed();
    replayView_->close();
    // With no live packet yet, the values of no engine: the last row stays neither on screen
    // nor under the buttons that act on the cell in use.
    display(lastLive_.value_or(MonitorPacket{}));
}

void RunLog::tickReplay() {
    replayView_->tick();
}

void RunLog::livePacket(const MonitorPacket& packet) {
    if (recordView_->recording()) { // the cell is worked out only while a log records
        const Session& session = context_.session;
        const MapCursor cell = computeMapCursor(packet.rpm, packet.tpsPercent, session.image());
        recordView_->packet(packet, cell, session.language());
        // The time in cell counts packets, as the log does: a silent unit adds no time.
        if (MapColouring* colouring = pages_.mapColouring())
            colouring->livePacket(cell);
    }
    lastLive_ = packet;
    if (!replayView_->active())
        display(packet);
}

void RunLog::display(const MonitorPacket& packet, PacketValues values) {
    Session& session = context_.session;
    const WindowControls& controls = context_.controls;
    session.setShownPacket(packet);
    const bool ext = controls.checkExtMonitor->isChecked();
    const DeviceImage& image = session.image();
    const MonitorDisplay d = buildMonitorDisplay(packet, image[Byte::LIMITER2], ext, values);
    // Before their pages are built, the N2O box and the servo group follow the set.
    const bool n2o =
        controls.checkGas ? controls.checkGas->isChecked() : image[Byte::N2O_ENABLE] != 0;
    const bool servo =
        controls.groupPrivera ? !controls.groupPrivera->isHidden() : image[Byte::PRIV_ENABLE] != 0;
    context_.monitor.show(d, n2o, servo, ext);
}

} // namespace vortan
