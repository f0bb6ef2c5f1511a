#include "app/MainWindow.h"

#include "app/Hlav.h"

namespace vortan::mainwindow {
namespace {

TFormHlav& form(QMainWindow& window) {
    auto* form = qobject_cast<TFormHlav*>(&window);
    Q_ASSERT(form);
    return *form;
}

} // namespace

std::unique_ptr<QMainWindow> make(const QStringList& arguments) {
    return std::make_unique<TFormHlav>(parseCommandLine(arguments));
}

std::unique_ptr<QMainWindow> make(const CommandLine& commandLine) {
    return std::make_unique<TFormHlav>(commandLine);
}

void start(QMainWindow& window) {
    form(window).FormCreate();
}
void tick(QMainWindow& window) {
    form(window).Timer1Timer();
}
void buildAllPages(QMainWindow& window) {
    form(window).ensureAllPages();
}
void usePort(QMainWindow& window, const QString& device) {
    form(window).setPortOverride(device);
}
void divertBoxes(QMainWindow& window, BoxHook hook) {
    form(window).divertBoxes(std::move(hook));
}

bool closed(const QMainWindow& window) {
    const auto* form = qobject_cast<const TFormHlav*>(&window);
    Q_ASSERT(form);
    return form->isClosed();
}

Session& session(QMainWindow& window) {
    return form(window).session();
}
SerialLink& link(QMainWindow& window) {
    return form(window).link();
}

} // namespace vortan::mainwindow
