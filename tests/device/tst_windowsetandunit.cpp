// The set and the unit while operations run, through the window against the simulated unit:
// the set is held while a read, verify or program works on it and free again however the
// operation ends; what the window knows of the unit's set is forgotten when the unit may be
// another; a restore point says what it came from and opens as what it is.

#include "WindowBench.h"
#include "settings/RestorePoints.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTreeWidget>

#include <QtTest>

Q_DECLARE_METATYPE(vortan::SimSwitches)

using namespace devtest;

namespace {

const QString kProgramming = "Programming the unit: the parameters cannot be changed until it ends";

// Why the status bar says the set is held; empty when it does not.
QString heldText(const WindowBench& b) {
    const QLabel* label = b.label("LabelSetLocked");
    return label && label->isVisibleTo(b.w.get()) ? label->text() : QString();
}

// A click on the box's square, where a tuner ticks it.
void tickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Whether the set's controls can be used: a field, a box, the list, a button, a menu item.
bool setFree(const WindowBench& b) {
    return !b.edit("EditOmez1")->isReadOnly() && b.check("CheckBoxBuzDlouhe")->isEnabled() &&
           b.find<QWidget>("ComboBox1")->isEnabled() &&
           b.find<QWidget>("BitBtnAdvPlus")->isEnabled() &&
           b.find<QAction>("MenuNew")->isEnabled() && b.find<QAction>("MenuOpen")->isEnabled() &&
           heldText(b).isEmpty();
}

// The restore points' list as the dialog shows it (column `column`, newest first); `open`
// opens the newest.
QStringList restoreList(WindowBench& b, int column, bool open) {
    QStringList out;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* list = dialog->findChild<QTreeWidget*>("RestorePointsList");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << list->topLevelItem(i)->text(column);
        QTest::mouseClick(
            dialog->findChild<QPushButton*>(open ? "RestorePointsOpen" : "RestorePointsClose"),
            Qt::LeftButton);
    });
    b.trigger("MenuRestorePoints");
    return out;
}

// Ticks in real time (the unit serving on its own thread) until the operation has ended.
bool runLive(WindowBench& b) {
    for (int i = 0; i < 400 && b.operation() != DeviceOperations::Idle; ++i) {
        mainwindow::tick(*b.w);
        QTest::qWait(20);
    }
    return b.operation() == DeviceOperations::Idle;
}

// Read: afterwards the window knows what the unit holds.
bool readIntoInUnit(WindowBench& b) {
    b.click("Button1");
    if (!b.run())
        return false;
    b.tick();
    return b.counts().startsWith("In unit");
}

} // namespace

class tst_WindowSetAndUnit : public QObject {
    Q_OBJECT
private slots:
    void setHeldWhileProgramming();
    void setFreeAfterEveryEnding_data();
    void setFreeAfterEveryEnding();
    void unitForgottenWhenUnplugged();
    void unitForgottenOnAnotherIdentification();
    void unitForgottenAfterNoConnection();
    void unitForgottenOnAnotherPort();
    void restorePointSaysWhatItCameFrom();
};

// A box ticked and a value typed while a slow unit is programmed change nothing: the unit, the
// screen and the restore point agree.
void tst_WindowSetAndUnit::setHeldWhileProgramming() {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    SimSwitches late;
    late.lateSteps = 3;
    WindowBench b(late);
    QVERIFY(b.ok());
    b.w->show();
    QCheckBox* excitation = b.check("CheckBoxBuzDlouhe");
    QVERIFY(!excitation->isChecked());
    const int limiter = b.edit("EditOmez1")->value();
    b.click("BitBtn1");
    for (int i = 0; i < 9; ++i) // half a second on
        b.tick();
    QCOMPARE(b.operation(), std::uint8_t(DeviceOperations::Program));

    tickBox(excitation);
    b.type("EditOmez1", "9000");
    QTest::keyClick(b.w.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!excitation->isChecked());
    QCOMPARE(b.edit("EditOmez1")->value(), limiter);
    QCOMPARE(heldText(b), kProgramming);
    QVERIFY(!setFree(b));

    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    b.tick();
    QVERIFY(b.counts().startsWith("In unit"));
    QCOMPARE(b.sim.image()[Byte::EXCITATION], std::uint8_t(0));
    const QString folder = restorePointFolder();
    const QStringList points = listRestorePoints(folder);
    QCOMPARE(points.size(), 1);
    QFile file(folder + '/' + points.front());
    QVERIFY(file.open(QIODevice::ReadOnly));
    DeviceImage kept = b.session().image();
    QVERIFY(readParamFile(file.readAll().toStdString(), kept).headerFound);
    QCOMPARE(kept[Byte::EXCITATION], std::uint8_t(0));

    // Free again: the same click now ticks the box.
    QVERIFY(setFree(b));
    tickBox(excitation);
    QVERIFY(excitation->isChecked());
    b.tick();
    QVERIFY(b.counts().startsWith("Not in unit: 1"));
}

void tst_WindowSetAndUnit::setFreeAfterEveryEnding_data() {
    QTest::addColumn<SimSwitches>("switches");
    QTest::addColumn<QString>("start"); // the button or menu item that starts it
    QTest::addColumn<QString>("held");  // the reason shown while it runs
    QTest::addColumn<QString>("ending");
    const QString reading = "Reading the unit: the parameters cannot be changed until it ends";
    SimSwitches silent;
    silent.silent = true;
    SimSwitches incompatible;
    incompatible.compatibilityCode = 14;
    QTest::newRow("program, verify ok")
        << SimSwitches{} << "BitBtn1" << kProgramming << "Verify OK";
    QTest::newRow("read, verify ok") << SimSwitches{} << "Button1" << reading << "Verify OK";
    QTest::newRow("verify fails") << silent << "BitBtn2"
                                  << "Verifying the unit: the parameters cannot be changed until "
                                     "it ends"
                                  << "Verify error!";
    QTest::newRow("program fails") << silent << "BitBtn1" << kProgramming << "Program error!";
    QTest::newRow("incompatible unit") << incompatible << "Button1" << reading
                                       << "box Unmatched version of PC and Ignition programs!";
    QTest::newRow("read abandoned for a comparison")
        << SimSwitches{} << "Button1" << reading << "MenuCompareUnit";
}

void tst_WindowSetAndUnit::setFreeAfterEveryEnding() {
    QFETCH(SimSwitches, switches);
    QFETCH(QString, start);
    QFETCH(QString, held);
    QFETCH(QString, ending);
    WindowBench b(switches);
    QVERIFY(b.ok());
    b.w->show();
    QVERIFY(setFree(b));
    b.click(qPrintable(start));
    QCOMPARE(heldText(b), held);
    QVERIFY(!setFree(b));
    b.tick();
    QVERIFY(!setFree(b));
    if (ending == "MenuCompareUnit") {
        b.trigger("MenuCompareUnit");
        QVERIFY(setFree(b)); // a comparison holds nothing
        QVERIFY(b.run());
        b.find<QWidget>("DiffReport")->close();
    } else {
        QVERIFY(b.run());
        b.tick(); // a box comes once the tick that ended it has returned
        if (ending.startsWith("box "))
            QCOMPARE(b.boxes, QStringList{ending.mid(4)});
        else
            QCOMPARE(b.message(), ending);
    }
    QVERIFY(setFree(b));
}

// Program, unplug, another unit on the same port: the window reopens it by itself, and until
// it has read or programmed this unit it does not know what it holds.
void tst_WindowSetAndUnit::unitForgottenWhenUnplugged() {
    QTemporaryDir dir;
    const QString port = dir.filePath("ttyUSB-unit");
    WindowBench b;
    QVERIFY(b.ok());
    QVERIFY(b.sim.setLinkPath(port.toStdString()));
    mainwindow::usePort(*b.w, port);
    b.trigger("MenuCom1"); // opened again
    b.link().setReopenInterval(20);
    QVERIFY(b.link().isOpen());
    b.click("BitBtn1");
    QVERIFY(b.run());
    b.tick();
    QVERIFY(b.counts().startsWith("In unit"));

    b.sim.vanish();
    QTRY_VERIFY(b.link().isLost());
    b.tick();
    QVERIFY(b.counts().startsWith("Unit: unknown"));

    SimUnit other;
    QVERIFY(other.start());
    DeviceImage otherImage = other.image();
    otherImage[2] = 'X'; // another firmware
    otherImage.map(5, 5) = 7;
    other.setImage(otherImage);
    QVERIFY(other.setLinkPath(port.toStdString()));
    other.startThread();
    QTRY_VERIFY_WITH_TIMEOUT(b.link().isOpen() && !b.link().isLost(), 5000);
    for (int i = 0; i < 12; ++i) { // monitor packets tell nothing of the set
        mainwindow::tick(*b.w);
        QTest::qWait(20);
    }
    QVERIFY(b.counts().startsWith("Unit: unknown"));
    const QString tune = dir.filePath("tune1.ign");
    QVERIFY(b.session().saveFile(tune));
    QVERIFY(b.session().openFile(tune));
    b.tick();
    QCOMPARE(b.counts(), QString("Unit: unknown  ·  Saved"));

    b.click("Button1");
    QVERIFY(runLive(b));
    other.stopThread();
    QCOMPARE(b.message(), QString("Verify OK"));
    mainwindow::tick(*b.w);
    QVERIFY(b.counts().startsWith("In unit"));
    QCOMPARE(b.edit(mapCellName(5, 5))->value(), 7);
}

// The unit answers a program's first page with another identification and refuses the
// motorbike type: nothing of its set has been seen.
void tst_WindowSetAndUnit::unitForgottenOnAnotherIdentification() {
    WindowBench b;
    QVERIFY(b.ok());
    QVERIFY(readIntoInUnit(b));
    SimSwitches other;
    other.bikeMask = 0x3E; // another page 0, without the window's type 0
    b.sim.setSwitches(other);
    b.click("BitBtn1");
    QVERIFY(b.run());
    b.tick();
    QCOMPARE(b.boxes, QStringList{"These Ignition is not for this type of motorbikes!"});
    QVERIFY(b.counts().startsWith("Unit: unknown"));
    QVERIFY(!b.edit("EditOmez1")->hasDiffersMark());
}

// The adapter stays, the unit behind it falls silent ("No Connection": the cable moved to the
// next bike) and a unit answers again: until it is read or programmed, its set is unknown.
void tst_WindowSetAndUnit::unitForgottenAfterNoConnection() {
    WindowBench b;
    QVERIFY(b.ok());
    QVERIFY(readIntoInUnit(b));
    SimSwitches silent;
    silent.silent = true;
    b.sim.setSwitches(silent);
    for (int i = 0; i < kSilentTicks - 2; ++i)
        b.tick();
    QVERIFY(b.counts().startsWith("In unit")); // a short silence is no unplug
    for (int i = 0; i < 3; ++i)
        b.tick();
    QVERIFY(b.counts().startsWith("Unit: unknown"));
    b.sim.setSwitches(SimSwitches{});
    for (int i = 0; i < 5; ++i)
        b.tick();
    QVERIFY(b.counts().startsWith("Unit: unknown"));
}

// Another port chosen in the Com menu forgets the unit; the same device opened again does not.
void tst_WindowSetAndUnit::unitForgottenOnAnotherPort() {
    WindowBench b;
    QVERIFY(b.ok());
    QVERIFY(readIntoInUnit(b));

    SimUnit second;
    QVERIFY(second.start());
    const QStringList ports{QString::fromStdString(b.sim.devicePath()),
                            QString::fromStdString(second.devicePath())};
    mainwindow::usePort(*b.w, QString());
    answerPortSettings(ports); // COM1 stays on the unit's device
    b.trigger("MenuPortSettings");
    b.tick();
    QVERIFY(b.counts().startsWith("In unit"));

    b.trigger("MenuCom2");
    QCOMPARE(b.link().devicePath(), ports[1]);
    b.tick();
    QVERIFY(b.counts().startsWith("Unit: unknown"));
    b.trigger("MenuCom1");
    b.tick();
    QVERIFY(b.counts().startsWith("Unit: unknown"));
}

// Programmed as saved, then edited and programmed again: the list tells the two apart, and
// the edited one opens as a restore point, not as a saved file in the history folder.
void tst_WindowSetAndUnit::restorePointSaysWhatItCameFrom() {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    WindowBench b;
    QVERIFY(b.ok());
    b.w->show();
    const QString tune = data.filePath("tune1.ign");
    QVERIFY(b.session().saveFile(tune));
    b.click("BitBtn1");
    QVERIFY(b.run());
    QTest::qWait(1100); // restore points are named by the second
    b.type("EditOmez1", "9000");
    b.type(mapCellName(9, 2), "21");
    b.click("BitBtn1");
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));

    QCOMPARE(restoreList(b, 3, false), (QStringList{"edited from tune1.ign", "tune1.ign"}));
    b.language(German);
    QCOMPARE(restoreList(b, 3, false), (QStringList{"geändert gegenüber tune1.ign", "tune1.ign"}));
    b.language(English);

    const QString newest = listRestorePoints(restorePointFolder()).front();
    const QString stamp = parseRestorePointName(newest)->when.toString("yyyy-MM-dd HH:mm:ss");
    b.type("EditClutch", "500"); // something to put back
    restoreList(b, 0, true);
    QCOMPARE(b.edit("EditClutch")->value(), 200);
    QCOMPARE(b.label("LabelFile2")->text(), "Restore point " + stamp + " (edited from tune1.ign)");
    b.tick();
    QVERIFY(b.counts().endsWith("Not saved"));
    QCOMPARE(b.session().lastFilePath(), tune);
}

QTEST_MAIN(tst_WindowSetAndUnit)
#include "tst_windowsetandunit.moc"
