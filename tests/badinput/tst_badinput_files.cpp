// The settings readers on hostile files: files beyond their size limit are taken as missing
// (bounded time and memory), and INI lines of 100 000 characters or binary bytes are read and
// kept.

#include "BigFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

using namespace vortan;

namespace {
constexpr qint64 k100MB = 100LL * 1024 * 1024;
// Far above one pass over 100 MB (well under a second), far below a quadratic reader.
constexpr qint64 kMaxMs = 30000;
constexpr long kMaxGrowthMiB = 32;
} // namespace

class tst_BadInputFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void hugeSettingsFiles_data();
    void hugeSettingsFiles();
    void iniLongLines();
    void iniBinaryGarbage();
};

void tst_BadInputFiles::hugeSettingsFiles_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<bool>("read"); // else taken as missing
    // The first rows run first, while the process's peak memory is still low.
    QTest::newRow("100 MB of digits") << k100MB << QByteArray("9") << false;
    QTest::newRow("100 MB of blanks") << k100MB << QByteArray(" \t\r\n") << false;
    QTest::newRow("one byte over the limit")
        << kMaxSettingsFileSize + 1 << QByteArray("9 ") << false;
    QTest::newRow("at the limit") << kMaxSettingsFileSize << QByteArray("9 ") << true;
}

// The same file as the last image and as the settings file.
void tst_BadInputFiles::hugeSettingsFiles() {
    QFETCH(qint64, size);
    QFETCH(QByteArray, pattern);
    QFETCH(bool, read);
    const QString file = path("_Vortan2.ini");
    QVERIFY(writeBigFile(file, size, pattern));
    QCOMPARE(QFileInfo(file).size(), size);

    DeviceImage image;
    image.bytes.fill(0x5A);
    const long before = peakMemoryMiB();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(readLastImage(file, image), read);
    const IniFile ini(file);
    const qint64 ms = timer.elapsed();
    QFile::remove(file);

    QVERIFY2(ms < kMaxMs, qPrintable(QString("%1 ms").arg(ms)));
    QVERIFY2(peakMemoryMiB() - before < kMaxGrowthMiB,
             qPrintable(QString("%1 MiB more").arg(peakMemoryMiB() - before)));
    QCOMPARE(int(image[0]), read ? 9 : 0x5A);
    QCOMPARE(ini.lines().isEmpty(), !read);
}

// Words of 100 000 characters as section, key and value: read, and kept through a write.
void tst_BadInputFiles::iniLongLines() {
    const QString longName(100000, 'K');
    const QString longValue(100000, 'v');
    const QString digits(100000, '7');
    const QByteArray text = "[" + longName.toUtf8() + "]\n" + longName.toUtf8() + "=" +
                            longValue.toUtf8() + "\n[FORM_HLAV]\nFile=" + longValue.toUtf8() +
                            "\nLeft=" + digits.toUtf8() + "\nTop=-" + digits.toUtf8() + "\n";
    {
        QFile f(path("long.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(text), qint64(text.size()));
    }
    IniFile ini(path("long.ini"));
    QCOMPARE(ini.readString(longName, longName.toLower(), "none"), longValue);
    QCOMPARE(ini.readInteger("FORM_HLAV", "Left", 0), INT_MAX); // saturates
    QCOMPARE(ini.readInteger("FORM_HLAV", "Top", 0), INT_MIN);
    const FormSettings s = readSettings(ini, FormSettings());
    QCOMPARE(s.file, longValue);
    QCOMPARE(s.left.value_or(0), INT_MAX);

    ini.writeString(longName, "Added", "1");
    ini.writeInteger("FORM_HLAV", "Left", 5);
    QVERIFY(ini.save());
    IniFile again(path("long.ini"));
    QCOMPARE(again.lines(),
             QStringList({"[" + longName + "]", longName + "=" + longValue, "Added=1",
                          "[FORM_HLAV]", "File=" + longValue, "Left=5", "Top=-" + digits}));
}

// Binary bytes (zeros, control characters, broken UTF-8) give settings within their bounds,
// and what is written into such a file reads back.
void tst_BadInputFiles::iniBinaryGarbage() {
    QRandomGenerator rng(1250);
    for (int run = 0; run < 20; ++run) {
        QByteArray bytes(4096 + run * 97, '\0');
        rng.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        if (run % 2)
            bytes.prepend("[FORM_HLAV]\nActivePage=\xff\xfe\nComPort=\x00\x01" + QByteArray(1, 0));
        {
            QFile f(path("garbage.ini"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(bytes), qint64(bytes.size()));
        }
        IniFile ini(path("garbage.ini"));
        FormSettings s = readSettings(ini, FormSettings());
        QVERIFY(s.activePage >= 1 && s.activePage <= 4);
        if (run % 2)
            QCOMPARE(s.comPort, FormSettings().comPort); // "\0\1" is no number
        s.file = "garbage " + QString::number(run);
        QVERIFY(writeSettings(ini, s));
        IniFile again(path("garbage.ini"));
        const FormSettings back = readSettings(again, FormSettings());
        QCOMPARE(back.file, s.file);
        QCOMPARE(back.activePage, s.activePage);
        QCOMPARE(back.comPort, s.comPort);
    }
}

QTEST_GUILESS_MAIN(tst_BadInputFiles)
#include "tst_badinput_files.moc"
