// The frame path of the main window without widgets: bytes arrive in chunks into the link's
// receive queue, and each tick runs the real tick on them (one drain by the queue's rule, the
// first frame to the monitor or to the running operation, the operation's step, the
// countdown, the silence counter, the map cursor).
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
#include "link/Tick.h"
#include "monitor/MonitorPacket.h"
#include "params/MapCursor.h"

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

// What the window would show, checked as it is shown.
struct CheckedView : fake::Recorder {
    using fake::Recorder::Recorder;
    void showMonitorValues(const MonitorPacket& p) override {
        last = p;
        const MonitorDisplay d = buildMonitorDisplay(p, (*image)[Byte::LIMITER2], extMonitor);
        FUZZ_CHECK(d.lambdaGauge >= 0 && d.lambdaGauge <= 100);
        FUZZ_CHECK(d.tpsGauge >= 0 && d.tpsGauge <= 100);
        FUZZ_CHECK(d.rpmGauge >= 0);
    }
    void markMapCursor() override {
        const MapCursor c = computeMapCursor(last.rpm, last.tpsPercent, *image);
        FUZZ_CHECK(c.column < kMapColumns && c.row < kMapRows && c.servoColumn < kAxisPoints);
    }
    const DeviceImage* image = nullptr;
    bool extMonitor = false;
    MonitorPacket last;
};

struct Harness {
    DeviceImage image;
    fake::FakeLink link;
    CheckedView view{image};
    DeviceOperations ops{image, link, view};
    Tick tick{link, ops};

    Harness() { view.image = &image; }

    void receive(const std::uint8_t* p, std::size_t n) {
        link.receive(QByteArray(reinterpret_cast<const char*>(p), static_cast<qsizetype>(n)));
        FUZZ_CHECK(link.queue.size() <= ReceiveQueue::kLimit);
    }

    // One Timer1 tick, as the window runs it.
    void run() {
        // The unit agrees with the last page of a verify exactly when the verify succeeds.
        const QByteArray& waiting = link.queue.bytes();
        const auto* frame = reinterpret_cast<const std::uint8_t*>(waiting.constData());
        const int page = ops.currentCommand & Command::PageMask;
        const bool verifyEnds = ops.operation == DeviceOperations::Verify && page == 2 &&
                                waiting.size() >= kFrameSize && frameValid(frame) &&
                                frame[0] == (ops.currentCommand ^ Command::ReplyBit) &&
                                std::memcmp(frame + 1, image.page(2), kPageSize) == 0;
        tick.run(view);
        const bool ok =
            std::count(view.messages.begin(), view.messages.end(), Message::VerifyOk) > 0;
        FUZZ_CHECK(ok == verifyEnds);
        if (ok)
            FUZZ_CHECK(ops.operation == DeviceOperations::Idle && !view.gaugeVisible);
        FUZZ_CHECK(tick.silenceCount >= 1 && tick.silenceCount <= kSilentTicks);
        checkState(true);
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
        FUZZ_CHECK(view.gauge >= -1 && view.gauge <= 3);
        for (const fake::Sent& sent : link.sent)
            FUZZ_CHECK(frameValid(sent.frame));
        for (Message m : view.messages)
            FUZZ_CHECK(static_cast<int>(m) <= static_cast<int>(Message::ProgramFailed));
        for (Message m : view.boxes)
            FUZZ_CHECK(m == Message::IncompatibleUnit || m == Message::UnsupportedBike);
        // What is checked is not kept: the record starts afresh.
        link.sent.clear();
        view.messages.clear();
        view.boxes.clear();
        view.gaugeValues.clear();
        view.log.clear();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    Harness h;
    setDefaults(h.image);

    const int which = in.next();
    const std::uint8_t switches = in.next();
    h.view.extMonitor = switches & 1;
    if (switches & 2) // page 1 and the map as they came, not normalised
        std::memcpy(h.image.page(1), in.take(200), std::min<std::size_t>(200, in.left()));
    for (int t = in.next() % 16; t > 0; --t)
        h.run();
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
            h.run();
    }
    return 0;
}
