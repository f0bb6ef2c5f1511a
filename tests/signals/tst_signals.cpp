// SIGTERM (a logout) and SIGINT (Ctrl+C in a terminal) close the program as Exit does, so the
// settings and the parameter set on screen are saved.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

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
    void signalReportsUnwritableSettings();
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

// Settings the user may not write: the program closes and says on standard error which files
// it could not write and why, in the window's language.
void tst_Signals::signalReportsUnwritableSettings() {
    QTemporaryDir home;
    const QString folder = home.path() + "/Vortan2";
    QVERIFY(QDir(home.path()).mkpath("Vortan2"));
    writeFile(folder + "/Vortan2.ini", "[FORM_HLAV]\nLanguage=1\nComPort=0\n");
    writeFile(folder + "/_Vortan2.ini", "1 2 3\n");
    const QString program = home.path() + "/vortan2";
    QVERIFY(QFile::copy(VORTAN2_PROGRAM, program));
    // Locked for a user; root is run as the user nobody, whom the locks keep out as well.
    QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther));
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(folder + "/Vortan2.ini", readOnly));
    QVERIFY(QFile::setPermissions(folder + "/_Vortan2.ini", readOnly));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("HOME", home.path());
    child.setProcessEnvironment(env);
    if (::geteuid() == 0)
        child.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "--", program});
    else
        child.start(program, {});
    QVERIFY(child.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(catches(child.processId(), SIGTERM), 20000);
    ::kill(static_cast<pid_t>(child.processId()), SIGTERM);
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    const QString why = "no permission to write the file or its folder";
    QVERIFY2(errors.contains("vortan2: The settings could not be saved:\n" + folder +
                             "/Vortan2.ini (window, port, language and last file): " + why + "\n" +
                             folder +
                             "/_Vortan2.ini (the set on screen for the next "
                             "start): " +
                             why + "\n"),
             qPrintable(errors));
    QCOMPARE(readFile(folder + "/Vortan2.ini"), QByteArray("[FORM_HLAV]\nLanguage=1\nComPort=0\n"));
    QCOMPARE(readFile(folder + "/_Vortan2.ini"), QByteArray("1 2 3\n"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QTEST_GUILESS_MAIN(tst_Signals)
#include "tst_signals.moc"
