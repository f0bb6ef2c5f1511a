// Where the engine spent its time: shares per cell, and the fading trail of the cells in use.
#include "monitor/CellTrail.h"
#include "monitor/DwellShares.h"

#include <QTest>

using namespace vortan;

namespace {
MapCursor cell(int row, int column) {
    MapCursor c;
    c.row = static_cast<std::uint8_t>(row);
    c.column = static_cast<std::uint8_t>(column);
    c.belowMap = false;
    return c;
}
MapCursor below() {
    return MapCursor{};
}
} // namespace

class tst_DwellShares : public QObject {
    Q_OBJECT
private slots:
    void shares_data();
    void shares();
    void trail();
};

// Samples (time, cursor); each cell's time runs to the next sample.
void tst_DwellShares::shares_data() {
    QTest::addColumn<QList<int>>("times");
    QTest::addColumn<QList<int>>("cells"); // row * 10 + column; -1 below the map
    QTest::addColumn<double>("share00");
    QTest::addColumn<double>("share12");
    QTest::addColumn<double>("maxShare");
    QTest::newRow("nothing sampled") << QList<int>{} << QList<int>{} << 0.0 << 0.0 << 0.0;
    QTest::newRow("one sample has no time") << QList<int>{0} << QList<int>{0} << 0.0 << 0.0 << 0.0;
    QTest::newRow("three to one") << QList<int>{0, 300, 400} << QList<int>{0, 12, 0} << 0.75 << 0.25
                                  << 0.75;
    QTest::newRow("below the map counts in the whole")
        << QList<int>{0, 100, 200, 400} << QList<int>{-1, 0, 12, 12} << 0.25 << 0.5 << 0.5;
    QTest::newRow("a long gap counts as a second")
        << QList<int>{0, 60000, 61000} << QList<int>{0, 12, 0} << 0.5 << 0.5 << 0.5;
    QTest::newRow("a time going back is ignored")
        << QList<int>{0, 100, 50, 200} << QList<int>{0, 12, 0, 0} << 0.5 << 0.5 << 0.5;
}

void tst_DwellShares::shares() {
    QFETCH(QList<int>, times);
    QFETCH(QList<int>, cells);
    QFETCH(double, share00);
    QFETCH(double, share12);
    QFETCH(double, maxShare);
    DwellShares d;
    for (int i = 0; i < times.size(); ++i)
        d.sample(times[i], cells[i] < 0 ? below() : cell(cells[i] / 10, cells[i] % 10));
    QCOMPARE(d.share(0, 0), share00);
    QCOMPARE(d.share(1, 2), share12);
    QCOMPARE(d.maxShare(), maxShare);
}

// Strength 1 just left, fading over three seconds; a step back in time starts anew.
void tst_DwellShares::trail() {
    CellTrail t;
    t.sample(0, cell(0, 0));
    t.sample(1500, cell(1, 1));
    t.sample(1600, below());
    std::array<double, 100> s = t.strengths(1600);
    QCOMPARE(s[0], 1.0 - 1600.0 / 3000.0);
    QCOMPARE(s[11], 1.0 - 100.0 / 3000.0);
    t.sample(3500, cell(2, 2));
    s = t.strengths(3500);
    QCOMPARE(s[0], 0.0); // older than three seconds
    QVERIFY(s[11] > 0.0);
    QCOMPARE(s[22], 1.0);
    t.sample(100, cell(3, 3));
    s = t.strengths(100);
    QCOMPARE(s[22], 0.0);
    QCOMPARE(s[33], 1.0);
    QVERIFY(t.shows(3099));
    t.sample(3000, below());
    QVERIFY(!t.shows(3100)); // below the map marks no cell
    // Lighter with age: the weaker trail lies nearer the colour beneath.
    const Rgb white{255, 255, 255};
    QVERIFY(trailColour(white, 0.2).green > trailColour(white, 0.9).green);
    QCOMPARE(trailColour(white, 0.0), white);
}

QTEST_APPLESS_MAIN(tst_DwellShares)
#include "tst_dwellshares.moc"
