#include "app/Hlav.h"

#include "app/CloseFlow.h"
#include "app/DiffReportView.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/FindChild.h"
#include "app/FormBuilder.h"
#include "app/GrowingType.h"
#include "app/HelpCommands.h"
#include "app/LanguageView.h"
#include "app/MessageView.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "app/PortCommands.h"
#include "app/PrintCommands.h"
#include "app/RangeMessages.h"
#include "app/RunLog.h"
#include "app/ScreenFit.h"
#include "app/SetStatusView.h"
#include "app/SignalHandlers.h"
#include "app/UnitCommands.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "app/WindowSettings.h"
#include "controls/CGauge.h"
#include "controls/CSpinButton.h"
#include "controls/ParamSpinBox.h"
#include "link/SerialLink.h"
#include "params/OperationTexts.h"
#include "session/Session.h"
#include "settings/Settings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

using namespace vortan;

TFormHlav::TFormHlav(const CommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent), link_(std::make_unique<SerialLink>()),
      session_(std::make_unique<Session>(*link_)), ini_(settingsFilePath()),
      commandLine_(commandLine) {
    setObjectName("FormHlav");
    setWindowTitle("Programming of Vortan 2 unit");
    buildFormControls(*this);
    buildMenus();
    // The large type fits the widest engine speed and advance a packet can carry.
    MonitorPacket widest;
    widest.rpm = 0xFFFF;
    widest.advance = 0xFF;
    const MonitorDisplay longest = buildMonitorDisplay(widest, 0, false);
    new GrowingType(
        this, {{requiredChild<QLabel>(this, "LabelRpm"), QString::fromStdString(longest.rpm.text)},
               {requiredChild<QLabel>(this, "LabelAdvance"),
                QString::fromStdString(longest.advance.text)}});
    new ScreenFit(*this); // every dialog opens within its screen
    params_ = std::make_unique<ParamView>(this);
    monitorView_ = std::make_unique<MonitorView>(this, *params_);
    languageView_ = std::make_unique<LanguageView>(this);
    context_ = std::make_unique<WindowContext>(
        WindowContext{*this, *session_, *link_, *params_, *monitorView_, {}, {}});
    // The status bar's fields in their order: the port, the recording, the lock, the counts.
    ports_ = std::make_unique<PortCommands>(*context_, ini_);
    status_ = std::make_unique<SetStatusView>(*context_);
    pages_ = std::make_unique<WindowPages>(*context_, *languageView_, *status_,
                                           [this](QWidget* page) { connectControls(page); });
    runLog_ = std::make_unique<RunLog>(*context_, *pages_);
    addSetStatusLabels(*statusBar());
    context_->controls.find(this);
    messages_ = std::make_unique<MessageView>(*context_);
    unit_ = std::make_unique<UnitCommands>(*context_, *status_);
    report_ = std::make_unique<DiffReportView>(*context_, [this] { unit_->program(); });
    ranges_ = std::make_unique<RangeMessages>(*context_);
    edits_ = std::make_unique<EditCommands>(*context_, *status_, *pages_);
    files_ = std::make_unique<FileCommands>(*context_, *report_);
    print_ = std::make_unique<PrintCommands>(*context_, *messages_);
    CloseFlow::Steps closeSteps;
    closeSteps.shutDown = [this] { FormClose(); };
    closeSteps.resume = [this] {
        pages_->showImage();
        ports_->openPort();
    };
    closeSteps.program = [this] { unit_->program(); };
    close_ = std::make_unique<CloseFlow>(*context_, std::move(closeSteps));
    settings_ = std::make_unique<WindowSettings>(*context_, ini_, *pages_, *close_);

    connect(link_.get(), &SerialLink::linkLost, this, [this] {
        session_->linkLost();
        ports_->updatePortStatus();
    });
    connect(link_.get(), &SerialLink::linkRestored, this, [this] { ports_->updatePortStatus(); });
    const WindowControls& controls = context_->controls;
    connect(controls.buttonDifferences, &QPushButton::clicked, this, [this] { report_->show(); });
    connectControls(centralWidget());
    connectSession();
    connect(controls.checkProgHned, &QCheckBox::toggled, session_.get(),
            &Session::setProgramAfterChange);
    connect(controls.checkProgHned, &QCheckBox::clicked, this,
            [this] { edits_->commitControls(); });
    connect(controls.checkExtMonitor, &QCheckBox::toggled, session_.get(), &Session::setExtMonitor);
    connect(controls.checkExtMonitor, &QCheckBox::clicked, this, [this] {
        monitorView_->showProgrammingsLabel(context_->controls.checkExtMonitor->isChecked());
    });
    connect(controls.comboBox1, qOverload<int>(&QComboBox::activated), this,
            [this] { edits_->chooseBike(); });
    // A page is built when the tuner first opens it.
    connect(controls.pageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0)
            pages_->ensure(index);
    });

    auto* timer1 = new QTimer(this);
    timer1->setObjectName("Timer1");
    timer1->setInterval(55);
    timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early
    connect(timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    context_->controls.timer1 = timer1;
    if (commandLine_.demo)
        ports_->startDemo();
}

TFormHlav::~TFormHlav() {
    // The base destructor hides the children after our members are gone: nothing they
    // signal from then on may reach this window.
    for (QObject* c : findChildren<QObject*>())
        QObject::disconnect(c, nullptr, this, nullptr);
    context_->controls.timer1->stop();
    link_->close();
    ports_.reset(); // the demo unit's thread ends with it
}

void TFormHlav::buildMenus() {
    MenuCommands c;
    c.newSet = [this] { files_->newSet(); };
    c.open = [this] { files_->open(); };
    c.compareFile = [this] { files_->compareFile(); };
    c.restorePoints = [this] { files_->restorePoints(); };
    c.replayLog = [this] { runLog_->replay(); };
    c.save = [this] { files_->save(); };
    c.print = [this] { print_->printWithDialog(); };
    c.exportSheet = [this] { print_->exportSheet(); };
    c.exit = [this] { close(); };
    c.undo = [this] { edits_->undo(); };
    c.redo = [this] { edits_->redo(); };
    c.port = [this](int port) { ports_->choosePort(port); };
    c.portSettings = [this] { ports_->portSettings(); };
    c.read = [this] { unit_->read(); };
    c.verify = [this] { unit_->verify(); };
    c.program = [this] { unit_->program(); };
    c.compareUnit = [this] { unit_->compareUnit(); };
    c.recordLog = [this] { runLog_->record(); };
    c.advanceMinus = [this] { edits_->stepAdvance(-1); };
    c.advancePlus = [this] { edits_->stepAdvance(+1); };
    c.language = [this](int language) { switchLanguage(language); };
    c.contents = [this] { openManual(*context_); };
    c.about = [this] { showAbout(*context_); };
    buildMenuBar(*this, &c);
}

void TFormHlav::connectControls(QWidget* under) {
    for (ParamSpinBox* edit : params_->allEdits()) {
        if (!under->isAncestorOf(edit))
            continue;
        connect(edit, &ParamSpinBox::committed, this,
                [this, edit](bool stepped) { edits_->commitField(edit, stepped); });
        connect(edit, &ParamSpinBox::refused, this,
                [this, edit](int typed) { ranges_->typedRefused(edit, typed); });
    }
    for (QCheckBox* box : params_->flagBoxes())
        if (under->isAncestorOf(box))
            connect(box, &QCheckBox::clicked, this, [this] { edits_->commitControls(); });

    auto button = [this, under](const char* name, std::function<void()> command) {
        if (auto* b = under->findChild<QAbstractButton*>(name))
            connect(b, &QAbstractButton::clicked, this, std::move(command));
    };
    button("SpeedButton6", [this] { files_->newSet(); });
    button("SpeedButton5", [this] { files_->open(); });
    button("SpeedButton7", [this] { files_->save(); });
    button("SpeedButtonPrint", [this] { print_->printOnDefault(); });
    button("Button1", [this] { unit_->read(); });
    button("BitBtn2", [this] { unit_->verify(); });
    button("BitBtn1", [this] { unit_->program(); });
    button("BitBtnAdvMinus", [this] { edits_->stepAdvance(-1); });
    button("BitBtnAdvPlus", [this] { edits_->stepAdvance(+1); });
    button("BitBtnTps0", [this] { edits_->setTps0(); });
    button("BitBtnTps100", [this] { edits_->setTps100(); });
    button("BitBtnServoMinus", [this] { edits_->stepServo(-1); });
    button("BitBtnServoPlus", [this] { edits_->stepServo(+1); });
    for (int c = 0; c < 10; ++c) {
        auto* spin = under->findChild<TCSpinButton*>(QString("CSpinButton%1").arg(c + 1));
        if (!spin)
            continue;
        connect(spin, &TCSpinButton::upClick, this,
                [this, c, spin] { edits_->shiftColumn(c, +1, spin->isRepeating()); });
        connect(spin, &TCSpinButton::downClick, this,
                [this, c, spin] { edits_->shiftColumn(c, -1, spin->isRepeating()); });
    }
}

// The session's reports, drawn.
void TFormHlav::connectSession() {
    Session* s = session_.get();
    s->setTypedReader([this](DeviceImage& typed) { params_->read(typed); });
    s->setProgramConfirmation(
        [this](bool afterChange) { return ranges_->confirmProgram(afterChange); });
    connect(s, &Session::imageChanged, this, [this] {
        pages_->showImage();
        report_->refresh();
    });
    connect(s, &Session::historyChanged, this, [this] { status_->updateEditMenu(); });
    connect(s, &Session::messageShown, this,
            [this](Message message) { messages_->showMessage(message); });
    connect(s, &Session::messageBoxShown, this,
            [this](Message message) { messages_->showMessageBox(message); });
    connect(s, &Session::box, this, [this](const QString& text, const QString& informative) {
        context_->showBox(text, informative);
    });
    connect(s, &Session::statusLine, statusBar(), &QStatusBar::showMessage);
    TCGauge* gauge = context_->controls.cGauge;
    connect(s, &Session::gaugeSet, gauge, &TCGauge::setProgress);
    connect(s, &Session::gaugeAdded, gauge, &TCGauge::addProgress);
    connect(s, &Session::gaugeVisible, gauge, &QWidget::setVisible);
    connect(s, &Session::identificationChanged, this, [this] { messages_->showIdentification(); });
    connect(s, &Session::comparisonReady, this, [this] { report_->show(); });
    connect(s, &Session::packetArrived, this,
            [this](const MonitorPacket& packet) { runLog_->livePacket(packet); });
    connect(s, &Session::messageHidden, this, [this] { messages_->hideMessage(); });
    connect(s, &Session::connectionShown, this,
            [this](bool shown) { messages_->showNoConnection(shown); });
    connect(s, &Session::cursorDue, this, [this] {
        pages_->markCursor();
        ports_->tick();
        status_->updateChangeCounts();
    });
    connect(s, &Session::lockChanged, this, [this] { status_->updateSetLock(); });
    connect(s, &Session::refused, this, [this](OperationText reason) {
        statusBar()->showMessage(
            QString::fromStdString(operationText(reason, session_->language())), 5000);
    });
    connect(s, &Session::fileLabelChanged, context_->controls.labelFile2, &QLabel::setText);
    connect(s, &Session::comparedSetsChanged, this, [this] { report_->refresh(); });
    connect(s, &Session::extMonitorChanged, this, [this](bool on) {
        QCheckBox* box = context_->controls.checkExtMonitor;
        if (box->isChecked() == on)
            return;
        box->setChecked(on);
        monitorView_->showProgrammingsLabel(box->isChecked());
    });
    connect(s, &Session::readCorrected, this,
            [this](const DeviceImage& received) { ranges_->tellReadCorrections(received); });
    connect(s, &Session::valuesTaken, this,
            [this](const DeviceImage& taken, const std::vector<int>& bytes) {
                ranges_->tellTakenCorrections(taken, bytes);
            });
}

// ---- start-up, tick and shut-down -------------------------------------------------------

void TFormHlav::FormCreate() {
    // First, so that a logout during start-up (a message box may be open) still saves.
    installSignalHandlers(this, [this] { close_->closeOnSignal(); });
    settings_->startFromDefaults();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.x() + (s.width() - frameGeometry().width()) / 2,
             s.y() + (s.height() - frameGeometry().height()) / 2);
    }
    settings_->read(commandLine_.language);
    pages_->showImage();
    ports_->openPort();
    ports_->tickPortItem();
    switchLanguage(session_->language());
    context_->controls.labelHlaseni->hide();
    context_->controls.cGauge->hide();
    // The restored set is where this run's history begins.
    session_->editor().clear();
    status_->updateEditMenu();
    if (!close_->closed())
        context_->controls.timer1->start();
    // A parameter file named on the command line (a double-clicked .ign) opens as File › Open
    // of it does, once the window is up, so that a box about a bad file stands over it.
    if (!close_->closed() && !commandLine_.openFile.isEmpty())
        QTimer::singleShot(0, this, [this] { files_->openFile(commandLine_.openFile); });
}

void TFormHlav::FormClose() {
    close_->shutDown([this] {
        context_->controls.timer1->stop();
        runLog_->stopRecording();
        ports_->closePort();
        return settings_->write();
    });
}

bool TFormHlav::isClosed() const {
    return close_->closed();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    close_->closeEvent(event);
}

void TFormHlav::Timer1Timer() {
    runLog_->tickReplay(); // before step 5, which marks the replayed row's cell
    session_->runTick();   // its lockChanged brings the controls' lock up to date
    close_->watchPendingClose();
    runLog_->tick();
    report_->refresh();
}

void TFormHlav::ensureAllPages() {
    pages_->ensureAll();
}

void TFormHlav::setPortOverride(const QString& devicePath) {
    ports_->setPortOverride(devicePath);
}

void TFormHlav::divertBoxes(mainwindow::BoxHook hook) {
    context_->boxHook = std::move(hook);
}

void TFormHlav::switchLanguage(int language) {
    session_->setLanguage(language);
    languageView_->apply(language);
    pages_->setLanguage(language);
    ports_->updatePortStatus();
    params_->setNoteLanguage(language);
    runLog_->languageChanged();
    status_->languageChanged();
    report_->refresh();
}
