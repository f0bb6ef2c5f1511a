// SIGTERM (a logout) and SIGINT (Ctrl+C in a terminal) close the program as Exit does, so the
// settings and the parameter set on screen are saved.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// True once the process has its own handler for `signal` (the SigCgt mask of /proc).
bool catches(qint64 pid, int signal) {
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_Signals : public QObject {
    Q_OBJECT
private slots:
    void signalClosesAndSaves_data();
    void signalClosesAndSaves();
};

void tst_Signals::signalClosesAndSaves_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("ports");
    QTest::newRow("SIGTERM") << int(SIGTERM) << QByteArray("ComPort=0\n");
    QTest::newRow("SIGINT") << int(SIGINT) << QByteArray("ComPort=0\n");
    // The port cannot be opened: its message box is still open when the signal comes.
    QTest::newRow("SIGTERM with a box open")
        << int(SIGTERM) << QByteArray("ComPort=1\n[PORTS]\nCOM1=/nonexistent/tty\n");
}

void tst_Signals::signalClosesAndSaves() {
    QFETCH(int, signal);
    QFETCH(QByteArray, ports);
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("Vortan2"));
    const QString ini = home.path() + "/Vortan2/Vortan2.ini";
    writeFile(ini, "[FORM_HLAV]\nLanguage=1\n" + ports);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.path());
    program.setProcessEnvironment(env);
    program.start(VORTAN2_PROGRAM, {});
    QVERIFY(program.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(catches(program.processId(), signal), 20000);

    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);

    const QByteArray settings = readFile(ini);
    QVERIFY2(settings.contains("ActivePage =1"), settings.constData());
    QVERIFY(settings.contains("Language=1"));
    QVERIFY(settings.contains("[IGNITION]"));
    const QByteArray image = readFile(home.path() + "/Vortan2/_Vortan2.ini");
    QCOMPARE(image.count('\n'), 30);
    // LIMITER1 (byte 103) of the default set, as shown and validated at close.
    QCOMPARE(image.split('\n').at(10).simplified().split(' ').at(3), QByteArray("50"));
}

QTEST_GUILESS_MAIN(tst_Signals)
#include "tst_signals.moc"
