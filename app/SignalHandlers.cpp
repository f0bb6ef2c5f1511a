#include "app/SignalHandlers.h"

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};
void writeSignalByte(int) {
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[0], &c, 1);
}
} // namespace

bool vortan::installSignalHandlers(QObject* owner, std::function<void()> onSignal) {
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return false;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner,
                     [onSignal = std::move(onSignal)] {
                         char c;
                         [[maybe_unused]] auto n = ::read(signalPipe[1], &c, 1);
                         onSignal();
                     });
    struct sigaction action {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    return true;
}
