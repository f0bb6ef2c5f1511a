// The replay clock: rows come at their times at each speed, pause holds, seek and steps move
// within the log.
#include "monitor/ReplayClock.h"

#include <QTest>

using namespace vortan;

namespace {
std::vector<LogRow> rowsAt(const std::vector<int>& times) {
    std::vector<LogRow> rows;
    for (int t : times) {
        LogRow r;
        r.timeMs = t;
        rows.push_back(r);
    }
    return rows;
}
} // namespace

class tst_ReplayClock : public QObject {
    Q_OBJECT
private slots:
    void rowsAtTheirTimes_data();
    void rowsAtTheirTimes();
    void pauseSeekAndStep();
};

// Ticks of 55 ms wall time at a speed: the row shown after each tick.
void tst_ReplayClock::rowsAtTheirTimes_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<QList<int>>("rowAfterTicks");
    QTest::newRow("1x") << 1 << QList<int>{0, 0, 1, 1, 1, 1, 1, 2};
    QTest::newRow("2x") << 2 << QList<int>{0, 1, 1, 1, 2, 2, 3, 3};
    QTest::newRow("8x") << 8 << QList<int>{0, 2, 3, 3, 3, 4, 4, 4};
}

void tst_ReplayClock::rowsAtTheirTimes() {
    QFETCH(int, speed);
    QFETCH(QList<int>, rowAfterTicks);
    // Log time starts at 1000 ms: the clock starts at the first row, not at 0.
    const std::vector<LogRow> rows = rowsAt({1000, 1100, 1380, 1600, 3000});
    ReplayClock clock(rows);
    clock.setSpeed(speed);
    QList<int> seen;
    for (int i = 0; i < rowAfterTicks.size(); ++i) {
        seen << int(clock.row());
        clock.advance(55);
    }
    QCOMPARE(seen, rowAfterTicks);
}

void tst_ReplayClock::pauseSeekAndStep() {
    const std::vector<LogRow> rows = rowsAt({0, 100, 200, 300});
    ReplayClock clock(rows);
    clock.setPaused(true);
    clock.advance(500);
    QCOMPARE(clock.position(), 0);
    clock.setPaused(false);
    clock.advance(5000);
    QVERIFY(clock.atEnd());
    QCOMPARE(clock.position(), 300); // stops at the last row
    clock.seek(150);
    QCOMPARE(clock.row(), 1);
    clock.seek(-20);
    QCOMPARE(clock.position(), 0);
    clock.stepRow(+2);
    QCOMPARE(clock.position(), 200);
    clock.stepRow(-5);
    QCOMPARE(clock.row(), 0);
    clock.stepRow(+9);
    QCOMPARE(clock.row(), 3);

    // Rows of one time are stepped through one by one.
    const std::vector<LogRow> same = rowsAt({0, 100, 100, 100, 200});
    ReplayClock steps(same);
    steps.stepRow(+1);
    steps.stepRow(+1);
    QCOMPARE(steps.row(), 2);
    steps.seek(150);
    QCOMPARE(steps.row(), 3);
}

QTEST_APPLESS_MAIN(tst_ReplayClock)
#include "tst_replayclock.moc"
