// The named edits of the parameter set: each rule as a table of inputs and the bytes it changes.

#include "params/Edits.h"

#include <QtTest>

using namespace vortan;

Q_DECLARE_METATYPE(vortan::EditName)

namespace {

// The defaults, the speed axis 1000 .. 10000 rpm, every map cell and servo voltage at `value`.
DeviceImage filled(int value) {
    DeviceImage image;
    setDefaults(image);
    for (int i = 0; i < 100; ++i)
        image[Byte::ADVANCE + i] = static_cast<std::uint8_t>(value);
    for (int i = 0; i < kAxisPoints; ++i)
        image[Byte::NAP_PRIV + i] = static_cast<std::uint8_t>(value);
    return image;
}

// The bytes that differ, as "position=value", map cells as "row,column=value".
QStringList changes(const DeviceImage& before, const DeviceImage& after) {
    QStringList out;
    for (int i = 0; i < kImageSize; ++i) {
        const int cell = i - Byte::ADVANCE;
        if (before[i] != after[i])
            out << (cell >= 0 ? QString("%1,%2=%3").arg(cell / 10).arg(cell % 10).arg(after[i])
                              : QString("%1=%2").arg(i).arg(after[i]));
    }
    return out;
}

// Map cells of `columns` (every row), or the ten servo voltages, all at `value`.
QStringList cells(const QList<int>& columns, int value) {
    QStringList out;
    for (int r = 0; r < kMapRows; ++r)
        for (int c : columns)
            out << QString("%1,%2=%3").arg(r).arg(c).arg(value);
    return out;
}
QStringList servo(int value) {
    QStringList out;
    for (int i = 0; i < kAxisPoints; ++i)
        out << QString("%1=%2").arg(Byte::NAP_PRIV + i).arg(value);
    return out;
}

} // namespace

class tst_Edits : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void defaultsAndValues();
};

void tst_Edits::rules_data() {
    QTest::addColumn<EditName>("name");
    QTest::addColumn<int>("argument"); // the column shifted, or the measured voltage in mV
    QTest::addColumn<bool>("all");     // the "All" box of the advance or servo buttons
    QTest::addColumn<bool>("belowMap");
    QTest::addColumn<int>("start"); // every map cell and servo voltage byte
    QTest::addColumn<QStringList>("changed");
    const auto row = [](const char* tag, EditName name, int argument, bool all, bool below,
                        int start, const QStringList& changed) {
        QTest::newRow(tag) << name << argument << all << below << start << changed;
    };
    const QList<int> every{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    using E = EditName;
    // The cell in use is row 1, column 1; the servo column in use the 4th.
    row("plus on the cell in use", E::AdvancePlus, 0, false, false, 30, {"1,1=31"});
    row("minus on the cell in use", E::AdvanceMinus, 0, false, false, 30, {"1,1=29"});
    row("plus stops at 60", E::AdvancePlus, 0, false, false, 60, {});
    row("minus stops at 0", E::AdvanceMinus, 0, false, false, 0, {});
    row("below the map: nothing", E::AdvancePlus, 0, false, true, 30, {});
    row("below the map, minus", E::AdvanceMinus, 0, false, true, 30, {});
    row("all plus, hidden rows too", E::AdvancePlus, 0, true, false, 30, cells(every, 31));
    row("all minus, below the map", E::AdvanceMinus, 0, true, true, 30, cells(every, 29));
    row("all plus at 60", E::AdvancePlus, 0, true, false, 60, {});
    row("all minus at 0", E::AdvanceMinus, 0, true, false, 0, {});
    row("CSpinButton3 up", E::ColumnUp, 2, false, false, 20, cells({2}, 21));
    row("CSpinButton3 down", E::ColumnDown, 2, false, false, 20, cells({2}, 19));
    row("CSpinButton1 up at 60", E::ColumnUp, 0, false, false, 60, {});
    row("CSpinButton10 down at 0", E::ColumnDown, 9, false, false, 0, {});
    row("CSpinButton10 up", E::ColumnUp, 9, false, false, 59, cells({9}, 60));
    // TPS defaults: 0 % byte 70, 100 % byte 129.
    row("100 %: 3000 mV", E::SetTps100, 3000, false, false, 30, {"119=50"});
    row("100 %: 4700 mV ignored", E::SetTps100, 4700, false, false, 30, {});
    row("100 %: 4600 mV", E::SetTps100, 4600, false, false, 30, {"119=210"});
    row("100 %: 2500 mV", E::SetTps100, 2500, false, false, 30, {"119=0"});
    row("100 %: 2499 mV ignored", E::SetTps100, 2499, false, false, 30, {});
    row("0 %: 1234 mV", E::SetTps0, 1234, false, false, 30, {"118=123"});
    row("0 %: 300 mV", E::SetTps0, 300, false, false, 30, {"118=30"});
    row("0 %: 299 mV ignored", E::SetTps0, 299, false, false, 30, {});
    row("0 %: 2500 mV", E::SetTps0, 2500, false, false, 30, {"118=250"});
    row("0 %: 2501 mV ignored", E::SetTps0, 2501, false, false, 30, {});
    row("servo plus in use", E::ServoPlus, 0, false, false, 100, {"193=101"});
    row("servo minus in use", E::ServoMinus, 0, false, false, 100, {"193=99"});
    row("servo minus stops at 1", E::ServoMinus, 0, false, false, 1, {});
    row("servo minus down to 1", E::ServoMinus, 0, false, false, 2, {"193=1"});
    row("servo plus stops at 249", E::ServoPlus, 0, false, false, 249, {});
    row("servo plus up to 249", E::ServoPlus, 0, false, false, 248, {"193=249"});
    row("servo plus leaves 250", E::ServoPlus, 0, false, false, 250, {});
    row("servo all plus", E::ServoPlus, 0, true, false, 100, servo(101));
    row("servo all minus", E::ServoMinus, 0, true, false, 100, servo(99));
    row("servo all plus at 249", E::ServoPlus, 0, true, false, 249, {});
    row("servo all minus at 1", E::ServoMinus, 0, true, false, 1, {});
}

void tst_Edits::rules() {
    QFETCH(EditName, name);
    QFETCH(int, argument);
    QFETCH(bool, all);
    QFETCH(bool, belowMap);
    QFETCH(int, start);
    QFETCH(QStringList, changed);
    EditInputs in;
    in.allCells = in.allServo = all;
    in.cursor.row = in.cursor.column = 1;
    in.cursor.belowMap = belowMap;
    in.cursor.servoColumn = 3;
    const auto mv = static_cast<std::uint16_t>(argument);
    const Edit edit = name == EditName::AdvancePlus    ? advanceEdit(1, in)
                      : name == EditName::AdvanceMinus ? advanceEdit(-1, in)
                      : name == EditName::ColumnUp     ? columnShiftEdit(argument, 1, false)
                      : name == EditName::ColumnDown   ? columnShiftEdit(argument, -1, false)
                      : name == EditName::SetTps0      ? tps0Edit(mv)
                      : name == EditName::SetTps100    ? tps100Edit(mv)
                      : name == EditName::ServoPlus    ? servoEdit(1, in)
                                                       : servoEdit(-1, in);
    QCOMPARE(edit.name, name);
    DeviceImage image = filled(start); // the throttle map off: rows 0..8 hidden
    image[Byte::LIMITER2] = 40;        // below limiter 1: Advance normalises first
    const DeviceImage after = edit.change(image);
    const bool advance = name == EditName::AdvancePlus || name == EditName::AdvanceMinus;
    QCOMPARE(int(after[Byte::LIMITER2]), advance ? 50 : 40);
    image[Byte::LIMITER2] = after[Byte::LIMITER2];
    QStringList got = changes(image, after);
    got.sort();
    changed.sort();
    QCOMPARE(got, changed);
}

// A motorbike type (none chosen: type 0) and New give the defaults, a file its values.
void tst_Edits::defaultsAndValues() {
    DeviceImage image = filled(44);
    image[Byte::BIKE] = 3;
    image[Byte::BASE_ADV] = 3;
    const auto defaultsOf = [&image](int bike) {
        DeviceImage d = image;
        d[Byte::BIKE] = static_cast<std::uint8_t>(bike);
        setDefaults(d);
        return d;
    };
    QCOMPARE(changes(defaultsOf(2), bikeEdit(2).change(image)), QStringList{});
    QCOMPARE(changes(defaultsOf(0), bikeEdit(-1).change(image)), QStringList{});
    QCOMPARE(int(bikeEdit(2).change(image)[Byte::BASE_ADV]), 10);
    QCOMPARE(changes(defaultsOf(3), newEdit().change(image)), QStringList{});
    QCOMPARE(bikeEdit(2).name, EditName::BikeType);
    QCOMPARE(newEdit().name, EditName::New);
    const Edit file = valuesEdit(EditName::OpenFile, defaultsOf(1));
    QCOMPARE(file.name, EditName::OpenFile);
    QCOMPARE(changes(defaultsOf(1), file.change(image)), QStringList{});
}

QTEST_GUILESS_MAIN(tst_Edits)
#include "tst_edits.moc"
