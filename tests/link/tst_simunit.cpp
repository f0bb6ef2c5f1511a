// The simulated unit's engine model, identification page and near-miss switches.

#include "monitor/MonitorPacket.h"
#include "params/MapCursor.h"
#include "sim/SimUnit.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

Q_DECLARE_METATYPE(vortan::SimSwitches)

using namespace vortan;

namespace {
int word(const Frame& f, int offset) {
    return f[offset] | f[offset + 1] << 8;
}

// The program's end of the unit's line.
struct Line {
    int fd = -1;
    explicit Line(const SimUnit& sim)
        : fd(::open(sim.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~Line() { ::close(fd); }
    bool send(const Frame& f) { return ::write(fd, f.data(), kFrameSize) == kFrameSize; }
    // Waits for `count` bytes (at most a second) and returns what came.
    std::vector<std::uint8_t> receive(int count) {
        std::vector<std::uint8_t> out;
        const QDeadlineTimer deadline(1000);
        pollfd p{fd, POLLIN, 0};
        while (int(out.size()) < count &&
               ::poll(&p, 1, static_cast<int>(deadline.remainingTime())) > 0) {
            std::uint8_t buffer[4096];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            out.insert(out.end(), buffer, buffer + n);
        }
        return out;
    }
};

SimSwitches nearMiss(NearMiss kind) {
    SimSwitches s;
    s.nearMiss = kind;
    return s;
}
} // namespace

class tst_SimUnit : public QObject {
    Q_OBJECT
private slots:
    void identification();
    void monitorModel();
    void workingCellIsTheMarkedCell_data();
    void workingCellIsTheMarkedCell();
    void switchesReachPage0();
    void scheduledVanish();
    void nearMisses_data();
    void nearMisses();
    void monitorBurst();
};

void tst_SimUnit::identification() {
    SimUnit sim;
    const DeviceImage im = sim.image();
    QCOMPARE(im[Byte::CompatibilityCode], 15);
    QCOMPARE(im[Byte::BikeMask0], 0x3F);
    const Identification id = formatIdentification(im);
    QCOMPARE(QString::fromStdString(id.version), QStringLiteral("VRT21"));
    QCOMPARE(QString::fromStdString(id.date), QStringLiteral("14. 3.2024"));
    DeviceImage defaults = im;
    setDefaults(defaults);
    QVERIFY(defaults == im); // pages 1 and 2 hold the defaults
}

void tst_SimUnit::monitorModel() {
    SimUnit sim; // not started: pump() only advances the model
    const DeviceImage im = sim.image();
    const int first = im[Byte::RPM_ADV] * 100;
    const int last = im[Byte::RPM_ADV + 9] * 100;
    bool below = false, inside = false, above = false, sensorError = false, flagsToggled = false;
    int lastBlok1 = -1;
    int servoLagging = 0;
    for (int step = 0; step < 1200; ++step) {
        sim.pump();
        const Frame f = sim.monitorFrame();
        QVERIFY(frameValid(f));
        QCOMPARE(f[0], Command::MonitorReply);
        const int rpm = word(f, 1);
        const int tps = f[29];
        below |= rpm < first;
        inside |= rpm >= first && rpm <= last;
        above |= rpm > last;
        sensorError |= tps > 100;
        if (word(f, 7) != word(f, 9))
            ++servoLagging;
        if (lastBlok1 >= 0 && lastBlok1 != f[33])
            flagsToggled = true;
        lastBlok1 = f[33];
        QCOMPARE(word(f, 11), 0);
    }
    QVERIFY(below && inside && above);
    QVERIFY(sensorError);
    QVERIFY(flagsToggled);
    QVERIFY(servoLagging > 0);
}

void tst_SimUnit::workingCellIsTheMarkedCell_data() {
    QTest::addColumn<bool>("throttleMap");
    QTest::newRow("throttle map off: the full-throttle row") << false;
    QTest::newRow("throttle map on: the throttle's row") << true;
}

// The advance and the desired servo voltage come from the cell and the servo column the
// program marks for the packet's speed and throttle.
void tst_SimUnit::workingCellIsTheMarkedCell() {
    QFETCH(bool, throttleMap);
    SimUnit sim;
    DeviceImage im = sim.image();
    im[Byte::TPS_MAPA] = throttleMap;
    im[Byte::BASE_ADV] = 200; // no cell holds it
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            im.map(r, c) = static_cast<std::uint8_t>(10 * r + c); // every cell its own
    for (int i = 0; i < 10; ++i)
        im[Byte::NAP_PRIV + i] = static_cast<std::uint8_t>(20 + 20 * i);
    sim.setImage(im);
    QSet<int> rows;
    for (int step = 0; step < 1200; ++step) {
        sim.pump();
        const Frame f = sim.monitorFrame();
        const MapCursor cell = computeMapCursor(word(f, 1), f[29], im);
        rows << cell.row;
        const int advance = cell.belowMap ? 200 : im.map(cell.row, cell.column);
        QCOMPARE(int(f[30]), advance);
        const int servoMv = im[Byte::NAP_PRIV + cell.servoColumn] * 20;
        QVERIFY(std::abs(rawToMillivolts(word(f, 9)) - servoMv) <= 1);
    }
    QCOMPARE(rows.size(), throttleMap ? 10 : 1);
}

void tst_SimUnit::switchesReachPage0() {
    SimUnit sim;
    SimSwitches sw;
    sw.compatibilityCode = 14;
    sw.bikeMask = 0x05;
    sim.setSwitches(sw);
    QCOMPARE(sim.image()[Byte::CompatibilityCode], 14);
    QCOMPARE(sim.image()[Byte::BikeMask0], 0x05);
    QVERIFY(!bikeSupported(sim.image(), 1));
    QVERIFY(bikeSupported(sim.image(), 2));
}

void tst_SimUnit::scheduledVanish() {
    QTemporaryDir dir;
    const std::string link = dir.filePath("unit").toStdString();
    SimUnit sim;
    SimSwitches sw;
    sw.vanishAfterSteps = 3;
    sw.vanishForSteps = 2;
    sim.setSwitches(sw);
    QVERIFY(sim.start());
    QVERIFY(sim.setLinkPath(link));
    QCOMPARE(QFileInfo(QString::fromStdString(link)).symLinkTarget(),
             QString::fromStdString(sim.slavePath()));
    sim.pump();
    sim.pump();
    QVERIFY(sim.present());
    sim.pump();
    QVERIFY(!sim.present());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(link))); // no link to a freed terminal
    sim.pump();
    QVERIFY(!sim.present());
    sim.pump();
    QVERIFY(sim.present());
    QCOMPARE(QFileInfo(QString::fromStdString(link)).symLinkTarget(),
             QString::fromStdString(sim.slavePath()));
}

void tst_SimUnit::nearMisses_data() {
    QTest::addColumn<SimSwitches>("switches");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("reply");     // command byte of the reply
    QTest::addColumn<int>("dataPage");  // the unit's page the reply's data are compared with
    QTest::addColumn<int>("differing"); // data bytes that differ from that page
    QTest::addColumn<long>("faults");
    QTest::newRow("clean") << SimSwitches{} << 0x41 << 0xC1 << 1 << 0 << 0L;
    QTest::newRow("other kind") << nearMiss(NearMiss::OtherKind) << 0x41 << 0x81 << 1 << 0 << 1L;
    QTest::newRow("other kind, program")
        << nearMiss(NearMiss::OtherKind) << 0x02 << 0xC2 << 2 << 0 << 1L;
    QTest::newRow("other page") << nearMiss(NearMiss::OtherPage) << 0x41 << 0xC2 << 2 << 0 << 1L;
    QTest::newRow("other page, wraps to 0")
        << nearMiss(NearMiss::OtherPage) << 0x42 << 0xC0 << 0 << 0 << 1L;
    QTest::newRow("reply bit missing")
        << nearMiss(NearMiss::NoReplyBit) << 0x41 << 0x41 << 1 << 0 << 1L;
    QTest::newRow("one byte off, page 2")
        << nearMiss(NearMiss::OneByteOff) << 0x42 << 0xC2 << 2 << 1 << 1L;
    QTest::newRow("one byte off leaves page 1")
        << nearMiss(NearMiss::OneByteOff) << 0x41 << 0xC1 << 1 << 0 << 0L;
    SimSwitches held;
    held.held = {{Byte::Reserved, 0x55}, {Byte::CLUTCH, 80}};
    QTest::newRow("held bytes, program page 1") << held << 0x01 << 0x81 << 1 << 0 << 1L;
    QTest::newRow("held bytes, read page 1") << held << 0x41 << 0xC1 << 1 << 0 << 1L;
    QTest::newRow("held bytes, page 2 untouched") << held << 0x02 << 0x82 << 2 << 0 << 0L;
}

// A request in, one valid reply out, shaped by the switch.
void tst_SimUnit::nearMisses() {
    QFETCH(SimSwitches, switches);
    QFETCH(int, request);
    QFETCH(int, reply);
    QFETCH(int, dataPage);
    QFETCH(int, differing);
    QFETCH(long, faults);
    SimUnit sim;
    QVERIFY(sim.start());
    sim.setSwitches(switches);
    Line line(sim);
    DeviceImage sent;
    setDefaults(sent); // page 1 carries 0 at 101 and an in-range CLUTCH
    QVERIFY(line.send(makeFrame(std::uint8_t(request), sent.page(request & 0x3F))));
    QCOMPARE(sim.pump(), kFrameSize);
    const std::vector<std::uint8_t> got = line.receive(kFrameSize);
    QCOMPARE(int(got.size()), kFrameSize);
    QVERIFY(frameValid(got.data()));
    QCOMPARE(int(got[0]), reply);
    const DeviceImage unit = sim.image();
    int off = 0;
    for (int i = 0; i < kFrameData; ++i)
        off += got[1 + i] != unit.page(dataPage)[i];
    QCOMPARE(off, differing);
    for (const auto& [position, value] : switches.held)
        QCOMPARE(unit[position], value);
    QCOMPARE(sim.faultsInjected(), faults);
}

// Unasked monitor packets, 1..3 whole ones per step, at the share set.
void tst_SimUnit::monitorBurst() {
    SimUnit sim;
    QVERIFY(sim.start());
    SimSwitches sw;
    sw.monitorBurst = 3;
    sw.monitorBurstShare = 1.0;
    sim.setSwitches(sw);
    Line line(sim);
    QSet<int> sizes;
    for (int i = 0; i < 30; ++i) {
        const int written = sim.pump();
        const std::vector<std::uint8_t> got = line.receive(written);
        QCOMPARE(int(got.size()), written);
        QCOMPARE(written % kFrameSize, 0);
        for (std::size_t at = 0; at < got.size(); at += kFrameSize) {
            QCOMPARE(got[at], Command::MonitorReply);
            QVERIFY(frameValid(got.data() + at));
        }
        sizes << written / kFrameSize;
    }
    QCOMPARE(sizes, (QSet<int>{1, 2, 3}));
    QCOMPARE(sim.faultsInjected(), 30L);
    sw.monitorBurstShare = 0.0;
    sim.setSwitches(sw);
    QCOMPARE(sim.pump(), 0);
}

QTEST_APPLESS_MAIN(tst_SimUnit)
#include "tst_simunit.moc"
