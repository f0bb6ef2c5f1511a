// The live monitor on the main window: labels, colours and gauges of an accepted packet, a
// packet that fails its check, the "Extended Monitor" option, and the map cursor.

#include "WindowBench.h"

#include <QtTest>

Q_DECLARE_METATYPE(vortan::MonitorPacket)

using namespace devtest;

namespace {

QColor windowColourOf(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}
QColor baseOf(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// Every map cell, axis point and row label that is lime, by name.
QStringList limeControls(const WindowBench& b) {
    QStringList out;
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            if (baseOf(b.edit(mapCellName(r, c))) == kLime)
                out << mapCellName(r, c);
    for (int i = 1; i <= 10; ++i) {
        if (baseOf(b.edit(QString("EditRpmAdv%1").arg(i))) == kLime)
            out << QString("EditRpmAdv%1").arg(i);
        if (windowColourOf(b.label(QString("LabelTps%1").arg(i))) == kLime)
            out << QString("LabelTps%1").arg(i);
    }
    return out;
}

// The throttle map ticked on, with the default speed axis 1000, 2000, ... 10000 rpm.
void throttleMapOn(WindowBench& b) {
    b.check("CheckBoxTpsMapa")->click();
}

} // namespace

class tst_WindowMonitor : public QObject {
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
    void stateLabels_data();
    void stateLabels();
    void checksumFailureChangesNothing();
    void extendedMonitor();
    void mapCursor_data();
    void mapCursor();
    void cursorMoves();
    void monitorFromUnit();
};

void tst_WindowMonitor::labels_data() {
    QTest::addColumn<MonitorPacket>("p");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("rpmText");
    QTest::addColumn<QColor>("rpmColour"); // invalid: the button face
    QTest::addColumn<int>("rpmGauge");     // LIMITER2 is 110 (11000 rpm)
    QTest::addColumn<QString>("tpsText");
    QTest::addColumn<bool>("tpsRed");
    QTest::addColumn<int>("tpsGauge");

    MonitorPacket p = packet(5000, 3);
    p.tpsRaw = rawFor(1234);
    QTest::newRow("plain") << p << false << "RPM = 5000 " << QColor() << 45 << "TP= 3 [%]" << false
                           << 3;
    QTest::newRow("extended") << p << true << "RPM = 5000 " << QColor() << 45
                              << "TP= 3 [%]= 1234 [mV]" << false << 3;
    MonitorPacket red = p;
    red.rpmRed = 1;
    red.rpmYellow = 1;
    QTest::newRow("red flag wins")
        << red << false << "RPM = 5000 " << kRed << 45 << "TP= 3 [%]" << false << 3;
    MonitorPacket yellow = p;
    yellow.rpmYellow = 7;
    QTest::newRow("yellow flag") << yellow << false << "RPM = 5000 " << kYellow << 45 << "TP= 3 [%]"
                                 << false << 3;
    MonitorPacket error = packet(12000, 101);
    error.tpsRaw = rawFor(4800);
    QTest::newRow("sensor error, full bar") << error << true << "RPM = 12000 " << QColor() << 100
                                            << "TP=error = 4800 [mV]" << true << 0;
    QTest::newRow("100 %") << packet(0, 100) << false << "RPM = 0 " << QColor() << 0
                           << "TP= 100 [%]" << false << 100;
}

void tst_WindowMonitor::labels() {
    QFETCH(MonitorPacket, p);
    QFETCH(bool, extended);
    QFETCH(QString, rpmText);
    QFETCH(QColor, rpmColour);
    QFETCH(int, rpmGauge);
    QFETCH(QString, tpsText);
    QFETCH(bool, tpsRed);
    QFETCH(int, tpsGauge);
    WindowBench b;
    QVERIFY(b.ok());
    const QColor face = b.w->palette().color(QPalette::Button);
    if (extended)
        b.check("CheckBoxExtMonitor")->click();
    b.feed(p);
    QCOMPARE(b.label("LabelRpm")->text(), rpmText);
    QCOMPARE(windowColourOf(b.label("LabelRpm")), rpmColour.isValid() ? rpmColour : face);
    QCOMPARE(b.gauge("CGaugeRpm")->progress(), rpmGauge);
    QCOMPARE(b.label("LabelTpsMon")->text(), tpsText);
    QCOMPARE(windowColourOf(b.label("LabelTpsMon")), tpsRed ? kRed : face);
    QCOMPARE(b.gauge("CGaugeTps")->progress(), tpsGauge);
    QCOMPARE(b.shown("LabelPocetProgramovani"), extended);
}

void tst_WindowMonitor::stateLabels_data() {
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("enabled"); // servo and N2O enabled in the parameter set
    QTest::newRow("all on") << true << true;
    QTest::newRow("all off") << false << true;
    QTest::newRow("servo and N2O disabled") << true << false;
}

// Each flag drives its own label, text and colour; the servo and N2O labels follow their
// parameter switches.
void tst_WindowMonitor::stateLabels() {
    QFETCH(bool, on);
    QFETCH(bool, enabled);
    WindowBench b;
    QVERIFY(b.ok());
    const QColor face = b.w->palette().color(QPalette::Button);
    if (!enabled) {
        b.check("CheckBoxPrivEnable")->click();
        b.check("CheckBoxGas")->click();
    }
    const std::uint8_t f = on ? 1 : 0;
    MonitorPacket p = packet(2000, 10);
    p.blocking1 = f;
    p.blocking2 = f;
    p.clutchMaster = f;
    p.startLimiter = f;
    p.tachoSelected = f;
    p.n2oActive = f;
    p.servoOk = f;
    p.advance = 200;
    p.servoDesiredRaw = rawFor(2500);
    p.servoMeasuredRaw = rawFor(2400);
    p.lambdaRaw = rawFor(1000);
    for (int i = 0; i < 8; ++i)
        p.test[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(1000 * i + 7);
    b.feed(p);

    struct Expect {
        const char* label;
        QString text;
        QColor colour;
    };
    const std::vector<Expect> expected{
        {"LabelBlok1", on ? "Blocking1 = ON" : "Blocking1 = OFF", on ? kRed : face},
        {"LabelBlok2", on ? "Blocking2 = ON" : "Blocking2 = OFF", on ? kRed : face},
        {"LabelClutchMon", on ? "Clutch master = ON" : "Clutch master = OFF", on ? kLime : face},
        {"LabelLimiter1", on ? "Start Limiter = ON" : "Start limiter = OFF",
         on ? QColor(0xFF, 0xFF, 0xFF) : face},
        {"LabelTacho_Lambda", on ? "Tacho/Lambda = Tacho" : "Tacho/Lambda = Lambda",
         on ? face : QColor(0xFF, 0x00, 0xFF)},
        {"LabelN2oEnable", on ? "Activation N2O = ON" : "Activation N2O = OFF", on ? kLime : face},
        {"LabelPriveraPoz", "Servo desired= 2500 [mV]", on ? face : kRed},
        {"LabelPriveraMer", "Servo measured= 2400 [mV]", on ? face : kRed},
    };
    for (const Expect& e : expected) {
        QCOMPARE(b.label(e.label)->text(), e.text);
        QCOMPARE(windowColourOf(b.label(e.label)), e.colour);
    }
    QCOMPARE(b.shown("LabelN2oEnable"), enabled);
    QCOMPARE(b.shown("LabelPriveraPoz"), enabled);
    QCOMPARE(b.shown("LabelPriveraMer"), enabled);
    QCOMPARE(b.label("LabelAdvance")->text(), QString("ADVANCE = 200 [") + QChar(0xB0) + "]");
    QCOMPARE(b.label("LabelLambda")->text(), QString("LAMBDA = 1000 [mV]"));
    QCOMPARE(b.gauge("CGaugeLambda")->progress(), 100);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(b.label(QString("LabelTest%1").arg(i + 1))->text(),
                 QString("Test%1 = %2 ").arg(i + 1).arg(1000 * i + 7));
}

void tst_WindowMonitor::checksumFailureChangesNothing() {
    WindowBench b;
    QVERIFY(b.ok());
    MonitorPacket first = packet(4000, 20);
    first.rpmYellow = 1;
    first.lambdaRaw = rawFor(700);
    b.feed(first);
    const QString rpm = b.label("LabelRpm")->text();
    const QString tps = b.label("LabelTpsMon")->text();
    const QString lambda = b.label("LabelLambda")->text();
    const QColor rpmColour = windowColourOf(b.label("LabelRpm"));
    const int rpmGauge = b.gauge("CGaugeRpm")->progress();
    const int lambdaGauge = b.gauge("CGaugeLambda")->progress();

    MonitorPacket second = packet(9000, 80);
    second.rpmRed = 1;
    second.lambdaRaw = rawFor(950);
    Frame f = encodeMonitorPacket(second);
    f[7] ^= 0x10;
    b.session().takeMonitorFrame(f.data());
    QCOMPARE(b.label("LabelRpm")->text(), rpm);
    QCOMPARE(b.label("LabelTpsMon")->text(), tps);
    QCOMPARE(b.label("LabelLambda")->text(), lambda);
    QCOMPARE(windowColourOf(b.label("LabelRpm")), rpmColour);
    QCOMPARE(b.gauge("CGaugeRpm")->progress(), rpmGauge);
    QCOMPARE(b.gauge("CGaugeLambda")->progress(), lambdaGauge);
    QCOMPARE(b.session().monitor().rpm, std::uint16_t(4000));
    // The same packet intact is taken.
    f[7] ^= 0x10;
    b.session().takeMonitorFrame(f.data());
    QCOMPARE(b.label("LabelRpm")->text(), QString("RPM = 9000 "));
}

void tst_WindowMonitor::extendedMonitor() {
    WindowBench b;
    QVERIFY(b.ok());
    MonitorPacket p = packet(3000, 40);
    p.tpsRaw = rawFor(2000);
    p.programmings = 17;
    b.feed(p);
    QCOMPARE(b.label("LabelTpsMon")->text(), QString("TP= 40 [%]"));
    QVERIFY(!b.shown("LabelPocetProgramovani"));

    b.check("CheckBoxExtMonitor")->click();
    QVERIFY(b.shown("LabelPocetProgramovani"));                      // at once
    QCOMPARE(b.label("LabelTpsMon")->text(), QString("TP= 40 [%]")); // not before a packet
    b.feed(p);
    QCOMPARE(b.label("LabelTpsMon")->text(), QString("TP= 40 [%]= 2000 [mV]"));
    QCOMPARE(b.label("LabelPocetProgramovani")->text(), QString("Number of Programing= 17 "));

    b.check("CheckBoxExtMonitor")->click();
    QVERIFY(!b.shown("LabelPocetProgramovani"));
    QCOMPARE(b.label("LabelTpsMon")->text(), QString("TP= 40 [%]= 2000 [mV]"));
    b.feed(p);
    QCOMPARE(b.label("LabelTpsMon")->text(), QString("TP= 40 [%]"));
}

void tst_WindowMonitor::mapCursor_data() {
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("throttleMap");
    QTest::addColumn<QStringList>("lime");
    QTest::newRow("1600 rpm, 3 %")
        << 1600 << 3 << true << QStringList{"Edit61", "EditRpmAdv2", "LabelTps2"};
    QTest::newRow("1500 rpm ties low, 4 %")
        << 1500 << 4 << true << QStringList{"Edit70", "EditRpmAdv1", "LabelTps3"};
    QTest::newRow("12000 rpm, 100 %")
        << 12000 << 100 << true << QStringList{"Edit149", "EditRpmAdv10", "LabelTps10"};
    QTest::newRow("below the map") << 900 << 50 << true << QStringList{"LabelTps7"};
    QTest::newRow("sensor error") << 3000 << 150 << true
                                  << QStringList{"Edit142", "EditRpmAdv3", "LabelTps10"};
    QTest::newRow("throttle map off: top row")
        << 5000 << 3 << false << QStringList{"Edit144", "EditRpmAdv5", "LabelTps10"};
}

void tst_WindowMonitor::mapCursor() {
    QFETCH(int, rpm);
    QFETCH(int, percent);
    QFETCH(bool, throttleMap);
    QFETCH(QStringList, lime);
    WindowBench b;
    QVERIFY(b.ok());
    if (throttleMap)
        throttleMapOn(b);
    b.feed(packet(rpm, percent));
    QStringList got = limeControls(b);
    got.sort();
    lime.sort();
    QCOMPARE(got, lime);
}

void tst_WindowMonitor::cursorMoves() {
    WindowBench b;
    QVERIFY(b.ok());
    throttleMapOn(b);
    b.feed(packet(1600, 3));
    QCOMPARE(baseOf(b.edit("Edit61")), kLime);
    QCOMPARE(baseOf(b.edit("EditRpmPriv1")), kLime); // 1600 rpm: 1200 and 2000 tie, low wins
    QCOMPARE(baseOf(b.edit("EditNapPriv1")), kLime);

    b.feed(packet(5000, 50));
    QStringList got = limeControls(b);
    got.sort();
    QCOMPARE(got, (QStringList{"Edit114", "EditRpmAdv5", "LabelTps7"}));
    QVERIFY(baseOf(b.edit("Edit61")) != kLime);
    QVERIFY(baseOf(b.edit("EditRpmPriv1")) != kLime);
    QVERIFY(baseOf(b.edit("EditNapPriv1")) != kLime);
    QCOMPARE(baseOf(b.edit("EditRpmPriv4")), kLime); // 5000 rpm: between 4000 and 6000, low

    b.feed(packet(800, 50)); // below the map: nothing marked in the map
    QCOMPARE(limeControls(b), QStringList{"LabelTps7"});
    b.feed(packet(5000, 50)); // and back to the same cell
    got = limeControls(b);
    got.sort();
    QCOMPARE(got, (QStringList{"Edit114", "EditRpmAdv5", "LabelTps7"}));
}

// Packets from the unit reach the monitor through the tick's drain.
void tst_WindowMonitor::monitorFromUnit() {
    WindowBench b;
    QVERIFY(b.ok());
    QCOMPARE(b.label("LabelRpm")->text(), QString("RPM = ---"));
    for (int i = 0; i < 8; ++i)
        b.tick();
    QVERIFY(b.requestsOf(Command::Monitor) >= 1);
    QVERIFY(b.label("LabelRpm")->text().startsWith("RPM = "));
    QVERIFY(b.label("LabelRpm")->text() != QString("RPM = ---"));
    QVERIFY(!b.shown("LabelSpojeni"));
}

QTEST_MAIN(tst_WindowMonitor)
#include "tst_windowmonitor.moc"
