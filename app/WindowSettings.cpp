// The window's settings: read once at start-up, written when the window closes
// (settings/Settings.h keeps the files).

#include "app/FindChild.h"
#include "app/Hlav.h"
#include "app/MapEditing.h"
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
    current.comPort = comPort;
    current.language = language;
    current.extMonitor = checkExtMonitor_->isChecked();
    const FormSettings s = readSettings(ini_, current);
    // Before the size: a remembered curves panel is part of the window's size.
    mapEditing_->restore(readMapViewSettings(ini_));
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
    comPort = s.comPort;
    language = s.language;
    labelFile2_->setText(s.file);
    // The label may name a tuner's file, or say what else the set came from.
    setSource_ = !s.file.isEmpty() && QFileInfo(s.file).isFile() ? s.file : QString();
    lastFilePath = s.iniDir;
    auto* pages = requiredChild<QTabWidget>(this, "PageControl1");
    pages->setCurrentIndex(s.activePage >= 2 && s.activePage <= 4 ? s.activePage - 1 : 0);
    checkExtMonitor_->setChecked(s.extMonitor);
    CheckBoxExtMonitorClick();
    DeviceImage last = image;
    if (readLastImage(lastImageFilePath(), last))
        applyEdit(valuesEdit(EditName::RestoreLast, last));
}

void TFormHlav::writeSettingsFiles() {
    FormSettings s;
    s.left = x();
    s.top = y();
    s.comPort = comPort;
    s.language = language;
    s.file = labelFile2_->text();
    s.iniDir = lastFilePath;
    const int page = requiredChild<QTabWidget>(this, "PageControl1")->currentIndex();
    s.activePage = page >= 0 && page <= 2 ? page + 1 : 4;
    s.extMonitor = checkExtMonitor_->isChecked();
    // Both failures stay silent; neither file is ever left half written.
    writeMapViewSettings(ini_, mapEditing_->viewSettings());
    writeSettings(ini_, s);
    writeWindowSize(ini_, {isMaximized() ? normalGeometry().size() : size(), isMaximized()});
    writeLastImage(lastImageFilePath(), image);
}
