#include "link/InProcessLine.h"
#include "link/SerialLinkSide.h"

#include <QSerialPortInfo>
#include <QThread>

#include <algorithm>

#include <windows.h>

// The serial link on Windows, with the system's serial calls polled once a tick: the queue
// size from ClearCommError, then a ReadFile of what waits; WriteFile, and FlushFileBuffers to
// wait until the transmit buffer is empty. The overlapped waits of QSerialPort are not used:
// polling is all the tick needs, and it behaves the same under Wine on a pseudo-terminal. A
// device path naming the simulated unit's line inside the program opens that line instead.

namespace vortan {

struct NativePort {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::shared_ptr<InProcessLine> line;
};

namespace {
constexpr int kReopenMs = 400;

// "COM5" and "\\.\COM5" name the same port; CreateFile needs the long form from COM10 on.
QString shortName(const QString& path) {
    return path.startsWith(QLatin1String("\\\\.\\")) ? path.mid(4) : path;
}

QString systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = n ? QString::fromWCharArray(buffer, int(n)).trimmed()
                     : QStringLiteral("Windows error %1").arg(code);
    if (buffer)
        LocalFree(buffer);
    return text;
}

bool portListed(const QString& path) {
    const QString name = shortName(path);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// 57600 baud, no parity, 8 data bits, 1 stop bit, no flow control; a ReadFile returns at
// once with what waits.
bool configure(HANDLE h) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!SetupComm(h, 4096, 4096) || !GetCommState(h, &dcb) ||
        !BuildCommDCBW(L"baud=57600 parity=N data=8 stop=1 xon=off odsr=off octs=off dtr=on "
                       L"rts=on idsr=off",
                       &dcb))
        return false;
    dcb.fBinary = TRUE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(h, &dcb))
        return false;
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = 250; // 102 bytes take 18 ms at 57600 baud
    return SetCommTimeouts(h, &timeouts) && PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
}

void closeNative(NativePort& port) {
    if (port.handle != INVALID_HANDLE_VALUE) {
        PurgeComm(port.handle, PURGE_RXCLEAR);
        CloseHandle(port.handle);
    }
    port.handle = INVALID_HANDLE_VALUE;
    port.line.reset();
}

} // namespace

PortIdentity portIdentity(const QString& devicePath) {
    const QString name = shortName(devicePath);
    return listedPortIdentity([&name](const QSerialPortInfo& info) {
        return info.portName().compare(name, Qt::CaseInsensitive) == 0;
    });
}

SerialLink::SerialLink(QObject* parent) : QObject(parent), native_(std::make_shared<NativePort>()) {
    reopenTimer_.setInterval(kReopenMs);
    connect(&reopenTimer_, &QTimer::timeout, this, &SerialLink::tryReopen);
}

SerialLink::~SerialLink() {
    close();
}

bool SerialLink::openPort() {
    closeNative(*native_);
    openError_.clear();
    windowsOpenError_ = 0;
    if (auto line = InProcessLine::find(path_.toStdString())) {
        native_->line = line;
        return true;
    }
    const QString name = QStringLiteral("\\\\.\\") + shortName(path_);
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(name.utf16()),
                           GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE && configure(h)) {
        native_->handle = h;
        return true;
    }
    windowsOpenError_ = GetLastError();
    openError_ = systemMessage(windowsOpenError_);
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    return false;
}

// The port is purged before every close.
void SerialLink::closePort(bool) {
    closeNative(*native_);
}

bool SerialLink::isOpen() const {
    return native_->handle != INVALID_HANDLE_VALUE || native_->line;
}

void SerialLink::pullFromPort() {
    if (!isOpen() || lost_)
        return;
    if (native_->line) {
        std::vector<std::uint8_t> bytes;
        if (!native_->line->programRead(bytes))
            return onError(QSerialPort::ResourceError);
        queue_.append(QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())));
        return;
    }
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(native_->handle, &errors, &status))
        return onError(QSerialPort::ResourceError);
    // No more than the queue still takes; the rest waits in the driver for the next drain.
    const DWORD room = DWORD(std::max(0, ReceiveQueue::kLimit - queue_.size()));
    const DWORD wanted = std::min<DWORD>(status.cbInQue, room);
    if (wanted == 0)
        return;
    QByteArray bytes(int(wanted), Qt::Uninitialized);
    DWORD got = 0;
    if (!ReadFile(native_->handle, bytes.data(), wanted, &got, nullptr))
        return onError(QSerialPort::ReadError);
    bytes.resize(int(got));
    queue_.append(bytes);
}

// Polled: the Win32 calls wait for nothing.
void SerialLink::waitForInput(int) {
    QThread::msleep(2);
}

bool SerialLink::portPresent() const {
    return InProcessLine::find(path_.toStdString()) || portListed(path_);
}

void SerialLink::write(const Frame& frame, bool waitForTransmit) {
    if (!isOpen() || lost_)
        return;
    if (native_->line) {
        if (!native_->line->programWrite(frame.data(), frame.size()))
            onError(QSerialPort::WriteError);
        return;
    }
    DWORD written = 0;
    if (!WriteFile(native_->handle, frame.data(), DWORD(kFrameSize), &written, nullptr))
        return onError(QSerialPort::WriteError);
    // An operation request waits until the bytes have left; the write time-out bounds it.
    if (waitForTransmit)
        FlushFileBuffers(native_->handle);
}

} // namespace vortan
