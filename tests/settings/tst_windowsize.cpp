// The window's size between runs: a section of its own after the existing ones.

#include "settings/Settings.h"
#include "settings/WindowSize.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vortan;

class tst_WindowSize : public QObject {
    Q_OBJECT

private slots:
    void keptAfterTheExistingSections();
    void unusableSizeIgnored_data();
    void unusableSizeIgnored();
    void fittedToScreen_data();
    void fittedToScreen();
    void frameFitted_data();
    void frameFitted();
};

void tst_WindowSize::keptAfterTheExistingSections() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Vortan2.ini");
    {
        IniFile ini(path);
        QVERIFY(!readWindowSize(ini));
        QVERIFY(writeSettings(ini, FormSettings{}));
        QVERIFY(writeWindowSize(ini, {QSize(1280, 720), true}));
    }
    const IniFile ini(path);
    const std::optional<WindowSize> w = readWindowSize(ini);
    QVERIFY(w);
    QCOMPARE(w->size, QSize(1280, 720));
    QVERIFY(w->maximized);
    const QStringList lines = ini.lines();
    QVERIFY(lines.indexOf("[WINDOW]") > lines.indexOf("[IGNITION]"));
    QCOMPARE(lines.mid(lines.indexOf("[WINDOW]")),
             QStringList({"[WINDOW]", "Width=1280", "Height=720", "Maximized=1"}));
}

void tst_WindowSize::unusableSizeIgnored_data() {
    QTest::addColumn<QString>("section");
    QTest::newRow("no height") << "[WINDOW]\nWidth=900\n";
    QTest::newRow("zero width") << "[WINDOW]\nWidth=0\nHeight=700\n";
    QTest::newRow("negative") << "[WINDOW]\nWidth=-900\nHeight=700\n";
    QTest::newRow("words") << "[WINDOW]\nWidth=wide\nHeight=tall\n";
}

void tst_WindowSize::unusableSizeIgnored() {
    QFETCH(QString, section);
    QTemporaryDir dir;
    QFile f(dir.filePath("Vortan2.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(section.toUtf8());
    f.close();
    QVERIFY(!readWindowSize(IniFile(f.fileName())));
}

// On a screen of 1366 × 740 free, for a window that needs 700 × 500.
void tst_WindowSize::fittedToScreen_data() {
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("fits") << QSize(1000, 700) << QSize(1000, 700);
    QTest::newRow("larger than the screen") << QSize(1920, 1080) << QSize(1366, 740);
    QTest::newRow("below the minimum") << QSize(300, 200) << QSize(700, 500);
}

void tst_WindowSize::fittedToScreen() {
    QFETCH(QSize, stored);
    QFETCH(QSize, fitted);
    QCOMPARE(fittedWindowSize(stored, QSize(700, 500), QSize(1366, 740)), fitted);
}

// A dialog's frame on a screen whose free area is 800 × 570 below a 30 pixel panel.
void tst_WindowSize::frameFitted_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("fitted");
    QTest::newRow("fits") << QRect(100, 80, 640, 420) << QRect(100, 80, 640, 420);
    QTest::newRow("taller than the screen") << QRect(0, 0, 826, 670) << QRect(0, 30, 800, 570);
    QTest::newRow("off the right and bottom")
        << QRect(500, 400, 400, 300) << QRect(400, 300, 400, 300);
    QTest::newRow("above the panel") << QRect(-20, 10, 300, 200) << QRect(0, 30, 300, 200);
}

void tst_WindowSize::frameFitted() {
    QFETCH(QRect, frame);
    QFETCH(QRect, fitted);
    QCOMPARE(fittedFrame(frame, QRect(0, 30, 800, 570)), fitted);
}

QTEST_APPLESS_MAIN(tst_WindowSize)
#include "tst_windowsize.moc"
