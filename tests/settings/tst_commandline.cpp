// The command line: what each argument means, and the lines that cannot be understood.
#include "settings/CommandLine.h"

#include <QtTest>

class tst_CommandLine : public QObject {
    Q_OBJECT

    // All of a parsed line in one text, so that a row states every field at once.
    static QString describe(const CommandLine& c) {
        static const char* const operations[] = {"", "read", "verify", "program", "diff"};
        QStringList parts;
        if (!c.language.isEmpty())
            parts << "language " + c.language;
        if (c.demo)
            parts << "demo";
        if (!c.port.isEmpty())
            parts << "port " + c.port;
        if (c.operation != CliOperation::None)
            parts << QString("%1 %2").arg(operations[int(c.operation)], c.operationFile);
        if (c.repeat)
            parts << "repeat";
        if (c.anyway)
            parts << "anyway";
        if (c.help)
            parts << "help";
        if (c.version)
            parts << "version";
        if (!c.openFile.isEmpty())
            parts << "open " + c.openFile;
        if (!c.error.isEmpty())
            parts << "error: " + c.error;
        return parts.join(" | ");
    }

private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<bool>("withoutWindow");
        QTest::newRow("nothing") << QStringList() << "" << false;
        QTest::newRow("language") << QStringList{"CESKY"} << "language CESKY" << false;
        QTest::newRow("language only first") << QStringList{"--demo", "DEUTSCH"} << "demo" << false;
        QTest::newRow("language is exact") << QStringList{"english"} << "" << false;
        QTest::newRow("demo after language")
            << QStringList{"ENGLISH", "--demo"} << "language ENGLISH | demo" << false;
        QTest::newRow("unknown ignored")
            << QStringList{"--frobnicate", "x", "-q", "notes.txt"} << "" << false;
        QTest::newRow("help") << QStringList{"-h"} << "help" << false;
        QTest::newRow("help before version")
            << QStringList{"--help", "--version"} << "help" << false;
        QTest::newRow("version before help") << QStringList{"DEUTSCH", "--version", "--help"}
                                             << "language DEUTSCH | version" << false;
        QTest::newRow("file alone") << QStringList{"tune.ign"} << "open tune.ign" << false;
        QTest::newRow("Windows path after language")
            << QStringList{"ENGLISH", "C:\\Users\\Jiří\\ladění.IGN"}
            << "language ENGLISH | open C:\\Users\\Jiří\\ladění.IGN" << false;
        QTest::newRow("file with demo")
            << QStringList{"/tmp/Straße.ign", "--demo"} << "demo | open /tmp/Straße.ign" << false;
        QTest::newRow("two files")
            << QStringList{"a.ign", "b.ign"}
            << "open a.ign | error: only one parameter file can be opened: a.ign and b.ign"
            << false;
        QTest::newRow("read") << QStringList{"--port", "COM5", "--read", "out.ign"}
                              << "port COM5 | read out.ign" << true;
        QTest::newRow("verify") << QStringList{"--verify", "a.ign"} << "verify a.ign" << true;
        QTest::newRow("program repeated")
            << QStringList{"CESKY", "--repeat", "--program", "a.ign", "--port", "/dev/ttyUSB0"}
            << "language CESKY | port /dev/ttyUSB0 | program a.ign | repeat" << true;
        QTest::newRow("diff with demo")
            << QStringList{"--diff", "a.ign", "--demo"} << "demo | diff a.ign" << true;
        QTest::newRow("operation without file")
            << QStringList{"--read"} << "read  | error: --read needs a FILE.ign" << true;
        QTest::newRow("operation before option")
            << QStringList{"--verify", "--demo"}
            << "demo | verify  | error: --verify needs a FILE.ign" << true;
        QTest::newRow("port without device") << QStringList{"--read", "a.ign", "--port"}
                                             << "read a.ign | error: --port needs a DEVICE" << true;
        QTest::newRow("two operations")
            << QStringList{"--read", "a.ign", "--program", "b.ign"}
            << "program b.ign | error: --read and --program cannot be run together" << true;
        QTest::newRow("program anyway") << QStringList{"--demo", "--program", "a.ign", "--anyway"}
                                        << "demo | program a.ign | anyway" << true;
        QTest::newRow("anyway without program")
            << QStringList{"--anyway", "--verify", "a.ign"}
            << "verify a.ign | anyway | error: --anyway goes only with --program" << true;
        QTest::newRow("repeat without program")
            << QStringList{"--repeat", "--verify", "a.ign"}
            << "verify a.ign | repeat | error: --repeat goes only with --program" << true;
        QTest::newRow("repeat alone")
            << QStringList{"--repeat"} << "repeat | error: --repeat goes only with --program"
            << false;
        QTest::newRow("port and demo")
            << QStringList{"--demo", "--port", "COM5"}
            << "demo | port COM5 | error: --port and --demo cannot be given together" << false;
        QTest::newRow("mistyped operation with port")
            << QStringList{"ENGLISH", "--port", "COM5", "--prgram", "a.ign"}
            << "language ENGLISH | port COM5 | open a.ign | error: unknown option --prgram"
            << false;
        QTest::newRow("operation written with =")
            << QStringList{"--port", "COM5", "--program=a.ign"}
            << "port COM5 | error: unknown option --program=a.ign" << false;
        QTest::newRow("port without operation")
            << QStringList{"--port", "COM5"}
            << "port COM5 | error: --port goes only with --read, --verify, --program or --diff"
            << false;
        QTest::newRow("unknown option beside an operation")
            << QStringList{"--verify", "a.ign", "--quiet"}
            << "verify a.ign | error: unknown option --quiet" << true;
        QTest::newRow("operation and file to open")
            << QStringList{"--diff", "a.ign", "b.ign"}
            << "diff a.ign | open b.ign | error: --diff runs without a window; b.ign cannot be "
               "opened with it"
            << true;
    }
    void parse() {
        QFETCH(QStringList, arguments);
        const CommandLine line = parseCommandLine(arguments);
        QTEST(describe(line), "meaning");
        QTEST(line.withoutWindow(), "withoutWindow");
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
