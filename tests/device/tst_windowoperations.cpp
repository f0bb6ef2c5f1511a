// Read, verify and program through the main window against the simulated unit: messages in
// every language, progress bar, the image on both sides, silent and incompatible units, and
// programming after a change.

#include "WindowBench.h"

#include <QApplication>
#include <QMessageBox>
#include <QtTest>

Q_DECLARE_METATYPE(vortan::SimSwitches)

using namespace devtest;

namespace {

enum Op { ProgramOp, ReadOp, VerifyOp };

void start(WindowBench& b, int op) {
    b.trigger(op == ProgramOp ? "MenuProgram" : op == ReadOp ? "MenuRead" : "MenuVerify");
}

// A unit holding a parameter set that differs from the defaults in all three kinds of value.
DeviceImage distinctUnitImage(const DeviceImage& unit) {
    DeviceImage u = unit;
    u[Byte::LIMITER1] = 87;
    u[Byte::LIMITER2] = 123;
    u[Byte::CLUTCH] = 33;
    u.map(9, 4) = 51; // the row shown while the throttle map is off
    u.map(3, 7) = 17;
    u[Byte::NAP_PRIV + 2] = 140;
    return u;
}

using Commands = std::vector<std::uint8_t>;

} // namespace

class tst_WindowOperations : public QObject {
    Q_OBJECT
private slots:
    void programThenVerify();
    void readShowsUnitValues();
    void messages_data();
    void messages();
    void silentProgram();
    void silentRead();
    void incompatibleUnit_data();
    void incompatibleUnit();
    void unsupportedBike();
    void rpm2ChangedByUnit();
    void readOutOfRange();
    void programAfterChange();
    void verifyAbandonsRead();
    void programInRealTime();
    void readHeldOutOfRange_data();
    void readHeldOutOfRange();
    void preciseTick();
    void boxKeepsTicking_data();
    void boxKeepsTicking();
};

void tst_WindowOperations::programThenVerify() {
    WindowBench b;
    QVERIFY(b.ok());
    b.type(mapCellName(9, 4), "29");
    b.type("EditOmez1", "7700");
    b.sim.clearReceived();
    b.trigger("MenuProgram");
    QCOMPARE(b.message(), QString("Program device:"));
    QVERIFY(b.shown("LabelHlaseni"));
    QVERIFY(b.shown("CGauge"));
    QCOMPARE(b.gauge("CGauge")->progress(), 0);
    std::vector<int> progress{0};
    while (b.operation() != DeviceOperations::Idle && b.ticks < 100) {
        b.tick();
        if (b.shown("CGauge") && b.gauge("CGauge")->progress() != progress.back())
            progress.push_back(b.gauge("CGauge")->progress());
    }
    QCOMPARE(progress, (std::vector<int>{0, 1, 2, 1, 2}));
    QCOMPARE(b.message(), QString("Verify OK"));
    QVERIFY(b.messageColour() != kRed);
    QVERIFY(!b.shown("CGauge"));
    QCOMPARE(b.operationRequests(), (Commands{0x00, 0x01, 0x02, 0x41, 0x42}));
    QVERIFY(samePages12(b.sim.image(), b.session().image()));
    QCOMPARE(b.sim.image().map(9, 4), std::uint8_t(29));
    QCOMPARE(b.sim.image()[Byte::LIMITER1], std::uint8_t(77));
    QVERIFY(b.boxes.isEmpty());
}

void tst_WindowOperations::readShowsUnitValues() {
    WindowBench b;
    QVERIFY(b.ok());
    b.sim.setImage(distinctUnitImage(b.sim.image()));
    b.label("LabelFile2")->setText("old.ign");
    b.trigger("MenuRead");
    QCOMPARE(b.message(), QString("Read device:"));
    QVERIFY(b.label("LabelFile2")->text().isEmpty());
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QVERIFY(!b.shown("CGauge"));
    QVERIFY(b.session().image() == b.sim.image());
    QCOMPARE(b.edit("EditOmez1")->value(), 8700);
    QCOMPARE(b.edit("EditOmez2")->value(), 12300);
    QCOMPARE(b.edit("EditClutch")->value(), 330);
    QCOMPARE(b.edit(mapCellName(9, 4))->value(), 51);
    QCOMPARE(b.edit(mapCellName(3, 7))->value(), 17);
    QCOMPARE(b.edit("EditNapPriv3")->value(), 2800);
    QCOMPARE(b.operationRequests(), (Commands{0x40, 0x41, 0x42, 0x41, 0x42}));
}

void tst_WindowOperations::messages_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("op");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QStringList>("texts"); // every text the label shows, in order

    const QString ok[] = {"Verifikace OK", "Verify OK", "Vergleich OK"};
    const QString names[] = {"cs", "en", "de"};
    const QString program[] = {"Programování:", "Program device:", "Programmieren:"};
    const QString read[] = {"Čtení:", "Read device:", "Lesen:"};
    const QString verify[] = {"Verifikace:", "Verify device:", "Vergleichen:"};
    const QString autoVerify[] = {"Verifikace:", "Verify device:", "Verifikation:"};
    const QString programFail[] = {"Chyba programování", "Program error!", "Programmier. Fehler"};
    const QString readFail[] = {"Chyba čtení!", "Read error!", "Lesefehler"};
    const QString verifyFail[] = {"Chyba verifikace!", "Verify error!", "Vergleichsfehler"};
    for (int l = 0; l < 3; ++l) {
        const QByteArray n = names[l].toLatin1();
        QTest::newRow(n + " program ok")
            << l << int(ProgramOp) << false << QStringList{program[l], autoVerify[l], ok[l]};
        QTest::newRow(n + " read ok")
            << l << int(ReadOp) << false << QStringList{read[l], autoVerify[l], ok[l]};
        QTest::newRow(n + " verify ok")
            << l << int(VerifyOp) << false << QStringList{verify[l], ok[l]};
        QTest::newRow(n + " program fails")
            << l << int(ProgramOp) << true << QStringList{program[l], programFail[l]};
        QTest::newRow(n + " read fails")
            << l << int(ReadOp) << true << QStringList{read[l], readFail[l]};
        QTest::newRow(n + " verify fails")
            << l << int(VerifyOp) << true << QStringList{verify[l], verifyFail[l]};
    }
}

void tst_WindowOperations::messages() {
    QFETCH(int, language);
    QFETCH(int, op);
    QFETCH(bool, silent);
    QFETCH(QStringList, texts);
    SimSwitches sw;
    sw.silent = silent;
    WindowBench b(sw);
    QVERIFY(b.ok());
    b.language(language);
    b.unitHoldsScreenSet();
    start(b, op);
    QStringList shown{b.message()};
    while (b.operation() != DeviceOperations::Idle && b.ticks < 100) {
        QVERIFY(b.messageColour() != kRed);
        b.tick();
        if (b.message() != shown.back())
            shown << b.message();
    }
    QCOMPARE(shown, texts);
    if (silent) {
        QCOMPARE(b.messageColour(), kRed);
        QVERIFY(b.shown("CGauge")); // stays until the countdown ends
    } else {
        QVERIFY(b.messageColour() != kRed);
        QVERIFY(!b.shown("CGauge"));
    }
    QVERIFY(b.shown("LabelHlaseni"));
    QVERIFY(b.boxes.isEmpty());
}

void tst_WindowOperations::silentProgram() {
    SimSwitches sw;
    sw.silent = true;
    WindowBench b(sw);
    QVERIFY(b.ok());
    b.sim.clearReceived();
    b.trigger("MenuProgram");
    b.settle(); // the first page went out with the command
    std::vector<int> sentAt{b.ticks};
    QCOMPARE(b.requestsOf(0x00), 1);
    while (b.operation() != DeviceOperations::Idle && b.ticks < 100) {
        QCOMPARE(b.message(), QString("Program device:"));
        const int before = b.requestsOf(0x00);
        b.tick();
        if (b.requestsOf(0x00) > before)
            sentAt.push_back(b.ticks);
    }
    QCOMPARE(b.message(), QString("Program error!"));
    QCOMPARE(b.messageColour(), kRed);
    QCOMPARE(b.operationRequests(), Commands(5, 0x00));
    QCOMPARE(sentAt, (std::vector<int>{0, 4, 8, 12, 16}));
    QCOMPARE(b.ticks, 20); // 5 x 4 ticks after the start
    QVERIFY(b.shown("CGauge"));
    // Idle again: monitor requests resume.
    const int monitorBefore = b.requestsOf(Command::Monitor);
    for (int i = 0; i < 6; ++i)
        b.tick();
    QCOMPARE(b.requestsOf(Command::Monitor), monitorBefore + 1);
    // Label and progress bar go with the 200th countdown step; the first is taken in the
    // tick that showed the failure.
    while (b.ticks < 20 + 198)
        b.tick();
    QVERIFY(b.shown("LabelHlaseni"));
    QVERIFY(b.shown("CGauge"));
    b.tick();
    QVERIFY(!b.shown("LabelHlaseni"));
    QVERIFY(!b.shown("CGauge"));
}

void tst_WindowOperations::silentRead() {
    SimSwitches sw;
    sw.silent = true;
    WindowBench b(sw);
    QVERIFY(b.ok());
    b.tick(); // leave the idle monitor cycle somewhere in its middle
    b.sim.clearReceived();
    b.trigger("MenuRead");
    std::vector<int> sentAt;
    while (b.operation() != DeviceOperations::Idle && b.ticks < 100) {
        QCOMPARE(b.message(), QString("Read device:"));
        const int before = b.requestsOf(0x40);
        b.tick();
        if (b.requestsOf(0x40) > before)
            sentAt.push_back(b.ticks);
    }
    QCOMPARE(b.message(), QString("Read error!"));
    QCOMPARE(b.messageColour(), kRed);
    QCOMPARE(b.operationRequests(), Commands(4, 0x40));
    QCOMPARE(int(sentAt.size()), 4);
    QVERIFY(sentAt[0] - 1 >= 1 && sentAt[0] - 1 <= 4); // 1 to 4 ticks after the command
    for (std::size_t i = 1; i < sentAt.size(); ++i)
        QCOMPARE(sentAt[i] - sentAt[i - 1], 4);
    QCOMPARE(b.ticks - sentAt.back(), 4);
    for (const SimReceived& r : b.sim.received())
        QCOMPARE(r.data, (std::array<std::uint8_t, kFrameData>{})); // a read carries zeros
}

void tst_WindowOperations::incompatibleUnit_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("box");
    const QString cs = "Neshodné verze proramu v PC a zapalování!";
    const QString en = "Unmatched version of PC and Ignition programs!";
    QTest::newRow("program, Czech") << int(ProgramOp) << 0 << cs;
    QTest::newRow("read, Czech") << int(ReadOp) << 0 << cs;
    QTest::newRow("program, English") << int(ProgramOp) << 1 << en;
    QTest::newRow("read, English") << int(ReadOp) << 1 << en;
}

void tst_WindowOperations::incompatibleUnit() {
    QFETCH(int, op);
    QFETCH(int, language);
    QFETCH(QString, box);
    SimSwitches sw;
    sw.compatibilityCode = 14;
    WindowBench b(sw);
    QVERIFY(b.ok());
    b.language(language);
    b.sim.setImage(distinctUnitImage(b.sim.image()));
    const DeviceImage unitBefore = b.sim.image();
    const DeviceImage windowBefore = b.session().image();
    b.sim.clearReceived();
    start(b, op);
    const QString startText = b.message();
    QVERIFY(b.run());
    QCOMPARE(b.boxes, QStringList{box});
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Idle));
    QCOMPARE(b.message(), startText); // the label keeps its start text
    QCOMPARE(b.operationRequests(), Commands{std::uint8_t(op == ProgramOp ? 0x00 : 0x40)});
    QVERIFY(b.sim.image() == unitBefore);
    QCOMPARE(b.session().image()[Byte::CompatibilityCode], std::uint8_t(14));
    QVERIFY(samePages12(b.session().image(), windowBefore)); // pages 1 and 2 as before
}

void tst_WindowOperations::unsupportedBike() {
    SimSwitches sw;
    sw.bikeMask = 0x3E; // type 0, the window's, is not supported
    WindowBench b(sw);
    QVERIFY(b.ok());
    QCOMPARE(b.session().image()[Byte::BIKE], std::uint8_t(0));
    b.type(mapCellName(9, 2), "11");
    const DeviceImage unitBefore = b.sim.image();
    b.sim.clearReceived();
    b.trigger("MenuProgram");
    QVERIFY(b.run());
    QCOMPARE(b.boxes, QStringList{"These Ignition is not for this type of motorbikes!"});
    QCOMPARE(b.operationRequests(), Commands{0x00});
    QVERIFY(samePages12(b.sim.image(), unitBefore));
    QCOMPARE(b.sim.programmings(), 0);
    QCOMPARE(b.message(), QString("Program device:"));
}

void tst_WindowOperations::rpm2ChangedByUnit() {
    SimSwitches sw;
    sw.changeRpm2 = true;
    WindowBench b(sw);
    QVERIFY(b.ok());
    b.trigger("MenuProgram");
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QVERIFY(b.sim.image()[Byte::RPM2] != b.session().image()[Byte::RPM2]);
    // A verify alone ignores the byte as well.
    b.trigger("MenuVerify");
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
}

void tst_WindowOperations::readOutOfRange() {
    WindowBench b;
    QVERIFY(b.ok());
    DeviceImage u = distinctUnitImage(b.sim.image());
    u[Byte::LIMITER2] = 255; // above 250
    u[Byte::GAS1] = 90;      // above GAS2 (60)
    b.sim.setImage(u);
    b.trigger("MenuRead");
    QVERIFY(b.run());
    QCOMPARE(b.session().image()[Byte::LIMITER2], std::uint8_t(250));
    QCOMPARE(b.session().image()[Byte::GAS1], std::uint8_t(60));
    QCOMPARE(b.edit("EditOmez2")->value(), 25000);
    QCOMPARE(b.edit("EditGas1")->value(), 60);
    QCOMPARE(b.message(), QString("Verify error!"));
    QCOMPARE(b.messageColour(), kRed);
    // What the rules corrected is told in a box after the verify's message.
    QTRY_COMPARE(b.boxes, QStringList{"Some values read from the unit break the rules and were "
                                      "corrected, so the unit and the screen differ:"});
}

void tst_WindowOperations::programAfterChange() {
    WindowBench b;
    QVERIFY(b.ok());
    QCheckBox* box = b.check("CheckBoxProgHned");
    QVERIFY(!box->isChecked());
    b.sim.clearReceived();

    box->click(); // first change since ticked: programs the whole set at once
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Program));
    QCOMPARE(b.session().operations().currentCommand, std::uint8_t(0x00));
    QCOMPARE(b.message(), QString("Program device:"));
    QCOMPARE(b.gauge("CGauge")->progress(), 0);
    QVERIFY(b.operationRequests().empty()); // the first page goes out from the tick
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QCOMPARE(b.sim.programmings(), 1);

    QTest::keyClick(b.edit("EditOmez1"), Qt::Key_Return); // nothing changed
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Idle));

    box->click(); // untick
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Idle));
    box->click(); // tick again: a first change once more
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Program));
    QVERIFY(b.run());
    QCOMPARE(b.sim.programmings(), 2);

    b.type("EditOmez1", "9300");
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Program));
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QCOMPARE(b.sim.programmings(), 3);
    QCOMPARE(b.sim.image()[Byte::LIMITER1], std::uint8_t(93));

    b.type("EditOmez1", "9300"); // the same value again
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Idle));
}

void tst_WindowOperations::verifyAbandonsRead() {
    WindowBench b;
    QVERIFY(b.ok());
    b.unitHoldsScreenSet();
    b.sim.clearReceived();
    b.trigger("MenuRead");
    while (b.operationRequests().empty() && b.ticks < 10)
        b.tick(); // the read's first request is out and answered
    QCOMPARE(b.operationRequests(), Commands{0x40});
    b.trigger("MenuVerify"); // before the read's reply is taken
    QCOMPARE(b.message(), QString("Verify device:"));
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QCOMPARE(b.operationRequests(), (Commands{0x40, 0x41, 0x42}));
}

// The window's own timer against a unit serving on its own thread, monitor packets and all.
void tst_WindowOperations::programInRealTime() {
    WindowBench b;
    QVERIFY(b.ok());
    b.sim.startThread();
    b.w->findChild<QTimer*>("Timer1")->start();
    QTRY_VERIFY_WITH_TIMEOUT(b.label("LabelRpm")->text() != QString("RPM = ---"), 3000);
    b.type(mapCellName(9, 6), "12");
    b.trigger("MenuProgram");
    QTRY_COMPARE_WITH_TIMEOUT(b.message(), QString("Verify OK"), 10000);
    b.w->findChild<QTimer*>("Timer1")->stop();
    b.sim.stopThread();
    QVERIFY(samePages12(b.sim.image(), b.session().image()));
    QCOMPARE(b.sim.image().map(9, 6), std::uint8_t(12));
}

// Bytes that pass normalise but lie outside their field's range: the read shows them as the
// unit holds them, so its "Verify OK", a verify after it (of the values the fields give back)
// and the screen all agree.
void tst_WindowOperations::readHeldOutOfRange_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("clutch 80") << int(Byte::CLUTCH) << 80;
    QTest::newRow("base advance 45") << int(Byte::BASE_ADV) << 45;
    QTest::newRow("TPS 0 % 10") << int(Byte::TPS0) << 10;
    QTest::newRow("TPS 100 % 240") << int(Byte::TPS100) << 240;
    QTest::newRow("servo 0") << Byte::NAP_PRIV + 3 << 0;
    QTest::newRow("map 99") << 2 * kPageSize + 99 << 99;
    QTest::newRow("map 200") << 2 * kPageSize + 90 << 200;
}

void tst_WindowOperations::readHeldOutOfRange() {
    QFETCH(int, byte);
    QFETCH(int, value);
    WindowBench b;
    QVERIFY(b.ok());
    DeviceImage u = b.sim.image();
    u[byte] = static_cast<std::uint8_t>(value);
    b.sim.setImage(u);
    b.trigger("MenuRead");
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    b.trigger("MenuVerify");
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QCOMPARE(int(b.session().image()[byte]), value);
}

// A coarse timer may fire up to 5 % early: the tick would come every 52 ms.
void tst_WindowOperations::preciseTick() {
    WindowBench b;
    QVERIFY(b.ok());
    QCOMPARE(b.w->findChild<QTimer*>("Timer1")->interval(), 55);
    QCOMPARE(b.w->findChild<QTimer*>("Timer1")->timerType(), Qt::PreciseTimer);
}

void tst_WindowOperations::boxKeepsTicking_data() {
    QTest::addColumn<SimSwitches>("switches");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("text");
    SimSwitches incompatible;
    incompatible.compatibilityCode = 14;
    SimSwitches noBike;
    noBike.bikeMask = 0x3E; // the window's type 0 is not supported
    const QString unmatched = "Unmatched version of PC and Ignition programs!";
    QTest::newRow("incompatible unit, program") << incompatible << int(ProgramOp) << unmatched;
    QTest::newRow("incompatible unit, read") << incompatible << int(ReadOp) << unmatched;
    QTest::newRow("unsupported motorbike, program")
        << noBike << int(ProgramOp) << "These Ignition is not for this type of motorbikes!";
}

// The real box, opened from a reply: the window's own timer goes on ticking in the box's
// event loop, so the monitor requests, the countdown and the indicator go on too.
void tst_WindowOperations::boxKeepsTicking() {
    QFETCH(SimSwitches, switches);
    QFETCH(int, op);
    QFETCH(QString, text);
    WindowBench b(switches);
    QVERIFY(b.ok());
    vortan::mainwindow::divertBoxes(*b.w, nullptr);
    b.sim.startThread();
    QSignalSpy ticks(b.w->findChild<QTimer*>("Timer1"), &QTimer::timeout);
    struct Seen {
        int ticks = 0, monitor = 0, countdown = 0;
    } atOpen, atClose;
    QString shown;
    bool closed = false;
    QElapsedTimer open;
    QTimer watch; // answers the box once it has seen a dozen ticks, or after 3 s
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || closed)
            return;
        const Seen now{int(ticks.count()), b.requestsOf(Command::Monitor),
                       b.session().tick().messageCountdown};
        if (!open.isValid()) {
            open.start();
            atOpen = now;
            shown = box->text();
            return;
        }
        if ((now.ticks - atOpen.ticks < 12 || now.monitor == atOpen.monitor) &&
            open.elapsed() < 3000)
            return;
        atClose = now;
        closed = true;
        box->done(QMessageBox::Ok);
    });
    watch.start();
    b.w->findChild<QTimer*>("Timer1")->start();
    start(b, op);
    QTRY_VERIFY_WITH_TIMEOUT(closed, 10000);
    b.w->findChild<QTimer*>("Timer1")->stop();
    b.sim.stopThread();
    QCOMPARE(shown, text);
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Idle));
    QVERIFY2(atClose.ticks - atOpen.ticks >= 12, "the timer stood still while the box was open");
    QVERIFY(atClose.monitor > atOpen.monitor);
    QVERIFY(atClose.countdown < atOpen.countdown);
    QVERIFY(!b.shown("LabelSpojeni"));
}

QTEST_MAIN(tst_WindowOperations)
#include "tst_windowoperations.moc"
