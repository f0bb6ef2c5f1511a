// The program's --help and --version: answered on stdout before any window or display.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class tst_Cli : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode = -1;
        QProcess::ExitStatus status = QProcess::CrashExit;
        QString out;
        QString err;
    };

    // No display at all and a platform that does not exist: creating the application
    // object would abort the program, so a clean exit proves it was never created.
    static Run run(const QStringList& arguments) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "no-such-platform");
        p.setProcessEnvironment(env);
        p.start(VORTAN2_PROGRAM, arguments);
        Run r;
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitCode();
        r.status = p.exitStatus();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

private slots:
    void help_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("-h") << QStringList{"-h"};
        QTest::newRow("after a language") << QStringList{"DEUTSCH", "--help"};
        QTest::newRow("after --demo") << QStringList{"--demo", "--help"};
        QTest::newRow("unknown option first") << QStringList{"--frobnicate", "--help"};
        QTest::newRow("before --version") << QStringList{"--help", "--version"};
    }
    void help() {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith("Usage: vortan2 "), qPrintable(r.out));
        for (const char* part :
             {"ENGLISH", "CESKY", "DEUTSCH", "--demo", "--help", "--version", "FILE.ign",
              "--port DEVICE", "--read", "--verify", "--program", "--repeat", "--diff",
              "$XDG_CONFIG_HOME/Vortan2", "~/.config/Vortan2", "[PORTS]", "COM1=/dev/ttyUSB0",
              "/dev/ttyS<n-1>"})
            QVERIFY2(r.out.contains(part), part);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    }

    void version_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--version") << QStringList{"--version"};
        QTest::newRow("after a language") << QStringList{"CESKY", "--version"};
        QTest::newRow("unknown options around")
            << QStringList{"--frobnicate", "--version", "extra"};
        QTest::newRow("before --help") << QStringList{"--version", "--help"};
    }
    void version() {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("vortan2 " VORTAN2_VERSION "\n"));
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    }

    // A line that cannot be understood is told on stderr before any display is needed.
    void faultyLine() {
        const Run r = run({"CESKY", "--program", "a.ign", "--read", "b.ign"});
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("vortan2: --program and --read cannot be run together\n"),
                 qPrintable(r.err));
    }

    // The output piped into a reader that has gone (a `| head` that has ended): the run still
    // ends with its result and its file, not stopped half way by the broken pipe.
    void closedOutput() {
        QTemporaryDir dir;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "no-such-platform");
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        p.setProcessEnvironment(env);
        // `true` ends at once: every line the program writes then meets a closed pipe.
        p.start("bash", {"-c", R"("$@" 2>&1 | true; exit "${PIPESTATUS[0]}")", "-", VORTAN2_PROGRAM,
                         "ENGLISH", "--demo", "--read", dir.filePath("read.ign")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFileInfo(dir.filePath("read.ign")).size() > 0);
    }

    // Without --help or --version the program does build its application object, which
    // fails in this environment: the checks above would notice a window started too early.
    void otherwiseTheWindowStarts() {
        const Run r = run({"ENGLISH", "--frobnicate"});
        QVERIFY(r.status == QProcess::CrashExit || r.exitCode != 0);
        QVERIFY(!r.out.startsWith("Usage:"));
    }
};

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
