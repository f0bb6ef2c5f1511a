#pragma once
// A link without a port, and a record of what the window would show: the device operations
// and the tick run against them without a window. Bytes given to the link come out through
// the real receive queue, so a drain here follows the serial port's rule. Shared by the tests
// of the device operations and of the tick, the frame fuzzer and the operations benchmark.

#include "link/DeviceOperations.h"
#include "link/Link.h"
#include "link/ReceiveQueue.h"
#include "link/Tick.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fake {

using namespace vortan;

struct Sent {
    Frame frame;
    bool wait = false;
    int tick = 0; // FakeLink::ticks when it was written
};

class FakeLink : public Link {
public:
    void write(const Frame& frame, bool waitForTransmit) override {
        if (lost)
            return;
        sent.push_back({frame, waitForTransmit, ticks});
        if (log)
            log->push_back("write " + std::to_string(frame[0]));
    }
    QByteArray drain() override { return lost ? QByteArray() : queue.drain(); }
    bool isLost() const override { return lost; }

    // Bytes from the unit.
    void receive(const QByteArray& bytes) { queue.append(bytes); }
    void receive(const Frame& frame) {
        receive(QByteArray(reinterpret_cast<const char*>(frame.data()), kFrameSize));
    }

    // Commands of the frames written, monitor requests left out.
    std::vector<std::uint8_t> operationCommands() const {
        std::vector<std::uint8_t> out;
        for (const Sent& s : sent)
            if (s.frame[0] != Command::Monitor)
                out.push_back(s.frame[0]);
        return out;
    }
    std::vector<int> sendTicks() const {
        std::vector<int> out;
        for (const Sent& s : sent)
            out.push_back(s.tick);
        return out;
    }

    ReceiveQueue queue;
    std::vector<Sent> sent;
    bool lost = false;
    int ticks = 0;                           // counted by the test
    std::vector<std::string>* log = nullptr; // when set, writes are logged there too
};

// What the window would show, with the image steps done as the window does them.
class Recorder : public OperationEvents, public TickView {
public:
    explicit Recorder(DeviceImage& image) : image_(image) {}

    void showMessage(Message m) override { messages.push_back(m); }
    void showMessageBox(Message m) override { boxes.push_back(m); }
    void setGauge(int v) override {
        gauge = v;
        gaugeValues.push_back(v);
    }
    void addGauge(int d) override {
        gauge += d;
        gaugeValues.push_back(gauge);
    }
    void setGaugeVisible(bool v) override { gaugeVisible = v; }
    void clearFileLabel() override { ++fileLabelCleared; }
    void takeControls() override {
        normalise(image_);
        ++controlsTaken;
    }
    void normaliseAndShow() override {
        normalise(image_);
        ++shown;
    }
    void takeRead(const DeviceImage& received) override {
        std::copy(received.page(1), received.page(1) + 2 * kPageSize, image_.page(1));
        normaliseAndShow();
    }
    void showIdentification() override { identification = formatIdentification(image_); }
    void showComparison() override { ++comparisons; }

    void showMonitorValues(const MonitorPacket& p) override {
        packets.push_back(p);
        log.push_back("monitor");
    }
    void hideMessage() override { log.push_back("hide"); }
    void showNoConnection(bool shown) override {
        noConnection = shown;
        log.push_back(shown ? "no connection" : "connection");
    }
    void markMapCursor() override { log.push_back("cursor"); }

    std::vector<Message> messages;
    std::vector<Message> boxes;
    std::vector<int> gaugeValues;
    int gauge = -1;
    bool gaugeVisible = false;
    int fileLabelCleared = 0;
    int controlsTaken = 0;
    int shown = 0;
    int comparisons = 0;
    Identification identification; // the texts last shown
    std::vector<MonitorPacket> packets;
    bool noConnection = false;
    std::vector<std::string> log; // the tick's steps, in order

private:
    DeviceImage& image_;
};

} // namespace fake
