#pragma once
// One timer tick without widgets: where a drained frame goes, the message countdown and the
// silence counter, and what the window shows for them. A tick runs five steps in this order:
//   1. drain the link; the first frame goes to the monitor when it begins with 0xB0, else to
//      the device operations; every valid frame resets the silence counter;
//   2. advance the device operation (resend, fail, or while idle a monitor request);
//   3. count the message down: at 0 the message label and the progress bar hide;
//   4. count the silence: "No Connection" shows once 18 ticks have passed without a valid
//      frame, and hides on the first tick after one;
//   5. mark the map cell, throttle row and servo column in use.

#include "link/DeviceOperations.h"
#include "link/Link.h"
#include "monitor/MonitorPacket.h"

#include <cstdint>

namespace vortan {

// Ticks that a start or result message and the progress bar stay on screen (11 s).
constexpr int kMessageTicks = 200;
// Ticks without a valid frame after which "No Connection" shows (about 1 s).
constexpr int kSilentTicks = 18;

enum class FrameRoute { Monitor, Operations };
// A drained frame that begins with 0xB0 is a monitor packet; any other is a reply for the
// device operations.
FrameRoute routeOf(const std::uint8_t* frame);

// What the window shows of a tick.
class TickView {
public:
    virtual ~TickView() = default;
    // Step 1: a valid monitor packet arrived.
    virtual void showMonitorValues(const MonitorPacket& packet) = 0;
    // Step 3: the countdown ran out: hide the message label and the progress bar.
    virtual void hideMessage() = 0;
    // Step 4, every tick: whether "No Connection" shows.
    virtual void showNoConnection(bool shown) = 0;
    // Step 5, every tick.
    virtual void markMapCursor() = 0;
};

class Tick {
public:
    Tick(Link& link, DeviceOperations& operations) : link_(link), operations_(operations) {}

    // One tick: the five steps in order.
    void run(TickView& view);
    // The monitor handler of step 1: a valid packet resets the silence counter and is shown.
    void takeMonitorFrame(const std::uint8_t* frame, TickView& view);
    // A start or result message went to the message label: it stays kMessageTicks ticks.
    void messageShown() { messageCountdown = kMessageTicks; }

    std::uint8_t messageCountdown = 0;
    std::uint8_t silenceCount = 0;

private:
    Link& link_;
    DeviceOperations& operations_;
};

} // namespace vortan
