#include "app/Hlav.h"
#include "app/FindChild.h"
#include "app/ParamControls.h"

#include "app/CloseFlow.h"
#include "app/DiffReportView.h"
#include "app/FormBuilder.h"
#include "app/GrowingType.h"
#include "app/LanguageView.h"
#include "app/LogRecordView.h"
#include "app/MapColouring.h"
#include "app/MapEditing.h"
#include "app/MessageView.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "app/PortStatusView.h"
#include "app/RangeMessages.h"
#include "app/ReplayView.h"
#include "app/RunLog.h"
#include "app/ScreenFit.h"
#include "app/SetStatusView.h"
#include "app/SignalHandlers.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "app/WindowSettings.h"
#include "controls/CGauge.h"
#include "controls/CSpinButton.h"
#include "controls/ParamSpinBox.h"
#include "lang/Texts.h"
#include "params/Corrections.h"
#include "params/OperationTexts.h"
#include "params/ParamDiff.h"
#include "settings/Settings.h"
#include "sim/SimUnit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace vortan;

TFormHlav::TFormHlav(const QStringList& arguments, QWidget* parent)
    : TFormHlav(parseCommandLine(arguments), parent) {}

TFormHlav::TFormHlav(const CommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent), link_(std::make_unique<SerialLink>()),
      session_(std::make_unique<Session>(*link_)), ini_(settingsFilePath()),
      commandLine_(commandLine) {
    setObjectName("FormHlav");
    setWindowTitle("Programming of Vortan 2 unit");
    buildForm();
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
    CloseFlow::Steps closeSteps;
    closeSteps.shutDown = [this] { FormClose(); };
    closeSteps.resume = [this] {
        ShowImage();
        openPort();
    };
    closeSteps.program = [this] { MenuProgramClick(); };
    close_ = std::make_unique<CloseFlow>(*context_, std::move(closeSteps));
    portStatus_ = std::make_unique<PortStatusView>(statusBar());
    status_ = std::make_unique<SetStatusView>(*context_);
    pages_ = std::make_unique<WindowPages>(*context_, *languageView_, *status_,
                                           [this](QWidget* page) { connectControls(page); });
    runLog_ = std::make_unique<RunLog>(*context_, *pages_); // the recording's field
    addSetStatusLabels(*statusBar());                       // beside it, the lock and the counts
    connect(link_.get(), &SerialLink::linkLost, this, [this] {
        session_->linkLost();
        updatePortStatus();
    });
    connect(link_.get(), &SerialLink::linkRestored, this, &TFormHlav::updatePortStatus);
    context_->controls.find(this);
    messages_ = std::make_unique<MessageView>(*context_);
    report_ = std::make_unique<DiffReportView>(*context_, [this] { MenuProgramClick(); });
    ranges_ = std::make_unique<RangeMessages>(*context_);
    settings_ = std::make_unique<WindowSettings>(*context_, ini_, *pages_, *close_);
    connect(context_->controls.buttonDifferences, &QPushButton::clicked, this,
            [this] { report_->show(); });
    connectControls(centralWidget());
    connectSession();
    connect(context_->controls.checkProgHned, &QCheckBox::toggled, session_.get(),
            &Session::setProgramAfterChange);
    connect(context_->controls.checkProgHned, &QCheckBox::clicked, this,
            &TFormHlav::CommitControls);
    connect(context_->controls.checkExtMonitor, &QCheckBox::toggled, session_.get(),
            &Session::setExtMonitor);
    connect(context_->controls.checkExtMonitor, &QCheckBox::clicked, this,
            &TFormHlav::CheckBoxExtMonitorClick);
    connect(context_->controls.comboBox1, qOverload<int>(&QComboBox::activated), this,
            &TFormHlav::ComboBox1Change);
    // A page is built when the tuner first opens it.
    connect(context_->controls.pageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0)
            pages_->ensure(index);
    });

    auto* timer1 = new QTimer(this);
    timer1->setObjectName("Timer1");
    timer1->setInterval(55);
    timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early
    connect(timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    context_->controls.timer1 = timer1;
    if (commandLine_.demo) {
        demoUnit_ = std::make_unique<SimUnit>();
        if (demoUnit_->start())
            portOverride_ = QString::fromStdString(demoUnit_->devicePath());
        demoUnit_->startThread();
    }
}

TFormHlav::~TFormHlav() {
    // The base destructor hides the children after our members are gone: nothing they
    // signal from then on may reach this window.
    for (QObject* c : findChildren<QObject*>())
        QObject::disconnect(c, nullptr, this, nullptr);
    context_->controls.timer1->stop();
    link_->close();
    if (demoUnit_)
        demoUnit_->stopThread();
}

void TFormHlav::connectControls(QWidget* under) {
    for (ParamSpinBox* edit : params_->allEdits()) {
        if (!under->isAncestorOf(edit))
            continue;
        connect(edit, &ParamSpinBox::committed, this,
                [this, edit](bool stepped) { commitField(edit, stepped); });
        connect(edit, &ParamSpinBox::refused, this,
                [this, edit](int typed) { ranges_->typedRefused(edit, typed); });
    }
    for (QCheckBox* box : params_->flagBoxes())
        if (under->isAncestorOf(box))
            connect(box, &QCheckBox::clicked, this, &TFormHlav::CommitControls);

    auto button = [this, under](const char* name, void (TFormHlav::*handler)()) {
        if (auto* b = under->findChild<QAbstractButton*>(name))
            connect(b, &QAbstractButton::clicked, this, handler);
    };
    button("SpeedButton6", &TFormHlav::MenuNewClick);
    button("SpeedButton5", &TFormHlav::MenuOpenClick);
    button("SpeedButton7", &TFormHlav::MenuSaveClick);
    button("SpeedButtonPrint", &TFormHlav::SpeedButtonPrintClick);
    button("Button1", &TFormHlav::MenuReadClick);
    button("BitBtn2", &TFormHlav::MenuVerifyClick);
    button("BitBtn1", &TFormHlav::MenuProgramClick);
    button("BitBtnAdvMinus", &TFormHlav::BitBtnAdvMinusClick);
    button("BitBtnAdvPlus", &TFormHlav::BitBtnAdvPlusClick);
    button("BitBtnTps0", &TFormHlav::BitBtnTps0Click);
    button("BitBtnTps100", &TFormHlav::BitBtnTps100Click);
    button("BitBtnServoMinus", &TFormHlav::BitBtnServoMinusClick);
    button("BitBtnServoPlus", &TFormHlav::BitBtnServoPlusClick);
    for (int c = 0; c < 10; ++c) {
        auto* spin = under->findChild<TCSpinButton*>(QString("CSpinButton%1").arg(c + 1));
        if (!spin)
            continue;
        connect(spin, &TCSpinButton::upClick, this,
                [this, c, spin] { CSpinButtonUpClick(c, spin->isRepeating()); });
        connect(spin, &TCSpinButton::downClick, this,
                [this, c, spin] { CSpinButtonDownClick(c, spin->isRepeating()); });
    }
}

// The session's reports, drawn.
void TFormHlav::connectSession() {
    Session* s = session_.get();
    s->setTypedReader([this](DeviceImage& typed) { params_->read(typed); });
    s->setProgramConfirmation(
        [this](bool afterChange) { return ranges_->confirmProgram(afterChange); });
    connect(s, &Session::imageChanged, this, [this] {
        ShowImage();
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
    connect(s, &Session::gaugeSet, context_->controls.cGauge, &TCGauge::setProgress);
    connect(s, &Session::gaugeAdded, context_->controls.cGauge, &TCGauge::addProgress);
    connect(s, &Session::gaugeVisible, context_->controls.cGauge, &QWidget::setVisible);
    connect(s, &Session::identificationChanged, this, [this] { messages_->showIdentification(); });
    connect(s, &Session::comparisonReady, this, [this] { report_->show(); });
    connect(s, &Session::packetArrived, this,
            [this](const MonitorPacket& packet) { runLog_->livePacket(packet); });
    connect(s, &Session::messageHidden, this, [this] { messages_->hideMessage(); });
    connect(s, &Session::connectionShown, this,
            [this](bool shown) { messages_->showNoConnection(shown); });
    connect(s, &Session::cursorDue, this, &TFormHlav::markMapCursor);
    connect(s, &Session::lockChanged, this, [this] { status_->updateSetLock(); });
    connect(s, &Session::refused, this, [this](OperationText reason) {
        statusBar()->showMessage(
            QString::fromStdString(operationText(reason, session_->language())), 5000);
    });
    connect(s, &Session::fileLabelChanged, context_->controls.labelFile2, &QLabel::setText);
    connect(s, &Session::comparedSetsChanged, this, [this] { report_->refresh(); });
    connect(s, &Session::extMonitorChanged, this, [this](bool on) {
        if (context_->controls.checkExtMonitor->isChecked() == on)
            return;
        context_->controls.checkExtMonitor->setChecked(on);
        CheckBoxExtMonitorClick();
    });
    connect(s, &Session::readCorrected, this,
            [this](const DeviceImage& received) { ranges_->tellReadCorrections(received); });
    connect(s, &Session::valuesTaken, this,
            [this](const DeviceImage& taken, const std::vector<int>& bytes) {
                ranges_->tellTakenCorrections(taken, bytes);
            });
}

// ---- pages built when first needed ----------------------------------------------------

void TFormHlav::ensureAllPages() {
    pages_->ensureAll();
}

MapEditing& TFormHlav::mapEditing() {
    return pages_->mapEditing();
}

// ---- start-up and shut-down ------------------------------------------------------------

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
    ShowImage();
    openPort();
    tickPortItem();
    applyLanguage(session_->language());
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
        QTimer::singleShot(0, this, [this] { openParamFile(commandLine_.openFile); });
}

void TFormHlav::FormClose() {
    close_->shutDown([this] {
        context_->controls.timer1->stop();
        stopRecording();
        closePort();
        return settings_->write();
    });
}

bool TFormHlav::isClosed() const {
    return close_->closed();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    close_->closeEvent(event);
}

// ---- the tick --------------------------------------------------------------------------

void TFormHlav::Timer1Timer() {
    runLog_->tickReplay(); // before step 5, which marks the replayed row's cell
    session_->runTick();   // its lockChanged brings the controls' lock up to date
    close_->watchPendingClose();
    runLog_->tick();
    report_->refresh();
}

void TFormHlav::markMapCursor() {
    UpdateMapCursor();
    portStatus_->tick(link_->isOpen(), session_->tick().silenceCount);
    status_->updateChangeCounts();
}

// ---- parameter set -------------------------------------------------------------------

void TFormHlav::ReadControls() {
    params_->read(session_->image());
}

void TFormHlav::ShowImage() {
    pages_->showImage();
}

void TFormHlav::ChangeHandler() {
    session_->changeHandler();
    status_->updateSetLock();
}

void TFormHlav::CommitControls() {
    if (!session_->commitTyped())
        ShowImage(); // a box clicked without effect shows the set again
}

bool TFormHlav::refuseWhileLocked(SetCommand command) {
    return session_->refuseWhileLocked(command);
}

// Arrow clicks on one field carry on one step of the history; typing is a step of its own.
void TFormHlav::commitField(ParamSpinBox* edit, bool stepped) {
    session_->commitField(params_->byteOf(edit), stepped);
}

EditInputs TFormHlav::editInputs() const {
    EditInputs in;
    in.cursor = session_->cursor();
    in.throttleMillivolts = session_->throttleMillivolts();
    in.allCells = context_->controls.checkIgnAll && context_->controls.checkIgnAll->isChecked();
    in.allServo = context_->controls.checkPrivAll && context_->controls.checkPrivAll->isChecked();
    return in;
}

void TFormHlav::stepMapCell(int delta) {
    session_->change(advanceEdit(delta, editInputs()));
}

void TFormHlav::BitBtnAdvMinusClick() {
    stepMapCell(-1);
}
void TFormHlav::BitBtnAdvPlusClick() {
    stepMapCell(+1);
}

void TFormHlav::shiftColumn(int column, int delta, bool held) {
    session_->change(columnShiftEdit(column, delta, held));
}

void TFormHlav::CSpinButtonUpClick(int column, bool held) {
    shiftColumn(column, +1, held);
}
void TFormHlav::CSpinButtonDownClick(int column, bool held) {
    shiftColumn(column, -1, held);
}

// The calibration buttons take no typed value first: show overwrites it.
void TFormHlav::BitBtnTps0Click() {
    session_->change(tps0Edit(session_->throttleMillivolts()), SetCommand::ChangeValues, false);
}

void TFormHlav::BitBtnTps100Click() {
    session_->change(tps100Edit(session_->throttleMillivolts()), SetCommand::ChangeValues, false);
}

void TFormHlav::stepServo(int delta) {
    session_->change(servoEdit(delta, editInputs()));
}

void TFormHlav::BitBtnServoMinusClick() {
    stepServo(-1);
}
void TFormHlav::BitBtnServoPlusClick() {
    stepServo(+1);
}

// The defaults of the type, shown; no normalise and no programming after change.
void TFormHlav::ComboBox1Change() {
    if (!refuseWhileLocked(SetCommand::ChangeValues))
        session_->apply(bikeEdit(context_->controls.comboBox1->currentIndex()));
    ShowImage(); // refused: the list shows the set's type again
}

void TFormHlav::MenuNewClick() {
    session_->newSet();
}

void TFormHlav::MenuUndoClick() {
    session_->undo();
}

void TFormHlav::MenuRedoClick() {
    session_->redo();
}

// ---- difference report -----------------------------------------------------------------

void TFormHlav::showDiffReport() {
    report_->show();
}

std::string TFormHlav::captionOf(const char* textId) const {
    return context_->captionOf(textId);
}

// ---- device operations -----------------------------------------------------------------

void TFormHlav::MenuReadClick() {
    session_->startRead();
    status_->updateSetLock();
}
void TFormHlav::MenuVerifyClick() {
    session_->startVerify();
    status_->updateSetLock();
}
void TFormHlav::MenuProgramClick() {
    session_->startProgram();
    status_->updateSetLock();
}
void TFormHlav::MenuCompareUnitClick() {
    session_->startCompare();
    status_->updateSetLock();
}

void TFormHlav::divertBoxes(mainwindow::BoxHook hook) {
    context_->boxHook = std::move(hook);
}

void TFormHlav::showBox(const QString& text, const QString& informative) {
    context_->showBox(text, informative);
}

void TFormHlav::showMessageBox(Message message) {
    messages_->showMessageBox(message);
}

// ---- serial port ---------------------------------------------------------------------

void TFormHlav::setPortOverride(const QString& devicePath) {
    portOverride_ = devicePath;
}

void TFormHlav::openPort() {
    const int comPort = session_->comPort();
    if (comPort < 1 || comPort > 10)
        return;
    const QString path = portOverride_.isEmpty() ? portDevicePath(ini_, comPort) : portOverride_;
    if (session_->openPort(path))
        portOpened();
    else
        showOpenFailure(path);
}

void TFormHlav::closePort() {
    link_->close();
}

// The port menu ticks the item of comPort and no other.
void TFormHlav::tickPortItem() {
    for (int n = 1; n <= 10; ++n)
        requiredChild<QAction>(this, QString("MenuCom%1").arg(n))
            ->setChecked(n == session_->comPort());
}

void TFormHlav::MenuCom1Click(int port) {
    session_->setComPort(port);
    tickPortItem();
    closePort();
    leaveDemo();
    openPort();
}

// ---- live monitor --------------------------------------------------------------------

void TFormHlav::ShowMonitorPacket(const std::uint8_t* frame) {
    session_->takeMonitorFrame(frame);
}

// ---- the run log -----------------------------------------------------------------------

void TFormHlav::MenuRecordLogClick() {
    runLog_->record();
}

void TFormHlav::MenuReplayLogClick() {
    runLog_->replay();
}

bool TFormHlav::startRecording(const QString& path) {
    return runLog_->startRecording(path);
}

void TFormHlav::stopRecording() {
    runLog_->stopRecording();
}

bool TFormHlav::openReplay(const QString& path) {
    return runLog_->openReplay(path);
}

void TFormHlav::UpdateMapCursor() {
    pages_->markCursor();
}

void TFormHlav::CheckBoxExtMonitorClick() {
    monitorView_->showProgrammingsLabel(context_->controls.checkExtMonitor->isChecked());
}

// ---- language ------------------------------------------------------------------------

void TFormHlav::applyLanguage(int lang) {
    session_->setLanguage(lang);
    languageView_->apply(lang);
    pages_->setLanguage(lang);
    updatePortStatus();
    params_->setNoteLanguage(lang);
    runLog_->languageChanged();
    status_->languageChanged();
    report_->refresh();
}

void TFormHlav::MenuEnglishClick() {
    applyLanguage(English);
}
void TFormHlav::MenuCzechClick() {
    applyLanguage(Czech);
}
void TFormHlav::MenuGermanClick() {
    applyLanguage(German);
}

void TFormHlav::MenuExitClick() {
    close();
}
