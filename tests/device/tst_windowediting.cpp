// The editing buttons of the main window, wired to the live monitor and the options: each
// click applies its edit, which Undo takes back; undo programs the set put back when
// programming after change is on; a read is one edit; the motorbike type and "New".

#include "WindowBench.h"
#include "controls/CSpinButton.h"
#include "controls/TimerSpeedButton.h"

#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

using namespace devtest;

namespace {

// The bytes that differ, as "position=value".
QStringList changes(const DeviceImage& before, const DeviceImage& after) {
    QStringList out;
    for (int i = 0; i < kImageSize; ++i)
        if (before[i] != after[i])
            out << QString("%1=%2").arg(i).arg(after[i]);
    return out;
}

// Ten bytes from `first`, `stride` apart, all at `value`: a map column or the servo voltages.
QStringList tenBytes(int first, int stride, int value) {
    QStringList out;
    for (int i = 0; i < 10; ++i)
        out << QString("%1=%2").arg(first + i * stride).arg(value);
    return out;
}

} // namespace

class tst_WindowEditing : public QObject {
    Q_OBJECT
private slots:
    void buttonsApplyTheirEdit_data();
    void buttonsApplyTheirEdit();
    void bikeTypeRestoresDefaults();
    void undoProgramsTheSetPutBack();
};

void tst_WindowEditing::buttonsApplyTheirEdit_data() {
    QTest::addColumn<QString>("button"); // CSpinButton<n> clicks its up or down arrow
    QTest::addColumn<QString>("all");    // the "All" box to tick first, if any
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("millivolts"); // the measured throttle-sensor voltage
    QTest::addColumn<QStringList>("changed");

    // Every map cell 30, servo voltages byte 100, the throttle map on; at 0 % throttle and
    // 1600 rpm the cell in use is row 0, column 1; 5000 rpm is servo column 3.
    QTest::newRow("Advance + on the cell in use") << "BitBtnAdvPlus"
                                                  << "" << 1600 << 0 << QStringList{"201=31"};
    QTest::newRow("CSpinButton3 up") << "CSpinButton3 up"
                                     << "" << 0 << 0 << tenBytes(202, 10, 31);
    QTest::newRow("CSpinButton10 down") << "CSpinButton10 down"
                                        << "" << 0 << 0 << tenBytes(209, 10, 29);
    QTest::newRow("Set TPS 100 % at 3000 mV") << "BitBtnTps100"
                                              << "" << 0 << 3000 << QStringList{"119=50"};
    QTest::newRow("Set TPS 0 % at 1234 mV") << "BitBtnTps0"
                                            << "" << 0 << 1234 << QStringList{"118=123"};
    QTest::newRow("servo + in use") << "BitBtnServoPlus"
                                    << "" << 5000 << 0 << QStringList{"193=101"};
    QTest::newRow("servo - on all") << "BitBtnServoMinus"
                                    << "CheckBoxPrivAll" << 5000 << 0 << tenBytes(190, 1, 99);
}

void tst_WindowEditing::buttonsApplyTheirEdit() {
    QFETCH(QString, button);
    QFETCH(QString, all);
    QFETCH(int, rpm);
    QFETCH(int, millivolts);
    WindowBench b;
    QVERIFY(b.ok());
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    DeviceImage set = b.session().image();
    std::fill_n(&set[Byte::ADVANCE], 100, 30);
    std::fill_n(&set[Byte::NAP_PRIV], 10, 100);
    set[Byte::TPS_MAPA] = 1;
    QVERIFY(b.openSet(set));
    MonitorPacket p = packet(rpm, 0);
    p.tpsRaw = rawFor(millivolts);
    b.feed(p);
    if (!all.isEmpty())
        b.check(all)->click();
    const DeviceImage start = b.session().image();

    QWidget* target = b.find<QWidget>(button.section(' ', 0, 0));
    if (auto* spin = qobject_cast<TCSpinButton*>(target))
        target = button.endsWith("up") ? spin->upButton() : spin->downButton();
    auto* pages = b.find<QTabWidget>("PageControl1"); // the tuner brings its tab to the front
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(target))
            pages->setCurrentIndex(i);
    QVERIFY(target->isVisibleTo(b.w.get()));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    QTEST(changes(start, b.session().image()), "changed");
    b.trigger("MenuUndo");
    QVERIFY(b.session().image() == start);
}

void tst_WindowEditing::bikeTypeRestoresDefaults() {
    WindowBench b;
    QVERIFY(b.ok());
    DeviceImage expected = b.session().image(); // the defaults of the first start
    b.check("CheckBoxProgHned")->click();
    QVERIFY(b.run()); // programmed once for the tick
    QCOMPARE(b.message(), QString("Verify OK"));

    b.type("EditOmez1", "7700"); // programs the edit
    QVERIFY(b.run());
    QCOMPARE(b.sim.image()[Byte::LIMITER1], std::uint8_t(77));
    b.type("EditClutch", "450", false); // typed, not committed
    const int requests = int(b.operationRequests().size());

    QTest::keyClick(b.find<QComboBox>("ComboBox1"), Qt::Key_Down); // motorbike type 1, then 2
    QTest::keyClick(b.find<QComboBox>("ComboBox1"), Qt::Key_Down);
    expected[Byte::BIKE] = 2;
    QVERIFY(samePages12(b.session().image(), expected));
    QCOMPARE(b.edit("EditOmez1")->value(), 5000);
    QCOMPARE(b.edit(mapCellName(9, 3))->value(), int(expected.map(9, 3)));
    QCOMPARE(b.edit("EditClutch")->value(), 200);
    QCOMPARE(b.session().image()[Byte::BASE_ADV], std::uint8_t(10));
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Idle));
    for (int i = 0; i < 8; ++i)
        b.tick();
    QCOMPARE(int(b.operationRequests().size()), requests); // nothing programmed
}

// With programming after change on, undo and redo program the set they put back.
void tst_WindowEditing::undoProgramsTheSetPutBack() {
    WindowBench b;
    QVERIFY(b.ok());
    b.check("CheckBoxProgHned")->click();
    QVERIFY(b.run());
    b.type("EditOmez2", "15000");
    QVERIFY(b.run());
    b.type(mapCellName(9, 0), "55");
    QVERIFY(b.run());
    const DeviceImage edited = b.session().image();
    b.trigger("MenuNew");
    QVERIFY(b.run());
    QCOMPARE(int(b.sim.image()[Byte::LIMITER2]), 110);

    b.trigger("MenuUndo");
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    QVERIFY(samePages12(b.sim.image(), edited));
    b.trigger("MenuRedo");
    QVERIFY(b.run());
    QCOMPARE(int(b.sim.image()[Byte::LIMITER2]), 110);
}

QTEST_MAIN(tst_WindowEditing)
#include "tst_windowediting.moc"
