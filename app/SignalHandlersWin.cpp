#include "app/SignalHandlers.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QObject>
#include <QSessionManager>

#include <atomic>

#include <windows.h>

// The Windows side: Ctrl+C, Ctrl+Break and the closing of the console (SetConsoleCtrlHandler),
// and the end of the Windows session (the application's commit-data request), each handed to
// the event loop.

namespace {

std::atomic<QObject*> target{nullptr};
std::function<void()>* callback = nullptr;
HANDLE handled = nullptr; // set once the window has closed after a console event

BOOL WINAPI onConsoleEvent(DWORD event) {
    QObject* owner = target.load();
    if (!owner)
        return FALSE;
    ResetEvent(handled);
    QMetaObject::invokeMethod(
        owner,
        [] {
            (*callback)();
            SetEvent(handled);
        },
        Qt::QueuedConnection);
    // After these the system ends the process as soon as the handler returns: wait (within
    // the few seconds it grants) until the window has closed and saved.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(handled, 4000);
    return TRUE;
}

} // namespace

bool vortan::installSignalHandlers(QObject* owner, std::function<void()> onSignal) {
    if (callback)
        return false;
    handled = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!handled)
        return false;
    callback = new std::function<void()>(std::move(onSignal));
    target = owner;
    QObject::connect(owner, &QObject::destroyed, [] { target = nullptr; });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QGuiApplication::commitDataRequest, owner,
                         [](QSessionManager&) { (*callback)(); });
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    return true;
}
