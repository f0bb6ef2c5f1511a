// The serial port of the main window: the port menu, the port settings, the status-bar port
// field, the reason of an opening error, and leaving the demo for a real port.

#include "app/PortCommands.h"

#include "app/FindChild.h"
#include "app/PortSettingsDialog.h"
#include "app/PortStatusView.h"
#include "app/WindowContext.h"
#include "lang/Texts.h"
#include "link/OpenFailure.h"
#include "link/SerialLink.h"
#include "link/SystemPorts.h"
#include "session/Session.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "sim/SimUnit.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>

namespace vortan {

namespace {

const QString kPorts = QStringLiteral("PORTS");

QString portKey(int n) {
    return QStringLiteral("COM%1").arg(n);
}

} // namespace

PortCommands::PortCommands(WindowContext& context, IniFile& ini)
    : context_(context), ini_(ini),
      portStatus_(std::make_unique<PortStatusView>(context.window.statusBar())) {}

PortCommands::~PortCommands() {
    if (demoUnit_)
        demoUnit_->stopThread();
}

void PortCommands::startDemo() {
    demoUnit_ = std::make_unique<SimUnit>();
    if (demoUnit_->start())
        portOverride_ = QString::fromStdString(demoUnit_->devicePath());
    demoUnit_->startThread();
}

void PortCommands::setPortOverride(const QString& devicePath) {
    portOverride_ = devicePath;
}

void PortCommands::openPort() {
    const int comPort = context_.session.comPort();
    if (comPort < 1 || comPort > 10)
        return;
    const QString path = portOverride_.isEmpty() ? portDevicePath(ini_, comPort) : portOverride_;
    if (context_.session.openPort(path))
        portOpened();
    else
        showOpenFailure(path);
}

void PortCommands::closePort() {
    context_.link.close();
}

// The port menu ticks the item of comPort and no other.
void PortCommands::tickPortItem() {
    for (int n = 1; n <= 10; ++n)
        requiredChild<QAction>(&context_.window, QString("MenuCom%1").arg(n))
            ->setChecked(n == context_.session.comPort());
}

void PortCommands::choosePort(int port) {
    context_.session.setComPort(port);
    tickPortItem();
    closePort();
    leaveDemo();
    openPort();
}

void PortCommands::tick() {
    portStatus_->tick(context_.link.isOpen(), context_.session.tick().silenceCount);
}

void PortCommands::portSettings() {
    PortDialogSetup setup;
    setup.devices = systemSerialDevices();
    for (int n = 1; n <= kPortCount; ++n) {
        setup.stored[std::size_t(n - 1)] = ini_.readString(kPorts, portKey(n), QString());
        setup.defaults[std::size_t(n - 1)] = portDevicePath(IniFile(), n);
    }
    setup.comPort = context_.session.comPort();
    if (context_.link.isOpen() || context_.link.isLost())
        setup.openPath = context_.link.devicePath();
    setup.language = context_.session.language();
    PortSettingsDialog dialog(setup, &context_.window);
    if (dialog.exec() == QDialog::Accepted)
        applyPortSettings(dialog.stored());
}

void PortCommands::applyPortSettings(const std::array<QString, 10>& stored) {
    for (int n = 1; n <= kPortCount; ++n) {
        const QString& value = stored[std::size_t(n - 1)];
        if (value != ini_.readString(kPorts, portKey(n), QString()))
            ini_.writeString(kPorts, portKey(n), value);
    }
    closePort();
    leaveDemo();
    openPort();
}

void PortCommands::leaveDemo() {
    if (!demoUnit_)
        return;
    demoUnit_->stopThread();
    demoUnit_.reset();
    portOverride_.clear();
}

void PortCommands::updatePortStatus() {
    const int port = context_.session.comPort();
    const int language = context_.session.language();
    const SerialLink& link = context_.link;
    QString text;
    if (port >= 1 && port <= kPortCount) {
        QString meaning;
        if (link.isLost())
            meaning = link.devicePath() + ' ' +
                      QString::fromStdString(portText(PortText::Unplugged, language));
        else
            meaning = portMeaning(portOverride_.isEmpty()
                                      ? ini_.readString(kPorts, portKey(port), QString())
                                      : portOverride_,
                                  portDevicePath(ini_, port), listedSerialDevices(), language);
        text = portStatusText(port, demoUnit_ != nullptr, meaning, language);
    }
    portStatus_->setText(text, language);
}

void PortCommands::portOpened() {
    portStatus_->opened();
    portStatus_->setFailure(std::nullopt);
    updatePortStatus();
}

void PortCommands::showOpenFailure(const QString& path) {
    OpenFailureFacts facts = gatherOpenFailure(path, context_.link.openError());
    facts.windowsError = context_.link.windowsOpenError();
    QStringList present;
    if (openFailureReason(facts) == OpenFailureReason::Missing)
        for (const SerialDevice& d : systemSerialDevices())
            present << d.path;
    portStatus_->opened();
    portStatus_->setFailure(facts, present);
    updatePortStatus();
    context_.showBox(kComOpeningError,
                     openFailureText(facts, present, context_.session.language()));
}

} // namespace vortan
