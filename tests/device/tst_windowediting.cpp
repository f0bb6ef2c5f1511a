// The editing buttons of the main window that act on the cell in use or on many values at
// once: advance plus and minus, the column shift, the throttle calibration, the servo
// voltages, the motorbike type and "New".

#include "WindowBench.h"

#include <QComboBox>
#include <QtTest>

using namespace devtest;

namespace {

void fillMap(WindowBench& b, std::uint8_t value) {
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            b.w->image.map(r, c) = value;
}

// The throttle map on or off, the speed axis 1000 .. 10000 rpm, every cell at `value`.
void prepareMap(WindowBench& b, bool throttleMap, std::uint8_t value) {
    b.w->image[Byte::TPS_MAPA] = throttleMap ? 1 : 0;
    for (int i = 0; i < 10; ++i)
        b.w->image[Byte::RPM_ADV + i] = static_cast<std::uint8_t>(10 * (i + 1));
    fillMap(b, value);
    b.w->ShowImage();
}

// Cells whose byte is not `value`, as "row,column=byte"; the edit must show the byte.
QStringList cellsOtherThan(const WindowBench& b, int value) {
    QStringList out;
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c) {
            const int v = b.w->image.map(r, c);
            if (b.edit(mapCellName(r, c))->value() != v)
                out << QString("edit %1 shows %2").arg(mapCellName(r, c)).arg(v);
            if (v != value)
                out << QString("%1,%2=%3").arg(r).arg(c).arg(v);
        }
    return out;
}

void setThrottleVoltage(WindowBench& b, int millivolts) {
    MonitorPacket p = packet(0, 0);
    p.tpsRaw = rawFor(millivolts);
    b.feed(p);
}

} // namespace

class tst_WindowEditing : public QObject {
    Q_OBJECT
private slots:
    void advanceStep_data();
    void advanceStep();
    void columnShift_data();
    void columnShift();
    void throttleCalibration_data();
    void throttleCalibration();
    void servoStep_data();
    void servoStep();
    void bikeTypeRestoresDefaults();
    void newRestoresDefaults();
};

void tst_WindowEditing::advanceStep_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("rpm");
    QTest::addColumn<bool>("throttleMap");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("changed"); // cells that end other than `start`

    // 1600 rpm / 3 % is row 1, column 1; with the throttle map off the row is 9.
    QTest::newRow("plus on the cell in use")
        << false << 1 << 1600 << true << 30 << QStringList{"1,1=31"};
    QTest::newRow("minus on the cell in use")
        << false << -1 << 1600 << true << 30 << QStringList{"1,1=29"};
    QTest::newRow("plus stops at 60") << false << 1 << 1600 << true << 60 << QStringList{};
    QTest::newRow("minus stops at 0") << false << -1 << 1600 << true << 0 << QStringList{};
    QTest::newRow("map off: top row") << false << 1 << 1600 << false << 30 << QStringList{"9,1=31"};
    QTest::newRow("below the map: nothing") << false << 1 << 900 << true << 30 << QStringList{};
    QTest::newRow("below the map, minus") << false << -1 << 900 << true << 30 << QStringList{};

    QStringList allUp, allDown;
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) {
            allUp << QString("%1,%2=31").arg(r).arg(c);
            allDown << QString("%1,%2=29").arg(r).arg(c);
        }
    QTest::newRow("all plus, hidden rows too") << true << 1 << 1600 << false << 30 << allUp;
    QTest::newRow("all minus, below the map") << true << -1 << 900 << true << 30 << allDown;
    QTest::newRow("all plus at 60") << true << 1 << 1600 << true << 60 << QStringList{};
    QTest::newRow("all minus at 0") << true << -1 << 1600 << false << 0 << QStringList{};
}

void tst_WindowEditing::advanceStep() {
    QFETCH(bool, all);
    QFETCH(int, delta);
    QFETCH(int, rpm);
    QFETCH(bool, throttleMap);
    QFETCH(int, start);
    QFETCH(QStringList, changed);
    WindowBench b;
    QVERIFY(b.ok());
    prepareMap(b, throttleMap, static_cast<std::uint8_t>(start));
    b.feed(packet(rpm, 3));
    if (all)
        b.check("CheckBoxIgnAll")->click();
    if (delta > 0)
        b.w->BitBtnAdvPlusClick();
    else
        b.w->BitBtnAdvMinusClick();
    QCOMPARE(cellsOtherThan(b, start), changed);
    QCOMPARE(b.w->ops.operation, std::uint8_t(DeviceOperations::Idle)); // not programming
}

void tst_WindowEditing::columnShift_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::newRow("CSpinButton3 up") << 2 << 1 << 20 << 21;
    QTest::newRow("CSpinButton3 down") << 2 << -1 << 20 << 19;
    QTest::newRow("CSpinButton1 up at 60") << 0 << 1 << 60 << 60;
    QTest::newRow("CSpinButton10 down at 0") << 9 << -1 << 0 << 0;
    QTest::newRow("CSpinButton10 up") << 9 << 1 << 59 << 60;
}

void tst_WindowEditing::columnShift() {
    QFETCH(int, column);
    QFETCH(int, delta);
    QFETCH(int, start);
    QFETCH(int, expected);
    WindowBench b;
    QVERIFY(b.ok());
    prepareMap(b, false, static_cast<std::uint8_t>(start)); // rows 0..8 hidden
    b.feed(packet(5000, 50));
    if (delta > 0)
        b.w->CSpinButtonUpClick(column);
    else
        b.w->CSpinButtonDownClick(column);
    QStringList want;
    if (expected != start)
        for (int r = 0; r < 10; ++r)
            want << QString("%1,%2=%3").arg(r).arg(column).arg(expected);
    QCOMPARE(cellsOtherThan(b, start), want);
}

void tst_WindowEditing::throttleCalibration_data() {
    QTest::addColumn<bool>("full"); // "Set TPS 100 %", else "Set TPS 0 %"
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<int>("stored"); // -1: unchanged
    QTest::addColumn<int>("shown");
    // Defaults: TPS0 70 (700 mV), TPS100 129 (3790 mV).
    QTest::newRow("100 %: 3000 mV") << true << 3000 << 50 << 3000;
    QTest::newRow("100 %: 4700 mV ignored") << true << 4700 << -1 << 3790;
    QTest::newRow("100 %: 4600 mV") << true << 4600 << 210 << 4600;
    QTest::newRow("100 %: 2500 mV") << true << 2500 << 0 << 2500;
    QTest::newRow("100 %: 2499 mV ignored") << true << 2499 << -1 << 3790;
    QTest::newRow("0 %: 1234 mV") << false << 1234 << 123 << 1230;
    QTest::newRow("0 %: 300 mV") << false << 300 << 30 << 300;
    QTest::newRow("0 %: 299 mV ignored") << false << 299 << -1 << 700;
    QTest::newRow("0 %: 2500 mV") << false << 2500 << 250 << 2500;
    QTest::newRow("0 %: 2501 mV ignored") << false << 2501 << -1 << 700;
}

void tst_WindowEditing::throttleCalibration() {
    QFETCH(bool, full);
    QFETCH(int, millivolts);
    QFETCH(int, stored);
    QFETCH(int, shown);
    WindowBench b;
    QVERIFY(b.ok());
    setThrottleVoltage(b, millivolts);
    QCOMPARE(int(b.w->throttleMillivolts), millivolts);
    const int byte = full ? Byte::TPS100 : Byte::TPS0;
    const DeviceImage before = b.w->image;
    if (full)
        b.w->BitBtnTps100Click();
    else
        b.w->BitBtnTps0Click();
    QCOMPARE(int(b.w->image[byte]), stored < 0 ? int(before[byte]) : stored);
    QCOMPARE(b.edit(full ? "EditTps100" : "EditTps0")->value(), shown);
    DeviceImage rest = b.w->image;
    rest[byte] = before[byte];
    QVERIFY(rest == before); // nothing else moves
}

void tst_WindowEditing::servoStep_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("inUse");  // expected byte of the column in use (5000 rpm: 4th)
    QTest::addColumn<int>("others"); // expected byte of the other columns
    QTest::newRow("plus in use") << false << 1 << 100 << 101 << 100;
    QTest::newRow("minus in use") << false << -1 << 100 << 99 << 100;
    QTest::newRow("minus stops at 1") << false << -1 << 1 << 1 << 1;
    QTest::newRow("minus down to 1") << false << -1 << 2 << 1 << 2;
    QTest::newRow("plus stops at 249") << false << 1 << 249 << 249 << 249;
    QTest::newRow("plus up to 249") << false << 1 << 248 << 249 << 248;
    QTest::newRow("plus leaves 250") << false << 1 << 250 << 250 << 250;
    QTest::newRow("all plus") << true << 1 << 100 << 101 << 101;
    QTest::newRow("all minus") << true << -1 << 100 << 99 << 99;
    QTest::newRow("all plus at 249") << true << 1 << 249 << 249 << 249;
    QTest::newRow("all minus at 1") << true << -1 << 1 << 1 << 1;
}

void tst_WindowEditing::servoStep() {
    QFETCH(bool, all);
    QFETCH(int, delta);
    QFETCH(int, start);
    QFETCH(int, inUse);
    QFETCH(int, others);
    WindowBench b;
    QVERIFY(b.ok());
    for (int i = 0; i < 10; ++i)
        b.w->image[Byte::NAP_PRIV + i] = static_cast<std::uint8_t>(start);
    b.w->ShowImage();
    b.feed(packet(5000, 0)); // servo axis 1200, 2000, 3000, 4000, 6000 ...: column 3
    QCOMPARE(int(b.w->cursor.servoColumn), 3);
    if (all)
        b.check("CheckBoxPrivAll")->click();
    if (delta > 0)
        b.w->BitBtnServoPlusClick();
    else
        b.w->BitBtnServoMinusClick();
    for (int i = 0; i < 10; ++i) {
        const int want = i == 3 ? inUse : others;
        QCOMPARE(int(b.w->image[Byte::NAP_PRIV + i]), want);
        QCOMPARE(b.edit(QString("EditNapPriv%1").arg(i + 1))->value(), want * 20);
    }
}

void tst_WindowEditing::bikeTypeRestoresDefaults() {
    WindowBench b;
    QVERIFY(b.ok());
    DeviceImage expected = b.w->image; // the defaults of the first start
    b.check("CheckBoxProgHned")->click();
    QVERIFY(b.run()); // programmed once for the tick
    QCOMPARE(b.message(), QString("Verify OK"));

    b.edit("EditOmez1")->setValue(7700);
    b.edit(mapCellName(9, 3))->setValue(44);
    b.w->CommitControls(); // programs the edits
    QVERIFY(b.run());
    QCOMPARE(b.sim.image()[Byte::LIMITER1], std::uint8_t(77));
    b.edit("EditClutch")->setValue(900); // typed, not committed
    const int requests = int(b.operationRequests().size());

    auto* combo = b.find<QComboBox>("ComboBox1");
    combo->setCurrentIndex(2);
    b.w->ComboBox1Change();
    expected[Byte::BIKE] = 2;
    QVERIFY(samePages12(b.w->image, expected));
    QCOMPARE(b.edit("EditOmez1")->value(), 5000);
    QCOMPARE(b.edit(mapCellName(9, 3))->value(), int(expected.map(9, 3)));
    QCOMPARE(b.edit("EditClutch")->value(), 200);
    QCOMPARE(b.w->image[Byte::BASE_ADV], std::uint8_t(10));
    QCOMPARE(b.w->ops.operation, std::uint8_t(DeviceOperations::Idle));
    for (int i = 0; i < 8; ++i)
        b.tick();
    QCOMPARE(int(b.operationRequests().size()), requests); // nothing programmed
}

void tst_WindowEditing::newRestoresDefaults() {
    WindowBench b;
    QVERIFY(b.ok());
    const DeviceImage initial = b.w->image;
    b.edit("EditOmez2")->setValue(15000);
    b.edit(mapCellName(0, 0))->setValue(55); // a hidden row
    b.check("CheckBoxGas")->click();
    QVERIFY(!samePages12(b.w->image, initial));
    b.label("LabelFile2")->setText("tuned.ign");
    b.w->MenuNewClick();
    QVERIFY(samePages12(b.w->image, initial));
    QCOMPARE(b.edit("EditOmez2")->value(), 11000);
    QCOMPARE(b.edit(mapCellName(0, 0))->value(), int(initial.map(0, 0)));
    QVERIFY(b.check("CheckBoxGas")->isChecked());
    QVERIFY(b.label("LabelFile2")->text().isEmpty());
}

QTEST_MAIN(tst_WindowEditing)
#include "tst_windowediting.moc"
