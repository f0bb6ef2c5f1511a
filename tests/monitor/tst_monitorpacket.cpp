// Monitor packet: voltage conversion, frame decoding, and the texts, colours and gauges shown.
#include "monitor/MonitorPacket.h"

#include <QTest>

#include <functional>

using namespace vortan;

namespace {
using Pick = std::function<LabelView(const MonitorDisplay&)>;
} // namespace

Q_DECLARE_METATYPE(vortan::MonitorPacket)
Q_DECLARE_METATYPE(vortan::Frame)
Q_DECLARE_METATYPE(Pick)

namespace {

bool samePacket(const MonitorPacket& a, const MonitorPacket& b) {
    return a.rpm == b.rpm && a.tpsRaw == b.tpsRaw && a.lambdaRaw == b.lambdaRaw &&
           a.servoMeasuredRaw == b.servoMeasuredRaw && a.servoDesiredRaw == b.servoDesiredRaw &&
           a.programmings == b.programmings && a.test == b.test && a.tpsPercent == b.tpsPercent &&
           a.advance == b.advance && a.startLimiter == b.startLimiter && a.rpmRed == b.rpmRed &&
           a.blocking1 == b.blocking1 && a.blocking2 == b.blocking2 && a.rpmYellow == b.rpmYellow &&
           a.servoOk == b.servoOk && a.clutchMaster == b.clutchMaster &&
           a.tachoSelected == b.tachoSelected && a.n2oActive == b.n2oActive;
}

// A frame written byte by byte at the documented offsets, with a correct check byte.
Frame craftedFrame() {
    Frame f{};
    f[0] = 0xB0;
    for (int i = 1; i <= 28; ++i) // 16-bit fields: low byte 0x10+i, high byte 0x80+i
        f[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 2 ? 0x10 + i : 0x80 + i);
    for (int i = 29; i <= 39; ++i)
        f[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 100);
    for (int i = 40; i <= 100; ++i) // not used: must not leak into any field
        f[static_cast<std::size_t>(i)] = 0xEE;
    std::uint8_t check = 0xFF;
    for (int i = 0; i < 101; ++i)
        check ^= f[static_cast<std::size_t>(i)];
    f[101] = check;
    return f;
}

std::uint16_t le(int off) {
    return static_cast<std::uint16_t>((0x10 + off) | ((0x81 + off) << 8));
}

MonitorPacket sentinel() {
    MonitorPacket p;
    p.rpm = 4321;
    p.tpsPercent = 77;
    p.test[7] = 9;
    p.n2oActive = 3;
    return p;
}

} // namespace

class tst_MonitorPacket : public QObject {
    Q_OBJECT
private slots:
    void millivolts_data();
    void millivolts();
    void decodesFieldsAtOffsets();
    void encodeDecodeRoundTrip();
    void rejectedFrameLeavesOutUnchanged_data();
    void rejectedFrameLeavesOutUnchanged();
    void labels_data();
    void labels();
    void missingValue_data();
    void missingValue();
    void lambdaGauge_data();
    void lambdaGauge();
    void rpmGauge_data();
    void rpmGauge();
    void tpsGauge_data();
    void tpsGauge();
    void storedVoltages();
};

void tst_MonitorPacket::millivolts_data() {
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("mv");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1 truncates") << 1 << 0;
    QTest::newRow("2") << 2 << 1;
    QTest::newRow("1636 truncates") << 1636 << 999;
    QTest::newRow("1637") << 1637 << 1000;
    QTest::newRow("8184 full scale") << 8184 << 5000;
    QTest::newRow("65535 largest") << 65535 << 40038;
}

void tst_MonitorPacket::millivolts() {
    QFETCH(int, raw);
    QFETCH(int, mv);
    QCOMPARE(rawToMillivolts(raw), mv);
}

void tst_MonitorPacket::decodesFieldsAtOffsets() {
    const Frame f = craftedFrame();
    MonitorPacket p;
    QVERIFY(decodeMonitorPacket(f.data(), p));
    QCOMPARE(int(p.rpm), int(le(1)));
    QCOMPARE(int(p.tpsRaw), int(le(3)));
    QCOMPARE(int(p.lambdaRaw), int(le(5)));
    QCOMPARE(int(p.servoMeasuredRaw), int(le(7)));
    QCOMPARE(int(p.servoDesiredRaw), int(le(9)));
    QCOMPARE(int(p.programmings), int(le(11)));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(int(p.test[static_cast<std::size_t>(i)]), int(le(13 + 2 * i)));
    const std::uint8_t bytes[] = {p.tpsPercent,   p.advance,       p.startLimiter, p.rpmRed,
                                  p.blocking1,    p.blocking2,     p.rpmYellow,    p.servoOk,
                                  p.clutchMaster, p.tachoSelected, p.n2oActive};
    for (int i = 0; i < 11; ++i)
        QCOMPARE(int(bytes[i]), 29 + i + 100);
}

void tst_MonitorPacket::encodeDecodeRoundTrip() {
    MonitorPacket in;
    const Frame crafted = craftedFrame();
    QVERIFY(decodeMonitorPacket(crafted.data(), in));
    const Frame f = encodeMonitorPacket(in);
    QCOMPARE(int(f[0]), 0xB0);
    QVERIFY(frameValid(f));
    for (int i = 1; i < 40; ++i)
        QCOMPARE(int(f[static_cast<std::size_t>(i)]), int(crafted[static_cast<std::size_t>(i)]));
    for (int i = 40; i <= 100; ++i)
        QCOMPARE(int(f[static_cast<std::size_t>(i)]), 0);
    MonitorPacket out;
    QVERIFY(decodeMonitorPacket(f.data(), out));
    QVERIFY(samePacket(in, out));
}

void tst_MonitorPacket::rejectedFrameLeavesOutUnchanged_data() {
    QTest::addColumn<Frame>("frame");
    Frame f = craftedFrame();
    f[50] ^= 0x01;
    QTest::newRow("bit flipped in unused data") << f;
    f = craftedFrame();
    f[1] ^= 0x80;
    QTest::newRow("bit flipped in rpm") << f;
    f = craftedFrame();
    f[101] ^= 0x04;
    QTest::newRow("bit flipped in check byte") << f;
    // Wrong command with a correct check byte: a reply frame, not a monitor packet.
    MonitorPacket p;
    p.rpm = 1000;
    f = encodeMonitorPacket(p);
    f[0] = 0xC1;
    f[101] ^= 0xB0 ^ 0xC1;
    QVERIFY(frameValid(f));
    QTest::newRow("valid reply frame 0xC1") << f;
    f = makeFrame(Command::Monitor, nullptr);
    QTest::newRow("monitor request 0x30") << f;
}

void tst_MonitorPacket::rejectedFrameLeavesOutUnchanged() {
    QFETCH(Frame, frame);
    MonitorPacket out = sentinel();
    QVERIFY(!decodeMonitorPacket(frame.data(), out));
    QVERIFY(samePacket(out, sentinel()));
}

void tst_MonitorPacket::labels_data() {
    QTest::addColumn<MonitorPacket>("packet");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<Pick>("pick");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("colour");

    const auto rpm = [](const MonitorDisplay& d) { return d.rpm; };
    const auto lambda = [](const MonitorDisplay& d) { return d.lambda; };
    const auto tps = [](const MonitorDisplay& d) { return d.tps; };
    const auto desired = [](const MonitorDisplay& d) { return d.servoDesired; };
    const auto measured = [](const MonitorDisplay& d) { return d.servoMeasured; };
    const auto blok1 = [](const MonitorDisplay& d) { return d.blocking1; };
    const auto blok2 = [](const MonitorDisplay& d) { return d.blocking2; };
    const auto clutch = [](const MonitorDisplay& d) { return d.clutch; };
    const auto limiter = [](const MonitorDisplay& d) { return d.limiter; };
    const auto tacho = [](const MonitorDisplay& d) { return d.tacho; };
    const auto n2o = [](const MonitorDisplay& d) { return d.n2o; };
    const auto advance = [](const MonitorDisplay& d) { return d.advance; };
    const auto progs = [](const MonitorDisplay& d) { return d.programmings; };
    const auto test1 = [](const MonitorDisplay& d) { return d.test[0]; };
    const auto test8 = [](const MonitorDisplay& d) { return d.test[7]; };

    const int bf = int(LabelColour::ButtonFace);
    const int red = int(LabelColour::Red);
    const int unchanged = int(LabelColour::Unchanged);
    const MonitorPacket base;
    auto with = [&](auto set) {
        MonitorPacket p = base;
        set(p);
        return p;
    };

    QTest::newRow("rpm plain") << with([](MonitorPacket& p) { p.rpm = 6543; }) << false << Pick(rpm)
                               << "RPM = 6543 " << bf;
    QTest::newRow("rpm yellow") << with([](MonitorPacket& p) { p.rpmYellow = 2; }) << false
                                << Pick(rpm) << "RPM = 0 " << int(LabelColour::Yellow);
    QTest::newRow("rpm red") << with([](MonitorPacket& p) { p.rpmRed = 1; }) << false << Pick(rpm)
                             << "RPM = 0 " << red;
    QTest::newRow("rpm red beats yellow")
        << with([](MonitorPacket& p) { p.rpmRed = 1, p.rpmYellow = 1; }) << false << Pick(rpm)
        << "RPM = 0 " << red;
    QTest::newRow("rpm 65535") << with([](MonitorPacket& p) { p.rpm = 65535; }) << false
                               << Pick(rpm) << "RPM = 65535 " << bf;
    QTest::newRow("lambda") << with([](MonitorPacket& p) { p.lambdaRaw = 8184; }) << false
                            << Pick(lambda) << "LAMBDA = 5000 [mV]" << unchanged;
    QTest::newRow("tps plain") << with([](MonitorPacket& p) { p.tpsPercent = 42, p.tpsRaw = 1637; })
                               << false << Pick(tps) << "TP= 42 [%]" << bf;
    QTest::newRow("tps extended") << with([](MonitorPacket& p) {
        p.tpsPercent = 42, p.tpsRaw = 1637;
    }) << true << Pick(tps) << "TP= 42 [%]= 1000 [mV]"
                                  << bf;
    QTest::newRow("tps 100 is no error") << with([](MonitorPacket& p) { p.tpsPercent = 100; })
                                         << false << Pick(tps) << "TP= 100 [%]" << bf;
    QTest::newRow("tps error") << with(
                                      [](MonitorPacket& p) { p.tpsPercent = 101, p.tpsRaw = 8184; })
                               << false << Pick(tps) << "TP=error = 5000 [mV]" << red;
    QTest::newRow("tps error extended")
        << with([](MonitorPacket& p) { p.tpsPercent = 255, p.tpsRaw = 8184; }) << true << Pick(tps)
        << "TP=error = 5000 [mV]" << red;
    QTest::newRow("servo desired ok")
        << with([](MonitorPacket& p) { p.servoDesiredRaw = 1637, p.servoOk = 1; }) << false
        << Pick(desired) << "Servo desired= 1000 [mV]" << bf;
    QTest::newRow("servo desired fault")
        << with([](MonitorPacket& p) { p.servoDesiredRaw = 1637; }) << false << Pick(desired)
        << "Servo desired= 1000 [mV]" << red;
    QTest::newRow("servo measured ok")
        << with([](MonitorPacket& p) { p.servoMeasuredRaw = 8184, p.servoOk = 0x80; }) << false
        << Pick(measured) << "Servo measured= 5000 [mV]" << bf;
    QTest::newRow("servo measured fault")
        << with([](MonitorPacket& p) { p.servoMeasuredRaw = 8184; }) << false << Pick(measured)
        << "Servo measured= 5000 [mV]" << red;
    QTest::newRow("blocking1 on") << with([](MonitorPacket& p) { p.blocking1 = 7; }) << false
                                  << Pick(blok1) << "Blocking1 = ON" << red;
    QTest::newRow("blocking1 off") << base << false << Pick(blok1) << "Blocking1 = OFF" << bf;
    QTest::newRow("blocking2 on") << with([](MonitorPacket& p) { p.blocking2 = 1; }) << false
                                  << Pick(blok2) << "Blocking2 = ON" << red;
    QTest::newRow("blocking2 off") << with([](MonitorPacket& p) { p.blocking1 = 1; }) << false
                                   << Pick(blok2) << "Blocking2 = OFF" << bf;
    QTest::newRow("clutch on") << with([](MonitorPacket& p) { p.clutchMaster = 1; }) << false
                               << Pick(clutch) << "Clutch master = ON" << int(LabelColour::Lime);
    QTest::newRow("clutch off") << base << false << Pick(clutch) << "Clutch master = OFF" << bf;
    QTest::newRow("limiter on") << with([](MonitorPacket& p) { p.startLimiter = 1; }) << false
                                << Pick(limiter) << "Start Limiter = ON" << int(LabelColour::White);
    QTest::newRow("limiter off") << base << false << Pick(limiter) << "Start limiter = OFF" << bf;
    QTest::newRow("tacho") << with([](MonitorPacket& p) { p.tachoSelected = 1; }) << false
                           << Pick(tacho) << "Tacho/Lambda = Tacho" << bf;
    QTest::newRow("lambda output")
        << base << false << Pick(tacho) << "Tacho/Lambda = Lambda" << int(LabelColour::Fuchsia);
    QTest::newRow("n2o on") << with([](MonitorPacket& p) { p.n2oActive = 1; }) << false << Pick(n2o)
                            << "Activation N2O = ON" << int(LabelColour::Lime);
    QTest::newRow("n2o off") << base << false << Pick(n2o) << "Activation N2O = OFF" << bf;
    QTest::newRow("advance degree sign")
        << with([](MonitorPacket& p) { p.advance = 35; }) << false << Pick(advance)
        << QString::fromUtf8("ADVANCE = 35 [\u00B0]") << unchanged;
    QTest::newRow("advance unsigned")
        << with([](MonitorPacket& p) { p.advance = 200; }) << false << Pick(advance)
        << QString::fromUtf8("ADVANCE = 200 [\u00B0]") << unchanged;
    QTest::newRow("programmings") << with([](MonitorPacket& p) { p.programmings = 60000; }) << true
                                  << Pick(progs) << "Number of Programing= 60000 " << unchanged;
    QTest::newRow("test1") << with([](MonitorPacket& p) { p.test[0] = 65535; }) << false
                           << Pick(test1) << "Test1 = 65535 " << unchanged;
    QTest::newRow("test8") << with([](MonitorPacket& p) { p.test[7] = 8; }) << false << Pick(test8)
                           << "Test8 = 8 " << unchanged;
}

void tst_MonitorPacket::labels() {
    QFETCH(MonitorPacket, packet);
    QFETCH(bool, extended);
    QFETCH(Pick, pick);
    QFETCH(QString, text);
    QFETCH(int, colour);
    const LabelView v = pick(buildMonitorDisplay(packet, 110, extended));
    QCOMPARE(QString::fromStdString(v.text), text);
    QCOMPARE(int(v.colour), colour);
}

void tst_MonitorPacket::missingValue_data() {
    QTest::addColumn<MonitorPacket>("packet");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("missing"); // a PacketValue
    QTest::addColumn<Pick>("pick");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("colour");

    // Every value set, every flag on: a "---" cannot come from a zero.
    MonitorPacket busy;
    busy.rpm = 6000;
    busy.tpsPercent = 42;
    busy.tpsRaw = busy.servoDesiredRaw = busy.servoMeasuredRaw = 1637; // 1000 mV
    busy.lambdaRaw = 1146;                                             // 700 mV: gauge 50
    busy.advance = 35;
    busy.programmings = 12;
    busy.test.fill(7);
    for (std::uint8_t* f : {&busy.startLimiter, &busy.blocking1, &busy.blocking2, &busy.servoOk,
                            &busy.clutchMaster, &busy.tachoSelected, &busy.n2oActive})
        *f = 1;
    MonitorPacket sensorError = busy;
    sensorError.tpsPercent = 101;
    MonitorPacket servoFault = busy;
    servoFault.servoOk = 0;
    MonitorPacket lambdaOutput = busy;
    lambdaOutput.tachoSelected = 0;

    const int bf = int(LabelColour::ButtonFace);
    const int red = int(LabelColour::Red);
    const int unchanged = int(LabelColour::Unchanged);
    auto row = [](const char* name, const MonitorPacket& p, bool ext, PacketValue v, Pick pick,
                  const QString& text, int colour) {
        QTest::newRow(name) << p << ext << int(v) << pick << text << colour;
    };
    using V = PacketValue;
    row(
        "lambda", busy, false, V::Lambda, [](const MonitorDisplay& d) { return d.lambda; },
        "LAMBDA = --- [mV]", unchanged);
    row(
        "throttle voltage, extended", busy, true, V::ThrottleMv,
        [](const MonitorDisplay& d) { return d.tps; }, "TP= 42 [%]= --- [mV]", bf);
    row(
        "throttle voltage, sensor error", sensorError, false, V::ThrottleMv,
        [](const MonitorDisplay& d) { return d.tps; }, "TP=error = --- [mV]", red);
    row(
        "servo desired", busy, false, V::ServoDesired,
        [](const MonitorDisplay& d) { return d.servoDesired; }, "Servo desired= --- [mV]", bf);
    row(
        "servo measured", busy, false, V::ServoMeasured,
        [](const MonitorDisplay& d) { return d.servoMeasured; }, "Servo measured= --- [mV]", bf);
    row(
        "servo ok: no fault shown", servoFault, false, V::ServoOk,
        [](const MonitorDisplay& d) { return d.servoDesired; }, "Servo desired= 1000 [mV]", bf);
    row(
        "start limiter", busy, false, V::StartLimiter,
        [](const MonitorDisplay& d) { return d.limiter; }, "Start limiter = ---", bf);
    row(
        "blocking 1", busy, false, V::Blocking1,
        [](const MonitorDisplay& d) { return d.blocking1; }, "Blocking1 = ---", bf);
    row(
        "blocking 2", busy, false, V::Blocking2,
        [](const MonitorDisplay& d) { return d.blocking2; }, "Blocking2 = ---", bf);
    row(
        "clutch", busy, false, V::Clutch, [](const MonitorDisplay& d) { return d.clutch; },
        "Clutch master = ---", bf);
    row(
        "tacho/lambda: not the lambda colour", lambdaOutput, false, V::Tacho,
        [](const MonitorDisplay& d) { return d.tacho; }, "Tacho/Lambda = ---", bf);
    row(
        "n2o", busy, false, V::N2o, [](const MonitorDisplay& d) { return d.n2o; },
        "Activation N2O = ---", bf);
    row(
        "advance", busy, false, V::Advance, [](const MonitorDisplay& d) { return d.advance; },
        QString::fromUtf8("ADVANCE = --- [\u00B0]"), unchanged);
    row(
        "programmings", busy, true, V::Programmings,
        [](const MonitorDisplay& d) { return d.programmings; }, "Number of Programing= --- ",
        unchanged);
    row(
        "test1", busy, false, testValue(0), [](const MonitorDisplay& d) { return d.test[0]; },
        "Test1 = --- ", unchanged);
    row(
        "test8", busy, false, testValue(7), [](const MonitorDisplay& d) { return d.test[7]; },
        "Test8 = --- ", unchanged);
}

// A value the packet lacks shows "---", never a zero nor an alarm; the rest show as ever.
void tst_MonitorPacket::missingValue() {
    QFETCH(MonitorPacket, packet);
    QFETCH(bool, extended);
    QFETCH(int, missing);
    QFETCH(Pick, pick);
    QFETCH(QString, text);
    QFETCH(int, colour);
    PacketValues values = PacketValues::none();
    for (int v = 0; v < int(PacketValue::Count); ++v)
        if (v != missing)
            values.add(PacketValue(v));
    const MonitorDisplay d = buildMonitorDisplay(packet, 110, extended, values);
    const LabelView v = pick(d);
    QCOMPARE(QString::fromStdString(v.text), text);
    QCOMPARE(int(v.colour), colour);
    QCOMPARE(d.lambdaGauge, missing == int(PacketValue::Lambda) ? 0 : 50);
    // The same packet with all its values shows the number in place of "---".
    QVERIFY(!QString::fromStdString(pick(buildMonitorDisplay(packet, 110, extended)).text)
                 .contains("---"));
}

void tst_MonitorPacket::lambdaGauge_data() {
    QTest::addColumn<int>("mv");
    QTest::addColumn<int>("gauge");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("399") << 399 << 0;
    QTest::newRow("400") << 400 << 0;
    QTest::newRow("405") << 405 << 0;
    QTest::newRow("406") << 406 << 1;
    QTest::newRow("700") << 700 << 50;
    QTest::newRow("1000") << 1000 << 100;
    QTest::newRow("1001") << 1001 << 100;
    QTest::newRow("40038") << 40038 << 100;
}

void tst_MonitorPacket::lambdaGauge() {
    QFETCH(int, mv);
    QFETCH(int, gauge);
    QCOMPARE(vortan::lambdaGauge(mv), gauge);
}

void tst_MonitorPacket::rpmGauge_data() {
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("limiter2");
    QTest::addColumn<int>("gauge");
    QTest::newRow("12000 over 110 is raw quotient") << 12000 << 110 << 109;
    QTest::newRow("5499 over 110") << 5499 << 110 << 49;
    QTest::newRow("0") << 0 << 110 << 0;
    QTest::newRow("65535 over 250") << 65535 << 250 << 262;
    QTest::newRow("limiter2 0 taken as 10") << 12000 << 0 << 1200;
}

void tst_MonitorPacket::rpmGauge() {
    QFETCH(int, rpm);
    QFETCH(int, limiter2);
    QFETCH(int, gauge);
    MonitorPacket p;
    p.rpm = static_cast<std::uint16_t>(rpm);
    QCOMPARE(buildMonitorDisplay(p, limiter2, false).rpmGauge, gauge);
}

void tst_MonitorPacket::tpsGauge_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("gauge");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("57") << 57 << 57;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("101 error") << 101 << 0;
    QTest::newRow("255 error") << 255 << 0;
}

void tst_MonitorPacket::tpsGauge() {
    QFETCH(int, percent);
    QFETCH(int, gauge);
    MonitorPacket p;
    p.tpsPercent = static_cast<std::uint8_t>(percent);
    p.tpsRaw = 4000;
    QCOMPARE(buildMonitorDisplay(p, 110, true).tpsGauge, gauge);
}

void tst_MonitorPacket::storedVoltages() {
    MonitorPacket p;
    p.lambdaRaw = 65535;
    p.tpsRaw = 1637;
    const MonitorDisplay d = buildMonitorDisplay(p, 110, false);
    QCOMPARE(int(d.lambdaMv), 40038);
    QCOMPARE(d.lambdaGauge, 100);
    QCOMPARE(int(d.tpsMv), 1000);
    p.lambdaRaw = 1146; // 700 mV
    QCOMPARE(buildMonitorDisplay(p, 110, false).lambdaGauge, 50);
}

QTEST_GUILESS_MAIN(tst_MonitorPacket)
#include "tst_monitorpacket.moc"
