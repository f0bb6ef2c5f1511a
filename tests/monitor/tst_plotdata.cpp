// The plot's data: thinning keeps each slice's lowest and highest value, and the wheel's zoom
// keeps the time under the pointer within the log.
#include "monitor/PlotData.h"

#include <QTest>

#include <cmath>

using namespace vortan;

class tst_PlotData : public QObject {
    Q_OBJECT
private slots:
    void thinningKeepsPeaks();
    void rowsWithoutTheValue_data();
    void rowsWithoutTheValue();
    void zoom_data();
    void zoom();
};

void tst_PlotData::thinningKeepsPeaks() {
    std::vector<LogRow> rows(1000);
    for (int i = 0; i < 1000; ++i) {
        rows[std::size_t(i)].timeMs = 5000 + 10 * i;
        rows[std::size_t(i)].packet.rpm = static_cast<std::uint16_t>(i == 637 ? 14000 : 3000);
    }
    const std::vector<PlotPoint> points =
        thinnedSeries(rows, PlotChannel::Rpm, 5000, 5000 + 9990, 20);
    QVERIFY(points.size() <= 40);
    QCOMPARE(points.front().seconds, 0.0);
    double peak = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        peak = std::max(peak, points[i].value);
        QVERIFY(i == 0 || points[i - 1].seconds <= points[i].seconds);
    }
    QCOMPARE(peak, 14000.0);
    QCOMPARE(thinnedSeries(rows, PlotChannel::Rpm, 0, 4999, 20).size(), std::size_t(0));
}

void tst_PlotData::rowsWithoutTheValue_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("every"); // every n-th row holds advance and lambda; 0: none
    QTest::addColumn<int>("points");
    QTest::newRow("advance in every row") << int(PlotChannel::Advance) << 1 << 10;
    QTest::newRow("advance in every other row") << int(PlotChannel::Advance) << 2 << 5;
    QTest::newRow("no advance column") << int(PlotChannel::Advance) << 0 << 0;
    QTest::newRow("no lambda column") << int(PlotChannel::Lambda) << 0 << 0;
    QTest::newRow("engine speed, always held") << int(PlotChannel::Rpm) << 0 << 10;
    QTest::newRow("throttle, always held") << int(PlotChannel::Throttle) << 0 << 10;
}

// A row that lacks a value draws no point for it: no line at zero.
void tst_PlotData::rowsWithoutTheValue() {
    QFETCH(int, channel);
    QFETCH(int, every);
    QFETCH(int, points);
    std::vector<LogRow> rows(10);
    for (int i = 0; i < 10; ++i) {
        LogRow& r = rows[std::size_t(i)];
        r.timeMs = 100 * i;
        r.packet.advance = static_cast<std::uint8_t>(20 + i);
        r.values = PacketValues::none();
        if (every > 0 && i % every == 0) {
            r.values.add(PacketValue::Advance);
            r.values.add(PacketValue::Lambda);
        }
    }
    const std::vector<PlotPoint> got = thinnedSeries(rows, PlotChannel(channel), 0, 900, 100);
    QCOMPARE(int(got.size()), points);
    if (channel == int(PlotChannel::Advance))
        for (const PlotPoint& p : got)
            QCOMPARE(std::lround(p.seconds * 10) % every, 0L);
}

void tst_PlotData::zoom_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("centre");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("wantFrom");
    QTest::addColumn<double>("wantTo");
    QTest::newRow("in about the middle") << 0.0 << 100.0 << 50.0 << 0.5 << 25.0 << 75.0;
    QTest::newRow("in at the left keeps the pointer's time")
        << 0.0 << 100.0 << 20.0 << 0.5 << 10.0 << 60.0;
    QTest::newRow("out stops at the log's ends") << 10.0 << 60.0 << 50.0 << 4.0 << 0.0 << 100.0;
    QTest::newRow("out near an end slides in") << 80.0 << 100.0 << 95.0 << 2.0 << 60.0 << 100.0;
    QTest::newRow("in no narrower than the narrowest") << 0.0 << 4.0 << 2.0 << 0.1 << 1.0 << 3.0;
}

void tst_PlotData::zoom() {
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, centre);
    QFETCH(double, factor);
    QFETCH(double, wantFrom);
    QFETCH(double, wantTo);
    const TimeRange r = zoomRange({from, to}, centre, factor, {0, 100}, 2.0);
    QCOMPARE(r.from, wantFrom);
    QCOMPARE(r.to, wantTo);
}

QTEST_APPLESS_MAIN(tst_PlotData)
#include "tst_plotdata.moc"
