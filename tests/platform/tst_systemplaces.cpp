// The places of this system: the device behind COMn with and without a [PORTS] entry, and
// the folders of both settings files and of the restore points.

#include "settings/IniFile.h"
#include "settings/RestorePoints.h"
#include "settings/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vortan;

class tst_SystemPlaces : public QObject {
    Q_OBJECT

private slots:
    void portDevice_data();
    void portDevice();
    void settingsFiles();
    void restorePoints();
};

void tst_SystemPlaces::portDevice_data() {
    QTest::addColumn<int>("comPort");
    QTest::addColumn<QString>("entry"); // COMn in [PORTS]; empty for none
    QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
    QTest::newRow("COM1 itself") << 1 << QString() << "COM1";
    QTest::newRow("COM10 itself") << 10 << QString() << "COM10";
#else
    QTest::newRow("COM1 first built-in port") << 1 << QString() << "/dev/ttyS0";
    QTest::newRow("COM10 tenth built-in port") << 10 << QString() << "/dev/ttyS9";
#endif
    QTest::newRow("entry: a USB adapter's high port") << 3 << "COM14"
                                                      << "COM14";
    QTest::newRow("entry: a long port name") << 2 << "\\\\.\\COM21"
                                             << "\\\\.\\COM21";
    QTest::newRow("entry: a device path") << 1 << "/dev/ttyUSB0"
                                          << "/dev/ttyUSB0";
}

void tst_SystemPlaces::portDevice() {
    QFETCH(int, comPort);
    QFETCH(QString, entry);
    QFETCH(QString, device);
    IniFile ini;
    if (!entry.isEmpty())
        ini.writeString(QStringLiteral("PORTS"), QStringLiteral("COM%1").arg(comPort), entry);
    QCOMPARE(portDevicePath(ini, comPort), device);
}

void tst_SystemPlaces::settingsFiles() {
    QTemporaryDir linuxConfig, windowsAppData;
    qputenv("XDG_CONFIG_HOME", linuxConfig.path().toLocal8Bit());
    // Windows gives %APPDATA% with backslashes.
    qputenv("APPDATA", QDir::toNativeSeparators(windowsAppData.path()).toLocal8Bit());
#ifdef Q_OS_WIN
    const QString folder = windowsAppData.path() + "/Vortan2";
#else
    const QString folder = linuxConfig.path() + "/Vortan2";
#endif
    QCOMPARE(settingsFilePath(), folder + "/Vortan2.ini");
    QCOMPARE(lastImageFilePath(), folder + "/_Vortan2.ini");
    QVERIFY(QDir(folder).exists());
}

void tst_SystemPlaces::restorePoints() {
    QTemporaryDir linuxData, windowsLocal;
    qputenv("XDG_DATA_HOME", linuxData.path().toLocal8Bit());
    qputenv("LOCALAPPDATA", QDir::toNativeSeparators(windowsLocal.path()).toLocal8Bit());
#ifdef Q_OS_WIN
    QCOMPARE(restorePointFolder(), windowsLocal.path() + "/Vortan2/history");
#else
    QCOMPARE(restorePointFolder(), linuxData.path() + "/Vortan2/history");
#endif
}

QTEST_GUILESS_MAIN(tst_SystemPlaces)
#include "tst_systemplaces.moc"
