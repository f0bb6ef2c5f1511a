#include "app/Hlav.h"
#include "app/FindChild.h"

#include "app/DiffReport.h"
#include "app/GrowingType.h"
#include "app/LanguageView.h"
#include "app/LogRecordView.h"
#include "app/MapColouring.h"
#include "app/MapEditing.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "app/PortStatusView.h"
#include "app/ReplayView.h"
#include "app/ScreenFit.h"
#include "app/SignalHandlers.h"
#include "controls/CGauge.h"
#include "controls/CSpinButton.h"
#include "controls/ParamSpinBox.h"
#include "lang/OperationTexts.h"
#include "lang/Texts.h"
#include "params/Corrections.h"
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

namespace {
const QColor kRed(0xFF, 0x00, 0x00);

// The buttons, the motorbike list and the menu items that change the set, beside its fields and
// boxes: held while an operation runs on the unit. (Undo and redo follow updateEditMenu.)
const char* const kSetButtons[] = {
    "SpeedButton6", "SpeedButton5",     "BitBtnAdvMinus",       "BitBtnAdvPlus",   "BitBtnTps0",
    "BitBtnTps100", "BitBtnServoMinus", "BitBtnServoPlus",      "ButtonMapLower",  "ButtonMapRaise",
    "ButtonMapSet", "ButtonMapScale",   "ButtonMapInterpolate", "ButtonMapSmooth", "ComboBox1"};
const char* const kSetActions[] = {"MenuNew", "MenuOpen", "MenuRestorePoints", "AdvanceMinus",
                                   "AdvancePlus"};

} // namespace

TFormHlav::TFormHlav(const QStringList& arguments, QWidget* parent)
    : TFormHlav(parseCommandLine(arguments), parent) {}

TFormHlav::TFormHlav(const CommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent), link_(std::make_unique<SerialLink>()), ops(image, *link_, *this),
      tick(*link_, ops), ini_(settingsFilePath()), commandLine_(commandLine) {
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
    mapEditing_ = std::make_unique<MapEditing>(*this, *params_, *monitorView_);
    languageView_ = std::make_unique<LanguageView>(this);
    portStatus_ = std::make_unique<PortStatusView>(statusBar());
    buildLogViews();
    labelLocked_ = new QLabel(statusBar());
    labelLocked_->setObjectName("LabelSetLocked");
    statusBar()->addPermanentWidget(labelLocked_);
    labelLocked_->hide();
    labelUnsaved_ = new QLabel(statusBar());
    labelUnsaved_->setObjectName("LabelUnsaved");
    statusBar()->addPermanentWidget(labelUnsaved_);
    connect(link_.get(), &SerialLink::linkLost, this, [this] {
        UnitEventFacts lost;
        lost.event = UnitEvent::LinkLost;
        forgetUnitOn(lost);
        updatePortStatus();
    });
    connect(link_.get(), &SerialLink::linkRestored, this, &TFormHlav::updatePortStatus);
    labelHlaseni_ = requiredChild<QLabel>(this, "LabelHlaseni");
    buttonDifferences_ = requiredChild<QPushButton>(this, "ButtonDifferences");
    connect(buttonDifferences_, &QPushButton::clicked, this, &TFormHlav::showDiffReport);
    labelSpojeni_ = requiredChild<QLabel>(this, "LabelSpojeni");
    labelFile2_ = requiredChild<QLabel>(this, "LabelFile2");
    cGauge_ = requiredChild<TCGauge>(this, "CGauge");
    checkProgHned_ = requiredChild<QCheckBox>(this, "CheckBoxProgHned");
    checkExtMonitor_ = requiredChild<QCheckBox>(this, "CheckBoxExtMonitor");
    checkGas_ = requiredChild<QCheckBox>(this, "CheckBoxGas");
    groupPrivera_ = requiredChild<QWidget>(this, "GroupBoxPrivera");
    checkIgnAll_ = requiredChild<QCheckBox>(this, "CheckBoxIgnAll");
    checkPrivAll_ = requiredChild<QCheckBox>(this, "CheckBoxPrivAll");
    menuUndo_ = requiredChild<QAction>(this, "MenuUndo");
    menuRedo_ = requiredChild<QAction>(this, "MenuRedo");
    connectControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(55);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early
    connect(Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
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
    Timer1->stop();
    link_->close();
    if (demoUnit_)
        demoUnit_->stopThread();
}

void TFormHlav::connectControls() {
    for (ParamSpinBox* edit : params_->allEdits()) {
        connect(edit, &ParamSpinBox::committed, this,
                [this, edit](bool stepped) { commitField(edit, stepped); });
        connect(edit, &ParamSpinBox::refused, this,
                [this, edit](int typed) { typedRefused(edit, typed); });
    }
    for (QCheckBox* box : params_->flagBoxes())
        connect(box, &QCheckBox::clicked, this, &TFormHlav::CommitControls);
    connect(checkProgHned_, &QCheckBox::clicked, this, &TFormHlav::CommitControls);
    connect(checkExtMonitor_, &QCheckBox::clicked, this, &TFormHlav::CheckBoxExtMonitorClick);
    connect(requiredChild<QComboBox>(this, "ComboBox1"), qOverload<int>(&QComboBox::activated),
            this, &TFormHlav::ComboBox1Change);

    auto button = [this](const char* name, void (TFormHlav::*handler)()) {
        connect(requiredChild<QAbstractButton>(this, name), &QAbstractButton::clicked, this,
                handler);
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
        auto* spin =
            requiredChild<TCSpinButton>(this, qPrintable(QString("CSpinButton%1").arg(c + 1)));
        connect(spin, &TCSpinButton::upClick, this,
                [this, c, spin] { CSpinButtonUpClick(c, spin->isRepeating()); });
        connect(spin, &TCSpinButton::downClick, this,
                [this, c, spin] { CSpinButtonDownClick(c, spin->isRepeating()); });
    }
}

// ---- start-up and shut-down ------------------------------------------------------------

void TFormHlav::FormCreate() {
    // First, so that a logout during start-up (a message box may be open) still saves.
    installSignalHandlers(this, [this] { closeOnSignal(); });
    image[Byte::BIKE] = 0;
    comPort = 1;
    setDefaults(image);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.x() + (s.width() - frameGeometry().width()) / 2,
             s.y() + (s.height() - frameGeometry().height()) / 2);
    }
    readSettingsFiles();

    if (commandLine_.language == QLatin1String("ENGLISH"))
        language = English;
    else if (commandLine_.language == QLatin1String("CESKY"))
        language = Czech;
    else if (commandLine_.language == QLatin1String("DEUTSCH"))
        language = German;
    normalise(image, language, comPort);
    ShowImage();
    openPort();
    tickPortItem();
    applyLanguage(language);
    labelHlaseni_->hide();
    cGauge_->hide();
    // The restored set is where this run's history begins.
    editor.clear();
    updateEditMenu();
    if (!closed_)
        Timer1->start();
    // A parameter file named on the command line (a double-clicked .ign) opens as File › Open
    // of it does, once the window is up, so that a box about a bad file stands over it.
    if (!closed_ && !commandLine_.openFile.isEmpty())
        QTimer::singleShot(0, this, [this] { openParamFile(commandLine_.openFile); });
}

void TFormHlav::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    Timer1->stop();
    stopRecording();
    closePort();
    ReadControls();
    normalise(image, language, comPort);
    writeFailures_ = writeSettingsFiles();
}

// ---- the tick --------------------------------------------------------------------------

void TFormHlav::Timer1Timer() {
    replayView_->tick(); // before step 5, which marks the replayed row's cell
    tick.run(*this);
    updateSetLock();
    watchPendingClose();
    logTick();
    refreshDiffReport();
}

void TFormHlav::hideMessage() {
    labelHlaseni_->hide();
    buttonDifferences_->hide();
    cGauge_->hide();
}

void TFormHlav::showNoConnection(bool shown) {
    if (labelSpojeni_->isHidden() == shown)
        labelSpojeni_->setVisible(shown);
}

void TFormHlav::markMapCursor() {
    UpdateMapCursor();
    portStatus_->tick(link_->isOpen(), tick.silenceCount);
    updateChangeCounts();
}

void TFormHlav::updateChangeCounts(bool force) {
    CountedSets sets{image, ops.unitSeen, fileSet};
    if (!force && counted_ == sets)
        return;
    auto count = [this](const std::optional<DeviceImage>& other) -> std::optional<int> {
        if (!other)
            return std::nullopt;
        return countDifferences(image, *other);
    };
    labelUnsaved_->setText(
        QString::fromStdString(changeCountsText(count(ops.unitSeen), count(fileSet), language)));
    params_->markDifferences(image, ops.unitSeen);
    counted_ = std::move(sets);
}

// ---- parameter set -------------------------------------------------------------------

void TFormHlav::ReadControls() {
    params_->read(image);
}

void TFormHlav::ShowImage() {
    params_->show(image, language);
    mapEditing_->imageShown();
}

void TFormHlav::ChangeHandler() {
    normalise(image, language, comPort);
    ShowImage();
    ops.programAfterChange(checkProgHned_->isChecked());
    updateSetLock();
    refreshDiffReport();
}

void TFormHlav::CommitControls() {
    if (refuseWhileLocked(SetCommand::ChangeValues)) {
        ShowImage(); // a box clicked without effect shows the set again
        return;
    }
    takeTyped();
    ChangeHandler();
}

bool TFormHlav::refuseWhileLocked(SetCommand command) {
    if (!lockedDuring(command, ops.operation))
        return false;
    if (const std::optional<OperationText> reason = lockReason(ops.operation))
        statusBar()->showMessage(QString::fromStdString(operationText(*reason, language)), 5000);
    return true;
}

void TFormHlav::updateSetLock() {
    const std::optional<OperationText> reason = lockReason(ops.operation);
    if (reason == lockApplied_)
        return;
    lockApplied_ = reason;
    const bool locked = reason.has_value();
    // Read-only, not disabled: the values stay readable while the unit is worked on.
    for (ParamSpinBox* edit : params_->allEdits())
        edit->setReadOnly(locked);
    for (QCheckBox* box : params_->flagBoxes())
        box->setEnabled(!locked);
    checkProgHned_->setEnabled(!locked);
    for (const char* name : kSetButtons)
        requiredChild<QWidget>(this, name)->setEnabled(!locked);
    for (int c = 1; c <= 10; ++c)
        requiredChild<QWidget>(this, qPrintable(QString("CSpinButton%1").arg(c)))
            ->setEnabled(!locked);
    for (const char* name : kSetActions)
        requiredChild<QAction>(this, name)->setEnabled(!locked);
    updateEditMenu();
    labelLocked_->setText(locked ? QString::fromStdString(operationText(*reason, language))
                                 : QString());
    labelLocked_->setVisible(locked);
}

// Normalised, so that an edit the rules take back leaves no step in the history.
bool TFormHlav::applyEdit(const Edit& edit) {
    const bool changed = editor.apply(normalisedEdit(edit));
    updateEditMenu();
    return changed;
}

bool TFormHlav::takeTyped(int key, bool continues) {
    DeviceImage typed = image;
    params_->read(typed);
    return applyEdit(valuesEdit(EditName::Field, typed, key, continues));
}

// Arrow clicks on one field carry on one step of the history; typing is a step of its own.
void TFormHlav::commitField(ParamSpinBox* edit, bool stepped) {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return;
    if (stepped)
        takeTyped(params_->byteOf(edit), true);
    else
        takeTyped();
    ChangeHandler();
}

EditInputs TFormHlav::editInputs() const {
    EditInputs in;
    in.cursor = cursor;
    in.throttleMillivolts = throttleMillivolts;
    in.allCells = checkIgnAll_->isChecked();
    in.allServo = checkPrivAll_->isChecked();
    return in;
}

void TFormHlav::stepMapCell(int delta) {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return;
    takeTyped();
    applyEdit(advanceEdit(delta, editInputs()));
    ChangeHandler();
}

void TFormHlav::BitBtnAdvMinusClick() {
    stepMapCell(-1);
}
void TFormHlav::BitBtnAdvPlusClick() {
    stepMapCell(+1);
}

void TFormHlav::shiftColumn(int column, int delta, bool held) {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return;
    takeTyped();
    applyEdit(columnShiftEdit(column, delta, held));
    ChangeHandler();
}

void TFormHlav::CSpinButtonUpClick(int column, bool held) {
    shiftColumn(column, +1, held);
}
void TFormHlav::CSpinButtonDownClick(int column, bool held) {
    shiftColumn(column, -1, held);
}

// The calibration buttons take no typed value first: show overwrites it.
void TFormHlav::BitBtnTps0Click() {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return;
    applyEdit(tps0Edit(throttleMillivolts));
    ChangeHandler();
}

void TFormHlav::BitBtnTps100Click() {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return;
    applyEdit(tps100Edit(throttleMillivolts));
    ChangeHandler();
}

void TFormHlav::stepServo(int delta) {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return;
    takeTyped();
    applyEdit(servoEdit(delta, editInputs()));
    ChangeHandler();
}

void TFormHlav::BitBtnServoMinusClick() {
    stepServo(-1);
}
void TFormHlav::BitBtnServoPlusClick() {
    stepServo(+1);
}

// The defaults of the type, shown; no normalise and no programming after change.
void TFormHlav::ComboBox1Change() {
    if (refuseWhileLocked(SetCommand::ChangeValues)) {
        ShowImage(); // the list shows the set's type again
        return;
    }
    applyEdit(bikeEdit(requiredChild<QComboBox>(this, "ComboBox1")->currentIndex()));
    ShowImage();
}

void TFormHlav::MenuNewClick() {
    if (refuseWhileLocked(SetCommand::NewSet))
        return;
    applyEdit(newEdit());
    ChangeHandler();
    labelFile2_->clear();
    setSource_.clear();
}

// Undo and redo put pages 1 and 2 back, then run the change handler like any edit, so that
// programming after change sends the set put back.
void TFormHlav::MenuUndoClick() {
    if (refuseWhileLocked(SetCommand::UndoRedo) || !editor.undo())
        return;
    updateEditMenu();
    ChangeHandler();
}

void TFormHlav::MenuRedoClick() {
    if (refuseWhileLocked(SetCommand::UndoRedo) || !editor.redo())
        return;
    updateEditMenu();
    ChangeHandler();
}

void TFormHlav::updateEditMenu() {
    const std::optional<EditName> undo = editor.undoName();
    const std::optional<EditName> redo = editor.redoName();
    menuUndo_->setText(QString::fromStdString(undoItemText(false, undo, language)));
    const bool held = lockedDuring(SetCommand::UndoRedo, ops.operation);
    menuUndo_->setEnabled(undo.has_value() && !held);
    menuRedo_->setText(QString::fromStdString(undoItemText(true, redo, language)));
    menuRedo_->setEnabled(redo.has_value() && !held);
}

// ---- difference report -----------------------------------------------------------------

void TFormHlav::showDiffReport() {
    if (!diffReport_) {
        diffReport_ = new DiffReport(this);
        connect(diffReport_, &DiffReport::takeValues, this, &TFormHlav::takeReportValues);
        connect(diffReport_, &DiffReport::programRequested, this, &TFormHlav::MenuProgramClick);
    }
    diffReport_->show();
    diffReport_->raise();
    refreshDiffReport();
}

void TFormHlav::refreshDiffReport() {
    if (!diffReport_ || diffReport_->isHidden())
        return;
    const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
    diffReport_->refresh(image, ops.unitSeen, reportFile(), language, caption);
}

std::string TFormHlav::captionOf(const char* name) const {
    QString text;
    if (auto* label = findChild<QLabel*>(name))
        text = label->text();
    else if (auto* button = findChild<QAbstractButton*>(name))
        text = button->text();
    else if (auto* group = findChild<QGroupBox*>(name))
        text = group->title();
    else if (auto* page = findChild<QWidget*>(name)) {
        auto* tabs = requiredChild<QTabWidget>(this, "PageControl1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(page) || tabs->widget(i) == page)
                text = tabs->tabText(i);
    }
    return text.remove('&').toStdString();
}

void TFormHlav::takeReportValues(bool fromUnit, const std::vector<int>& bytes) {
    const std::optional<DeviceImage>& from = fromUnit ? ops.unitSeen : reportFile();
    if (!from || bytes.empty() || refuseWhileLocked(SetCommand::OpenSet))
        return;
    DeviceImage taken = image;
    for (const int b : bytes)
        taken[b] = (*from)[b];
    applyEdit(valuesEdit(fromUnit ? EditName::TakeUnit : EditName::TakeFile, taken));
    ChangeHandler();
    if (fromUnit)
        tellTakenCorrections(taken, bytes);
}

// ---- device operations -----------------------------------------------------------------

void TFormHlav::MenuReadClick() {
    ops.startRead();
    updateSetLock();
}
void TFormHlav::MenuVerifyClick() {
    ops.startVerify();
    updateSetLock();
}
void TFormHlav::MenuProgramClick() {
    ops.startProgram();
    updateSetLock();
}
void TFormHlav::MenuCompareUnitClick() {
    ops.startCompare();
    updateSetLock();
}
void TFormHlav::showComparison() {
    showDiffReport();
}

void TFormHlav::setMessageColour(const QColor& colour) {
    auto* label = labelHlaseni_;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
}

void TFormHlav::showMessage(Message message) {
    // A program ends in a verify of its own; the one that ends OK leaves a restore point.
    if (message == Message::ProgramStarted)
        programVerifying_ = true;
    else if (message == Message::VerifyOk && programVerifying_)
        saveRestorePoint();
    if (!isStart(message) || message == Message::ProgramStarted)
        lastProgramOk_ = message == Message::VerifyOk && programVerifying_;
    if (message != Message::ProgramStarted && message != Message::VerifyStartedAuto)
        programVerifying_ = false;
    auto* label = labelHlaseni_;
    setMessageColour(isFailure(message) ? kRed : palette().color(QPalette::Button));
    label->setText(QString::fromStdString(messageText(message, language)));
    tick.messageShown();
    if (isStart(message))
        label->show();
    // The unit's replies behind a verify error can be looked at, until the next message.
    buttonDifferences_->setVisible(message == Message::VerifyFailed);
    tellReadCorrections(message);
}

void TFormHlav::showBox(const QString& text, const QString& informative) {
    if (messageBoxHook)
        messageBoxHook(text);
    if (detailedBoxHook)
        detailedBoxHook(text, informative);
    if (messageBoxHook || detailedBoxHook)
        return;
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, this);
    // A path or a value in the box can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setInformativeText(informative);
    box.exec();
}

// The compatibility boxes come from a reply, inside Timer1Timer: they open once the tick has
// returned, since Qt does not re-enter a timer's own slot and a box opened inside it would
// stop the ticks while it is open.
void TFormHlav::showMessageBox(Message message) {
    auto show = [this, message] {
        showBox(QString::fromStdString(messageText(message, language)));
    };
    if (message == Message::IncompatibleUnit || message == Message::UnsupportedBike)
        QMetaObject::invokeMethod(this, show, Qt::QueuedConnection);
    else
        show();
}

void TFormHlav::setGauge(int value) {
    cGauge_->setProgress(value);
}
void TFormHlav::addGauge(int delta) {
    cGauge_->addProgress(delta);
}
void TFormHlav::setGaugeVisible(bool visible) {
    cGauge_->setVisible(visible);
}
void TFormHlav::clearFileLabel() {
    labelFile2_->clear();
    setSource_.clear();
}
void TFormHlav::takeControls() {
    takeTyped();
    normalise(image, language, comPort);
    ShowImage();
}
// The unit's pages become one edit of the history, from the set as it stands.
void TFormHlav::takeRead(const DeviceImage& received) {
    applyEdit(valuesEdit(EditName::Read, received));
    noteReadCorrections(received);
    normaliseAndShow();
}
void TFormHlav::normaliseAndShow() {
    normalise(image, language, comPort);
    ShowImage();
}
void TFormHlav::showIdentification() {
    const Identification id = formatIdentification(image);
    requiredChild<QLabel>(this, "LabelVerze1")->setText(QString::fromStdString(id.version));
    requiredChild<QLabel>(this, "LabelVerze2")->setText(QString::fromStdString(id.date));
    requiredChild<QLabel>(this, "LabelVerze3")->setText(QString::fromStdString(id.time));
}

// ---- serial port ---------------------------------------------------------------------

void TFormHlav::setPortOverride(const QString& devicePath) {
    portOverride_ = devicePath;
}

void TFormHlav::openPort() {
    if (comPort < 1 || comPort > 10)
        return;
    const QString path = portOverride_.isEmpty() ? portDevicePath(ini_, comPort) : portOverride_;
    UnitEventFacts opened;
    opened.event = UnitEvent::PortOpened;
    opened.sameDevice = path == link_->devicePath();
    forgetUnitOn(opened);
    if (link_->open(path))
        portOpened();
    else
        showOpenFailure(path);
}

void TFormHlav::closePort() {
    link_->close();
}

void TFormHlav::forgetUnitOn(const UnitEventFacts& facts) {
    if (forgetsUnitRecord(facts))
        ops.forgetUnit(); // the status and the marks follow on the next tick
}

// The port menu ticks the item of comPort and no other.
void TFormHlav::tickPortItem() {
    for (int n = 1; n <= 10; ++n)
        requiredChild<QAction>(this, QString("MenuCom%1").arg(n))->setChecked(n == comPort);
}

void TFormHlav::MenuCom1Click(int port) {
    comPort = static_cast<std::uint8_t>(port);
    tickPortItem();
    closePort();
    leaveDemo();
    openPort();
}

// ---- live monitor --------------------------------------------------------------------

void TFormHlav::ShowMonitorPacket(const std::uint8_t* frame) {
    tick.takeMonitorFrame(frame, *this);
}

void TFormHlav::showMonitorValues(const MonitorPacket& packet) {
    if (recordView_->recording()) { // the cell is worked out only while a log records
        const MapCursor cell = computeMapCursor(packet.rpm, packet.tpsPercent, image);
        recordView_->packet(packet, cell, language);
        // The time in cell counts packets, as the log does: a silent unit adds no time.
        mapColouring_->livePacket(cell);
    }
    lastLive_ = packet;
    // The calibration buttons take the sensor's voltage now: a live packet's, never that of a
    // replayed row.
    throttleMillivolts = static_cast<std::uint16_t>(rawToMillivolts(packet.tpsRaw));
    if (!replayView_->active())
        displayPacket(packet);
}

void TFormHlav::displayPacket(const MonitorPacket& packet, PacketValues values) {
    monitor = packet;
    const bool ext = checkExtMonitor_->isChecked();
    const MonitorDisplay d = buildMonitorDisplay(monitor, image[Byte::LIMITER2], ext, values);
    monitorView_->show(d, checkGas_->isChecked(), !groupPrivera_->isHidden(), ext);
}

void TFormHlav::UpdateMapCursor() {
    cursor = computeMapCursor(monitor.rpm, monitor.tpsPercent, image);
    monitorView_->mark(cursor);
    mapEditing_->cursorMoved();
}

void TFormHlav::CheckBoxExtMonitorClick() {
    monitorView_->showProgrammingsLabel(checkExtMonitor_->isChecked());
}

// ---- language ------------------------------------------------------------------------

void TFormHlav::applyLanguage(int lang) {
    language = static_cast<std::uint8_t>(lang);
    languageView_->apply(lang);
    mapEditing_->setLanguage(lang);
    updatePortStatus();
    params_->setNoteLanguage(lang);
    logLanguage();
    updateEditMenu();
    updateChangeCounts(true);
    if (lockApplied_)
        labelLocked_->setText(QString::fromStdString(operationText(*lockApplied_, language)));
    refreshDiffReport();
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
