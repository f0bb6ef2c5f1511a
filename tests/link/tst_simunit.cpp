// The simulated unit's engine model and identification page.

#include "sim/SimUnit.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace vortan;

namespace {
int word(const Frame& f, int offset) {
    return f[offset] | f[offset + 1] << 8;
}
} // namespace

class tst_SimUnit : public QObject {
    Q_OBJECT
private slots:
    void identification();
    void monitorModel();
    void switchesReachPage0();
    void scheduledVanish();
};

void tst_SimUnit::identification() {
    SimUnit sim;
    const DeviceImage im = sim.image();
    QCOMPARE(im[Byte::CompatibilityCode], 15);
    QCOMPARE(im[Byte::BikeMask0], 0x3F);
    const Identification id = formatIdentification(im);
    QCOMPARE(QString::fromStdString(id.version), QStringLiteral("VRT21"));
    QCOMPARE(QString::fromStdString(id.date), QStringLiteral("14. 3.2024"));
    DeviceImage defaults = im;
    setDefaults(defaults);
    QVERIFY(defaults == im); // pages 1 and 2 hold the defaults
}

void tst_SimUnit::monitorModel() {
    SimUnit sim; // not started: pump() only advances the model
    const DeviceImage im = sim.image();
    const int first = im[Byte::RPM_ADV] * 100;
    const int last = im[Byte::RPM_ADV + 9] * 100;
    bool below = false, inside = false, above = false, sensorError = false, flagsToggled = false;
    int lastBlok1 = -1;
    int servoLagging = 0;
    for (int step = 0; step < 1200; ++step) {
        sim.pump();
        const Frame f = sim.monitorFrame();
        QVERIFY(frameValid(f));
        QCOMPARE(f[0], Command::MonitorReply);
        const int rpm = word(f, 1);
        const int tps = f[29];
        below |= rpm < first;
        inside |= rpm >= first && rpm <= last;
        above |= rpm > last;
        sensorError |= tps > 100;
        // The advance comes from the map cell of the current speed and throttle.
        int column = -1;
        for (int c = 0; c < 10; ++c)
            if (rpm >= im[Byte::RPM_ADV + c] * 100)
                column = c;
        int row = 0;
        for (int r = 0; r < 10; ++r)
            if (std::min(tps, 100) >= kThrottleAxis[r])
                row = r;
        QCOMPARE(int(f[30]), column < 0 ? int(im[Byte::BASE_ADV]) : int(im.map(row, column)));
        if (word(f, 7) != word(f, 9))
            ++servoLagging;
        if (lastBlok1 >= 0 && lastBlok1 != f[33])
            flagsToggled = true;
        lastBlok1 = f[33];
        QCOMPARE(word(f, 11), 0);
    }
    QVERIFY(below && inside && above);
    QVERIFY(sensorError);
    QVERIFY(flagsToggled);
    QVERIFY(servoLagging > 0);
}

void tst_SimUnit::switchesReachPage0() {
    SimUnit sim;
    SimSwitches sw;
    sw.compatibilityCode = 14;
    sw.bikeMask = 0x05;
    sim.setSwitches(sw);
    QCOMPARE(sim.image()[Byte::CompatibilityCode], 14);
    QCOMPARE(sim.image()[Byte::BikeMask0], 0x05);
    QVERIFY(!bikeSupported(sim.image(), 1));
    QVERIFY(bikeSupported(sim.image(), 2));
}

void tst_SimUnit::scheduledVanish() {
    QTemporaryDir dir;
    const std::string link = dir.filePath("unit").toStdString();
    SimUnit sim;
    SimSwitches sw;
    sw.vanishAfterSteps = 3;
    sw.vanishForSteps = 2;
    sim.setSwitches(sw);
    QVERIFY(sim.start());
    QVERIFY(sim.setLinkPath(link));
    QCOMPARE(QFileInfo(QString::fromStdString(link)).symLinkTarget(),
             QString::fromStdString(sim.slavePath()));
    sim.pump();
    sim.pump();
    QVERIFY(sim.present());
    sim.pump();
    QVERIFY(!sim.present());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(link))); // no link to a freed terminal
    sim.pump();
    QVERIFY(!sim.present());
    sim.pump();
    QVERIFY(sim.present());
    QCOMPARE(QFileInfo(QString::fromStdString(link)).symLinkTarget(),
             QString::fromStdString(sim.slavePath()));
}

QTEST_APPLESS_MAIN(tst_SimUnit)
#include "tst_simunit.moc"
