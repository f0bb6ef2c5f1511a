// The window's settings: read once at start-up, written when the window closes
// (settings/Settings.h keeps the files).

#include "app/WindowSettings.h"

#include "app/CloseFlow.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "params/Edits.h"
#include "session/Session.h"
#include "settings/ExitSettings.h"
#include "settings/IniFile.h"
#include "settings/MapViewSettings.h"
#include "settings/Settings.h"
#include "settings/WindowSize.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QScreen>
#include <QTabWidget>

namespace vortan {

WindowSettings::WindowSettings(WindowContext& context, IniFile& ini, WindowPages& pages,
                               CloseFlow& close)
    : context_(context), ini_(ini), pages_(pages), close_(close) {}

void WindowSettings::startFromDefaults() {
    DeviceImage& image = context_.session.image();
    image[Byte::BIKE] = 0;
    context_.session.setComPort(1);
    setDefaults(image);
}

void WindowSettings::read(const QString& commandLineLanguage) {
    Session& session = context_.session;
    QMainWindow& window = context_.window;
    QCheckBox* extMonitor = context_.controls.checkExtMonitor;
    FormSettings current;
    current.comPort = session.comPort();
    current.language = session.language();
    current.extMonitor = extMonitor->isChecked();
    const FormSettings s = readSettings(ini_, current);
    // Before the size: a remembered curves panel is part of the window's size.
    pages_.restoreMapView(readMapViewSettings(ini_));
    const QRect available = window.screen()->availableGeometry();
    if (const std::optional<WindowSize> stored = readWindowSize(ini_)) {
        window.resize(fittedWindowSize(stored->size, window.minimumSizeHint(), available.size()));
        if (stored->maximized)
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
    } else { // first run: what the contents ask for, as far as the screen allows
        window.resize(
            fittedWindowSize(window.sizeHint(), window.minimumSizeHint(), available.size()));
        window.move(available.center() - window.rect().center());
    }
    if (s.left || s.top)
        window.move(s.left.value_or(window.x()), s.top.value_or(window.y()));
    session.setComPort(s.comPort);
    session.setLanguage(s.language);
    // The label may name a tuner's file, or say what else the set came from.
    session.restoreFile(s.file);
    session.setLastFilePath(s.iniDir);
    context_.controls.pageControl1->setCurrentIndex(
        s.activePage >= 2 && s.activePage <= 4 ? s.activePage - 1 : 0);
    extMonitor->setChecked(s.extMonitor);
    context_.monitor.showProgrammingsLabel(extMonitor->isChecked());
    close_.setAskToProgram(readAskToProgram(ini_));
    DeviceImage last = session.image();
    if (readLastImage(lastImageFilePath(), last))
        session.apply(valuesEdit(EditName::RestoreLast, last));
    // A new file begins with the window's keys, whatever the program adds to it in this run
    // (the ports): they are replaced in place at close.
    if (ini_.lines().isEmpty())
        storeSettings(ini_, currentSettings());

    if (commandLineLanguage == QLatin1String("ENGLISH"))
        session.setLanguage(English);
    else if (commandLineLanguage == QLatin1String("CESKY"))
        session.setLanguage(Czech);
    else if (commandLineLanguage == QLatin1String("DEUTSCH"))
        session.setLanguage(German);
    normaliseSet();
}

FormSettings WindowSettings::currentSettings() const {
    const Session& session = context_.session;
    const QMainWindow& window = context_.window;
    FormSettings s;
    s.left = window.x();
    s.top = window.y();
    s.comPort = session.comPort();
    s.language = session.language();
    s.file = session.fileLabel();
    s.iniDir = session.lastFilePath();
    const int page = context_.controls.pageControl1->currentIndex();
    s.activePage = page >= 0 && page <= 2 ? page + 1 : 4;
    s.extMonitor = context_.controls.checkExtMonitor->isChecked();
    return s;
}

std::vector<FailedWrite> WindowSettings::write() {
    context_.params.read(context_.session.image());
    normaliseSet();
    // The window's keys first, so that in a new file they come before the program's own
    // sections. Each file is saved once; neither is ever left half written.
    const QMainWindow& window = context_.window;
    storeSettings(ini_, currentSettings());
    storeWindowSize(ini_, {window.isMaximized() ? window.normalGeometry().size() : window.size(),
                           window.isMaximized()});
    writeMapViewSettings(ini_, pages_.mapView());
    storeAskToProgram(ini_, close_.askToProgram());
    std::vector<FailedWrite> failed;
    if (const std::optional<WriteError> e = ini_.trySave())
        failed.push_back({ini_.path(), false, *e});
    const QString imagePath = lastImageFilePath();
    if (const std::optional<WriteError> e = saveLastImage(imagePath, context_.session.image()))
        failed.push_back({imagePath, true, *e});
    return failed;
}

void WindowSettings::normaliseSet() {
    Session& session = context_.session;
    std::uint8_t language = session.language();
    std::uint8_t port = session.comPort();
    normalise(session.image(), language, port);
    session.setLanguage(language);
    session.setComPort(port);
}

} // namespace vortan
