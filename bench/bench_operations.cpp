// Program + verify and read + verify against the simulated unit over a pseudo-terminal:
// ticks used against the floor the protocol allows, and wall time, once at the real 55 ms
// tick with the unit on its own thread, and once with ticks driven back to back.
// usage: bench_operations [REPEATS]

#include "FakeLink.h"
#include "link/DeviceOperations.h"
#include "link/SerialLink.h"
#include "link/Tick.h"
#include "sim/SimUnit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace vortan;

namespace {

// Ticks up to and including the one whose drain brings the last reply. A reply answered
// before the next tick moves one page per tick: five pages in all. A read sends its first
// page from a tick, once tickCount (counted on from where the idle cycle left it) reaches 4:
// 1 to 4 ticks after the command, so 6 to 9 ticks in all.
int floorTicks(bool read, int tickCountAtStart) {
    constexpr int kPages = 5;
    if (!read)
        return kPages;
    return kPages + (tickCountAtStart >= 4 ? 1 : 4 - tickCountAtStart);
}

// The window's tick on the serial link, with what the window would show recorded.
struct Rig {
    SimUnit sim;
    SerialLink link;
    DeviceImage image;
    fake::Recorder events{image};
    DeviceOperations ops{image, link, events};
    Tick tick{link, ops};

    bool start() {
        setDefaults(image);
        image.map(4, 4) = 30;
        return sim.start() && link.open(QString::fromStdString(sim.devicePath()));
    }
    // Starts a read or a program; verifyOk() then tells how it ended.
    void begin(bool read) {
        events.messages.clear();
        events.boxes.clear();
        read ? ops.startRead() : ops.startProgram();
    }
    bool verifyOk() const {
        return events.boxes.empty() && !events.messages.empty() &&
               events.messages.back() == Message::VerifyOk;
    }
};

struct Result {
    int ticks = 0;
    int floor = 0;
    double ms = 0;
    bool ok = false;
};

// The window's loop: a 55 ms timer, the unit on its own thread.
Result realTime(Rig& rig, bool read) {
    Result r;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(55);
    timer.setTimerType(Qt::PreciseTimer); // as the window's Timer1
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++r.ticks;
        rig.tick.run(rig.events);
        if (rig.ops.operation == DeviceOperations::Idle)
            loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    r.floor = floorTicks(read, rig.ops.tickCount);
    rig.begin(read);
    timer.start();
    loop.exec();
    r.ms = clock.nsecsElapsed() / 1e6;
    r.ok = rig.verifyOk();
    return r;
}

// Ticks back to back with the unit pumped in between: the cost of the machinery itself.
Result backToBack(Rig& rig, bool read) {
    Result r;
    QElapsedTimer clock;
    clock.start();
    r.floor = floorTicks(read, rig.ops.tickCount);
    rig.begin(read);
    for (;;) {
        const int before = rig.link.bytesWaiting();
        const int written = rig.sim.pump();
        if (written > 0)
            rig.link.waitForBytes(before + written, 1000);
        ++r.ticks;
        rig.tick.run(rig.events);
        if (rig.ops.operation == DeviceOperations::Idle || r.ticks > 200)
            break;
        QCoreApplication::processEvents();
    }
    r.ms = clock.nsecsElapsed() / 1e6;
    r.ok = rig.verifyOk();
    return r;
}

void report(const char* what, const Result& r, int repeats, bool allAtFloor = true) {
    std::printf("%-44s ticks %3d (floor %d, %4.0f ms)%s  wall %6.1f ms  %s\n", what, r.ticks,
                r.floor, r.floor * 55.0, allAtFloor && r.ticks == r.floor ? "" : " ABOVE FLOOR",
                r.ms / repeats, r.ok ? "Verify OK" : "FAILED");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    {
        Rig rig;
        if (!rig.start()) {
            std::fputs("bench_operations: cannot open a pseudo-terminal\n", stderr);
            return 1;
        }
        rig.sim.startThread();
        report("program + verify, 55 ms ticks", realTime(rig, false), 1);
        report("read + verify, 55 ms ticks", realTime(rig, true), 1);
        rig.sim.stopThread();
    }
    for (bool read : {false, true}) {
        Rig rig;
        if (!rig.start())
            return 1;
        Result total;
        total.ok = true;
        bool allAtFloor = true;
        for (int i = 0; i < repeats; ++i) {
            const Result r = backToBack(rig, read);
            total.ticks = r.ticks;
            total.floor = r.floor;
            total.ms += r.ms;
            total.ok = total.ok && r.ok;
            allAtFloor = allAtFloor && r.ticks == r.floor;
        }
        char what[64];
        std::snprintf(what, sizeof what, "%s, back to back (mean of %d)",
                      read ? "read + verify" : "program + verify", repeats);
        report(what, total, repeats, allAtFloor);
    }
    return 0;
}
