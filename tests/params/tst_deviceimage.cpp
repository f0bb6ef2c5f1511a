// Device image rules: normalise, defaults with the motorbike rule, identification texts.

#include "params/DeviceImage.h"

#include <QList>
#include <QPair>
#include <QtTest>
#include <random>

using namespace vortan;

using Bytes = QList<QPair<int, int>>; // (image position, value)

namespace {

Bytes axis(int first, const QList<int>& values) {
    Bytes b;
    for (int i = 0; i < values.size(); ++i)
        b.append({first + i, values[i]});
    return b;
}

Bytes fill(int first, int count, int value) {
    return axis(first, QList<int>(count, value));
}

QList<int> rising(int from) {
    QList<int> v;
    for (int i = 0; i < 10; ++i)
        v.append(from + i);
    return v;
}

// Defaults on top of an image whose page 0 and unused bytes hold a pattern, so that a
// rule that writes outside its own bytes shows up.
DeviceImage patterned() {
    DeviceImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    image[Byte::BIKE] = 0;
    setDefaults(image);
    return image;
}

void setBytes(DeviceImage& image, const Bytes& bytes) {
    for (const auto& [pos, value] : bytes)
        image[pos] = static_cast<std::uint8_t>(value);
}

QString firstDifference(const DeviceImage& got, const DeviceImage& want) {
    for (int i = 0; i < kImageSize; ++i)
        if (got[i] != want[i])
            return QString("byte %1: got %2, want %3").arg(i).arg(got[i]).arg(want[i]);
    return QString();
}

} // namespace

class tst_DeviceImage : public QObject {
    Q_OBJECT
private slots:
    void normalise_data();
    void normalise();
    void normaliseSettings_data();
    void normaliseSettings();
    void normaliseIsStable();
    void defaults_data();
    void defaults();
    void defaultMap();
    void identification_data();
    void identification();
};

void tst_DeviceImage::normalise_data() {
    QTest::addColumn<Bytes>("input");
    QTest::addColumn<Bytes>("expected"); // bytes that must change; all others stay

    using namespace Byte;
    for (const auto& [name, first] : {std::pair{"RPM_ADV", RPM_ADV}, {"RPM_PRIV", RPM_PRIV}}) {
        const QByteArray n(name);
        QTest::newRow(n + " all 0") << fill(first, 10, 0) << axis(first, rising(3));
        QTest::newRow(n + " all 255") << fill(first, 10, 255) << axis(first, rising(191));
        QTest::newRow(n + " all 50") << fill(first, 10, 50) << axis(first, rising(50));
        QTest::newRow(n + " dip") << axis(first, {10, 20, 30, 15, 50, 60, 70, 80, 90, 100})
                                  << Bytes{{first + 3, 31}};
        QTest::newRow(n + " falling")
            << axis(first, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10}) << axis(first, rising(100));
        QTest::newRow(n + " last point clamped")
            << axis(first, {150, 160, 170, 180, 190, 195, 196, 197, 198, 255})
            << Bytes{{first + 9, 200}};
        QTest::newRow(n + " already rising") << axis(first, rising(3)) << Bytes{};
    }

    QTest::newRow("limiter 2 below 1")
        << Bytes{{LIMITER1, 120}, {LIMITER2, 80}} << Bytes{{LIMITER2, 120}};
    QTest::newRow("limiters below 10")
        << Bytes{{LIMITER1, 0}, {LIMITER2, 9}} << Bytes{{LIMITER1, 10}, {LIMITER2, 10}};
    QTest::newRow("limiters above 250")
        << Bytes{{LIMITER1, 255}, {LIMITER2, 251}} << Bytes{{LIMITER1, 250}, {LIMITER2, 250}};
    QTest::newRow("limiter 1 clamped above 2")
        << Bytes{{LIMITER1, 255}, {LIMITER2, 20}} << Bytes{{LIMITER1, 250}, {LIMITER2, 250}};
    QTest::newRow("limiter bounds kept") << Bytes{{LIMITER1, 10}, {LIMITER2, 250}} << Bytes{};
    QTest::newRow("clutch 101") << Bytes{{CLUTCH, 101}} << Bytes{{CLUTCH, 100}};
    QTest::newRow("clutch 100") << Bytes{{CLUTCH, 100}} << Bytes{};
    QTest::newRow("clutch 0") << Bytes{{CLUTCH, 0}} << Bytes{};
    QTest::newRow("pilot light 9") << Bytes{{LED_RAZENI, 9}} << Bytes{{LED_RAZENI, 10}};
    QTest::newRow("pilot light 251") << Bytes{{LED_RAZENI, 251}} << Bytes{{LED_RAZENI, 250}};
    QTest::newRow("gas 1 above gas 2") << Bytes{{GAS1, 80}, {GAS2, 50}} << Bytes{{GAS1, 50}};
    QTest::newRow("gas above 100")
        << Bytes{{GAS1, 200}, {GAS2, 101}} << Bytes{{GAS1, 100}, {GAS2, 100}};
    QTest::newRow("gas 2 above 100, gas 1 kept")
        << Bytes{{GAS1, 40}, {GAS2, 255}} << Bytes{{GAS2, 100}};
    QTest::newRow("N2O build-up 0") << Bytes{{GAS_BUILDUP, 0}} << Bytes{{GAS_BUILDUP, 1}};
    QTest::newRow("N2O times above 200") << Bytes{{GAS_BUILDUP, 201}, {GAS_DELAY, 255}}
                                         << Bytes{{GAS_BUILDUP, 200}, {GAS_DELAY, 200}};
    QTest::newRow("N2O delay 0 kept") << Bytes{{GAS_DELAY, 0}} << Bytes{};
    QTest::newRow("retard 1 above retard 2")
        << Bytes{{RETARD1, 10}, {RETARD2, 4}} << Bytes{{RETARD1, 4}};
    QTest::newRow("retards above 25")
        << Bytes{{RETARD1, 30}, {RETARD2, 26}} << Bytes{{RETARD1, 25}, {RETARD2, 25}};
    QTest::newRow("retard build-up 0") << Bytes{{RETARD_BUILDUP, 0}} << Bytes{{RETARD_BUILDUP, 1}};
    QTest::newRow("retard times above 200") << Bytes{{RETARD_BUILDUP, 255}, {RETARD_DELAY, 201}}
                                            << Bytes{{RETARD_BUILDUP, 200}, {RETARD_DELAY, 200}};
    QTest::newRow("retard delay 0 kept") << Bytes{{RETARD_DELAY, 0}} << Bytes{};
    QTest::newRow("TPS above 250")
        << Bytes{{TPS0, 251}, {TPS100, 255}} << Bytes{{TPS0, 250}, {TPS100, 250}};
    QTest::newRow("TPS 250 and 0 kept") << Bytes{{TPS0, 250}, {TPS100, 0}} << Bytes{};

    Bytes untouched = fill(ADVANCE, 100, 255);
    untouched += fill(NAP_PRIV, 5, 0);
    untouched += fill(NAP_PRIV + 5, 5, 255);
    untouched += Bytes{{BASE_ADV, 255}, {PRIV_HYSTER, 255}, {ACT_RPM, 9},    {BIKE, 200},
                       {Reserved, 5},   {RPM2, 7},          {EXCITATION, 2}, {PRIV_ENABLE, 3},
                       {ACT_BLOK1, 4},  {ACT_TACHO, 255},   {N2O_ENABLE, 8}, {TPS_MAPA, 6}};
    QTest::newRow("map, base advance, hysteresis, servo volts, flags") << untouched << Bytes{};
}

void tst_DeviceImage::normalise() {
    QFETCH(Bytes, input);
    QFETCH(Bytes, expected);
    DeviceImage image = patterned();
    setBytes(image, input);
    DeviceImage want = image;
    setBytes(want, expected);

    std::uint8_t language = 0;
    std::uint8_t comPort = 1;
    vortan::normalise(image, language, comPort);
    QVERIFY2(image == want, qPrintable(firstDifference(image, want)));
    QCOMPARE(language, 0);
    QCOMPARE(comPort, 1);
}

void tst_DeviceImage::normaliseSettings_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("comPort");
    QTest::addColumn<int>("languageAfter");
    QTest::addColumn<int>("comPortAfter");
    QTest::newRow("valid") << 2 << 10 << 2 << 10;
    QTest::newRow("language 3") << 3 << 1 << 1 << 1;
    QTest::newRow("language 255") << 255 << 5 << 1 << 5;
    QTest::newRow("port 11") << 0 << 11 << 0 << 1;
    QTest::newRow("port 255") << 1 << 255 << 1 << 1;
}

void tst_DeviceImage::normaliseSettings() {
    QFETCH(int, language);
    QFETCH(int, comPort);
    DeviceImage image = patterned();
    const DeviceImage before = image;
    auto lang = static_cast<std::uint8_t>(language);
    auto port = static_cast<std::uint8_t>(comPort);
    vortan::normalise(image, lang, port);
    QTEST(int(lang), "languageAfter");
    QTEST(int(port), "comPortAfter");
    QVERIFY(image == before); // the default set is already within bounds
}

void tst_DeviceImage::normaliseIsStable() {
    // Any image, once normalised, is left alone by a second pass.
    std::mt19937 random(2024);
    for (int round = 0; round < 200; ++round) {
        DeviceImage image;
        for (auto& b : image.bytes)
            b = static_cast<std::uint8_t>(random());
        vortan::normalise(image);
        const DeviceImage once = image;
        vortan::normalise(image);
        QVERIFY2(image == once, qPrintable(firstDifference(image, once)));
        for (int i = 1; i < 10; ++i) {
            QVERIFY(image[Byte::RPM_ADV + i] > image[Byte::RPM_ADV + i - 1]);
            QVERIFY(image[Byte::RPM_PRIV + i] > image[Byte::RPM_PRIV + i - 1]);
        }
        QVERIFY(image[Byte::LIMITER2] >= image[Byte::LIMITER1]);
        QVERIFY(image[Byte::GAS1] <= image[Byte::GAS2]);
        QVERIFY(image[Byte::RETARD1] <= image[Byte::RETARD2]);
    }
}

void tst_DeviceImage::defaults_data() {
    QTest::addColumn<int>("bike");
    QTest::addColumn<int>("baseAdvance");
    QTest::newRow("Yamaha R6") << 0 << 10;
    QTest::newRow("Honda CBR") << 4 << 10;
    QTest::newRow("1 trigger") << 5 << 10;
    QTest::newRow("type 6 keeps base advance") << 6 << 33;
    QTest::newRow("type 255 keeps base advance") << 255 << 33;
}

void tst_DeviceImage::defaults() {
    QFETCH(int, bike);
    DeviceImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(0xA0 + i % 50);
    image[Byte::BIKE] = static_cast<std::uint8_t>(bike);
    image[Byte::BASE_ADV] = 33;
    const DeviceImage before = image;
    setDefaults(image);

    using namespace Byte;
    const Bytes expected{
        {LIMITER1, 50},   {LIMITER2, 110},   {CLUTCH, 20},       {LED_RAZENI, 90},
        {TPS0, 70},       {TPS100, 129},     {TPS_MAPA, 0},      {N2O_ENABLE, 1},
        {GAS1, 20},       {GAS2, 60},        {GAS_DELAY, 20},    {GAS_BUILDUP, 30},
        {RETARD1, 2},     {RETARD2, 6},      {RETARD_DELAY, 20}, {RETARD_BUILDUP, 30},
        {PRIV_ENABLE, 1}, {PRIV_HYSTER, 40}, {EXCITATION, 0},    {RPM2, 0},
        {ACT_LIM1, 1},    {ACT_CLUTCH, 1},   {ACT_BLOK1, 1},     {ACT_BLOK2, 1},
        {ACT_TACHO, 1},   {ACT_N2O, 1},      {Reserved, 0},
    };
    for (const auto& [pos, value] : expected)
        QVERIFY2(image[pos] == value,
                 qPrintable(QString("byte %1 is %2").arg(pos).arg(image[pos])));
    const int rpmPriv[10] = {12, 20, 30, 40, 60, 80, 100, 120, 140, 160};
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(image[RPM_ADV + i], 10 * (i + 1));
        QCOMPARE(image[RPM_PRIV + i], rpmPriv[i]);
        QCOMPARE(image[NAP_PRIV + i], 100 + 5 * i);
    }
    QTEST(int(image[BASE_ADV]), "baseAdvance");

    // BIKE, byte 14, page 0 and the unused bytes 30..69 of page 1 keep their values.
    QCOMPARE(image[BIKE], before[BIKE]);
    QCOMPARE(image[ACT_RPM], before[ACT_RPM]);
    for (int i = 0; i < kPageSize; ++i)
        QCOMPARE(image[i], before[i]);
    for (int i = 130; i < 170; ++i)
        QCOMPARE(image[i], before[i]);
}

void tst_DeviceImage::defaultMap() {
    static const int kMap[10][10] = {
        {4, 13, 16, 25, 28, 32, 33, 33, 33, 33}, {4, 16, 22, 31, 33, 35, 35, 35, 35, 35},
        {4, 24, 35, 44, 45, 45, 43, 41, 41, 41}, {4, 19, 32, 39, 45, 47, 46, 43, 43, 43},
        {4, 12, 15, 25, 31, 33, 32, 32, 32, 31}, {4, 12, 16, 25, 28, 30, 33, 32, 32, 32},
        {4, 12, 16, 25, 28, 30, 33, 31, 33, 31}, {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
        {4, 12, 15, 25, 28, 30, 32, 32, 32, 32}, {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
    };
    DeviceImage image;
    image.bytes.fill(99);
    setDefaults(image);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            QVERIFY2(image[Byte::ADVANCE + 10 * r + c] == kMap[r][c],
                     qPrintable(QString("row %1 column %2").arg(r).arg(c)));
}

void tst_DeviceImage::identification_data() {
    QTest::addColumn<Bytes>("page0");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    auto page = [](int number, int day, int monthCode, int year, int hour, int minute) {
        return Bytes{{0, 'V'},       {1, 'O'},  {2, 'R'},  {3, number}, {4, day},
                     {5, monthCode}, {6, year}, {7, hour}, {8, minute}};
    };
    const int codes[12] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    const char* months[12] = {" 1", " 2", " 3", " 4", " 5", " 6",
                              " 7", " 8", " 9", "10", "11", "12"};
    for (int m = 0; m < 12; ++m)
        QTest::newRow(qPrintable(QString("month %1").arg(m + 1)))
            << page(15, 21, codes[m], 9, 14, 5) << "VOR15" << QString("21.%1.2009").arg(months[m])
            << "14:05";
    QTest::newRow("month code 0") << page(7, 3, 0, 12, 0, 0) << "VOR07"
                                  << " 3.00.2012"
                                  << "00:00";
    QTest::newRow("month code 1 unknown") << page(99, 9, 1, 99, 23, 59) << "VOR99"
                                          << " 9.00.2099"
                                          << "23:59";
    QTest::newRow("day 10") << page(0, 10, 12, 0, 9, 9) << "VOR00"
                            << "10.12.2000"
                            << "09:09";
    QTest::newRow("day 0") << page(1, 0, 38, 5, 1, 2) << "VOR01"
                           << " 0.10.2005"
                           << "01:02";

    Bytes named = page(15, 1, 25, 10, 8, 30);
    const QByteArray name = "Vortan 2 Racing, Team Blue    ";
    for (int i = 0; i < 30; ++i)
        named.append({Byte::UnitName + i, name[i]});
    QTest::newRow("unit name replaces version") << named << QString(name) << " 1. 1.2010"
                                                << "08:30";
}

void tst_DeviceImage::identification() {
    QFETCH(Bytes, page0);
    DeviceImage image = patterned();
    for (int i = 0; i < kPageSize; ++i)
        image[i] = 0;
    setBytes(image, page0);
    const Identification id = formatIdentification(image);
    QTEST(QString::fromStdString(id.version), "version");
    QTEST(QString::fromStdString(id.date), "date");
    QTEST(QString::fromStdString(id.time), "time");
}

QTEST_APPLESS_MAIN(tst_DeviceImage)
#include "tst_deviceimage.moc"
