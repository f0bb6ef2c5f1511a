// The serial link on a real pseudo-terminal: the bounded queue, and complete device
// operations against the simulated unit, including its failure switches and a vanishing
// device.

#include "FakeLink.h"
#include "link/DeviceOperations.h"
#include "link/SerialLink.h"
#include "link/Tick.h"
#include "sim/SimUnit.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

Q_DECLARE_METATYPE(vortan::SimSwitches)
Q_DECLARE_METATYPE(vortan::PortIdentity)

using namespace vortan;

namespace {

// The window's tick on the serial link, with the unit pumped once per tick.
struct Bench {
    SimUnit sim;
    SerialLink link;
    DeviceImage image;
    fake::Recorder events{image};
    DeviceOperations ops{image, link, events};
    Tick loop{link, ops};
    int ticks = 0;

    explicit Bench(const SimSwitches& sw = {}) {
        sim.setSwitches(sw);
        setDefaults(image);
    }
    bool start() { return sim.start() && link.open(QString::fromStdString(sim.devicePath())); }

    void tick() {
        ++ticks;
        loop.run(events);
        QCoreApplication::processEvents(); // hands a queued monitor request to the line
        const int before = link.bytesWaiting();
        const int written = sim.pump();
        if (written > 0)
            link.waitForBytes(std::min(before + written, ReceiveQueue::kLimit), 2000);
    }
    // Ticks until the operation has ended.
    void run(int limit = 300) {
        for (int i = 0; i < limit && ops.operation != DeviceOperations::Idle; ++i)
            tick();
    }
    std::vector<std::uint8_t> operationRequests() const {
        std::vector<std::uint8_t> out;
        for (const SimReceived& r : sim.received())
            if (r.command != Command::Monitor)
                out.push_back(r.command);
        return out;
    }
};

bool samePages12(const DeviceImage& a, const DeviceImage& b) {
    return std::equal(a.page(1), a.page(1) + 2 * kPageSize, b.page(1));
}

DeviceImage editedImage() {
    DeviceImage im;
    setDefaults(im);
    im.map(5, 6) = 37;
    im.map(0, 9) = 4;
    im[Byte::LIMITER1] = 80;
    im[Byte::LIMITER2] = 95;
    return im;
}

// A pseudo-terminal without a unit: the test writes raw bytes into the program's line.
struct RawLine {
    int master = -1;
    int slave = -1;
    std::string path;
    RawLine() {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            path = name;
            termios tio{};
            ::tcgetattr(slave, &tio);
            ::cfmakeraw(&tio);
            ::tcsetattr(slave, TCSANOW, &tio);
            ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~RawLine() {
        ::close(master);
        ::close(slave);
    }
};

QByteArray pattern(int n) {
    QByteArray out(n, 0);
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<char>(i % 251);
    return out;
}

using Commands = std::vector<std::uint8_t>;

PortIdentity usbAdapter(quint16 vendor, quint16 product, const QString& serial = {}) {
    PortIdentity id;
    id.usb = true;
    id.vendor = vendor;
    id.product = product;
    id.serial = serial;
    return id;
}

} // namespace

class tst_SerialLink : public QObject {
    Q_OBJECT
private slots:
    void openFailsOnMissingDevice();
    void queueBounded();
    void programThenVerify();
    void readThenVerify();
    void faults_data();
    void faults();
    void monitorPacketsArrive();
    void threadMode();
    void vanishAndComeBack();
    void closeStopsReopening();
    void mayReopen_data();
    void mayReopen();
    void reopenWindow_data();
    void reopenWindow();
};

void tst_SerialLink::openFailsOnMissingDevice() {
    SerialLink link;
    QVERIFY(!link.open("/nonexistent/vortan-port"));
    QVERIFY(!link.isOpen());
    QVERIFY(link.drain().isEmpty());
    link.write(monitorRequest(), true); // harmless on a closed link
}

// The port is read into the bounded queue: what arrives while it is full is dropped, and the
// drains read it out by the queue's rule.
void tst_SerialLink::queueBounded() {
    RawLine line;
    SerialLink link;
    QVERIFY(link.open(QString::fromStdString(line.path)));
    const int total = 14000;
    const QByteArray sent = pattern(total);
    int written = 0;
    while (written < total) {
        const ssize_t n =
            ::write(line.master, sent.constData() + written, static_cast<size_t>(total - written));
        if (n > 0)
            written += int(n);
        link.waitForBytes(std::min(written, ReceiveQueue::kLimit), 1000);
    }
    QVERIFY(link.waitForBytes(ReceiveQueue::kLimit, 3000));
    // Let the line run dry: the last bytes still arriving must be dropped, not queued.
    while (link.waitForBytes(ReceiveQueue::kLimit + 1, 100)) {
    }
    QCOMPARE(link.bytesWaiting(), ReceiveQueue::kLimit);
    QByteArray all;
    for (int i = 0; i < 10; ++i) {
        const QByteArray got = link.drain();
        QCOMPARE(int(got.size()), 1000);
        all += got;
    }
    QCOMPARE(all, sent.left(ReceiveQueue::kLimit)); // the oldest bytes are kept
    QCOMPARE(link.bytesWaiting(), 0);
}

void tst_SerialLink::programThenVerify() {
    Bench b;
    QVERIFY(b.start());
    b.image = editedImage();
    const DeviceImage unitBefore = b.sim.image();
    b.ops.startProgram();
    b.run();
    QCOMPARE(b.events.messages.back(), Message::VerifyOk);
    QVERIFY(samePages12(b.sim.image(), b.image));
    QVERIFY(std::equal(b.image.page(0), b.image.page(0) + kPageSize, unitBefore.page(0)));
    QCOMPARE(b.operationRequests(), (Commands{0x00, 0x01, 0x02, 0x41, 0x42}));
    QCOMPARE(b.sim.programmings(), 1);
    QVERIFY(b.events.boxes.empty());
}

void tst_SerialLink::readThenVerify() {
    Bench b;
    QVERIFY(b.start());
    b.sim.setImage([&] {
        DeviceImage u = b.sim.image();
        u.map(7, 2) = 41;
        u[Byte::CLUTCH] = 33;
        return u;
    }());
    b.ops.startRead();
    b.run();
    QCOMPARE(b.events.messages.back(), Message::VerifyOk);
    QVERIFY(b.image == b.sim.image());
    QCOMPARE(b.operationRequests(), (Commands{0x40, 0x41, 0x42, 0x41, 0x42}));
    for (const SimReceived& r : b.sim.received())
        if (r.command == 0x40 || r.command == 0x42) {
            QCOMPARE(r.data, (std::array<std::uint8_t, kFrameData>{}));
            break; // the first request is a read, which carries zeros
        }
}

void tst_SerialLink::faults_data() {
    QTest::addColumn<SimSwitches>("switches");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("retried"); // more requests than the five of a clean run
    auto with = [](auto set) {
        SimSwitches s;
        s.seed = 7;
        set(s);
        return s;
    };
    QTest::newRow("clean") << SimSwitches{} << true << false;
    QTest::newRow("drop 30%") << with([](SimSwitches& s) { s.dropShare = 0.3; }) << true << true;
    QTest::newRow("corrupt 30%") << with([](SimSwitches& s) { s.corruptShare = 0.3; }) << true
                                 << true;
    QTest::newRow("garbage 30%") << with([](SimSwitches& s) { s.garbageShare = 0.3; }) << true
                                 << true;
    QTest::newRow("late 2") << with([](SimSwitches& s) { s.lateSteps = 2; }) << true << false;
    QTest::newRow("split") << with([](SimSwitches& s) { s.splitFrames = true; }) << true << false;
    QTest::newRow("RPM2 changed") << with([](SimSwitches& s) { s.changeRpm2 = true; }) << true
                                  << false;
    QTest::newRow("wrong command")
        << with([](SimSwitches& s) { s.wrongCommand = true; }) << false << true;
    QTest::newRow("silent") << with([](SimSwitches& s) { s.silent = true; }) << false << true;
    // Later than a resend: the late answer still matches the repeated request.
    QTest::newRow("late 5") << with([](SimSwitches& s) { s.lateSteps = 5; }) << true << true;
    QTest::newRow("late 25") << with([](SimSwitches& s) { s.lateSteps = 25; }) << false << true;
}

void tst_SerialLink::faults() {
    QFETCH(SimSwitches, switches);
    QFETCH(bool, ok);
    QFETCH(bool, retried);
    Bench b(switches);
    QVERIFY(b.start());
    b.image = editedImage();
    b.ops.startProgram();
    b.run();
    QCOMPARE(b.events.messages.back(), ok ? Message::VerifyOk : Message::ProgramFailed);
    if (ok)
        QCOMPARE(b.operationRequests().size() > 5, retried);
    else // page 0 five times, nothing else
        QCOMPARE(b.operationRequests(), Commands(5, 0x00));
    if (ok)
        QVERIFY(samePages12(b.sim.image(), b.image) != switches.changeRpm2);
    if (switches.wrongCommand) // valid replies keep the link alive all the same
        QVERIFY(b.loop.silenceCount < kSilentTicks);
}

void tst_SerialLink::monitorPacketsArrive() {
    Bench b;
    QVERIFY(b.start());
    for (int i = 0; i < 60; ++i)
        b.tick();
    QCOMPARE(b.events.packets.size(), std::size_t(9)); // asked at ticks 6..54, shown a tick later
}

void tst_SerialLink::threadMode() {
    // The unit serves on its own thread, as in the demo: replies come without pumping.
    Bench b;
    QVERIFY(b.sim.start());
    QVERIFY(b.link.open(QString::fromStdString(b.sim.devicePath())));
    b.sim.startThread();
    b.link.write(monitorRequest(), false);
    QVERIFY(b.link.waitForBytes(kFrameSize, 3000));
    const QByteArray packet = b.link.drain();
    QCOMPARE(packet.size(), kFrameSize);
    QCOMPARE(std::uint8_t(packet[0]), Command::MonitorReply);
    QVERIFY(frameValid(reinterpret_cast<const std::uint8_t*>(packet.constData())));

    b.image = editedImage();
    b.ops.startProgram();
    for (int i = 0; i < 200 && b.ops.operation != DeviceOperations::Idle; ++i) {
        b.loop.run(b.events);
        b.link.waitForBytes(kFrameSize, 200);
    }
    b.sim.stopThread();
    QCOMPARE(b.events.messages.back(), Message::VerifyOk);
    QVERIFY(samePages12(b.sim.image(), b.image));
}

void tst_SerialLink::vanishAndComeBack() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("vortan-unit").toStdString();
    Bench b;
    QVERIFY(b.sim.start());
    QVERIFY(b.sim.setLinkPath(path));
    QVERIFY(b.link.open(QString::fromStdString(path)));
    QSignalSpy lost(&b.link, &SerialLink::linkLost);
    QSignalSpy restored(&b.link, &SerialLink::linkRestored);

    b.sim.vanish();
    QTRY_COMPARE(lost.count(), 1);
    QTRY_VERIFY(!b.link.isOpen());
    QVERIFY(b.link.reopening());
    QTest::qWait(50); // a flood of errors must not give a second signal
    QCOMPARE(lost.count(), 1);
    QVERIFY(b.link.drain().isEmpty());

    QVERIFY(b.sim.comeBack());
    QTRY_COMPARE_WITH_TIMEOUT(restored.count(), 1, 5000);
    QVERIFY(b.link.isOpen());
    QVERIFY(!b.link.reopening());

    b.image = editedImage();
    b.ops.startProgram();
    b.run();
    QCOMPARE(b.events.messages.back(), Message::VerifyOk);
    QVERIFY(samePages12(b.sim.image(), b.image));
}

void tst_SerialLink::closeStopsReopening() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("vortan-unit").toStdString();
    Bench b;
    QVERIFY(b.sim.start());
    QVERIFY(b.sim.setLinkPath(path));
    QVERIFY(b.link.open(QString::fromStdString(path)));
    QSignalSpy lost(&b.link, &SerialLink::linkLost);
    b.sim.vanish();
    QTRY_COMPARE(lost.count(), 1);
    QTRY_VERIFY(b.link.reopening());
    b.link.close();
    QVERIFY(!b.link.reopening());
    QVERIFY(!b.link.isLost());
}

void tst_SerialLink::mayReopen_data() {
    QTest::addColumn<PortIdentity>("atOpen");
    QTest::addColumn<PortIdentity>("now");
    QTest::addColumn<qint64>("msSinceLoss");
    QTest::addColumn<bool>("reopen");
    const PortIdentity none;
    const PortIdentity ftdi = usbAdapter(0x0403, 0x6001, "A10K3LQ2");
    const qint64 window = SerialLink::kReopenWindowMs;
    const qint64 hour = 3600 * 1000;
    QTest::newRow("same adapter") << ftdi << ftdi << qint64(800) << true;
    QTest::newRow("same adapter an hour later") << ftdi << ftdi << hour << true;
    QTest::newRow("same model, other serial")
        << ftdi << usbAdapter(0x0403, 0x6001, "A10K3LQ3") << qint64(800) << false;
    QTest::newRow("other product")
        << ftdi << usbAdapter(0x0403, 0x6015, "A10K3LQ2") << qint64(800) << false;
    QTest::newRow("other vendor") << ftdi << usbAdapter(0x067B, 0x6001, "A10K3LQ2") << qint64(800)
                                  << false;
    QTest::newRow("adapter not back yet") << ftdi << none << qint64(800) << false;
    QTest::newRow("serial no longer reported")
        << ftdi << usbAdapter(0x0403, 0x6001) << qint64(800) << false;
    QTest::newRow("no serial at open, same model")
        << usbAdapter(0x1A86, 0x7523) << usbAdapter(0x1A86, 0x7523, "X") << qint64(800) << true;
    QTest::newRow("no serial at open, other model")
        << usbAdapter(0x1A86, 0x7523) << usbAdapter(0x1A86, 0x5523) << qint64(800) << false;
    QTest::newRow("no identity, soon after") << none << none << qint64(800) << true;
    QTest::newRow("no identity, at the window's end") << none << none << window << true;
    QTest::newRow("no identity, after the window") << none << none << window + 1 << false;
    QTest::newRow("no identity before, an adapter now") << none << ftdi << qint64(800) << false;
}

// The decision alone: identity at open, identity now, time since the loss.
void tst_SerialLink::mayReopen() {
    QFETCH(PortIdentity, atOpen);
    QFETCH(PortIdentity, now);
    QFETCH(qint64, msSinceLoss);
    QFETCH(bool, reopen);
    QCOMPARE(vortan::mayReopen(atOpen, now, msSinceLoss, SerialLink::kReopenWindowMs), reopen);
}

void tst_SerialLink::reopenWindow_data() {
    QTest::addColumn<int>("windowMs"); // 0: the link's own
    QTest::addColumn<bool>("restored");
    QTest::newRow("back within the window") << 0 << true;
    QTest::newRow("another terminal takes the path after the window") << 100 << false;
}

// A pseudo-terminal has no USB identity: what appears at its path is taken only within the
// window after the loss. The unit's return is a new terminal behind the same path, as
// another program's would be.
void tst_SerialLink::reopenWindow() {
    QFETCH(int, windowMs);
    QFETCH(bool, restored);
    QTemporaryDir dir;
    const std::string path = dir.filePath("vortan-unit").toStdString();
    Bench b;
    QVERIFY(b.sim.start());
    QVERIFY(b.sim.setLinkPath(path));
    QVERIFY(b.link.open(QString::fromStdString(path)));
    if (windowMs > 0)
        b.link.setReopenWindow(windowMs);
    QSignalSpy lost(&b.link, &SerialLink::linkLost);
    QSignalSpy back(&b.link, &SerialLink::linkRestored);
    QSignalSpy givenUp(&b.link, &SerialLink::reopenGivenUp);

    b.sim.vanish();
    QTRY_COMPARE(lost.count(), 1);
    if (!restored) {
        QTRY_COMPARE_WITH_TIMEOUT(givenUp.count(), 1, 5000);
        QVERIFY(!b.link.reopening());
    }
    QVERIFY(b.sim.comeBack());
    b.sim.clearReceived();
    if (restored) {
        QTRY_COMPARE_WITH_TIMEOUT(back.count(), 1, 5000);
        QVERIFY(b.link.isOpen());
        QCOMPARE(givenUp.count(), 0);
    } else {
        QTest::qWait(600); // longer than a reopen attempt takes to come round
        QCOMPARE(back.count(), 0);
        QVERIFY(!b.link.isOpen());
        b.link.write(monitorRequest(), false);
        b.sim.pump();
        QVERIFY(b.sim.received().empty()); // nothing reaches the new terminal
        // The tuner picks the port again.
        QVERIFY(b.link.open(QString::fromStdString(path)));
    }
    b.image = editedImage();
    b.ops.startProgram();
    b.run();
    QCOMPARE(b.events.messages.back(), Message::VerifyOk);
}

QTEST_MAIN(tst_SerialLink)
#include "tst_seriallink.moc"
