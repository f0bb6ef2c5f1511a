// The run log's CSV: the columns written, a round trip of random packets, the same text in
// every locale, and what the reader makes of other CSV files and of bad ones.
#include "monitor/LogCsv.h"
#include "monitor/LogRecorder.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

using namespace vortan;

namespace {

MonitorPacket randomPacket(QRandomGenerator& g) {
    auto u16 = [&g] { return static_cast<std::uint16_t>(g.bounded(0x10000)); };
    auto u8 = [&g] { return static_cast<std::uint8_t>(g.bounded(0x100)); };
    MonitorPacket p;
    p.rpm = u16();
    p.tpsRaw = u16();
    p.lambdaRaw = u16();
    p.servoMeasuredRaw = u16();
    p.servoDesiredRaw = u16();
    p.programmings = u16();
    for (auto& t : p.test)
        t = u16();
    p.tpsPercent = u8();
    p.advance = u8();
    for (std::uint8_t* f : {&p.startLimiter, &p.rpmRed, &p.blocking1, &p.blocking2, &p.rpmYellow,
                            &p.servoOk, &p.clutchMaster, &p.tachoSelected, &p.n2oActive})
        *f = g.bounded(2) ? u8() : 0;
    return p;
}

const char* const kHeader = "time_s,rpm,throttle_pct,throttle_mv,lambda_mv,advance_deg,"
                            "servo_desired_mv,servo_measured_mv,programmings,test1,test2,test3,"
                            "test4,test5,test6,test7,test8,start_limiter,rpm_red,rpm_yellow,"
                            "blocking1,blocking2,servo_ok,clutch,tacho,n2o,map_row,map_col,"
                            "below_map,servo_col\r\n";

} // namespace

class tst_LogCsv : public QObject {
    Q_OBJECT
private slots:
    void recordingEndsWhenItsFileIsDeleted();
    void header();
    void lineInEveryLocale();
    void roundTrip();
    void read_data();
    void read();
    void valuesHeld_data();
    void valuesHeld();
    void timeOrder_data();
    void timeOrder();
    void hugeInput();
};

void tst_LogCsv::header() {
    QCOMPARE(QString::fromStdString(logHeader()), QString(kHeader));
}

// A comma-decimal locale in Qt and, where the system has it, in C must not change a character.
void tst_LogCsv::lineInEveryLocale() {
    MonitorPacket p;
    p.rpm = 4200;
    p.tpsPercent = 37;
    p.tpsRaw = rawForMillivolts(1234);
    p.rpmRed = 7;
    MapCursor c{3, 4, 5, false};
    const std::string expected =
        "12.005,4200,37,1234,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,4,3,0,5\r\n";
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    const std::string line = logLine(12005, p, c);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
    Q_UNUSED(cLocale);
    QCOMPARE(line, expected);
}

// Every value written reads back as written: writing the rows read gives the same text.
void tst_LogCsv::roundTrip() {
    QRandomGenerator g(12);
    std::string text = logHeader();
    std::vector<MonitorPacket> packets;
    for (int i = 0; i < 500; ++i) {
        packets.push_back(randomPacket(g));
        text += logLine(i * 55 + i % 3, packets.back(), MapCursor{});
    }
    const LogReadResult r = readLog(text.data(), text.size());
    QCOMPARE(r.error, LogError::None);
    QCOMPARE(r.skipped, 0);
    QCOMPARE(r.rows.size(), packets.size());
    std::string again = logHeader();
    for (const LogRow& row : r.rows)
        again += logLine(row.timeMs, row.packet, MapCursor{});
    QCOMPARE(again, text);
    QCOMPARE(r.rows[7].packet.rpm, packets[7].rpm);

    // The highest voltage a packet can carry is no damaged value.
    MonitorPacket top;
    top.tpsRaw = top.lambdaRaw = top.servoDesiredRaw = top.servoMeasuredRaw = 0xFFFF;
    const std::string line = logHeader() + logLine(0, top, MapCursor{});
    QCOMPARE(readLog(line.data(), line.size()).skipped, 0);
}

void tst_LogCsv::read_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<int>("lastRpm");
    auto row = [](const char* name, const QByteArray& text, LogError e, int rows, int skipped,
                  int lastRpm) {
        QTest::newRow(name) << text << int(e) << rows << skipped << lastRpm;
    };
    row("empty", "", LogError::Empty, 0, 0, 0);
    row("blank lines", "\n\r\n", LogError::Empty, 0, 0, 0);
    row("binary",
        QByteArray("\x7F"
                   "ELF\0\x01\x02,\n1,2,3\n",
                   15),
        LogError::Binary, 0, 0, 0);
    row("header only", kHeader, LogError::NoRows, 0, 0, 0);
    row("missing columns", "time_s,rpm_x,throttle\n1,2,3\n", LogError::MissingColumns, 0, 0, 0);
    row("any order, unknown columns, LF",
        "gear,throttle_pct,rpm,time_s\n3,50,4000,0.5\n4,60,5000,1\n", LogError::None, 2, 0, 5000);
    row("spreadsheet: BOM, quotes, comma and line break inside quotes",
        "\xEF\xBB\xBF\"time_s\",\"note\",\"rpm\",\"throttle_pct\"\r\n"
        "\"0.000\",\"a, \"\"b\"\"\nc\",\"3000\",\"10\"\r\n1.5,,\"3100\",12\r\n",
        LogError::None, 2, 0, 3100);
    row("decimals rounded, spaces", "time_s,rpm,throttle_pct\n0.0004, 2999.5 ,10\n", LogError::None,
        1, 0, 3000);
    row("damaged rows skipped",
        "time_s,rpm,throttle_pct\n0,1000,5\n1,abc,5\n2,1000\n3,70000,5\n-4,1,1\n5,1,1,9\n"
        "6,\"1,5\",3\n7,2000,5",
        LogError::None, 3, 5, 2000);
    row("only damaged rows", "time_s,rpm,throttle_pct\nx,y,z\n", LogError::NoRows, 0, 1, 0);
    row("spreadsheet in a decimal-comma locale: semicolons, empty optional field",
        "time_s;rpm;throttle_pct;lambda_mv\r\n0,05;3000;20;\r\n\"1,5\";3100;21;450\r\n",
        LogError::None, 2, 0, 3100);
    row("tabs", "time_s\trpm\tthrottle_pct\n0.5\t4000\t30\n", LogError::None, 1, 0, 4000);
    row("empty required field", "time_s,rpm,throttle_pct\n0,,5\n1,2000,5\n", LogError::None, 1, 1,
        2000);
}

void tst_LogCsv::read() {
    QFETCH(QByteArray, text);
    QFETCH(int, error);
    QFETCH(int, rows);
    QFETCH(int, skipped);
    QFETCH(int, lastRpm);
    const LogReadResult r = readLog(text.constData(), static_cast<std::size_t>(text.size()));
    QCOMPARE(int(r.error), error);
    QCOMPARE(int(r.rows.size()), rows);
    QCOMPARE(r.skipped, skipped);
    if (rows > 0)
        QCOMPARE(int(r.rows.back().packet.rpm), lastRpm);
}

void tst_LogCsv::valuesHeld_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("held"); // PacketValues of the first row
    QList<int> all;
    for (int v = 0; v < int(PacketValue::Count); ++v)
        all << v;
    const std::string own = logHeader() + logLine(0, MonitorPacket{}, MapCursor{});
    QTest::newRow("own log, all zero") << QByteArray::fromStdString(own) << all;
    QTest::newRow("required columns only")
        << QByteArray("time_s,rpm,throttle_pct\n0,1000,5\n") << QList<int>{};
    QTest::newRow("a zero is a value, an empty field none")
        << QByteArray("time_s,rpm,throttle_pct,advance_deg,lambda_mv,test3,servo_ok\n"
                      "0,1000,5,0,,4, \n")
        << QList<int>{int(PacketValue::Advance), int(testValue(2))};
    QTest::newRow("flags") << QByteArray(
                                  "tacho,time_s,rpm,throttle_pct,n2o,clutch\n1,0,1000,5,0,\n")
                           << QList<int>{int(PacketValue::Tacho), int(PacketValue::N2o)};
}

// A row holds the values its fields give; a missing column or an empty field is no value.
void tst_LogCsv::valuesHeld() {
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, held);
    const LogReadResult r = readLog(text.constData(), static_cast<std::size_t>(text.size()));
    QCOMPARE(r.error, LogError::None);
    QList<int> got;
    for (int v = 0; v < int(PacketValue::Count); ++v)
        if (r.rows.front().values.has(PacketValue(v)))
            got << v;
    QCOMPARE(got, held);
}

void tst_LogCsv::timeOrder_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("outOfOrder");
    QTest::addColumn<QList<int>>("rpms"); // of the rows read, in their order
    const QByteArray h = "time_s,rpm,throttle_pct\n";
    QTest::newRow("in order") << h + "0,1000,5\n1,2000,5\n2,3000,5\n"
                              << 0 << QList<int>{1000, 2000, 3000};
    QTest::newRow("one row back") << h + "1,1000,5\n0.5,2000,5\n2,3000,5\n"
                                  << 1 << QList<int>{2000, 1000, 3000};
    QByteArray backwards = h;
    QList<int> rising;
    for (int i = 38; i >= 0; --i) {
        backwards += QByteArray::number(i) + "," + QByteArray::number(1000 + i) + ",5\n";
        rising.prepend(1000 + i);
    }
    QTest::newRow("all backwards") << backwards << 38 << rising;
    QTest::newRow("equal times keep the file's order")
        << h + "1,1000,5\n1,2000,5\n0,3000,5\n1,4000,5\n"
        << 1 << QList<int>{3000, 1000, 2000, 4000};
}

// Rows out of time order are counted, not taken for damaged, and play sorted by time.
void tst_LogCsv::timeOrder() {
    QFETCH(QByteArray, text);
    QFETCH(int, outOfOrder);
    QFETCH(QList<int>, rpms);
    const LogReadResult r = readLog(text.constData(), static_cast<std::size_t>(text.size()));
    QCOMPARE(r.skipped, 0);
    QCOMPARE(r.outOfOrder, outOfOrder);
    QList<int> got;
    for (const LogRow& row : r.rows)
        got << row.packet.rpm;
    QCOMPARE(got, rpms);
}

// A million columns in the header and a line of 100 MB read in one pass.
void tst_LogCsv::hugeInput() {
    std::string wide = "time_s,rpm,throttle_pct";
    for (int i = 0; i < 1000000; ++i)
        wide += ",x";
    wide += "\n1,2,3" + std::string(2 * 1000000, ',') + "\n";
    LogReadResult r = readLog(wide.data(), wide.size());
    QCOMPARE(int(r.rows.size()), 1);

    std::string longLine = "time_s,rpm,throttle_pct\n1,2,";
    longLine += std::string(100 * 1000 * 1000, '7') + "\n2,3,4\n";
    r = readLog(longLine.data(), longLine.size());
    QCOMPARE(int(r.rows.size()), 1);
    QCOMPARE(r.skipped, 1);
}

// Lines written into a deleted file would be lost at the end: the recording ends within a
// second.
void tst_LogCsv::recordingEndsWhenItsFileIsDeleted() {
#ifdef Q_OS_WIN
    QSKIP("Wine keeps a deleted file that is open until it is closed; needs a Windows machine");
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath("run.csv");
    LogRecorder recorder;
    QVERIFY(recorder.start(path, 0));
    QVERIFY(recorder.add(55, MonitorPacket{}, MapCursor{}));
    QVERIFY(QFile::remove(path));
    QVERIFY(!recorder.add(1055, MonitorPacket{}, MapCursor{}));
    QVERIFY(!recorder.recording());
    QCOMPARE(recorder.lines(), 1);
}

QTEST_APPLESS_MAIN(tst_LogCsv)
#include "tst_logcsv.moc"
