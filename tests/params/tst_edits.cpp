// The named edits of the parameter set: each rule as a table of inputs and the bytes it changes.

#include "params/Edits.h"

#include <QtTest>

using namespace vortan;

namespace {

// The defaults, the speed axis 1000 .. 10000 rpm and every map cell at `cell`.
DeviceImage mapAt(int cell) {
    DeviceImage image;
    setDefaults(image);
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            image.map(r, c) = static_cast<std::uint8_t>(cell);
    return image;
}

// The bytes that differ, as "position=value", map cells as "row,column=value".
QStringList changes(const DeviceImage& before, const DeviceImage& after) {
    QStringList out;
    for (int i = 0; i < kImageSize; ++i) {
        if (before[i] == after[i])
            continue;
        const int cell = i - Byte::ADVANCE;
        out << (cell >= 0 ? QString("%1,%2=%3").arg(cell / 10).arg(cell % 10).arg(after[i])
                          : QString("%1=%2").arg(i).arg(after[i]));
    }
    return out;
}

QStringList wholeColumn(int column, int value) {
    QStringList out;
    for (int r = 0; r < kMapRows; ++r)
        out << QString("%1,%2=%3").arg(r).arg(column).arg(value);
    return out;
}

} // namespace

class TstEdits : public QObject {
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
    void bikeTypeSetsDefaults_data();
    void bikeTypeSetsDefaults();
    void namesAndRules_data();
    void namesAndRules();
};

void TstEdits::advanceStep_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("belowMap");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("changed"); // the cell in use is row 1, column 1

    QTest::newRow("plus on the cell in use") << false << 1 << false << 30 << QStringList{"1,1=31"};
    QTest::newRow("minus on the cell in use")
        << false << -1 << false << 30 << QStringList{"1,1=29"};
    QTest::newRow("plus stops at 60") << false << 1 << false << 60 << QStringList{};
    QTest::newRow("minus stops at 0") << false << -1 << false << 0 << QStringList{};
    QTest::newRow("below the map: nothing") << false << 1 << true << 30 << QStringList{};
    QTest::newRow("below the map, minus") << false << -1 << true << 30 << QStringList{};

    QStringList allUp, allDown;
    for (int c = 0; c < kMapColumns; ++c) {
        allUp << wholeColumn(c, 31);
        allDown << wholeColumn(c, 29);
    }
    allUp.sort();
    allDown.sort();
    QTest::newRow("all plus, hidden rows too") << true << 1 << false << 30 << allUp;
    QTest::newRow("all minus, below the map") << true << -1 << true << 30 << allDown;
    QTest::newRow("all plus at 60") << true << 1 << false << 60 << QStringList{};
    QTest::newRow("all minus at 0") << true << -1 << false << 0 << QStringList{};
}

void TstEdits::advanceStep() {
    QFETCH(bool, all);
    QFETCH(int, delta);
    QFETCH(bool, belowMap);
    QFETCH(int, start);
    EditInputs in;
    in.allCells = all;
    in.cursor.row = 1;
    in.cursor.column = 1;
    in.cursor.belowMap = belowMap;
    DeviceImage image = mapAt(start); // the throttle map off: rows 0..8 hidden
    image[Byte::LIMITER2] = 40;       // below limiter 1: normalised first
    const DeviceImage after = stepAdvance(image, delta, in);
    QCOMPARE(int(after[Byte::LIMITER2]), 50);
    image[Byte::LIMITER2] = 50;
    QStringList changed = changes(image, after);
    changed.sort();
    QTEST(changed, "changed");
}

void TstEdits::columnShift_data() {
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

void TstEdits::columnShift() {
    QFETCH(int, column);
    QFETCH(int, delta);
    QFETCH(int, start);
    QFETCH(int, expected);
    const DeviceImage image = mapAt(start);
    QCOMPARE(changes(image, shiftColumn(image, column, delta)),
             expected == start ? QStringList{} : wholeColumn(column, expected));
}

void TstEdits::throttleCalibration_data() {
    QTest::addColumn<bool>("full"); // "Set TPS 100 %", else "Set TPS 0 %"
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<QStringList>("changed"); // defaults: TPS0 70, TPS100 129
    QTest::newRow("100 %: 3000 mV") << true << 3000 << QStringList{"119=50"};
    QTest::newRow("100 %: 4700 mV ignored") << true << 4700 << QStringList{};
    QTest::newRow("100 %: 4600 mV") << true << 4600 << QStringList{"119=210"};
    QTest::newRow("100 %: 2500 mV") << true << 2500 << QStringList{"119=0"};
    QTest::newRow("100 %: 2499 mV ignored") << true << 2499 << QStringList{};
    QTest::newRow("0 %: 1234 mV") << false << 1234 << QStringList{"118=123"};
    QTest::newRow("0 %: 300 mV") << false << 300 << QStringList{"118=30"};
    QTest::newRow("0 %: 299 mV ignored") << false << 299 << QStringList{};
    QTest::newRow("0 %: 2500 mV") << false << 2500 << QStringList{"118=250"};
    QTest::newRow("0 %: 2501 mV ignored") << false << 2501 << QStringList{};
}

void TstEdits::throttleCalibration() {
    QFETCH(bool, full);
    QFETCH(int, millivolts);
    const DeviceImage image = mapAt(30);
    const auto mv = static_cast<std::uint16_t>(millivolts);
    QTEST(changes(image, full ? setTps100(image, mv) : setTps0(image, mv)), "changed");
}

void TstEdits::servoStep_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("inUse");  // expected byte of the servo column in use (the 4th)
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

void TstEdits::servoStep() {
    QFETCH(bool, all);
    QFETCH(int, delta);
    QFETCH(int, start);
    QFETCH(int, inUse);
    QFETCH(int, others);
    DeviceImage image = mapAt(30);
    for (int i = 0; i < kAxisPoints; ++i)
        image[Byte::NAP_PRIV + i] = static_cast<std::uint8_t>(start);
    EditInputs in;
    in.allServo = all;
    in.cursor.servoColumn = 3;
    const DeviceImage after = stepServo(image, delta, in);
    for (int i = 0; i < kAxisPoints; ++i)
        QCOMPARE(int(after[Byte::NAP_PRIV + i]), i == 3 ? inUse : others);
    for (int i = 0; i < kAxisPoints; ++i)
        image[Byte::NAP_PRIV + i] = after[Byte::NAP_PRIV + i];
    QVERIFY(image == after); // nothing else moves
}

void TstEdits::bikeTypeSetsDefaults_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("bike");
    QTest::newRow("Suzuki GSX") << 2 << 2;
    QTest::newRow("no item") << -1 << 0;
}

// Every edited value returns to its default, the base advance to 10 degrees.
void TstEdits::bikeTypeSetsDefaults() {
    QFETCH(int, index);
    QFETCH(int, bike);
    DeviceImage edited = mapAt(44);
    edited[Byte::LIMITER1] = 77;
    edited[Byte::BASE_ADV] = 3;
    DeviceImage expected = edited;
    expected[Byte::BIKE] = static_cast<std::uint8_t>(bike);
    setDefaults(expected);
    QCOMPARE(changes(expected, chooseBike(edited, index)), QStringList{});
}

namespace {
struct Case {
    Edit edit;
    EditName name;
    DeviceImage result;
};

std::vector<Case> cases(const DeviceImage& image) {
    EditInputs in;
    in.allCells = in.allServo = true;
    DeviceImage defaults = image;
    setDefaults(defaults);
    return {
        {advanceEdit(-1, in), EditName::AdvanceMinus, stepAdvance(image, -1, in)},
        {advanceEdit(1, in), EditName::AdvancePlus, stepAdvance(image, 1, in)},
        {columnShiftEdit(4, -1, false), EditName::ColumnDown, shiftColumn(image, 4, -1)},
        {columnShiftEdit(4, 1, true), EditName::ColumnUp, shiftColumn(image, 4, 1)},
        {servoEdit(-1, in), EditName::ServoMinus, stepServo(image, -1, in)},
        {servoEdit(1, in), EditName::ServoPlus, stepServo(image, 1, in)},
        {tps0Edit(1000), EditName::SetTps0, setTps0(image, 1000)},
        {tps100Edit(3000), EditName::SetTps100, setTps100(image, 3000)},
        {bikeEdit(1), EditName::BikeType, chooseBike(image, 1)},
        {newEdit(), EditName::New, defaults},
        {valuesEdit(EditName::OpenFile, defaults), EditName::OpenFile, defaults},
    };
}
} // namespace

void TstEdits::namesAndRules_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(cases(DeviceImage()).size()); ++i)
        QTest::addRow("%d", i) << i;
}

// Each edit carries its rule under its name.
void TstEdits::namesAndRules() {
    QFETCH(int, index);
    DeviceImage image = mapAt(44);
    image[Byte::BIKE] = 3;
    const Case c = cases(image)[std::size_t(index)];
    QCOMPARE(c.edit.name, c.name);
    QVERIFY(c.edit.change(image) == c.result);
    QVERIFY(c.result != image);
}

QTEST_GUILESS_MAIN(TstEdits)
#include "tst_edits.moc"
