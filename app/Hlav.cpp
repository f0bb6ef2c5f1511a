#include "app/Hlav.h"
#include "app/FindChild.h"

#include "app/LanguageView.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "app/Settings.h"
#include "controls/CGauge.h"
#include "controls/CSpinButton.h"
#include "controls/ParamSpinBox.h"
#include "lang/Texts.h"
#include "sim/SimUnit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace vortan;

namespace {
constexpr int kMessageTicks = 200;
constexpr int kSilentTicks = 18;
const QColor kRed(0xFF, 0x00, 0x00);

} // namespace

TFormHlav::TFormHlav(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), ops(image, *this), link_(std::make_unique<SerialLink>()),
      ini_(settingsFilePath()), arguments_(arguments) {
    setObjectName("FormHlav");
    setWindowTitle("Programming of Vortan 2 unit");
    buildForm();
    buildMenus();
    params_ = std::make_unique<ParamView>(this);
    monitorView_ = std::make_unique<MonitorView>(this, *params_);
    languageView_ = std::make_unique<LanguageView>(this);
    labelHlaseni_ = requiredChild<QLabel>(this, "LabelHlaseni");
    labelSpojeni_ = requiredChild<QLabel>(this, "LabelSpojeni");
    labelFile2_ = requiredChild<QLabel>(this, "LabelFile2");
    cGauge_ = requiredChild<TCGauge>(this, "CGauge");
    checkProgHned_ = requiredChild<QCheckBox>(this, "CheckBoxProgHned");
    checkExtMonitor_ = requiredChild<QCheckBox>(this, "CheckBoxExtMonitor");
    checkGas_ = requiredChild<QCheckBox>(this, "CheckBoxGas");
    groupPrivera_ = requiredChild<QWidget>(this, "GroupBoxPrivera");
    connectControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(55);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early
    connect(Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    if (arguments_.contains("--demo")) {
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
    for (ParamSpinBox* edit : params_->allEdits())
        connect(edit, &ParamSpinBox::committed, this, &TFormHlav::CommitControls);
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
        connect(spin, &TCSpinButton::upClick, this, [this, c] { CSpinButtonUpClick(c); });
        connect(spin, &TCSpinButton::downClick, this, [this, c] { CSpinButtonDownClick(c); });
    }
}

// ---- start-up and shut-down ------------------------------------------------------------

void TFormHlav::FormCreate() {
    // First, so that a logout during start-up (a message box may be open) still saves.
    installSignalHandlers();
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

    if (!arguments_.isEmpty()) {
        const QString& first = arguments_.front();
        if (first == "ENGLISH")
            language = English;
        else if (first == "CESKY")
            language = Czech;
        else if (first == "DEUTSCH")
            language = German;
    }
    normalise(image, language, comPort);
    ShowImage();
    openPort();
    tickPortItem();
    applyLanguage(language);
    labelHlaseni_->hide();
    cGauge_->hide();
    if (!closed_)
        Timer1->start();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFormHlav::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    Timer1->stop();
    closePort();
    ReadControls();
    normalise(image, language, comPort);
    writeSettingsFiles();
}

// ---- the tick --------------------------------------------------------------------------

void TFormHlav::Timer1Timer() {
    const QByteArray received = link_->drain();
    if (received.size() >= kFrameSize) {
        const auto* frame = reinterpret_cast<const std::uint8_t*>(received.constData());
        if (frame[0] == Command::MonitorReply)
            ShowMonitorPacket(frame);
        else
            ops.handleReply(frame);
    }
    ops.tick();
    if (messageCountdown != 0 && --messageCountdown == 0) {
        labelHlaseni_->hide();
        cGauge_->hide();
    }
    QLabel* noLink = labelSpojeni_;
    if (silenceCount < kSilentTicks) {
        ++silenceCount;
        if (!noLink->isHidden())
            noLink->hide();
    } else if (noLink->isHidden()) {
        noLink->show();
    }
    UpdateMapCursor();
}

// ---- parameter set -------------------------------------------------------------------

void TFormHlav::ReadControls() {
    params_->read(image);
}

void TFormHlav::ShowImage() {
    params_->show(image, language);
}

void TFormHlav::ChangeHandler() {
    normalise(image, language, comPort);
    ShowImage();
    ops.programAfterChange(checkProgHned_->isChecked());
}

void TFormHlav::CommitControls() {
    ReadControls();
    ChangeHandler();
}

void TFormHlav::stepMapCell(int delta) {
    ReadControls();
    normalise(image, language, comPort);
    auto step = [delta](std::uint8_t& v) {
        if (delta < 0 && v > 0)
            --v;
        else if (delta > 0 && v < 60)
            ++v;
    };
    if (requiredChild<QCheckBox>(this, "CheckBoxIgnAll")->isChecked()) {
        for (int r = 0; r < kMapRows; ++r)
            for (int c = 0; c < kMapColumns; ++c)
                step(image.map(r, c));
    } else if (!cursor.belowMap) {
        step(image.map(cursor.row, cursor.column));
    }
    ChangeHandler();
}

void TFormHlav::BitBtnAdvMinusClick() {
    stepMapCell(-1);
}
void TFormHlav::BitBtnAdvPlusClick() {
    stepMapCell(+1);
}

void TFormHlav::shiftColumn(int column, int delta) {
    ReadControls();
    for (int r = 0; r < kMapRows; ++r) {
        std::uint8_t& v = image.map(r, column);
        if (delta < 0 && v > 0)
            --v;
        else if (delta > 0 && v < 60)
            ++v;
    }
    ChangeHandler();
}

void TFormHlav::CSpinButtonUpClick(int column) {
    shiftColumn(column, +1);
}
void TFormHlav::CSpinButtonDownClick(int column) {
    shiftColumn(column, -1);
}

void TFormHlav::BitBtnTps0Click() {
    const int v = throttleMillivolts;
    if (v >= 300 && v <= 2500)
        image[Byte::TPS0] = static_cast<std::uint8_t>(v / 10);
    ChangeHandler();
}

void TFormHlav::BitBtnTps100Click() {
    const int v = throttleMillivolts;
    if (v >= 2500 && v <= 4600)
        image[Byte::TPS100] = static_cast<std::uint8_t>(v / 10 + 6);
    ChangeHandler();
}

void TFormHlav::stepServo(int delta) {
    ReadControls();
    auto step = [delta](std::uint8_t& v) {
        if (delta < 0 && v > 1)
            --v;
        else if (delta > 0 && v < 249)
            ++v;
    };
    if (requiredChild<QCheckBox>(this, "CheckBoxPrivAll")->isChecked()) {
        for (int i = 0; i < kAxisPoints; ++i)
            step(image[Byte::NAP_PRIV + i]);
    } else {
        step(image[Byte::NAP_PRIV + cursor.servoColumn]);
    }
    ChangeHandler();
}

void TFormHlav::BitBtnServoMinusClick() {
    stepServo(-1);
}
void TFormHlav::BitBtnServoPlusClick() {
    stepServo(+1);
}

void TFormHlav::ComboBox1Change() {
    const int index = requiredChild<QComboBox>(this, "ComboBox1")->currentIndex();
    image[Byte::BIKE] = static_cast<std::uint8_t>(index < 0 ? 0 : index);
    setDefaults(image);
    ShowImage();
}

void TFormHlav::MenuNewClick() {
    setDefaults(image);
    ChangeHandler();
    labelFile2_->clear();
}

// ---- device operations -----------------------------------------------------------------

void TFormHlav::MenuReadClick() {
    ops.startRead();
}
void TFormHlav::MenuVerifyClick() {
    ops.startVerify();
}
void TFormHlav::MenuProgramClick() {
    ops.startProgram();
}

void TFormHlav::sendFrame(const Frame& frame, bool waitForTransmit) {
    link_->write(frame, waitForTransmit);
}

void TFormHlav::setMessageColour(const QColor& colour) {
    auto* label = labelHlaseni_;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
}

void TFormHlav::showMessage(Message message) {
    auto* label = labelHlaseni_;
    setMessageColour(isFailure(message) ? kRed : palette().color(QPalette::Button));
    label->setText(QString::fromStdString(messageText(message, language)));
    messageCountdown = kMessageTicks;
    if (isStart(message))
        label->show();
}

void TFormHlav::showBox(const QString& text) {
    if (messageBoxHook) {
        messageBoxHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, this);
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
}
void TFormHlav::takeControls() {
    ReadControls();
    normalise(image, language, comPort);
    ShowImage();
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
void TFormHlav::linkAlive() {
    silenceCount = 0;
}

// ---- serial port ---------------------------------------------------------------------

void TFormHlav::setPortOverride(const QString& devicePath) {
    portOverride_ = devicePath;
}

void TFormHlav::openPort() {
    if (comPort < 1 || comPort > 10)
        return;
    const QString path = portOverride_.isEmpty() ? portDevicePath(ini_, comPort) : portOverride_;
    if (!link_->open(path))
        showBox(kComOpeningError);
}

void TFormHlav::closePort() {
    link_->close();
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
    openPort();
}

// ---- live monitor --------------------------------------------------------------------

void TFormHlav::ShowMonitorPacket(const std::uint8_t* frame) {
    if (!decodeMonitorPacket(frame, monitor))
        return;
    silenceCount = 0;
    throttleMillivolts = static_cast<std::uint16_t>(rawToMillivolts(monitor.tpsRaw));
    const bool ext = checkExtMonitor_->isChecked();
    const MonitorDisplay d = buildMonitorDisplay(monitor, image[Byte::LIMITER2], ext);
    monitorView_->show(d, checkGas_->isChecked(), !groupPrivera_->isHidden(), ext);
}

void TFormHlav::UpdateMapCursor() {
    cursor = computeMapCursor(monitor.rpm, monitor.tpsPercent, image);
    monitorView_->mark(cursor);
}

void TFormHlav::CheckBoxExtMonitorClick() {
    monitorView_->showProgrammingsLabel(checkExtMonitor_->isChecked());
}

// ---- language ------------------------------------------------------------------------

void TFormHlav::applyLanguage(int lang) {
    language = static_cast<std::uint8_t>(lang);
    languageView_->apply(lang);
    params_->setNoteLanguage(lang);
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
