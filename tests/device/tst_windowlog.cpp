// The run log on the main window: recording against the simulated unit, stopped with Ctrl+L,
// the file replayed through the monitor while live packets keep the link alive, a write that
// fails, and logs that cannot be replayed.

#include "WindowBench.h"
#include "monitor/LogCsv.h"

#include <QAction>
#include <QChartView>
#include <QFile>
#include <QLineSeries>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace devtest;

namespace {
LogReadResult readLogFile(const QString& path) {
    QFile f(path);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    return readLog(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
QString rpmText(int rpm) {
    return QString("RPM = %1 ").arg(rpm);
}
} // namespace

class tst_WindowLog : public QObject {
    Q_OBJECT
private slots:
    void recordThenReplay();
    void writeFailureStopsTheRecordingOnce();
    void logThatCannotBeReplayed_data();
    void logThatCannotBeReplayed();
    void oneTimeLogWithoutLivePackets();
    void logOfFewerColumnsRunningBackwards();
    void longFileNameInTheBanner();
};

void tst_WindowLog::recordThenReplay() {
    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir dir;
    const QString path = dir.filePath("run.csv");
    answerFileDialog(path);
    b.trigger("MenuRecordLog");
    auto* item = b.find<QAction>("MenuRecordLog");
    QVERIFY(item->isChecked());
    for (int i = 0; i < 60; ++i) {
        b.tick();
        QTest::qSleep(5); // rows some time apart, for the plot
    }
    const QRegularExpression field(QString::fromUtf8("^\u25CF REC 00:0\\d \u00B7 (\\d+)$"));
    const QRegularExpressionMatch m = field.match(b.label("LabelRecording")->text());
    QVERIFY2(m.hasMatch(), qPrintable(b.label("LabelRecording")->text()));
    const int lines = m.captured(1).toInt();
    QVERIFY(lines >= 8);

    b.w->show();
    QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
    QTest::keyClick(b.w.get(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(!item->isChecked());
    QVERIFY(!b.shown("LabelRecording"));
    const int lastLiveRpm = b.session().monitor().rpm;

    LogReadResult log = readLogFile(path);
    QCOMPARE(log.skipped, 0);
    QCOMPARE(int(log.rows.size()), lines);
    QCOMPARE(int(log.rows.back().packet.rpm), lastLiveRpm);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write("12.5,words,here\r\n");
    }

    QVERIFY(b.replay(path));
    QCOMPARE(b.label("LabelReplay")->text(), QString::fromUtf8("REPLAY \u00B7 run.csv"));
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(log.rows[0].packet.rpm));
    QTest::mouseClick(b.find<QToolButton>("ButtonReplayForward"), Qt::LeftButton);
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(log.rows[1].packet.rpm));

    // A click amid the plot's area jumps to the middle of the log; the wheel zooms in.
    auto* plot = b.find<QChartView>("ChartLog");
    QVERIFY(b.shown("DockPlot"));
    QCoreApplication::processEvents();
    const QPoint middle = plot->mapFromScene(plot->chart()->plotArea().center());
    QTest::mouseClick(plot->viewport(), Qt::LeftButton, {}, middle);
    const int first = log.rows.front().timeMs;
    const int last = log.rows.back().timeMs;
    QVERIFY(std::abs(b.find<QSlider>("SliderReplay")->value() - (first + last) / 2) <=
            (last - first) / 20 + 1);
    QWheelEvent wheel(middle, plot->viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(plot->viewport(), &wheel);
    auto* time = qobject_cast<QValueAxis*>(plot->chart()->axes(Qt::Horizontal).front());
    QVERIFY(time->max() - time->min() < (last - first) / 1000.0);

    // Live packets keep "No Connection" away but do not reach the display.
    const QString replayed = b.label("LabelRpm")->text();
    for (int i = 0; i < 30; ++i)
        b.tick();
    MonitorPacket live = packet(7777, 10);
    live.tpsRaw = rawFor(1234);
    b.feed(live);
    QVERIFY(!b.shown("LabelSpojeni"));
    QCOMPARE(b.label("LabelRpm")->text(), replayed);
    // "Set TPS 0 %" takes the sensor's voltage now, not the replayed row's.
    QTest::mouseClick(b.find<QWidget>("BitBtnTps0"), Qt::LeftButton);
    QCOMPARE(int(b.session().image()[Byte::TPS0]), 123);

    QTest::keyClick(b.find<QSlider>("SliderReplay"), Qt::Key_End);
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(log.rows.back().packet.rpm));
    QVERIFY2(b.label("LabelReplayTime")
                 ->text()
                 .contains(QString("End of log: %1 rows, 1 damaged row skipped").arg(lines)),
             qPrintable(b.label("LabelReplayTime")->text()));

    QTest::mouseClick(b.find<QToolButton>("ButtonReplayClose"), Qt::LeftButton);
    QVERIFY(!b.shown("PanelReplay"));
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(7777));
}

// A file that may grow no further (the disk is full): the recording ends, the status bar says
// so, and the link goes on.
void tst_WindowLog::writeFailureStopsTheRecordingOnce() {
    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir dir;
    answerFileDialog(dir.filePath("full.csv"));
    b.trigger("MenuRecordLog");
    QVERIFY(b.find<QAction>("MenuRecordLog")->isChecked());
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = saved;
    low.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
    for (int i = 0; i < 20; ++i)
        b.feed(packet(3000 + i, 20));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    const QString said = b.w->statusBar()->currentMessage();
    QVERIFY2(said.startsWith("Recording stopped: the log cannot be written"), qPrintable(said));
    QCOMPARE(b.label("LabelRecording")->text(), said);
    QVERIFY(!b.find<QAction>("MenuRecordLog")->isChecked());
    b.w->statusBar()->clearMessage();
    b.feed(packet(5000, 20));
    QVERIFY(b.w->statusBar()->currentMessage().isEmpty());
    QVERIFY(b.link().isOpen());
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(5000));
}

void tst_WindowLog::logThatCannotBeReplayed_data() {
    QTest::addColumn<QByteArray>("contents"); // "|": a named pipe stands there
    QTest::addColumn<QString>("box");
    QTest::newRow("named pipe") << QByteArray("|")
                                << QString("The log x.csv cannot be read: it is no regular file");
    QTest::newRow("empty") << QByteArray("") << QString("The log is empty.");
    QTest::newRow("other columns")
        << QByteArray("a,b\n1,2\n")
        << QString("The log lacks the columns: time_s, rpm, throttle_pct");
}

void tst_WindowLog::logThatCannotBeReplayed() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, box);
    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir dir;
    const QString path = dir.filePath("x.csv");
    if (contents == "|") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    QVERIFY(!b.replay(path));
    QCOMPARE(b.boxes.size(), 1);
    QVERIFY2(b.boxes.front().startsWith(box), qPrintable(b.boxes.front()));
}

// A log whose rows share one time stays paused when Play is pressed at its end; closing it
// before any live packet came leaves its values neither on screen nor under the buttons.
void tst_WindowLog::oneTimeLogWithoutLivePackets() {
    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir dir;
    const QString path = dir.filePath("one.csv");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("time_s,rpm,throttle_pct\n0,9000,80\n0,9100,80\n");
    }
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    QVERIFY(b.replay(path));
    auto* play = b.find<QToolButton>("ButtonReplayPlay");
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(play->toolTip(), QString("Play"));
    QCOMPARE(int(b.session().monitor().rpm), 9100);
    QTest::mouseClick(b.find<QToolButton>("ButtonReplayClose"), Qt::LeftButton);
    QCOMPARE(int(b.session().monitor().rpm), 0);
    QVERIFY(!b.label("LabelRpm")->text().contains("9100"));
}

// A log of another program: its rows run backwards in time and it has no advance, servo or
// test columns. It plays sorted and says so; what it lacks shows "---" and draws no line.
void tst_WindowLog::logOfFewerColumnsRunningBackwards() {
    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir dir;
    const QString path = dir.filePath("other.csv");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("time_s,rpm,throttle_pct,lambda_mv\n3,5000,40,800\n2,4000,30,700\n1,3000,20,600\n");
    }
    QVERIFY(b.replay(path));
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(3000));
    QCOMPARE(b.label("LabelLambda")->text(), QString("LAMBDA = 600 [mV]"));
    QCOMPARE(b.label("LabelAdvance")->text(), QString::fromUtf8("ADVANCE = --- [\u00B0]"));
    QCOMPARE(b.label("LabelTest1")->text(), QString("Test1 = --- "));
    QCOMPARE(b.label("LabelPriveraPoz")->text(), QString("Servo desired= --- [mV]"));
    QVERIFY(b.label("LabelPriveraPoz")->palette().color(QPalette::Window) != kRed);
    const QString note("The log's rows are not in time order: they play sorted by time.");
    QVERIFY2(b.label("LabelReplayTime")->text().contains(note),
             qPrintable(b.label("LabelReplayTime")->text()));

    auto* plot = b.find<QChartView>("ChartLog");
    QVERIFY(plot);
    int drawn = 0;
    for (QAbstractSeries* s : plot->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        if (line->name() == QString::fromUtf8("Advance [\u00B0]"))
            QVERIFY(line->count() == 0 && !line->isVisible());
        if (line->name() == "Lambda [10 mV]")
            QVERIFY(line->count() > 0 && line->isVisible());
        drawn += line->name() == "Lambda [10 mV]" || line->name().startsWith("Advance");
    }
    QCOMPARE(drawn, 2);

    QTest::keyClick(b.find<QSlider>("SliderReplay"), Qt::Key_End);
    QCOMPARE(b.label("LabelRpm")->text(), rpmText(5000));
    QVERIFY2(
        b.label("LabelReplayTime")->text().endsWith("End of log: 3 rows, 0 damaged rows skipped"),
        qPrintable(b.label("LabelReplayTime")->text()));
}

// A long file name keeps the banner's width: its middle gives way, its start and end stay, at
// every width of the window; the tool tip names the whole path.
void tst_WindowLog::longFileNameInTheBanner() {
    WindowBench b;
    QVERIFY(b.ok());
    QTemporaryDir dir;
    const QString name = "2026-12-09 Brno qualifying, second session, map with N2O retard.csv";
    const QString path = dir.filePath(name);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("time_s,rpm,throttle_pct\n0,3000,20\n1,4000,30\n");
    }
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    QVERIFY(b.replay(path));
    QLabel* banner = b.label("LabelReplay");
    QCOMPARE(banner->toolTip(), QFileInfo(path).absoluteFilePath());
    for (const int width : {b.w->minimumWidth(), 1000, 1400, 2400}) {
        b.w->resize(width, b.w->height());
        QCoreApplication::processEvents();
        const QString shown = banner->text();
        QVERIFY2(shown.startsWith(QString::fromUtf8("REPLAY \u00B7 2026")) &&
                     shown.contains(QChar(0x2026)) && shown.endsWith("retard.csv"),
                 qPrintable(QString("%1 at %2").arg(shown).arg(width)));
        QVERIFY2(banner->fontMetrics().horizontalAdvance(shown) <= banner->contentsRect().width(),
                 qPrintable(QString("%1 at %2").arg(shown).arg(width)));
        QVERIFY(banner->geometry().right() <= banner->parentWidget()->width());
    }
}

QTEST_MAIN(tst_WindowLog)
#include "tst_windowlog.moc"
