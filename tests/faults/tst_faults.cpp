// Program, read, verify and program-after-change through the main window and a real
// pseudo-terminal while the simulated unit drops, corrupts, delays, splits and buries its
// replies, vanishes mid-operation or refuses the parameter set. Whatever happens, the
// window may say "Verify OK" only when the unit holds its pages 1 and 2, every operation
// ends, and once the line is clean again the next program succeeds.

#include "FaultRun.h"

#include <QDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

Q_DECLARE_METATYPE(vortan::SimSwitches)

using namespace faults;

namespace {

enum Expect { AnyEnding, SomeSucceed, NoneSucceed, SomeRefused };

Tally tally;

// Reads what arrives on `fd` within `msecs`.
std::vector<std::uint8_t> readFor(int fd, int msecs) {
    std::vector<std::uint8_t> out;
    const QDeadlineTimer deadline(msecs);
    while (!deadline.hasExpired()) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(deadline.remainingTime())) <= 0)
            break;
        std::uint8_t buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.insert(out.end(), buffer, buffer + n);
    }
    return out;
}

} // namespace

class tst_Faults : public QObject {
    Q_OBJECT
private slots:
    void floodSwitch();
    void operations_data();
    void operations();
    void cleanupTestCase();
};

// The flood reaches the line at the set rate, on both sides of the step's replies.
void tst_Faults::floodSwitch() {
    SimUnit sim;
    QVERIFY(sim.start());
    SimSwitches sw;
    sw.floodBytesPerStep = 317;
    sw.seed = 7;
    sim.setSwitches(sw);
    const int fd = ::open(sim.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    const Frame request = makeFrame(Command::Read + 1, nullptr);
    const Frame reply = makeFrame(Command::Read + 1 + Command::ReplyBit, sim.image().page(1));
    bool replyFirst = false, floodFirst = false;
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(::write(fd, request.data(), kFrameSize), ssize_t(kFrameSize));
        QCOMPARE(sim.pump(), 317 + kFrameSize);
        const std::vector<std::uint8_t> got = readFor(fd, 20);
        QCOMPARE(int(got.size()), 317 + kFrameSize);
        if (std::equal(reply.begin(), reply.end(), got.begin()))
            replyFirst = true;
        else if (std::equal(reply.begin(), reply.end(), got.begin() + 317))
            floodFirst = true;
        else
            QFAIL("reply missing or cut by the flood");
    }
    QVERIFY(replyFirst && floodFirst);
    QCOMPARE(sim.faultsInjected(), 20L);
    QCOMPARE(sim.pump(), 317); // no request, still a flood
    sw.floodBytesPerStep = 0;
    sim.setSwitches(sw);
    QCOMPARE(sim.pump(), 0);
    ::close(fd);
}

void tst_Faults::operations_data() {
    QTest::addColumn<SimSwitches>("switches");
    QTest::addColumn<int>("lateMax");   // >0: each operation's replies late by 1..lateMax
    QTest::addColumn<bool>("vanishes"); // the unit vanishes once per operation, comes back
    QTest::addColumn<int>("expect");
    QTest::addColumn<unsigned>("seed");

    auto row = [](const char* name, SimSwitches sw, int lateMax, bool vanishes, Expect expect,
                  unsigned seed) {
        QTest::newRow(name) << sw << lateMax << vanishes << int(expect) << seed;
    };
    SimSwitches sw;
    sw.dropShare = 0.1;
    row("drop 10%", sw, 0, false, SomeSucceed, 101);
    sw.dropShare = 0.3;
    row("drop 30%", sw, 0, false, SomeSucceed, 102);
    sw.dropShare = 0.6;
    row("drop 60%", sw, 0, false, AnyEnding, 103);
    sw = {};
    sw.corruptShare = 0.3;
    row("corrupt 30%", sw, 0, false, SomeSucceed, 104);
    sw.corruptShare = 0.8;
    row("corrupt 80%", sw, 0, false, AnyEnding, 105);
    sw = {};
    row("late 1..6", sw, 6, false, SomeSucceed, 106);
    sw.dropShare = 0.3;
    row("late 1..6, drop 30%", sw, 6, false, AnyEnding, 107);
    sw = {};
    sw.wrongCommand = true;
    row("wrong reply command", sw, 0, false, NoneSucceed, 108);
    sw = {};
    sw.silent = true;
    row("silent", sw, 0, false, NoneSucceed, 109);
    sw = {};
    sw.garbageShare = 0.5;
    row("garbage before half the replies", sw, 0, false, SomeSucceed, 110);
    sw.garbageShare = 1.0;
    sw.garbageBytes = 1;
    row("a garbage byte before every reply", sw, 0, false, NoneSucceed, 111);
    sw = {};
    sw.splitFrames = true;
    row("split frames", sw, 0, false, SomeSucceed, 112);
    sw.garbageShare = 0.3;
    row("split frames, garbage 30%", sw, 0, false, AnyEnding, 113);
    sw = {};
    sw.floodBytesPerStep = 317; // 57600 baud is 5760 bytes/s, 317 per 55 ms tick
    row("flood at line rate", sw, 0, false, SomeSucceed, 114);
    sw = {};
    row("vanish mid-operation", sw, 0, true, AnyEnding, 115);
    sw.dropShare = 0.1;
    row("vanish, drop 10%", sw, 0, true, AnyEnding, 116);
    sw = {};
    sw.compatibilityCode = 14;
    row("incompatible unit", sw, 0, false, SomeRefused, 117);
    sw.compatibilityCode = 16;
    sw.dropShare = 0.3;
    row("incompatible unit, drop 30%", sw, 0, false, SomeRefused, 118);
    sw = {};
    sw.bikeMask = 0x3E; // the window's type 0 is not supported
    row("unsupported motorbike", sw, 0, false, SomeRefused, 119);
    sw.lateSteps = 2;
    sw.garbageShare = 0.2;
    row("unsupported motorbike, late, garbage", sw, 0, false, SomeRefused, 120);
    sw = {};
    sw.dropShare = 0.15;
    sw.corruptShare = 0.15;
    sw.garbageShare = 0.15;
    sw.splitFrames = true;
    row("everything at once", sw, 3, false, AnyEnding, 121);
}

void tst_Faults::operations() {
    QFETCH(SimSwitches, switches);
    QFETCH(int, lateMax);
    QFETCH(bool, vanishes);
    QFETCH(int, expect);
    QFETCH(unsigned, seed);
    const QString replay = QString("seed %1: ").arg(seed);

    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir linkDir; // a fixed path that follows the unit across vanish and return
    const std::string linkPath = QDir(linkDir.path()).filePath("ttyVortan").toStdString();
    QVERIFY(b.sim.setLinkPath(linkPath));
    b.w->setPortOverride(QString::fromStdString(linkPath));
    b.w->closePort();
    b.w->openPort();
    QVERIFY(b.ok());
    b.w->applyLanguage(int(seed % 3));

    QSignalSpy lost(&b.w->link(), &SerialLink::linkLost);
    QSignalSpy restored(&b.w->link(), &SerialLink::linkRestored);
    FaultRun run(b, seed);
    std::vector<int> ops;
    for (int round = 0; round < 3; ++round)
        ops.insert(ops.end(), {ProgramOp, ReadOp, VerifyOp, ChangeOp});
    std::shuffle(ops.begin(), ops.end(), run.rng);
    int successes = 0, refusals = 0;
    bool wrotePages12 = false;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        SimSwitches sw = switches;
        sw.seed = seed * 100 + unsigned(i);
        if (lateMax > 0)
            sw.lateSteps = run.pick(1, lateMax);
        const int idle = run.pick(0, 6);
        if (vanishes) { // within the first ticks of the operation
            sw.vanishAfterSteps = idle + run.pick(1, 8);
            sw.vanishForSteps = run.pick(2, 10);
        }
        b.sim.setSwitches(sw);
        for (int k = 0; k < idle; ++k)
            run.step();
        Ending ending = Ending::Unexplained;
        const QString wrong = run.runChecked(ops[i], tally, &ending);
        QVERIFY2(wrong.isEmpty(), qPrintable(replay + QString("operation %1: ").arg(i) + wrong));
        if (qEnvironmentVariableIsSet("FAULTS_TRACE"))
            qInfo("  op %zu %s: %s \"%s\" after %d ticks", i, opName(ops[i]), endingName(ending),
                  qPrintable(b.message()), b.ticks);
        successes += ending == Ending::Success;
        refusals += ending == Ending::Refusal;
        wrotePages12 |= writesPages12(b.sim.received());
    }
    qInfo("%s%d of %zu operations succeeded, %d refused, %ld faults", qPrintable(replay), successes,
          ops.size(), refusals, b.sim.faultsInjected());
    tally.faults += b.sim.faultsInjected();
    QVERIFY2(b.sim.faultsInjected() > 0, qPrintable(replay + "no fault was injected"));
    if (expect == SomeSucceed)
        QVERIFY2(successes > 0, qPrintable(replay + "no operation got through"));
    if (expect == NoneSucceed)
        QVERIFY2(successes == 0, qPrintable(replay + "an operation got through"));
    if (expect == SomeRefused) {
        QVERIFY2(refusals > 0, qPrintable(replay + "the unit was never refused"));
        QVERIFY2(!wrotePages12, qPrintable(replay + "pages 1/2 were written to a refused unit"));
        QCOMPARE(b.sim.programmings(), 0);
    }

    // The line is clean again: the unit is back, the window ticks on its own timer, and the
    // next program gets through.
    b.sim.setSwitches(SimSwitches{});
    if (!b.sim.present())
        QVERIFY(b.sim.comeBack());
    QTRY_VERIFY_WITH_TIMEOUT(b.w->link().isOpen() && !b.w->link().isLost(), 3000);
    if (vanishes) {
        QVERIFY2(lost.count() > 0, qPrintable(replay + "the link was never lost"));
        QCOMPARE(restored.count(), lost.count());
    } else {
        QCOMPARE(lost.count(), 0);
    }
    QSignalSpy ticks(b.w->Timer1, &QTimer::timeout);
    b.w->Timer1->start();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 2000);
    b.w->Timer1->stop();
    for (int i = 0; i < 8; ++i) // let held-back replies and the timer's requests pass
        run.step();
    Ending ending = Ending::Unexplained;
    const QString wrong = run.runChecked(ProgramOp, tally, &ending);
    QVERIFY2(wrong.isEmpty(), qPrintable(replay + "after the faults: " + wrong));
    QVERIFY2(ending == Ending::Success,
             qPrintable(replay + "program after the faults ended \"" + b.message() + "\""));
    QVERIFY(b.boxes.size() == run.boxesAtStart);
}

void tst_Faults::cleanupTestCase() {
    qInfo("fault suite: %ld operations run, %ld faults injected, %ld false successes, %ld "
          "hangs, %ld unexplained endings",
          tally.operations, tally.faults, tally.falseSuccesses, tally.hangs, tally.unexplained);
    QCOMPARE(tally.falseSuccesses, 0L);
    QCOMPARE(tally.hangs, 0L);
    QCOMPARE(tally.unexplained, 0L);
    QVERIFY(tally.operations > 0);
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
