// The window's settings: read once at start-up, written when the window closes
// (settings/Settings.h keeps the files).

#include "app/CloseFlow.h"
#include "app/FindChild.h"
#include "app/FormBuilder.h"
#include "app/Hlav.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "settings/ExitSettings.h"
#include "settings/Settings.h"
#include "settings/WindowSize.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>

using namespace vortan;

void TFormHlav::readSettingsFiles() {
    FormSettings current;
    current.comPort = session_->comPort();
    current.language = session_->language();
    current.extMonitor = context_->controls.checkExtMonitor->isChecked();
    const FormSettings s = readSettings(ini_, current);
    // Before the size: a remembered curves panel is part of the window's size.
    // The panel stands beside every page; the map page restores it.
    pages_->restoreMapView(readMapViewSettings(ini_));
    const QRect available = screen()->availableGeometry();
    if (const std::optional<WindowSize> stored = readWindowSize(ini_)) {
        resize(fittedWindowSize(stored->size, minimumSizeHint(), available.size()));
        if (stored->maximized)
            setWindowState(windowState() | Qt::WindowMaximized);
    } else { // first run: what the contents ask for, as far as the screen allows
        resize(fittedWindowSize(sizeHint(), minimumSizeHint(), available.size()));
        move(available.center() - rect().center());
    }
    if (s.left || s.top)
        move(s.left.value_or(x()), s.top.value_or(y()));
    session_->setComPort(s.comPort);
    session_->setLanguage(s.language);
    // The label may name a tuner's file, or say what else the set came from.
    session_->restoreFile(s.file);
    session_->setLastFilePath(s.iniDir);
    auto* pages = requiredChild<QTabWidget>(this, "PageControl1");
    pages->setCurrentIndex(s.activePage >= 2 && s.activePage <= 4 ? s.activePage - 1 : 0);
    context_->controls.checkExtMonitor->setChecked(s.extMonitor);
    CheckBoxExtMonitorClick();
    close_->setAskToProgram(readAskToProgram(ini_));
    DeviceImage last = session_->image();
    if (readLastImage(lastImageFilePath(), last))
        session_->apply(valuesEdit(EditName::RestoreLast, last));
    // A new file begins with the window's keys, whatever the program adds to it in this run
    // (the ports): they are replaced in place at close.
    if (ini_.lines().isEmpty())
        storeSettings(ini_, currentSettings());
}

FormSettings TFormHlav::currentSettings() const {
    FormSettings s;
    s.left = x();
    s.top = y();
    s.comPort = session_->comPort();
    s.language = session_->language();
    s.file = session_->fileLabel();
    s.iniDir = session_->lastFilePath();
    const int page = requiredChild<QTabWidget>(this, "PageControl1")->currentIndex();
    s.activePage = page >= 0 && page <= 2 ? page + 1 : 4;
    s.extMonitor = context_->controls.checkExtMonitor->isChecked();
    return s;
}

std::vector<FailedWrite> TFormHlav::writeSettingsFiles() {
    // The window's keys first, so that in a new file they come before the program's own
    // sections. Each file is saved once; neither is ever left half written.
    storeSettings(ini_, currentSettings());
    storeWindowSize(ini_, {isMaximized() ? normalGeometry().size() : size(), isMaximized()});
    writeMapViewSettings(ini_, pages_->mapView());
    storeAskToProgram(ini_, close_->askToProgram());
    std::vector<FailedWrite> failed;
    if (const std::optional<WriteError> e = ini_.trySave())
        failed.push_back({ini_.path(), false, *e});
    const QString imagePath = lastImageFilePath();
    if (const std::optional<WriteError> e = saveLastImage(imagePath, session_->image()))
        failed.push_back({imagePath, true, *e});
    return failed;
}
