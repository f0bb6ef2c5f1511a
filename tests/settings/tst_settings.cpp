// Settings kept between runs and the last-image file.

#include "Unprivileged.h"
#include "settings/ExitSettings.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace vortan;

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(text), qint64(text.size()));
}

QByteArray readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

DeviceImage defaults() {
    DeviceImage im;
    setDefaults(im);
    return im;
}

FormSettings sample() {
    FormSettings s;
    s.left = -20;
    s.top = 340;
    s.comPort = 7;
    s.language = 2;
    s.file = QStringLiteral("/home/tuner/R6 závod.ign");
    s.iniDir = QStringLiteral("/home/tuner/R6 závod.ign");
    s.activePage = 3;
    s.extMonitor = true;
    return s;
}

} // namespace

class tst_Settings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void folderUnderConfigHome();
    void writtenFileText();
    void roundTrip();
    void defaultsWhenMissing();
    void readValues_data();
    void readValues();
    void unknownKeysKept();
    void portDevicePaths();
    void askToProgram_data();
    void askToProgram();

    void lastImageText();
    void lastImageRoundTrip();
    void lastImageShortFile();
    void lastImageMissingFile();
    void lastImageReads_data();
    void lastImageReads();
    void lastImageLargeFiles();
    void lastImageWriteFailureKeepsOldFile();
    void shortWriteKeepsOldFiles();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void tst_Settings::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
}

void tst_Settings::folderUnderConfigHome() {
    const QString folder = settingsFolder();
    QCOMPARE(folder, path("config") + "/Vortan2");
    QVERIFY(QDir(folder).exists());
    QCOMPARE(settingsFilePath(), folder + "/Vortan2.ini");
    QCOMPARE(lastImageFilePath(), folder + "/_Vortan2.ini");
}

void tst_Settings::writtenFileText() {
    IniFile ini(path("written.ini"));
    QVERIFY(writeSettings(ini, sample()));
    QCOMPARE(QString::fromUtf8(readText(path("written.ini"))),
             QString("[FORM_HLAV]\n"
                     "Left=-20\n"
                     "Top=340\n"
                     "ComPort=7\n"
                     "Language=2\n"
                     "File=/home/tuner/R6 závod.ign\n"
                     "IniDir=/home/tuner/R6 závod.ign\n"
                     "ActivePage =3\n"
                     "[IGNITION]\n"
                     "CheckBoxExtMonitor->Checked=1\n"));
}

void tst_Settings::roundTrip() {
    const QString file = path("roundtrip.ini");
    for (int page = 1; page <= 4; ++page) {
        FormSettings s = sample();
        s.activePage = page;
        s.extMonitor = page % 2 == 0;
        IniFile ini(file);
        QVERIFY(writeSettings(ini, s));

        const FormSettings r = readSettings(IniFile(file), FormSettings{});
        QCOMPARE(r.left, s.left);
        QCOMPARE(r.top, s.top);
        QCOMPARE(r.comPort, s.comPort);
        QCOMPARE(r.language, s.language);
        QCOMPARE(r.file, s.file);
        QCOMPARE(r.iniDir, s.iniDir);
        QCOMPARE(r.activePage, page);
        QCOMPARE(r.extMonitor, s.extMonitor);
    }
    // Writing again replaced the lines: each key is there once.
    QCOMPARE(readText(file).count("ActivePage"), 1);
}

void tst_Settings::defaultsWhenMissing() {
    FormSettings current;
    current.comPort = 1;
    const FormSettings r = readSettings(IniFile(path("absent.ini")), current);
    QVERIFY(!r.left.has_value());
    QVERIFY(!r.top.has_value());
    QCOMPARE(int(r.comPort), 1);
    QCOMPARE(int(r.language), 0);
    QVERIFY(r.file.isEmpty());
    QVERIFY(r.iniDir.isEmpty());
    QCOMPARE(r.activePage, 1);
    QVERIFY(!r.extMonitor);

    current.left = 100;
    current.extMonitor = true;
    const FormSettings kept = readSettings(IniFile(path("absent.ini")), current);
    QCOMPARE(kept.left, std::optional<int>(100));
    QVERIFY(kept.extMonitor);
}

void tst_Settings::readValues_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("comPort");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("ext");
    QTest::addColumn<int>("left");

    QTest::newRow("low 8 bits") << QByteArray("[FORM_HLAV]\nComPort=257\nLanguage=258\n") << 1 << 2
                                << 1 << false << -1;
    QTest::newRow("page 7 is the first")
        << QByteArray("[FORM_HLAV]\nActivePage =7\n") << 1 << 0 << 1 << false << -1;
    QTest::newRow("page 0 is the first")
        << QByteArray("[FORM_HLAV]\nActivePage=0\n") << 1 << 0 << 1 << false << -1;
    QTest::newRow("page 4") << QByteArray("[FORM_HLAV]\nActivePage=4\n") << 1 << 0 << 4 << false
                            << -1;
    QTest::newRow("any non-zero checks")
        << QByteArray("[ignition]\ncheckboxextmonitor->checked=5\n") << 1 << 0 << 1 << true << -1;
    QTest::newRow("left not a number stays")
        << QByteArray("[FORM_HLAV]\nLeft=abc\nTop=3\n") << 1 << 0 << 1 << false << -1;
    QTest::newRow("left negative")
        << QByteArray("[FORM_HLAV]\nLeft=-5\n") << 1 << 0 << 1 << false << -5;
}

void tst_Settings::readValues() {
    QFETCH(QByteArray, text);
    QFETCH(int, comPort);
    QFETCH(int, language);
    QFETCH(int, page);
    QFETCH(bool, ext);
    QFETCH(int, left);
    writeText(path("values.ini"), text);
    const FormSettings r = readSettings(IniFile(path("values.ini")), FormSettings{});
    QCOMPARE(int(r.comPort), comPort);
    QCOMPARE(int(r.language), language);
    QCOMPARE(r.activePage, page);
    QCOMPARE(r.extMonitor, ext);
    QCOMPARE(r.left.value_or(-1), left);
}

void tst_Settings::unknownKeysKept() {
    const QString file = path("ports.ini");
    writeText(file, "[FORM_HLAV]\nLeft=1\nFavourite=yes\n[PORTS]\nCOM2=/dev/ttyUSB0\n");
    IniFile ini(file);
    QVERIFY(writeSettings(ini, sample()));
    const IniFile again(file);
    QCOMPARE(again.readString("FORM_HLAV", "Favourite", ""), QString("yes"));
    QCOMPARE(again.readInteger("FORM_HLAV", "Left", 0), -20);
    QCOMPARE(portDevicePath(again, 2), QString("/dev/ttyUSB0"));
}

void tst_Settings::portDevicePaths() {
    IniFile ini;
    ini.writeString("PORTS", "COM4", "/dev/ttyACM0");
    ini.writeString("PORTS", "COM5", "");
    QCOMPARE(portDevicePath(ini, 4), QString("/dev/ttyACM0"));
#ifdef Q_OS_WIN
    QCOMPARE(portDevicePath(ini, 1), QString("COM1"));
#else
    QCOMPARE(portDevicePath(ini, 1), QString("/dev/ttyS0"));
    QCOMPARE(portDevicePath(ini, 5), QString("/dev/ttyS4")); // empty value: the default
    QCOMPARE(portDevicePath(ini, 10), QString("/dev/ttyS9"));
#endif
}

void tst_Settings::askToProgram_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ask");
    QTest::newRow("no file") << QByteArray() << true;
    QTest::newRow("do not ask again") << QByteArray("[EXIT]\nAskToProgram=0\n") << false;
    QTest::newRow("ask") << QByteArray("[exit]\naskToProgram = 1\n") << true;
    QTest::newRow("not a number") << QByteArray("[EXIT]\nAskToProgram=no\n") << true;
}

void tst_Settings::askToProgram() {
    QFETCH(QByteArray, text);
    QFETCH(bool, ask);
    writeText(path("exit.ini"), text);
    IniFile ini(path("exit.ini"));
    QCOMPARE(readAskToProgram(ini), ask);
    storeAskToProgram(ini, !ask);
    QVERIFY(ini.save());
    QCOMPARE(readAskToProgram(IniFile(path("exit.ini"))), !ask);
}

void tst_Settings::lastImageText() {
    DeviceImage im;
    for (int i = 0; i < kImageSize; ++i)
        im[i] = static_cast<std::uint8_t>(i * 7);
    const std::string text = vortan::lastImageText(im);
    QCOMPARE(text.size(), std::size_t(300 * 6 + 30));
    QCOMPARE(text.substr(0, 61),
             std::string("    0     7    14    21    28    35    42    49    56    63 \n"));
    QCOMPARE(text.substr(text.size() - 61),
             std::string("  238   245   252     3    10    17    24    31    38    45 \n"));
}

void tst_Settings::lastImageRoundTrip() {
    QRandomGenerator rng(42);
    DeviceImage saved;
    for (auto& b : saved.bytes)
        b = static_cast<std::uint8_t>(rng.bounded(256));
    saved[0] = 255;
    saved[299] = 0;
    QVERIFY(writeLastImage(path("img/_Vortan2.ini"), saved));
    DeviceImage loaded = defaults();
    QVERIFY(readLastImage(path("img/_Vortan2.ini"), loaded));
    QVERIFY(loaded == saved);
}

void tst_Settings::lastImageShortFile() {
    writeText(path("short.ini"), "1 2 3 4 5 6 7 8 9 10\n11 12");
    DeviceImage im = defaults();
    DeviceImage expected = defaults();
    for (int i = 0; i < 12; ++i)
        expected[i] = static_cast<std::uint8_t>(i + 1);
    QVERIFY(readLastImage(path("short.ini"), im));
    QVERIFY(im == expected);
}

void tst_Settings::lastImageMissingFile() {
    DeviceImage im = defaults();
    QVERIFY(!readLastImage(path("nothing/_Vortan2.ini"), im));
    QVERIFY(im == defaults());
}

void tst_Settings::lastImageReads_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("values"); // bytes 0.. after reading, -1 untouched

    QTest::newRow("empty") << QByteArray() << QList<int>{-1, -1};
    QTest::newRow("low 8 bits") << QByteArray("256 511 4294967297 99999999999999999999")
                                << QList<int>{0, 255, 1, 255, -1};
    QTest::newRow("stops at a word") << QByteArray("1 2 x 4") << QList<int>{1, 2, -1, -1};
    QTest::newRow("digits then letters") << QByteArray("5 6abc 7") << QList<int>{5, -1, -1};
    QTest::newRow("signed is no number") << QByteArray("5 -6 7") << QList<int>{5, -1, -1};
    QTest::newRow("tabs and CRLF") << QByteArray("\t8\r\n\r\n9\t") << QList<int>{8, 9, -1};
    QTest::newRow("binary") << QByteArray("3 \x00\x01\xff 4", 7) << QList<int>{3, -1, -1};
}

void tst_Settings::lastImageReads() {
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, values);
    writeText(path("reads.ini"), text);
    DeviceImage im;
    im.bytes.fill(0x5A);
    QVERIFY(readLastImage(path("reads.ini"), im));
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(int(im[i]), values[i] < 0 ? 0x5A : values[i]);
}

void tst_Settings::lastImageLargeFiles() {
    // Megabytes of blanks before the numbers, then more than 300 numbers.
    QByteArray text(3 * 1024 * 1024, ' ');
    for (int i = 0; i < 400; ++i)
        text += QByteArray::number(i) + '\n';
    writeText(path("large.ini"), text);
    DeviceImage im;
    QVERIFY(readLastImage(path("large.ini"), im));
    for (int i = 0; i < kImageSize; ++i)
        QCOMPARE(int(im[i]), i & 0xFF);

    // One digit string of megabytes: 10^n - 1 modulo 256 is 255.
    writeText(path("digits.ini"), QByteArray(3 * 1024 * 1024, '9') + " 7");
    QVERIFY(readLastImage(path("digits.ini"), im));
    QCOMPARE(int(im[0]), 255);
    QCOMPARE(int(im[1]), 7);

    // Random binary data: whatever is read, it is read without harm.
    QByteArray garbage(4 * 1024 * 1024, '\0');
    QRandomGenerator rng(7);
    rng.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    writeText(path("garbage.ini"), garbage);
    QVERIFY(readLastImage(path("garbage.ini"), im));
}

void tst_Settings::lastImageWriteFailureKeepsOldFile() {
    if (runningAsNobody()) { // a file and a folder the user may not write
        const std::optional<WriteError> why =
            saveLastImage(nobodyBase() + "/locked/_Vortan2.ini", defaults());
        QVERIFY(why);
        QCOMPARE(int(why->failure), int(WriteFailure::NoPermission));
        return;
    }
    // A folder that is a regular file cannot hold the file.
    writeText(path("plainfile"), "x");
    QVERIFY(!writeLastImage(path("plainfile/_Vortan2.ini"), defaults()));

    QVERIFY(QDir().mkpath(path("locked")));
    const QString file = path("locked/_Vortan2.ini");
    writeText(file, "1 2 3\n");
    QVERIFY(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ExeOther));
    QVERIFY(rerunAsNobody(dir_.path()));
    QCOMPARE(readText(file), QByteArray("1 2 3\n"));
}

// A full disk: the write stops short. Neither file may be replaced by a truncated one.
void tst_Settings::shortWriteKeepsOldFiles() {
    const QString imagePath = path("short_Vortan2.ini");
    const QString iniPath = path("short.ini");
    DeviceImage old = defaults();
    old[Byte::BASE_ADV] = 33;
    QVERIFY(writeLastImage(imagePath, old));
    IniFile ini(iniPath);
    ini.writeString("FORM_HLAV", "File", QString(400, 'a'));
    QVERIFY(ini.save());
    QFile imageFile(imagePath);
    QVERIFY(imageFile.open(QIODevice::ReadOnly));
    const QByteArray imageBefore = imageFile.readAll();
    imageFile.close();
    QFile iniFile(iniPath);
    QVERIFY(iniFile.open(QIODevice::ReadOnly));
    const QByteArray iniBefore = iniFile.readAll();
    iniFile.close();

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = saved;
    low.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
    DeviceImage changed = defaults();
    changed[Byte::BASE_ADV] = 7;
    const std::optional<WriteError> imageFailed = saveLastImage(imagePath, changed);
    ini.writeString("FORM_HLAV", "File", QString(500, 'b'));
    const std::optional<WriteError> iniFailed = ini.trySave();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    // Both say why, as the close reports it.
    QVERIFY(imageFailed && iniFailed);
    QCOMPARE(int(imageFailed->failure), int(WriteFailure::NoSpace));
    QCOMPARE(int(iniFailed->failure), int(WriteFailure::NoSpace));
    QVERIFY(imageFile.open(QIODevice::ReadOnly));
    QCOMPARE(imageFile.readAll(), imageBefore);
    QVERIFY(iniFile.open(QIODevice::ReadOnly));
    QCOMPARE(iniFile.readAll(), iniBefore);
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
