// Closing the window while the unit is busy or holds another set: the questions asked, and
// what each answer does to the unit and the window.

#include "CloseBoxes.h"
#include "WindowBench.h"
#include "settings/CloseTexts.h"

#include <QElapsedTimer>
#include <QProcess>

#include <csignal>
#include <unistd.h>

using namespace devtest;

namespace {

QString english(CloseText t) {
    return QString::fromStdString(closeText(t, English));
}

} // namespace

class tst_WindowClose : public QObject {
    Q_OBJECT
private slots:
    void exitWhileProgramming_data();
    void exitWhileProgramming();
    void exitWithSetNotInUnit_data();
    void exitWithSetNotInUnit();
    void signalWhileProgramming_data();
    void signalWhileProgramming();
};

void tst_WindowClose::exitWhileProgramming_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("unitSilent");
    QTest::newRow("wait for the end") << english(CloseText::WaitForEnd) << false;
    QTest::newRow("wait for a program that fails") << english(CloseText::WaitForEnd) << true;
    QTest::newRow("close anyway") << english(CloseText::CloseAnyway) << false;
}

void tst_WindowClose::exitWhileProgramming() {
    QFETCH(QString, answer);
    QFETCH(bool, unitSilent);
    WindowBench b;
    QVERIFY(b.ok());
    if (unitSilent) {
        SimSwitches silent;
        silent.silent = true;
        b.sim.setSwitches(silent);
    }
    b.click("BitBtn1"); // Program
    QCOMPARE(int(b.operation()), int(DeviceOperations::Program));
    {
        CloseBoxes boxes({{answer}});
        b.trigger("MenuExit");
        QCOMPARE(boxes.texts, QStringList{english(CloseText::ProgramRunning)});
        QVERIFY(boxes.missed.isEmpty());
    }
    if (answer == english(CloseText::CloseAnyway)) {
        QVERIFY(b.closed()); // at once, the program left as it stood
        QCOMPARE(int(b.operation()), int(DeviceOperations::Program));
        return;
    }
    QVERIFY(!b.closed());
    QVERIFY(b.run());
    if (unitSilent) { // the window stays and says the unit may be half programmed
        QCOMPARE(b.message(), QString("Program error!"));
        b.tick();
        QCoreApplication::processEvents();
        QVERIFY(!b.closed());
        QCOMPARE(b.boxes, QStringList{english(CloseText::ProgramFailed).arg("Verify OK")});
        return;
    }
    QCOMPARE(b.message(), QString("Verify OK"));
    QTRY_VERIFY(b.closed()); // by itself, once the program has ended
    QVERIFY(b.w->isHidden());
    QVERIFY(samePages12(b.sim.image(), b.session().image()));
}

void tst_WindowClose::exitWithSetNotInUnit_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("tickCheckBox");
    QTest::addColumn<bool>("unitSilent"); // from the question on
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("programmed");
    const QString program = english(CloseText::ProgramButton);
    const QString close = english(CloseText::CloseButton);
    const QString cancel = english(CloseText::CancelButton);
    QTest::newRow("program") << program << false << false << true << true;
    QTest::newRow("program, unit silent") << program << false << true << false << false;
    QTest::newRow("close") << close << false << false << true << false;
    QTest::newRow("close, do not ask again") << close << true << false << true << false;
    QTest::newRow("cancel") << cancel << false << false << false << false;
}

void tst_WindowClose::exitWithSetNotInUnit() {
    QFETCH(QString, answer);
    QFETCH(bool, tickCheckBox);
    QFETCH(bool, unitSilent);
    QFETCH(bool, closed);
    QFETCH(bool, programmed);
    WindowBench b;
    QVERIFY(b.ok());
    b.click("Button1"); // Read: the unit's set is seen
    QVERIFY(b.run());
    QCOMPARE(b.message(), QString("Verify OK"));
    const int limiter = b.edit("EditOmez1")->value() == 5000 ? 6000 : 5000;
    b.type("EditOmez1", QString::number(limiter));
    const DeviceImage edited = b.session().image();
    const DeviceImage unitBefore = b.sim.image();
    QVERIFY(!samePages12(edited, unitBefore));
    if (unitSilent) {
        SimSwitches silent;
        silent.silent = true;
        b.sim.setSwitches(silent);
    }
    {
        CloseBoxes boxes({{answer, tickCheckBox}});
        b.trigger("MenuExit");
        QCOMPARE(boxes.texts, QStringList{english(CloseText::ProgramFirst).arg(1)});
        QVERIFY(boxes.missed.isEmpty());
    }
    if (answer == english(CloseText::ProgramButton)) {
        QVERIFY(!b.closed()); // not before the program has ended
        QVERIFY(b.run());
        QCoreApplication::processEvents();
    }
    QCOMPARE(b.closed(), closed);
    QCOMPARE(samePages12(b.sim.image(), edited), programmed);
    if (!programmed)
        QVERIFY(samePages12(b.sim.image(), unitBefore));
    if (unitSilent) // stays open and says so
        QCOMPARE(b.boxes, QStringList{english(CloseText::ProgramFailed).arg("Verify OK")});
    else
        QVERIFY(b.boxes.isEmpty());
    if (!closed) { // the window runs on with the set on screen
        QCOMPARE(b.edit("EditOmez1")->value(), limiter);
        QVERIFY(b.session().image() == edited);
        return;
    }
    QFile ini(b.config.path() + "/Vortan2/Vortan2.ini");
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    QVERIFY(text.contains(tickCheckBox ? "[EXIT]\nAskToProgram=0\n" : "[EXIT]\nAskToProgram=1\n"));
}

void tst_WindowClose::signalWhileProgramming_data() {
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("questionOpen"); // Exit's question is open when the signal comes
    QTest::newRow("unit answers") << false << false;
    QTest::newRow("unit silent") << true << false;
    QTest::newRow("unit answers, question open") << false << true;
}

// SIGTERM while the unit is programmed: the program and its verify end first, within 2 s.
void tst_WindowClose::signalWhileProgramming() {
    QFETCH(bool, silent);
    QFETCH(bool, questionOpen);
    if (!qEnvironmentVariableIsSet("VORTAN2_SIGNAL_CASE")) {
        // The signal handlers belong to the first window of a process: a process per case.
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VORTAN2_SIGNAL_CASE", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString("signalWhileProgramming:") + QTest::currentDataTag()});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
        return;
    }
    WindowBench b;
    QVERIFY(b.ok());
    b.click("BitBtn1"); // Program
    if (silent) {
        SimSwitches switches;
        switches.silent = true;
        b.sim.setSwitches(switches);
    }
    QElapsedTimer elapsed;
    elapsed.start();
    if (questionOpen) { // the signal ends the question; the close goes on as a signal's
        QString asked;
        QTimer signalAtBox;
        signalAtBox.setInterval(10);
        connect(&signalAtBox, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && asked.isEmpty()) {
                asked = box->text();
                ::kill(::getpid(), SIGTERM);
            }
        });
        signalAtBox.start();
        b.trigger("MenuExit");
        QCOMPARE(asked, english(CloseText::ProgramRunning));
        QVERIFY(!b.closed()); // not before the program has ended
    } else {
        QCOMPARE(::kill(::getpid(), SIGTERM), 0);
    }
    if (silent) { // the ticks stand still here: only the time ends the wait
        QTRY_VERIFY_WITH_TIMEOUT(b.closed(), 5000);
        QVERIFY2(elapsed.elapsed() >= 1900, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(int(b.operation()), int(DeviceOperations::Program));
        return;
    }
    while (!b.closed() && elapsed.elapsed() < 5000)
        b.tick();
    QVERIFY(b.closed());
    QCOMPARE(b.message(), QString("Verify OK"));
    QVERIFY(samePages12(b.sim.image(), b.session().image()));
    QVERIFY(elapsed.elapsed() < 2000);
}

QTEST_MAIN(tst_WindowClose)
#include "tst_windowclose.moc"
