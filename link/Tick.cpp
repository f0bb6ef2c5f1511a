#include "link/Tick.h"

#include "link/ReceiveQueue.h"

namespace vortan {

FrameRoute routeOf(const std::uint8_t* frame) {
    return frame[0] == Command::MonitorReply ? FrameRoute::Monitor : FrameRoute::Operations;
}

void Tick::takeMonitorFrame(const std::uint8_t* frame, TickView& view) {
    MonitorPacket packet;
    if (!decodeMonitorPacket(frame, packet))
        return;
    silenceCount = 0;
    view.showMonitorValues(packet);
}

void Tick::run(TickView& view) {
    const QByteArray drained = link_.drain();
    if (const std::uint8_t* frame = firstFrame(drained)) {
        if (routeOf(frame) == FrameRoute::Monitor) {
            takeMonitorFrame(frame, view);
        } else {
            if (frameValid(frame))
                silenceCount = 0;
            operations_.handleReply(frame);
        }
    }

    operations_.tick();

    if (messageCountdown != 0 && --messageCountdown == 0)
        view.hideMessage();

    const bool silent = silenceCount >= kSilentTicks;
    if (!silent)
        ++silenceCount;
    view.showNoConnection(silent);

    view.markMapCursor();
}

} // namespace vortan
