// Map cursor: nearest axis points, the throttle row and the cell marked from the live values.
#include "params/MapCursor.h"

#include <QTest>

#include <vector>

using namespace vortan;

namespace {

DeviceImage defaultImage() {
    DeviceImage image;
    setDefaults(image);
    return image;
}

void setAxis(DeviceImage& image, int at, const std::vector<int>& points) {
    for (int i = 0; i < kAxisPoints; ++i)
        image[at + i] = static_cast<std::uint8_t>(points[static_cast<std::size_t>(i)]);
}

} // namespace

class tst_MapCursor : public QObject {
    Q_OBJECT
private slots:
    void mapColumn_data();
    void mapColumn();
    void wideAxisDoesNotWrap();
    void throttleRow_data();
    void throttleRow();
    void mapDisabledUsesLastRow_data();
    void mapDisabledUsesLastRow();
    void servoColumn_data();
    void servoColumn();
};

void tst_MapCursor::mapColumn_data() {
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("below");
    // RPM_ADV 10, 20, ..., 100 hundreds of rpm.
    QTest::newRow("0 rpm") << 0 << 0 << true;
    QTest::newRow("900 below map") << 900 << 0 << true;
    QTest::newRow("999 below map") << 999 << 0 << true;
    QTest::newRow("1000 first point") << 1000 << 0 << false;
    QTest::newRow("1499 nearest low") << 1499 << 0 << false;
    QTest::newRow("1500 tie goes low") << 1500 << 0 << false;
    QTest::newRow("1600 nearest high") << 1600 << 1 << false;
    QTest::newRow("5500 tie goes low") << 5500 << 4 << false;
    QTest::newRow("5600") << 5600 << 5 << false;
    QTest::newRow("9999 last gap") << 9999 << 9 << false;
    QTest::newRow("10000 last point") << 10000 << 9 << false;
    QTest::newRow("12000 above axis") << 12000 << 9 << false;
    QTest::newRow("65535") << 65535 << 9 << false;
}

void tst_MapCursor::mapColumn() {
    QFETCH(int, rpm);
    QFETCH(int, column);
    QFETCH(bool, below);
    DeviceImage image = defaultImage();
    setAxis(image, Byte::RPM_ADV, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
    const MapCursor c = computeMapCursor(static_cast<std::uint16_t>(rpm), 50, image);
    QCOMPARE(int(c.column), column);
    QCOMPARE(c.belowMap, below);

    bool flag = !below;
    QCOMPARE(nearestAxisPoint(&image.bytes[Byte::RPM_ADV], rpm / 100, &flag), column);
    QCOMPARE(flag, below);
}

void tst_MapCursor::wideAxisDoesNotWrap() {
    // Neighbouring points of 250 and 251 add up beyond a byte; the tie at s = 250 must
    // still go to the lower point, s = 251 to the higher.
    DeviceImage image = defaultImage();
    setAxis(image, Byte::RPM_ADV, {246, 247, 248, 249, 250, 251, 252, 253, 254, 255});
    QCOMPARE(int(computeMapCursor(25000, 0, image).column), 4);
    QCOMPARE(int(computeMapCursor(25100, 0, image).column), 5);
    QCOMPARE(int(computeMapCursor(25590, 0, image).column), 9);
    QVERIFY(computeMapCursor(24500, 0, image).belowMap);
    QVERIFY(!computeMapCursor(24600, 0, image).belowMap);
}

void tst_MapCursor::throttleRow_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("row");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1 tie goes low") << 1 << 0;
    QTest::newRow("2") << 2 << 1;
    QTest::newRow("3 nearer 2") << 3 << 1;
    QTest::newRow("4 nearer 5") << 4 << 2;
    QTest::newRow("15 tie goes low") << 15 << 3;
    QTest::newRow("16") << 16 << 4;
    QTest::newRow("50 tie goes low") << 50 << 6;
    QTest::newRow("90 tie goes low") << 90 << 8;
    QTest::newRow("91") << 91 << 9;
    QTest::newRow("100") << 100 << 9;
    QTest::newRow("101 sensor error") << 101 << 9;
    QTest::newRow("255 sensor error") << 255 << 9;
}

void tst_MapCursor::throttleRow() {
    QFETCH(int, percent);
    QFETCH(int, row);
    QCOMPARE(vortan::throttleRow(percent), row);

    DeviceImage image = defaultImage();
    image[Byte::TPS_MAPA] = 1;
    QCOMPARE(int(computeMapCursor(3000, static_cast<std::uint8_t>(percent), image).row), row);
}

void tst_MapCursor::mapDisabledUsesLastRow_data() {
    QTest::addColumn<int>("percent");
    QTest::newRow("0") << 0;
    QTest::newRow("1") << 1;
    QTest::newRow("40") << 40;
    QTest::newRow("255") << 255;
}

void tst_MapCursor::mapDisabledUsesLastRow() {
    QFETCH(int, percent);
    DeviceImage image = defaultImage();
    image[Byte::TPS_MAPA] = 0;
    QCOMPARE(int(computeMapCursor(3000, static_cast<std::uint8_t>(percent), image).row), 9);
}

void tst_MapCursor::servoColumn_data() {
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("column");
    // Default RPM_PRIV: 12, 20, 30, 40, 60, 80, 100, 120, 140, 160 hundreds of rpm.
    QTest::newRow("0 below axis") << 0 << 0;
    QTest::newRow("1100 below axis") << 1100 << 0;
    QTest::newRow("1600 tie goes low") << 1600 << 0;
    QTest::newRow("1700") << 1700 << 1;
    QTest::newRow("7000 tie goes low") << 7000 << 4;
    QTest::newRow("7100") << 7100 << 5;
    QTest::newRow("15000 tie goes low") << 15000 << 8;
    QTest::newRow("15100") << 15100 << 9;
    QTest::newRow("20000 above axis") << 20000 << 9;
}

void tst_MapCursor::servoColumn() {
    QFETCH(int, rpm);
    QFETCH(int, column);
    const DeviceImage image = defaultImage();
    const MapCursor c = computeMapCursor(static_cast<std::uint16_t>(rpm), 0, image);
    QCOMPARE(int(c.servoColumn), column);
    // The servo search has no below flag of its own; the map's flag follows RPM_ADV only.
    QCOMPARE(c.belowMap, rpm < 1000);
    QCOMPARE(nearestAxisPoint(&image.bytes[Byte::RPM_PRIV], rpm / 100, nullptr), column);
}

QTEST_GUILESS_MAIN(tst_MapCursor)
#include "tst_mapcursor.moc"
