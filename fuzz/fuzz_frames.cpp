// The frame path of the main window without widgets: bytes arrive in chunks into the link's
// receive queue, each tick drains it by the queue's rule, the first frame drained goes to the
// monitor display when it starts with 0xB0 and to the running operation otherwise, then the
// operation ticks and the map cursor follows.
//
// Input: byte 0 picks the operation to start (idle, read, verify, program, program after a
// change), byte 1 holds switches (extended monitor, image from the input), byte 2 the ticks
// before the start. Then chunks: a byte c with bit 7 clear appends the next c & 0x3F bytes as
// they are; with bit 7 set it appends a frame with a correct check byte (bit 6: the reply the
// operation waits for, bit 5: echoing the image page, as a unit that agrees; else the next
// 101 bytes). Bit 4 of such a byte starts another operation first. A chunk ends in a tick
// unless bit 6 of a raw chunk or bit 3 of a frame says "more comes first", so that bursts
// fill the queue up to its limit and are drained 1000 bytes a tick.

#include "FakeLink.h"
#include "FuzzCheck.h"
#include "link/DeviceOperations.h"
#include "link/ReceiveQueue.h"
#include "monitor/MapCursor.h"
#include "monitor/MonitorPacket.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace vortan;

namespace {

void startOperation(DeviceOperations& ops, DeviceImage& image, int which) {
    switch (which % 5) {
    case 1:
        ops.startRead();
        break;
    case 2:
        ops.startVerify();
        break;
    case 3:
        ops.startProgram();
        break;
    case 4:
        ops.programAfterChange(true);
        image[Byte::BASE_ADV] ^= 1;
        ops.programAfterChange(true);
        break;
    default:
        break;
    }
}

struct Harness {
    DeviceImage image;
    fake::FakeLink link;
    fake::Recorder host{image};
    DeviceOperations ops{image, link, host};
    bool extMonitor = false;

    void receive(const std::uint8_t* p, std::size_t n) {
        link.receive(QByteArray(reinterpret_cast<const char*>(p), static_cast<qsizetype>(n)));
        FUZZ_CHECK(link.queue.size() <= ReceiveQueue::kLimit);
    }

    // One Timer1 tick, as the window runs it.
    void tick() {
        const QByteArray drained = link.drain();
        if (const std::uint8_t* frame = firstFrame(drained))
            handleFrame(frame);
        ops.tick();
        checkState(true);
        const MapCursor c = computeMapCursor(lastPacket.rpm, lastPacket.tpsPercent, image);
        FUZZ_CHECK(c.column < kMapColumns && c.row < kMapRows && c.servoColumn < kAxisPoints);
    }

    void handleFrame(const std::uint8_t* frame) {
        if (frame[0] == Command::MonitorReply) {
            MonitorPacket p;
            if (!decodeMonitorPacket(frame, p))
                return;
            lastPacket = p;
            const MonitorDisplay d = buildMonitorDisplay(p, image[Byte::LIMITER2], extMonitor);
            FUZZ_CHECK(d.lambdaGauge >= 0 && d.lambdaGauge <= 100);
            FUZZ_CHECK(d.tpsGauge >= 0 && d.tpsGauge <= 100);
            FUZZ_CHECK(d.rpmGauge >= 0);
            return;
        }
        // The unit agrees with the last page of a verify exactly when the verify succeeds.
        const int page = ops.currentCommand & Command::PageMask;
        const bool verifyEnds = ops.operation == DeviceOperations::Verify && page == 2 &&
                                frameValid(frame) && frame[0] == (ops.currentCommand ^ 0x80) &&
                                std::memcmp(frame + 1, image.page(2), kPageSize) == 0;
        const std::size_t shown = host.messages.size();
        ops.handleReply(frame);
        const bool ok =
            std::count(host.messages.begin() + shown, host.messages.end(), Message::VerifyOk) > 0;
        FUZZ_CHECK(ok == verifyEnds);
        if (ok)
            FUZZ_CHECK(ops.operation == DeviceOperations::Idle && !host.gaugeVisible);
    }

    // Right after a start the tick count is still the idle one (below 6); a tick brings it
    // under the resend interval. Every frame written is whole, every message and box one that
    // the operations show.
    void checkState(bool afterTick) {
        FUZZ_CHECK(ops.operation <= DeviceOperations::Read);
        if (ops.operation != DeviceOperations::Idle) {
            FUZZ_CHECK((ops.currentCommand & Command::PageMask) <= 2);
            FUZZ_CHECK(ops.attemptCount >= 1 && ops.attemptCount <= 5);
            FUZZ_CHECK(ops.tickCount < (afterTick ? 4 : 6));
        } else {
            FUZZ_CHECK(ops.tickCount < 6);
        }
        FUZZ_CHECK(host.gauge >= -1 && host.gauge <= 3);
        for (const fake::Sent& sent : link.sent)
            FUZZ_CHECK(frameValid(sent.frame));
        for (Message m : host.messages)
            FUZZ_CHECK(static_cast<int>(m) <= static_cast<int>(Message::ProgramFailed));
        for (Message m : host.boxes)
            FUZZ_CHECK(m == Message::IncompatibleUnit || m == Message::UnsupportedBike);
        // What is checked is not kept: the record starts afresh.
        link.sent.clear();
        host.messages.clear();
        host.boxes.clear();
        host.gaugeValues.clear();
    }

    MonitorPacket lastPacket;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    Harness h;
    setDefaults(h.image);

    const int which = in.next();
    const std::uint8_t switches = in.next();
    h.extMonitor = switches & 1;
    if (switches & 2) // page 1 and the map as they came, not normalised
        std::memcpy(h.image.page(1), in.take(200), std::min<std::size_t>(200, in.left()));
    for (int t = in.next() % 16; t > 0; --t)
        h.tick();
    startOperation(h.ops, h.image, which);
    h.checkState(false);

    while (!in.empty()) {
        const std::uint8_t c = in.next();
        bool tick = true;
        if (!(c & 0x80)) {
            const std::size_t n = std::min<std::size_t>(c & 0x3F, in.left());
            h.receive(in.take(n), n);
            tick = !(c & 0x40);
        } else {
            tick = !(c & 0x08);
            if (c & 0x10)
                startOperation(h.ops, h.image, c & 0x0F);
            std::uint8_t body[kFrameSize - 1] = {};
            const int page = h.ops.currentCommand & Command::PageMask;
            if (c & 0x40) {
                body[0] = h.ops.currentCommand ^ Command::ReplyBit;
                if ((c & 0x20) && page <= 2)
                    std::memcpy(body + 1, h.image.page(page), kPageSize);
                else if (page == 0) { // an identification page the program accepts
                    body[1 + Byte::CompatibilityCode] = kCompatibilityCode;
                    body[1 + Byte::BikeMask0] = 0xFF;
                }
            } else {
                const std::size_t n = std::min<std::size_t>(sizeof body, in.left());
                std::memcpy(body, in.take(n), n);
            }
            const Frame f = makeFrame(body[0], body + 1);
            h.receive(f.data(), f.size());
        }
        if (tick || in.empty())
            h.tick();
    }
    return 0;
}
