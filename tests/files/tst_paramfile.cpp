// The parameter file: exact writer layout, reader robustness, and save/open round trips.

#include "files/ParamFile.h"

#include <QRandomGenerator>
#include <QTest>

#include <set>
#include <utility>
#include <vector>

using namespace vortan;

Q_DECLARE_METATYPE(std::string)
using ByteChanges = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(ByteChanges)

namespace {

// The file of the default parameter set, line by line.
const char* const kDefaultFileLines[] = {
    "KALVORIN_KEY   15 ",
    "",
    "BIKE            0 ",
    "BASE_ADV       10 ",
    "LIMITER1       50 ",
    "LIMITER2      110 ",
    "CLUTCH        200 ",
    "LED_RAZENI   9000 ",
    "",
    "TPS           700  3790 ",
    "N2O             1   20    60  2000  3000 ",
    "RETARD               2     6  2000  3000 ",
    "RPM2            0",
    "EXT_MON         0",
    "EXCITATION      0",
    "TPS_MAPA        0",
    "ACT_LIM1        1",
    "ACT_CLUTCH      1",
    "ACT_BLOK1       1",
    "ACT_BLOK2       1",
    "ACT_RPM         0",
    "ACT_N2O         1",
    "",
    "RPM_ADV      1000  2000  3000  4000  5000  6000  7000  8000  9000 10000 ",
    "",
    "ADVANCE         4    13    16    25    28    32    33    33    33    33 ",
    "                4    16    22    31    33    35    35    35    35    35 ",
    "                4    24    35    44    45    45    43    41    41    41 ",
    "                4    19    32    39    45    47    46    43    43    43 ",
    "                4    12    15    25    31    33    32    32    32    31 ",
    "                4    12    16    25    28    30    33    32    32    32 ",
    "                4    12    16    25    28    30    33    31    33    31 ",
    "                4    12    15    25    28    30    32    32    32    32 ",
    "                4    12    15    25    28    30    32    32    32    32 ",
    "                4    12    15    25    28    30    32    32    32    32 ",
    "            ",
    "",
    "PRIV_ENABLE    1",
    "PRIV_HYSTER   200 ",
    "RPM_PRIV     1200  2000  3000  4000  6000  8000 10000 12000 14000 16000 ",
    "NAP_PRIV     2000  2100  2200  2300  2400  2500  2600  2700  2800  2900 ",
};

std::string joined(const std::string& eol) {
    std::string s = kDefaultFileLines[0];
    for (std::size_t i = 1; i < std::size(kDefaultFileLines); ++i)
        s += eol + kDefaultFileLines[i];
    return s;
}

DeviceImage defaults() {
    DeviceImage im;
    setDefaults(im);
    return im;
}

// Defaults plus a few bytes no key carries, so "left alone" is visible.
DeviceImage startImage() {
    DeviceImage im = defaults();
    im[5] = 77;
    im[Byte::Reserved] = 3;
    im[Byte::ACT_TACHO] = 1;
    im[150] = 99;
    return im;
}

// Page-1 and page-2 bytes that the file carries, and which of them are flags.
const std::set<int>& fileBytes() {
    static const std::set<int> bytes = [] {
        std::set<int> b;
        for (int i = Byte::BIKE; i <= Byte::TPS_MAPA; ++i)
            if (i != Byte::Reserved && i != Byte::ACT_TACHO)
                b.insert(i);
        for (int i = Byte::RPM_ADV; i < kImageSize; ++i)
            b.insert(i);
        return b;
    }();
    return bytes;
}
const std::set<int> kFlagBytes = {Byte::RPM2,       Byte::EXCITATION, Byte::PRIV_ENABLE,
                                  Byte::ACT_BLOK1,  Byte::ACT_BLOK2,  Byte::ACT_CLUTCH,
                                  Byte::ACT_RPM,    Byte::ACT_N2O,    Byte::ACT_LIM1,
                                  Byte::N2O_ENABLE, Byte::TPS_MAPA};

} // namespace

class tst_ParamFile : public QObject {
    Q_OBJECT

private slots:
    void writesDefaultLayout_data();
    void writesDefaultLayout();
    void writesWideNumbersWhole();
    void reads_data();
    void reads();
    void hugeWordsAreSafe();
    void problems_data();
    void problems();
    void roundTrip();
};

void tst_ParamFile::writesDefaultLayout_data() {
    QTest::addColumn<std::string>("eol");
    QTest::newRow("LF") << std::string("\n");
    QTest::newRow("CRLF") << std::string("\r\n");
}

void tst_ParamFile::writesDefaultLayout() {
    QFETCH(std::string, eol);
    const std::string text = writeParamFile(defaults(), false, eol);
    QCOMPARE(text, joined(eol));
    QVERIFY(text.size() > 60);
    QCOMPARE(text.substr(text.size() - 6), std::string(" 2900 ")); // no line break at the end
}

void tst_ParamFile::writesWideNumbersWhole() {
    DeviceImage im = defaults();
    im[Byte::LED_RAZENI] = 255;
    im[Byte::GAS_DELAY] = 255;
    im[Byte::TPS100] = 255;
    im[Byte::ACT_RPM] = 7; // any non-zero flag prints as 1
    const std::string text = writeParamFile(im, true, "\n");
    QVERIFY(text.find("\nLED_RAZENI  25500 \n") != std::string::npos);
    QVERIFY(text.find("\nN2O             1   20    60 25500  3000 \n") != std::string::npos);
    QVERIFY(text.find("\nTPS           700  5050 \n") != std::string::npos);
    QVERIFY(text.find("\nACT_RPM         1\n") != std::string::npos);
    QVERIFY(text.find("\nEXT_MON         1\n") != std::string::npos);
}

void tst_ParamFile::reads_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("header");
    QTest::addColumn<ByteChanges>("changes");
    QTest::addColumn<int>("extMon"); // -1 absent

    const std::string h = "KALVORIN_KEY 15 ";
    QTest::newRow("empty") << std::string() << false << ByteChanges{} << -1;
    QTest::newRow("header further down")
        << std::string("LIMITER1 90 junk 12 KALVORIN_KEY 15\nCLUTCH 300") << true
        << ByteChanges{{Byte::CLUTCH, 30}} << -1;
    QTest::newRow("version 14 refused")
        << std::string("KALVORIN_KEY  14 \n\nCLUTCH 300\nLIMITER1 60\n") << false << ByteChanges{}
        << -1;
    QTest::newRow("wrong version then right one")
        << std::string("KALVORIN_KEY 14 CLUTCH 300 KALVORIN_KEY 15 LIMITER1 60") << true
        << ByteChanges{{Byte::LIMITER1, 60}} << -1;
    QTest::newRow("version low 16 bits")
        << std::string("KALVORIN_KEY 65551 BIKE 2") << true << ByteChanges{{Byte::BIKE, 2}} << -1;
    QTest::newRow("header without number") << std::string("KALVORIN_KEY KALVORIN_KEY 15 BIKE 4")
                                           << true << ByteChanges{{Byte::BIKE, 4}} << -1;
    QTest::newRow("header at the end")
        << std::string("BIKE 4 KALVORIN_KEY") << false << ByteChanges{} << -1;
    QTest::newRow("one line") << h + "BIKE 3 TPS 800 3000 RPM2 1" << true
                              << ByteChanges{{Byte::BIKE, 3},
                                             {Byte::TPS0, 80},
                                             {Byte::TPS100, 50},
                                             {Byte::RPM2, 1}}
                              << -1;
    QTest::newRow("tabs and blank lines")
        << std::string("\r\n\r\n\tKALVORIN_KEY\t15\r\n\r\n\t\tLIMITER2\t\t120\r\n\n\n") << true
        << ByteChanges{{Byte::LIMITER2, 120}} << -1;
    QTest::newRow("unknown key with numbers")
        << h + "NEW_KEY 1 2 3 BASE_ADV 12" << true << ByteChanges{{Byte::BASE_ADV, 12}} << -1;
    QTest::newRow("keys are case-sensitive")
        << h + "clutch 300 Base_Adv 12" << true << ByteChanges{} << -1;
    QTest::newRow("CLUTCH 255 drops remainder")
        << h + "CLUTCH 255" << true << ByteChanges{{Byte::CLUTCH, 25}} << -1;
    QTest::newRow("LIMITER1 300 low 8 bits")
        << h + "LIMITER1 300" << true << ByteChanges{{Byte::LIMITER1, 44}} << -1;
    QTest::newRow("scaled uses low 16 bits")
        << h + "CLUTCH 65546" << true << ByteChanges{{Byte::CLUTCH, 1}} << -1;
    QTest::newRow("second TPS 4750")
        << h + "TPS 250 4750" << true << ByteChanges{{Byte::TPS0, 25}, {Byte::TPS100, 225}} << -1;
    QTest::newRow("second TPS below 2500 wraps")
        << h + "TPS 700 2400" << true << ByteChanges{{Byte::TPS100, 246}} << -1;
    QTest::newRow("second TPS low 16 bits")
        << h + "TPS 65546 68036" << true << ByteChanges{{Byte::TPS0, 1}, {Byte::TPS100, 0}} << -1;
    QTest::newRow("second TPS 65536 + 4750")
        << h + "TPS 250 70286" << true << ByteChanges{{Byte::TPS0, 25}, {Byte::TPS100, 225}} << -1;
    QTest::newRow("N2O order") << h + "N2O 0 30 70 1500 2500" << true
                               << ByteChanges{{Byte::N2O_ENABLE, 0},
                                              {Byte::GAS1, 30},
                                              {Byte::GAS2, 70},
                                              {Byte::GAS_DELAY, 15},
                                              {Byte::GAS_BUILDUP, 25}}
                               << -1;
    QTest::newRow("RETARD order") << h + "RETARD 3 7 1200 3400" << true
                                  << ByteChanges{{Byte::RETARD1, 3},
                                                 {Byte::RETARD2, 7},
                                                 {Byte::RETARD_DELAY, 12},
                                                 {Byte::RETARD_BUILDUP, 34}}
                                  << -1;
    QTest::newRow("ACT_RPM is its own byte")
        << h + "ACT_RPM 0" << true << ByteChanges{{Byte::ACT_RPM, 0}} << -1;
    QTest::newRow("flag keeps its byte")
        << h + "EXCITATION 2" << true << ByteChanges{{Byte::EXCITATION, 2}} << -1;
    QTest::newRow("PRIV keys") << h + "PRIV_ENABLE 0 PRIV_HYSTER 1275" << true
                               << ByteChanges{{Byte::PRIV_ENABLE, 0}, {Byte::PRIV_HYSTER, 255}}
                               << -1;
    QTest::newRow("EXT_MON 1") << h + "EXT_MON 1" << true << ByteChanges{} << 1;
    QTest::newRow("EXT_MON 0") << h + "EXT_MON     0" << true << ByteChanges{} << 0;
    QTest::newRow("EXT_MON low 16 bits zero") << h + "EXT_MON 65536" << true << ByteChanges{} << 0;
    QTest::newRow("repeated key overwrites")
        << h + "LIMITER1 60 BASE_ADV 5 LIMITER1 70" << true
        << ByteChanges{{Byte::LIMITER1, 70}, {Byte::BASE_ADV, 5}} << -1;
    QTest::newRow("non-number after key")
        << h + "LIMITER1 BASE_ADV 15" << true << ByteChanges{{Byte::BASE_ADV, 15}} << -1;
    QTest::newRow("non-number inside a key's values")
        << h + "TPS 800 LIMITER1 60" << true << ByteChanges{{Byte::TPS0, 80}, {Byte::LIMITER1, 60}}
        << -1;
    QTest::newRow("digits with letters are no number")
        << h + "LIMITER1 12abc BASE_ADV 15" << true << ByteChanges{{Byte::BASE_ADV, 15}} << -1;
    QTest::newRow("signed is no number")
        << h + "LIMITER1 -5 BASE_ADV 15" << true << ByteChanges{{Byte::BASE_ADV, 15}} << -1;
    QTest::newRow("number wraps modulo 2^32")
        << h + "LIMITER1 4294967297 BASE_ADV 4294967296" << true
        << ByteChanges{{Byte::LIMITER1, 1}, {Byte::BASE_ADV, 0}} << -1;
    QTest::newRow("advance map partly")
        << h + "ADVANCE 1 2 3 KEY" << true
        << ByteChanges{{Byte::ADVANCE, 1}, {Byte::ADVANCE + 1, 2}, {Byte::ADVANCE + 2, 3}} << -1;
    QTest::newRow("axes scaled") << h + "RPM_ADV 1099 2000 RPM_PRIV 300 NAP_PRIV 39 40" << true
                                 << ByteChanges{{Byte::RPM_ADV, 10},
                                                {Byte::RPM_ADV + 1, 20},
                                                {Byte::RPM_PRIV, 3},
                                                {Byte::NAP_PRIV, 1},
                                                {Byte::NAP_PRIV + 1, 2}}
                                 << -1;
}

void tst_ParamFile::reads() {
    QFETCH(std::string, text);
    QFETCH(bool, header);
    QFETCH(ByteChanges, changes);
    QFETCH(int, extMon);

    DeviceImage image = startImage();
    DeviceImage expected = image;
    for (const auto& [byte, value] : changes)
        expected[byte] = static_cast<std::uint8_t>(value);

    const ParamFileResult r = readParamFile(text, image);
    QCOMPARE(r.headerFound, header);
    for (int i = 0; i < kImageSize; ++i)
        QVERIFY2(
            image[i] == expected[i],
            qPrintable(
                QStringLiteral("byte %1: %2, expected %3").arg(i).arg(image[i]).arg(expected[i])));
    QCOMPARE(r.extMonitor.has_value(), extMon >= 0);
    if (extMon >= 0)
        QCOMPARE(*r.extMonitor, extMon == 1);
}

void tst_ParamFile::hugeWordsAreSafe() {
    const std::string h = "KALVORIN_KEY 15 ";
    const std::string letters(100000, 'A');
    const std::string nines(100000, '9'); // 10^100000 - 1

    DeviceImage image = startImage();
    DeviceImage expected = image;
    // Modulo 2^32 the number is 2^32 - 1: low 8 bits 255, low 16 bits 65535 / 10 = 6553.
    expected[Byte::LIMITER1] = 255;
    expected[Byte::CLUTCH] = static_cast<std::uint8_t>(6553);
    expected[Byte::BASE_ADV] = 15;
    const std::string text = letters + " " + h + letters + " LIMITER1 " + nines + " CLUTCH " +
                             nines + " BASE_ADV " + letters + nines + " BASE_ADV 15";
    const ParamFileResult r = readParamFile(text, image);
    QVERIFY(r.headerFound);
    QVERIFY(image == expected);

    // Many short words in a row are read in one pass.
    std::string many = h;
    for (int i = 0; i < 200000; ++i)
        many += "KALVORIN_KEY x ";
    many += "BIKE 5";
    image = startImage();
    QVERIFY(readParamFile(many, image).headerFound);
    QCOMPARE(int(image[Byte::BIKE]), 5);
}

// What is told of a file that is cut off or edited by hand: "kind key [value readAs]".
void tst_ParamFile::problems_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<QStringList>("told");
    const std::string full = joined("\n");
    QTest::newRow("complete") << full << QStringList{};
    QTest::newRow("cut inside ADVANCE")
        << full.substr(0, full.find("ADVANCE") + 100)
        << QStringList{"cut ADVANCE", "missing PRIV_ENABLE", "missing PRIV_HYSTER",
                       "missing RPM_PRIV", "missing NAP_PRIV"};
    QTest::newRow("a word for a number, told once")
        << full + " CLUTCH abc CLUTCH abc" << QStringList{"cut CLUTCH"};
    QTest::newRow("scaled too large") << full + " CLUTCH 2600" << QStringList{"fit CLUTCH 2600 40"};
    QTest::newRow("beyond 16 bits") << full + " CLUTCH 65540" << QStringList{"fit CLUTCH 65540 0"};
    QTest::newRow("byte too large") << full + " BASE_ADV 256" << QStringList{"fit BASE_ADV 256 0"};
    QTest::newRow("below the offset") << full + " TPS 700 1000" << QStringList{"fit TPS 1000 3560"};
    QTest::newRow("flag too large") << full + " RPM2 257" << QStringList{"fit RPM2 257 1"};
    QTest::newRow("largest that fit")
        << full + " CLUTCH 2559 BASE_ADV 255 TPS 2550 5059 RPM2 255" << QStringList{};
}

void tst_ParamFile::problems() {
    QFETCH(std::string, text);
    QFETCH(QStringList, told);
    DeviceImage image = defaults();
    const ParamFileResult r = readParamFile(text, image);
    QStringList got;
    for (const FileProblem& p : r.problems) {
        const QString key = QString::fromStdString(p.key);
        if (p.kind == FileProblemKind::DoesNotFit)
            got << QString("fit %1 %2 %3").arg(key).arg(p.value).arg(p.readAs);
        else
            got << (p.kind == FileProblemKind::Missing ? "missing " : "cut ") + key;
    }
    QCOMPARE(got, told);
}

void tst_ParamFile::roundTrip() {
    QRandomGenerator rng(20040911);
    for (int run = 0; run < 300; ++run) {
        DeviceImage saved;
        for (auto& b : saved.bytes)
            b = static_cast<std::uint8_t>(rng.bounded(256));
        for (int f : kFlagBytes)
            saved[f] = static_cast<std::uint8_t>(rng.bounded(2));
        const bool ext = rng.bounded(2) == 1;
        const std::string eol = run % 2 ? "\r\n" : "\n";

        DeviceImage opened;
        opened.bytes.fill(0xA5);
        const ParamFileResult r = readParamFile(writeParamFile(saved, ext, eol), opened);
        QVERIFY(r.headerFound);
        QVERIFY(r.problems.empty()); // whatever the set, its file is whole
        QVERIFY(r.extMonitor.has_value());
        QCOMPARE(*r.extMonitor, ext);
        for (int i = 0; i < kImageSize; ++i) {
            const int want = fileBytes().count(i) ? saved[i] : 0xA5;
            if (opened[i] != want)
                QFAIL(qPrintable(QStringLiteral("run %1 byte %2: %3, expected %4")
                                     .arg(run)
                                     .arg(i)
                                     .arg(opened[i])
                                     .arg(want)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_ParamFile)
#include "tst_paramfile.moc"
