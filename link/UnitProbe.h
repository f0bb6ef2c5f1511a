#pragma once
// Finds the unit among serial devices: each in turn is opened at 57600,N,8,1, sent one
// monitor request and given 300 ms for a valid monitor packet, then closed. It stops at the
// first that answers. Runs on the event loop; only the devices it is given are touched.

#include <QObject>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace vortan {

enum class ProbeOutcome { Answered, Silent, Garbage, CannotOpen };

// True when `bytes` hold a valid monitor packet (0xB0 and a right check byte) anywhere.
bool holdsMonitorPacket(const QByteArray& bytes);

class UnitProbe : public QObject {
    Q_OBJECT
public:
    static constexpr int kReplyWaitMs = 300;

    explicit UnitProbe(QObject* parent = nullptr);
    // Tries `devices` in their order; a probe already running is abandoned.
    void start(const QStringList& devices);
    bool running() const { return index_ >= 0; }
    // One outcome per device tried, in order.
    const std::vector<ProbeOutcome>& outcomes() const { return outcomes_; }

signals:
    void trying(int index, const QString& device);
    // The index of the device that answered, -1 when none did.
    void finished(int answered);

private:
    void next();
    void done(ProbeOutcome outcome);
    // done() from the event loop, unless the probe has moved on meanwhile.
    void later(ProbeOutcome outcome);

    QSerialPort port_;
    QTimer wait_;
    QStringList devices_;
    QByteArray received_;
    std::vector<ProbeOutcome> outcomes_;
    int index_ = -1;
    int run_ = 0; // counts start() calls
};

} // namespace vortan
