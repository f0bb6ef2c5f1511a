// The program without a window against simulated units on pseudo-terminals: a repeated
// program takes unit after unit on the same device path, and a verify against a unit holding
// another set fails with the unit's message.
#include "files/ParamFile.h"
#include "sim/SimUnit.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace vortan;

namespace {

// A unit whose identification carries `version` (shown as "VRTnn") and that holds the
// default set, served under `link`.
std::unique_ptr<SimUnit> unitAt(const QString& link, int version) {
    auto unit = std::make_unique<SimUnit>();
    DeviceImage image = unit->image();
    image[3] = static_cast<std::uint8_t>(version);
    unit->setImage(image);
    if (!unit->start() || !unit->setLinkPath(link.toStdString()))
        return nullptr;
    unit->startThread();
    return unit;
}

bool samePages(const DeviceImage& a, const DeviceImage& b) {
    for (int i = kPageSize; i < kImageSize; ++i)
        if (i != Byte::Reserved && a[i] != b[i])
            return false;
    return true;
}

// The program, its two streams as they come, and the places of its files.
struct Program {
    QTemporaryDir home;
    QProcess process;
    QString out;
    QString err;

    void start(const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "no-such-platform"); // no window can start
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        process.setProcessEnvironment(env);
        process.start(VORTAN2_PROGRAM, arguments);
    }
    // Waits until `text` has come `times` times on the output (or the error output): false
    // when the program ends or 60 s pass first.
    bool waitFor(const QString& text, bool onError = false, int times = 1) {
        const QDeadlineTimer deadline(60000);
        for (;;) {
            out += QString::fromUtf8(process.readAllStandardOutput());
            err += QString::fromUtf8(process.readAllStandardError());
            if ((onError ? err : out).count(text) >= times)
                return true;
            if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
                return false;
            process.waitForReadyRead(100);
        }
    }
    QStringList outLines() const { return out.split('\n', Qt::SkipEmptyParts); }
};

} // namespace

class tst_CliUnits : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    DeviceImage set_;
    QString setFile_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        setDefaults(set_);
        set_[Byte::BASE_ADV] = 14;
        set_.map(3, 5) = 27;
        setFile_ = dir_.filePath("set.ign");
        QFile f(setFile_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(writeParamFile(set_, false, "\n")));
    }

    // Unit 1 vanishes with its line (an adapter pulled out), unit 2 takes the same path;
    // unit 2 then goes silent (its connector pulled) and unit 3 answers on that line.
    void repeatProgramsUnitAfterUnit() {
        const QString link = dir_.filePath("unit");
        std::unique_ptr<SimUnit> unit = unitAt(link, 31);
        QVERIFY(unit);
        Program p;
        p.start({"ENGLISH", "--port", link, "--program", setFile_, "--repeat"});
        const QString waiting = "Unit disconnected; waiting for the next one on " + link;

        QVERIFY2(p.waitFor("Verify OK\n", false, 1), qPrintable(p.err));
        QVERIFY(samePages(unit->image(), set_));
        unit.reset(); // its line closes, and its link goes with it
        QVERIFY2(p.waitFor(waiting, true, 1), qPrintable(p.err));
        unit = unitAt(link, 32);
        QVERIFY(unit);

        QVERIFY2(p.waitFor("Verify OK\n", false, 2), qPrintable(p.err));
        QVERIFY(samePages(unit->image(), set_));
        SimSwitches silent = unit->switches();
        silent.silent = true;
        unit->setSwitches(silent);
        QVERIFY2(p.waitFor(waiting, true, 2), qPrintable(p.err));
        DeviceImage third = unit->image();
        setDefaults(third);
        third[3] = 33;
        unit->setImage(third);
        silent.silent = false;
        unit->setSwitches(silent);

        QVERIFY2(p.waitFor("Verify OK\n", false, 3), qPrintable(p.err));
        QVERIFY(samePages(unit->image(), set_));
        ::kill(static_cast<pid_t>(p.process.processId()), SIGINT);
        QVERIFY(p.process.waitForFinished(30000));
        QCOMPARE(p.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.process.exitCode(), 0);
        // Each unit's restore point names the file its set came from.
        QFile index(p.home.filePath("data/Vortan2/history/index.tsv"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        const QStringList entries =
            QString::fromUtf8(index.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!entries.isEmpty());
        for (const QString& entry : entries)
            QVERIFY2(entry.section('\t', 1, 1) == QFileInfo(setFile_).absoluteFilePath(),
                     qPrintable(entry));
        const QStringList lines = p.outLines();
        QCOMPARE(lines.size(), 3);
        for (int n = 0; n < 3; ++n) {
            QVERIFY2(lines[n].startsWith(QString("%1: VRT3%1 ").arg(n + 1)), qPrintable(lines[n]));
            QVERIFY2(lines[n].endsWith(": Verify OK"), qPrintable(lines[n]));
        }
    }

    // A restore point that cannot be written is told, as the window's status bar tells it;
    // the unit's result stands.
    void restorePointNotWritten() {
        const QString link = dir_.filePath("nohistory");
        std::unique_ptr<SimUnit> unit = unitAt(link, 42);
        QVERIFY(unit);
        Program p;
        QVERIFY(QDir().mkpath(p.home.filePath("data")));
        QFile blocker(p.home.filePath("data/Vortan2")); // a file where the folder belongs
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        p.start({"ENGLISH", "--port", link, "--program", setFile_});
        QVERIFY(p.process.waitForFinished(60000));
        p.waitFor({});
        QCOMPARE(p.process.exitCode(), 0);
        QVERIFY2(p.err.contains("Restore point could not be written to"), qPrintable(p.err));
    }

    void verifyAgainstAnotherSet() {
        const QString link = dir_.filePath("other");
        std::unique_ptr<SimUnit> unit = unitAt(link, 40); // holds the defaults
        QVERIFY(unit);
        Program p;
        p.start({"ENGLISH", "--port", link, "--verify", setFile_});
        QVERIFY(p.process.waitForFinished(60000));
        p.waitFor({});
        QCOMPARE(p.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.process.exitCode(), 1);
        QVERIFY2(p.err.contains("Verify error!"), qPrintable(p.err));
        QCOMPARE(p.out, QString("VRT40 14. 3.2024 10:30: Verify error!\n"));
    }

    // A file's values the rules correct are told; values outside their fields' ranges are
    // programmed only with --anyway, and without it the unit keeps what it held.
    void programFileBreakingRules_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<bool>("programmed");
        QTest::addColumn<bool>("cut"); // the file ends inside the advance map
        const QString refused = "The file holds values outside their ranges; nothing was "
                                "programmed (--anyway programs them all the same):";
        QTest::newRow("outside its range: refused")
            << Byte::CLUTCH << 99 << QStringList{} << 5
            << QStringList{refused, "  Clutch m.: 990 ms, range 0..500 ms"} << false << false;
        QTest::newRow("outside its range: --anyway")
            << Byte::CLUTCH << 99 << QStringList{"--anyway"} << 0 << QStringList{} << true << false;
        QTest::newRow("limiter below the start limiter: corrected")
            << Byte::LIMITER2 << 20 << QStringList{} << 0
            << QStringList{"Some values of the file break the rules and were corrected:",
                           "  the file holds "}
            << true << false;
        QTest::newRow("cut off: refused")
            << Byte::CLUTCH << 20 << QStringList{} << 5
            << QStringList{"The file is incomplete or damaged:", "  ADVANCE is cut short",
                           "  NAP_PRIV is missing; kept as it was",
                           "The file is incomplete or damaged; nothing was programmed"}
            << false << true;
    }
    void programFileBreakingRules() {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(QStringList, options);
        DeviceImage set = set_;
        set[byte] = static_cast<std::uint8_t>(value);
        const QString file = dir_.filePath("rules.ign");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        std::string text = writeParamFile(set, false, "\n");
        QFETCH(bool, cut);
        if (cut)
            text.resize(text.find("ADVANCE") + 100);
        f.write(QByteArray::fromStdString(text));
        f.close();
        const QString link = dir_.filePath("rules");
        std::unique_ptr<SimUnit> unit = unitAt(link, 41);
        QVERIFY(unit);
        const DeviceImage before = unit->image();
        Program p;
        p.start(QStringList{"ENGLISH", "--port", link, "--program", file} + options);
        QVERIFY(p.process.waitForFinished(60000));
        p.waitFor({});
        QTEST(p.process.exitCode(), "exitCode");
        QFETCH(QStringList, told);
        for (const QString& line : told)
            QVERIFY2(p.err.contains(line), qPrintable(p.err));
        DeviceImage expected = set;
        normalise(expected);
        QFETCH(bool, programmed);
        if (!programmed)
            QCOMPARE(p.out, QString()); // no unit was worked on
        QVERIFY(samePages(unit->image(), programmed ? expected : before));
    }
};

QTEST_GUILESS_MAIN(tst_CliUnits)
#include "tst_cliunits.moc"
