#include "link/UnitProbe.h"

#include "params/Frame.h"

namespace vortan {

bool holdsMonitorPacket(const QByteArray& bytes) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (qsizetype i = 0; i + kFrameSize <= bytes.size(); ++i)
        if (b[i] == Command::MonitorReply && frameValid(b + i))
            return true;
    return false;
}

UnitProbe::UnitProbe(QObject* parent) : QObject(parent) {
    wait_.setSingleShot(true);
    wait_.setInterval(kReplyWaitMs);
    connect(&wait_, &QTimer::timeout, this,
            [this] { done(received_.isEmpty() ? ProbeOutcome::Silent : ProbeOutcome::Garbage); });
    connect(&port_, &QSerialPort::readyRead, this, [this] {
        received_ += port_.readAll();
        if (!holdsMonitorPacket(received_))
            return;
        wait_.stop();
        later(ProbeOutcome::Answered); // the port is not closed inside its own signal
    });
}

void UnitProbe::start(const QStringList& devices) {
    wait_.stop();
    port_.close();
    ++run_;
    devices_ = devices;
    outcomes_.clear();
    index_ = -1;
    next();
}

void UnitProbe::next() {
    if (++index_ >= devices_.size()) {
        index_ = -1;
        emit finished(-1);
        return;
    }
    emit trying(index_, devices_[index_]);
    port_.setPortName(devices_[index_]);
    port_.setBaudRate(QSerialPort::Baud57600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    received_.clear();
    if (!port_.open(QIODevice::ReadWrite)) {
        port_.clearError();
        later(ProbeOutcome::CannotOpen); // a long list of closed doors does not recurse
        return;
    }
    port_.clear(QSerialPort::Input); // only what answers the request counts
    const Frame& request = monitorRequest();
    port_.write(reinterpret_cast<const char*>(request.data()), kFrameSize);
    wait_.start();
}

void UnitProbe::later(ProbeOutcome outcome) {
    QMetaObject::invokeMethod(
        this,
        [this, outcome, run = run_, index = index_] {
            if (run == run_ && index == index_)
                done(outcome);
        },
        Qt::QueuedConnection);
}

void UnitProbe::done(ProbeOutcome outcome) {
    if (index_ < 0)
        return;
    wait_.stop();
    port_.close();
    port_.clearError();
    outcomes_.push_back(outcome);
    if (outcome == ProbeOutcome::Answered) {
        const int answered = index_;
        index_ = -1;
        emit finished(answered);
        return;
    }
    next();
}

} // namespace vortan
