#pragma once
// The serial port to the unit: opened by device path at 57600,N,8,1, drained once per tick,
// written frame by frame. A lost link (unplugged adapter, vanished device) closes the port
// and reopens the same device by itself once it is back: a USB adapter when the path shows
// the same adapter again, any other device only within a short time after the loss.

#include "link/Link.h"
#include "link/ReceiveQueue.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace vortan {

struct NativePort;

// What the system reports about the device behind a path: a USB adapter's vendor and
// product id and, when it has one, its serial number. Empty for a built-in port, a
// pseudo-terminal or a missing path.
struct PortIdentity {
    bool usb = false;
    quint16 vendor = 0;
    quint16 product = 0;
    QString serial;
};
PortIdentity portIdentity(const QString& devicePath);

// Whether the device now behind the path of a lost link may be reopened: a USB adapter only
// when it is the one opened before (vendor, product, serial number when it had one), at any
// time; a device without USB identity only within `windowMs` of the loss.
bool mayReopen(const PortIdentity& atOpen, const PortIdentity& now, qint64 msSinceLoss,
               qint64 windowMs);

class SerialLink : public QObject, public Link {
    Q_OBJECT
public:
    static constexpr int kReopenWindowMs = 30000;

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // Opens `devicePath`; false when it cannot be opened (the caller reports it).
    bool open(const QString& devicePath) override;
    // Purges pending reads, restores the port and closes it; stops reopening.
    void close();
    bool isOpen() const;
    const QString& devicePath() const override { return path_; }
    // The system's words for the last failed open; empty after a successful one.
    const QString& openError() const { return openError_; }
    // Windows: the system's error number of the last failed open; 0 after a successful one
    // and elsewhere.
    std::uint32_t windowsOpenError() const { return windowsOpenError_; }

    // Bytes waiting in the input queue (at most ReceiveQueue::kLimit).
    int bytesWaiting();
    // One drain of the input queue by its rule.
    QByteArray drain() override;
    // Waits (processing the port only) until at least `count` bytes wait; false on time-out.
    bool waitForBytes(int count, int msecs);
    // True between a lost link and its reopening.
    bool isLost() const override { return lost_; }
    // True while the lost device is being reopened by the link itself.
    bool reopening() const { return reopenTimer_.isActive(); }
    // How long after a loss a device without USB identity is still reopened, and how often
    // a reopening is tried (tests shorten both).
    void setReopenWindow(int msecs) { reopenWindowMs_ = msecs; }
    void setReopenInterval(int msecs) { reopenTimer_.setInterval(msecs); }
    // Writes 102 bytes; an operation request then waits until the transmit buffer is empty.
    void write(const Frame& frame, bool waitForTransmit) override;

signals:
    // The link was lost (the port is being closed; reopening is retried).
    void linkLost();
    // The lost device came back and was reopened.
    void linkRestored();
    // The lost device was not back within the reopen window: the link waits for a new open.
    void reopenGivenUp();

private:
    // The system's side (SerialLink.cpp, SerialLinkWin32.cpp); the rest is shared.
    bool openPort();
    void closePort(bool purgeInput);
    void pullFromPort();
    void waitForInput(int msecs);
    bool portPresent() const;
    void onError(QSerialPort::SerialPortError error);
    void closeAfterLoss();
    void tryReopen();

    QSerialPort port_;
    // Where the port is driven with the system's own calls (Windows, SerialLinkWin32.cpp):
    // its handle, or the simulated unit's line inside the program.
    std::shared_ptr<NativePort> native_;
    QString path_;
    QString openError_;
    std::uint32_t windowsOpenError_ = 0;
    ReceiveQueue queue_;
    QTimer reopenTimer_;
    PortIdentity identity_;
    QElapsedTimer sinceLoss_;
    qint64 reopenWindowMs_ = kReopenWindowMs;
    bool lost_ = false;
};

} // namespace vortan
