// The port commands of the main window: the port settings, the status-bar port field, the
// reason of an opening error, and leaving the demo for a real port.

#include "app/Hlav.h"
#include "app/PortSettingsDialog.h"
#include "app/PortStatusView.h"
#include "lang/Texts.h"
#include "link/OpenFailure.h"
#include "link/SystemPorts.h"
#include "settings/Settings.h"
#include "sim/SimUnit.h"

using namespace vortan;

namespace {

const QString kPorts = QStringLiteral("PORTS");

QString portKey(int n) {
    return QStringLiteral("COM%1").arg(n);
}

} // namespace

void TFormHlav::MenuPortSettingsClick() {
    PortDialogSetup setup;
    setup.devices = systemSerialDevices();
    for (int n = 1; n <= kPortCount; ++n) {
        setup.stored[std::size_t(n - 1)] = ini_.readString(kPorts, portKey(n), QString());
        setup.defaults[std::size_t(n - 1)] = portDevicePath(IniFile(), n);
    }
    setup.comPort = comPort;
    if (link_->isOpen() || link_->isLost())
        setup.openPath = link_->devicePath();
    setup.language = language;
    PortSettingsDialog dialog(setup, this);
    if (dialog.exec() == QDialog::Accepted)
        applyPortSettings(dialog.stored());
}

void TFormHlav::applyPortSettings(const std::array<QString, 10>& stored) {
    for (int n = 1; n <= kPortCount; ++n) {
        const QString& value = stored[std::size_t(n - 1)];
        if (value != ini_.readString(kPorts, portKey(n), QString()))
            ini_.writeString(kPorts, portKey(n), value);
    }
    closePort();
    leaveDemo();
    openPort();
}

void TFormHlav::leaveDemo() {
    if (!demoUnit_)
        return;
    demoUnit_->stopThread();
    demoUnit_.reset();
    portOverride_.clear();
}

void TFormHlav::updatePortStatus() {
    QString text;
    if (comPort >= 1 && comPort <= kPortCount) {
        QString meaning;
        if (link_->isLost())
            meaning = link_->devicePath() + ' ' +
                      QString::fromStdString(portText(PortText::Unplugged, language));
        else
            meaning = portMeaning(portOverride_.isEmpty()
                                      ? ini_.readString(kPorts, portKey(comPort), QString())
                                      : portOverride_,
                                  portDevicePath(ini_, comPort), listedSerialDevices(), language);
        text = portStatusText(comPort, demoUnit_ != nullptr, meaning, language);
    }
    portStatus_->setText(text, language);
}

void TFormHlav::portOpened() {
    portStatus_->opened();
    portStatus_->setFailure(std::nullopt);
    updatePortStatus();
}

void TFormHlav::showOpenFailure(const QString& path) {
    OpenFailureFacts facts = gatherOpenFailure(path, link_->openError());
    facts.windowsError = link_->windowsOpenError();
    QStringList present;
    if (openFailureReason(facts) == OpenFailureReason::Missing)
        for (const SerialDevice& d : systemSerialDevices())
            present << d.path;
    portStatus_->opened();
    portStatus_->setFailure(facts, present);
    updatePortStatus();
    showBox(kComOpeningError, openFailureText(facts, present, language));
}
