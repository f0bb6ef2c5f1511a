// The ports on the main window: the status-bar port field in each state, leaving the demo for
// a port, and a tuner who finds the unit in the port settings and gets it again after a restart.

#include "DialogAnswers.h"
#include "app/MainWindow.h"
#include "app/PortSettingsDialog.h"
#include "app/PortStatusView.h"
#include "appfiles/WindowFixture.h"
#include "link/SerialLink.h"
#include "sim/SimUnit.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

using namespace vortan;

namespace {

QString statusText(const Window& w) {
    return w.get<QLabel>("PortStatusText")->text();
}

QColor markColour(const Window& w) {
    return w.get<QLabel>("PortStatusMark")->palette().color(QPalette::WindowText);
}

// Runs the window's ticks until the mark shows `colour`, at most about three seconds.
bool tickUntil(Window& w, const QColor& colour) {
    for (int i = 0; i < 100 && markColour(w) != colour; ++i) {
        mainwindow::tick(*w.w);
        QTest::qWait(30);
    }
    return markColour(w) == colour;
}

QString iniWithCom1(const QString& device) {
    return "[PORTS]\nCOM1=" + device + "\n";
}

} // namespace

class tst_WindowPorts : public QObject {
    Q_OBJECT
private slots:
    void statusField_data();
    void statusField();
    void demoLeftForAPort();
    void findUnitThenRestart();
};

void tst_WindowPorts::statusField_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QColor>("mark");
    QTest::addColumn<QString>("text"); // %1: the device
    QTest::newRow("open, no reply") << true << PortStatusView::kNoReply << "COM1 · %1";
    QTest::newRow("cannot open") << false << PortStatusView::kCannotOpen << "COM1 · %1 (unplugged)";
}

void tst_WindowPorts::statusField() {
    QFETCH(bool, present);
    QFETCH(QColor, mark);
    QFETCH(QString, text);
    ConfigHome home;
    Pty silent;
    const QString device = present ? silent.slave : home.path("ttyUSB0");
    QVERIFY(writeAll(home.iniPath(), iniWithCom1(device).toUtf8()));
    Window w({"ENGLISH"});
    mainwindow::tick(*w.w); // nothing heard yet: an open port is grey from the first tick
    QCOMPARE(markColour(w), mark);
    QCOMPARE(statusText(w), text.arg(device));
    // A failed open keeps its box and tells why in it.
    QCOMPARE(w.boxes, present ? QStringList() : QStringList{"Com opening error"});
    QCOMPARE(w.informative.size(), w.boxes.size());
    if (!present)
        QVERIFY(w.informative[0].startsWith(device + " does not exist.\n"));
    // The field stays beside a hint shown in the bar.
    w->statusBar()->showMessage("hint");
    QVERIFY(w.get<QWidget>("PortStatus")->isVisibleTo(w.w.get()));
}

void tst_WindowPorts::demoLeftForAPort() {
    ConfigHome home;
    Pty pty;
    QVERIFY(writeAll(home.iniPath(), ("[PORTS]\nCOM2=" + pty.slave + "\n").toUtf8()));
    Window w({"ENGLISH", "--demo"});
    QCOMPARE(statusText(w), QString("DEMO · simulated unit"));
    QVERIFY(mainwindow::link(*w.w).isOpen());
    w.get<QAction>("MenuCom2")->trigger();
    QCOMPARE(statusText(w), "COM2 · " + pty.slave);
    QCOMPARE(mainwindow::link(*w.w).devicePath(), pty.slave);
    QVERIFY(mainwindow::link(*w.w).isOpen());
}

// Three lines, one of them the unit: the tuner finds it, takes it for COM1 in the window's port
// settings, sees the link up, and after a restart the program opens it again.
void tst_WindowPorts::findUnitThenRestart() {
    ConfigHome home;
    Pty silent, other;
    SimUnit unit;
    QVERIFY(unit.start());
    unit.startThread();
    const QString found = QString::fromStdString(unit.devicePath());
    QVERIFY(writeAll(home.iniPath(), iniWithCom1(home.path("gone")).toUtf8()));
    Window w({"ENGLISH"});

    PortDialogSetup setup;
    for (const QString& path : {silent.slave, other.slave, found})
        setup.devices.push_back({path, {}, {}, {}, false, 0, 0, true});
    setup.comPort = 1;
    PortSettingsDialog dialog(setup);
    QSignalSpy finished(&dialog.probe(), &UnitProbe::finished);
    QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonFindUnit"), Qt::LeftButton);
    QVERIFY(finished.wait(5000));
    QCOMPARE(dialog.findChild<QLabel*>("ProbeResult")->text(),
             "The unit answered on " + found + ".");
    auto* use = dialog.findChild<QPushButton*>("ButtonUseFound");
    QCOMPARE(use->text(), QString("&Use for COM1"));
    QTest::mouseClick(use, Qt::LeftButton);
    QCOMPARE(dialog.stored()[0], found);

    devtest::answerPortSettings({dialog.stored()[0]});
    w.get<QAction>("MenuPortSettings")->trigger();
    QVERIFY(tickUntil(w, PortStatusView::kUp));
    QCOMPARE(statusText(w), "COM1 · " + found);
    w->close();
    QVERIFY(mainwindow::closed(*w.w));
    const QByteArray ini = readAll(home.iniPath());
    QVERIFY(ini.contains(("COM1=" + found + "\n").toUtf8()));
    QVERIFY(!ini.contains("COM2="));

    Window again({"ENGLISH"});
    QCOMPARE(mainwindow::link(*again.w).devicePath(), found);
    QVERIFY(mainwindow::link(*again.w).isOpen());
}

QTEST_MAIN(tst_WindowPorts)
#include "tst_windowports.moc"
