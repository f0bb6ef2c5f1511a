#pragma once
// The unit played by a pseudo-terminal for the window benchmarks: the window's port is its
// slave side, and a monitor packet written to its master waits in the port for the next tick.

#include "app/MainWindow.h"
#include "link/SerialLink.h"
#include "monitor/MonitorPacket.h"
#include "params/Frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

class UnitPty {
public:
    UnitPty() {
        if (openpty(&master_, &slave_, name_, nullptr, nullptr) != 0) {
            std::perror("openpty");
            return;
        }
        ::fcntl(master_, F_SETFL, O_NONBLOCK); // the drain below must not wait
    }
    ~UnitPty() {
        if (master_ >= 0) {
            ::close(master_);
            ::close(slave_);
        }
    }
    UnitPty(const UnitPty&) = delete;
    UnitPty& operator=(const UnitPty&) = delete;

    bool ok() const { return master_ >= 0; }
    QString path() const { return QString::fromLocal8Bit(name_); }

    // Writes `packet`, waits (1 s at most) until `window`'s port holds the whole frame, and
    // drains what the window sent towards the unit, so the pty never fills.
    void send(const vortan::MonitorPacket& packet, QMainWindow& window) {
        const vortan::Frame f = vortan::encodeMonitorPacket(packet);
        [[maybe_unused]] auto written = ::write(master_, f.data(), f.size());
        QElapsedTimer wait;
        wait.start();
        vortan::SerialLink& link = vortan::mainwindow::link(window);
        while (link.bytesWaiting() < vortan::kFrameSize && wait.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        char sink[4096];
        while (::read(master_, sink, sizeof sink) > 0) {
        }
    }

private:
    int master_ = -1;
    int slave_ = -1;
    char name_[256] = {};
};
