// The comparison of parameter sets: what counts, how a difference is named and valued.

#include "lang/Texts.h"
#include "params/ParamDiff.h"

#include <QLocale>
#include <QtTest>
#include <set>

using namespace vortan;

Q_DECLARE_METATYPE(std::string)

namespace {
const ComparedParam& paramAt(int byte) {
    for (const ComparedParam& p : comparedParams())
        if (p.byte == byte)
            return p;
    qFatal("byte %d is not compared", byte);
}
std::string bracketed(const char* textId) {
    return std::string("[") + textId + "]";
}
} // namespace

class tst_ParamDiff : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void everyByteOnceBut101And102();
    void differences_data();
    void differences();
    void names_data();
    void names();
};

void tst_ParamDiff::everyByteOnceBut101And102() {
    std::set<int> bytes;
    for (const ComparedParam& p : comparedParams())
        QVERIFY2(bytes.insert(p.byte).second, qPrintable(QString::number(p.byte)));
    QCOMPARE(int(bytes.size()), 2 * kPageSize - 2);
    QVERIFY(!bytes.count(Byte::Reserved) && !bytes.count(Byte::RPM2));
}

// (byte, value in the unit, value in the file; -1: that image is unknown) → which differ.
void tst_ParamDiff::differences_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("unitDiffers");
    QTest::addColumn<bool>("fileDiffers");
    QTest::newRow("limiter in the unit") << int(Byte::LIMITER2) << 120 << -1 << 1 << true << false;
    QTest::newRow("map cell in the file") << Byte::ADVANCE + 57 << -1 << 9 << 1 << false << true;
    QTest::newRow("both") << int(Byte::CLUTCH) << 30 << 40 << 1 << true << true;
    QTest::newRow("unused byte") << 140 << 7 << -1 << 1 << true << false;
    QTest::newRow("reserved byte") << int(Byte::Reserved) << 0x55 << 0x55 << 0 << false << false;
    QTest::newRow("RPM2") << int(Byte::RPM2) << 1 << 1 << 0 << false << false;
    QTest::newRow("nothing known") << int(Byte::CLUTCH) << -1 << -1 << 0 << false << false;
}

void tst_ParamDiff::differences() {
    QFETCH(int, byte);
    QFETCH(int, unit);
    QFETCH(int, file);
    QFETCH(int, rows);
    DeviceImage screen;
    setDefaults(screen);
    auto with = [&](int value) -> std::optional<DeviceImage> {
        if (value < 0)
            return std::nullopt;
        DeviceImage d = screen;
        d[byte] = static_cast<std::uint8_t>(value);
        return d;
    };
    const auto diff = compareImages(screen, with(unit), with(file));
    QCOMPARE(int(diff.size()), rows);
    if (unit >= 0)
        QCOMPARE(countDifferences(screen, *with(unit)), rows);
    if (rows == 1) {
        QCOMPARE(diff[0].param->byte, byte);
        QTEST(diff[0].unitDiffers, "unitDiffers");
        QTEST(diff[0].fileDiffers, "fileDiffers");
    }
}

void tst_ParamDiff::names_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("limiter") << int(Byte::LIMITER2) << 110 << 1 << "[Limiter]"
                             << "11,000 rpm";
    QTest::newRow("clutch") << int(Byte::CLUTCH) << 20 << 1 << "[Clutch]"
                            << "200 ms";
    QTest::newRow("base advance") << int(Byte::BASE_ADV) << 10 << 1 << "[BaseAdvance]"
                                  << "10°";
    QTest::newRow("TPS 100 %") << int(Byte::TPS100) << 0 << 1 << "[GroupBoxTps] › [Tps100]"
                               << "2,500 mV";
    QTest::newRow("retard delay") << int(Byte::RETARD_DELAY) << 20 << 2
                                  << "[GroupBoxRetard] › [RetardDelay]"
                                  << "2,000 ms";
    QTest::newRow("flag, Czech") << int(Byte::ACT_CLUTCH) << 1 << 0 << "[GroupBox4] › [InputClutch]"
                                 << "zapnuto";
    QTest::newRow("flag off, German") << int(Byte::PRIV_ENABLE) << 0 << 2 << "[ServoEnable]"
                                      << "aus";
    QTest::newRow("map cell 20 % / 3,000")
        << Byte::ADVANCE + 42 << 15 << 1 << "Advance 20 % / 3,000 rpm"
        << "15°";
    QTest::newRow("map cell, Czech")
        << Byte::ADVANCE + 99 << 32 << 0 << "Předstih 100 % / 10,000 rpm"
        << "32°";
    QTest::newRow("servo voltage") << Byte::NAP_PRIV + 2 << 110 << 1 << "Servo voltage, point 3"
                                   << "2,200 mV";
    QTest::newRow("map speed") << Byte::RPM_ADV + 9 << 100 << 1 << "Advance map speed, point 10"
                               << "10,000 rpm";
    QTest::newRow("motorbike") << int(Byte::BIKE) << 3 << 1 << "Motorbike type"
                               << "3";
    QTest::newRow("file-only flag") << int(Byte::ACT_RPM) << 1 << 1 << "ACT_RPM"
                                    << "on";
    QTest::newRow("unused byte") << 145 << 9 << 1 << "Byte 45"
                                 << "9";
}

void tst_ParamDiff::names() {
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(int, language);
    DeviceImage screen;
    setDefaults(screen);
    screen[byte] = static_cast<std::uint8_t>(value);
    const ComparedParam& p = paramAt(byte);
    QTEST(QString::fromStdString(paramName(p, screen, language, bracketed)), "name");
    QTEST(QString::fromStdString(paramValue(p, screen, language)), "shown");
}

QTEST_GUILESS_MAIN(tst_ParamDiff)
#include "tst_paramdiff.moc"
