#include "controls/CGauge.h"

#include <QImage>
#include <QtTest>
#include <limits>
#include <stdexcept>

using vortan::TCGauge;

namespace {

// Counts repaint requests instead of waiting for paint events.
class CountingGauge : public TCGauge {
public:
    int repaints = 0;

protected:
    void invalidate() override {
        ++repaints;
        TCGauge::invalidate();
    }
};

QString thrownMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::out_of_range& error) {
        return QString::fromStdString(error.what());
    }
    return QString();
}

int countPixels(const QImage& image, const QRect& region, QRgb colour) {
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class tst_CGauge : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void percentDone_data();
    void percentDone();
    void setProgressClamps_data();
    void setProgressClamps();
    void repaintsOnlyWhenPercentChanges();
    void addProgress();
    void minValueRules();
    void maxValueRules();
    void outOfRangeMessages();
    void propertySettersRepaintOnChange();
    void horizontalBarRect_data();
    void horizontalBarRect();
    void verticalBarRect_data();
    void verticalBarRect();
    void textPosition_data();
    void textPosition();
    void emptyBarPaintsNoForeground();
    void paintedBarMatchesGeometry();
    void textIsInvertedAgainstBar();
    void everyKindPaints_data();
    void everyKindPaints();
};

void tst_CGauge::defaults() {
    TCGauge gauge;
    QCOMPARE(gauge.kind(), TCGauge::gkHorizontalBar);
    QVERIFY(gauge.showText());
    QCOMPARE(gauge.borderStyle(), TCGauge::bsSingle);
    QCOMPARE(gauge.foreColor(), QColor(Qt::black));
    QCOMPARE(gauge.backColor(), QColor(Qt::white));
    QCOMPARE(gauge.minValue(), 0);
    QCOMPARE(gauge.maxValue(), 100);
    QCOMPARE(gauge.progress(), 0);
    QCOMPARE(gauge.size(), QSize(100, 100));
    QCOMPARE(int(TCGauge::gkNeedle), 4);
}

void tst_CGauge::percentDone_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("percent");
    QTest::newRow("one third rounds down") << 0 << 3 << 1 << 33;
    QTest::newRow("two thirds rounds down") << 0 << 3 << 2 << 66;
    QTest::newRow("empty range") << 5 << 5 << 5 << 0;
    QTest::newRow("full") << 0 << 5 << 5 << 100;
    QTest::newRow("offset range") << 10 << 20 << 15 << 50;
    QTest::newRow("negative range") << -200 << -100 << -199 << 1;
    QTest::newRow("whole int range, no overflow")
        << std::numeric_limits<int>::min() << std::numeric_limits<int>::max() << 0 << 50;
}

void tst_CGauge::percentDone() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, progress);
    QFETCH(int, percent);
    QCOMPARE(TCGauge::percentDone(min, max, progress), percent);
}

void tst_CGauge::setProgressClamps_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("inside") << 7 << 7;
    QTest::newRow("above max") << 50 << 20;
    QTest::newRow("below min") << -3 << 5;
    QTest::newRow("int max") << std::numeric_limits<int>::max() << 20;
}

void tst_CGauge::setProgressClamps() {
    QFETCH(int, value);
    QFETCH(int, stored);
    TCGauge gauge;
    gauge.setMaxValue(20);
    gauge.setMinValue(5);
    gauge.SetProgress(value);
    QCOMPARE(gauge.progress(), stored);
}

void tst_CGauge::repaintsOnlyWhenPercentChanges() {
    CountingGauge gauge;
    gauge.setMaxValue(1000);
    gauge.repaints = 0;
    gauge.setProgress(5); // still 0 %
    QCOMPARE(gauge.progress(), 5);
    QCOMPARE(gauge.repaints, 0);
    gauge.setProgress(10); // 1 %
    QCOMPARE(gauge.repaints, 1);
    gauge.setProgress(10);
    QCOMPARE(gauge.repaints, 1);
}

void tst_CGauge::addProgress() {
    CountingGauge gauge;
    gauge.setMaxValue(1000);
    gauge.repaints = 0;
    gauge.AddProgress(3);
    QCOMPARE(gauge.progress(), 3);
    QCOMPARE(gauge.repaints, 1); // repaints although 0 % stays 0 %
    gauge.addProgress(std::numeric_limits<int>::max());
    QCOMPARE(gauge.progress(), 1000);
    gauge.addProgress(std::numeric_limits<int>::min());
    QCOMPARE(gauge.progress(), 0);
}

void tst_CGauge::minValueRules() {
    CountingGauge gauge;
    gauge.setProgress(10);
    gauge.repaints = 0;
    gauge.SetMinValue(0);
    QCOMPARE(gauge.repaints, 0);
    gauge.setMinValue(30);
    QCOMPARE(gauge.minValue(), 30);
    QCOMPARE(gauge.progress(), 30);
    QCOMPARE(gauge.repaints, 1);
    gauge.setMinValue(100); // equal to the maximum is accepted
    QCOMPARE(gauge.percentDone(), 0);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, gauge.setMinValue(101));
    QCOMPARE(gauge.minValue(), 100);
}

void tst_CGauge::maxValueRules() {
    TCGauge gauge;
    gauge.setMinValue(-50);
    gauge.setProgress(80);
    gauge.SetMaxValue(0);
    QCOMPARE(gauge.maxValue(), 100);
    QCOMPARE(gauge.minValue(), -50);
    QCOMPARE(gauge.progress(), 80);
    gauge.setMaxValue(40);
    QCOMPARE(gauge.progress(), 40);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, gauge.setMaxValue(-51));
    QCOMPARE(gauge.maxValue(), 40);
    gauge.setMaxValue(-50);
    QCOMPARE(gauge.progress(), -50);
}

void tst_CGauge::outOfRangeMessages() {
    TCGauge gauge;
    gauge.setMaxValue(5);
    QCOMPARE(thrownMessage([&] { gauge.setMinValue(6); }),
             QStringLiteral("Value must be between -2147483647 and 4"));
    gauge.setMinValue(2);
    QCOMPARE(thrownMessage([&] { gauge.setMaxValue(1); }),
             QStringLiteral("Value must be between 3 and 2147483647"));
}

void tst_CGauge::propertySettersRepaintOnChange() {
    CountingGauge gauge;
    gauge.repaints = 0;
    gauge.setKind(TCGauge::gkHorizontalBar);
    gauge.setShowText(true);
    gauge.setBorderStyle(TCGauge::bsSingle);
    gauge.setForeColor(Qt::black);
    gauge.setBackColor(Qt::white);
    QCOMPARE(gauge.repaints, 0);
    gauge.setKind(TCGauge::gkPie);
    gauge.setShowText(false);
    gauge.setBorderStyle(TCGauge::bsNone);
    gauge.setForeColor(Qt::red);
    gauge.setBackColor(Qt::blue);
    QCOMPARE(gauge.repaints, 5);
    QCOMPARE(gauge.property("Kind").toInt(), int(TCGauge::gkPie));
}

void tst_CGauge::horizontalBarRect_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("bar");
    const QRect framed(1, 1, 268, 19); // a 270 x 21 gauge with its border
    QTest::newRow("0 %") << framed << 0 << QRect();
    QTest::newRow("50 %") << framed << 50 << QRect(1, 1, 133, 19);
    QTest::newRow("100 % fills the area") << framed << 100 << framed;
    const QRect bare(0, 0, 100, 20);
    QTest::newRow("no border 1 %") << bare << 1 << QRect(0, 0, 1, 20);
    QTest::newRow("no border 50 %") << bare << 50 << QRect(0, 0, 50, 20);
    QTest::newRow("no border 100 %") << bare << 100 << bare;
}

void tst_CGauge::horizontalBarRect() {
    QFETCH(QRect, area);
    QFETCH(int, percent);
    QFETCH(QRect, bar);
    QCOMPARE(TCGauge::horizontalBarRect(area, percent), bar);
}

void tst_CGauge::verticalBarRect_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("bar");
    const QRect framed(1, 1, 98, 98);
    QTest::newRow("0 %") << framed << 0 << QRect();
    QTest::newRow("50 % from the bottom") << framed << 50 << QRect(1, 50, 98, 49);
    QTest::newRow("100 % fills the area") << framed << 100 << framed;
}

void tst_CGauge::verticalBarRect() {
    QFETCH(QRect, area);
    QFETCH(int, percent);
    QFETCH(QRect, bar);
    QCOMPARE(TCGauge::verticalBarRect(area, percent), bar);
}

void tst_CGauge::textPosition_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("centred, odd remainder rounds up")
        << QRect(1, 1, 268, 19) << QSize(23, 14) << QPoint(124, 4);
    QTest::newRow("no border") << QRect(0, 0, 100, 100) << QSize(21, 10) << QPoint(40, 45);
    QTest::newRow("text wider than area halves toward zero")
        << QRect(0, 0, 10, 10) << QSize(14, 12) << QPoint(-1, 0);
}

void tst_CGauge::textPosition() {
    QFETCH(QRect, area);
    QFETCH(QSize, text);
    QFETCH(QPoint, position);
    QCOMPARE(TCGauge::textPosition(area, text), position);
}

void tst_CGauge::emptyBarPaintsNoForeground() {
    TCGauge gauge;
    gauge.resize(270, 21);
    gauge.setShowText(false);
    gauge.setForeColor(Qt::red);
    gauge.setProgress(0);
    const QImage image = gauge.grab().toImage();
    const QRect area(1, 1, 268, 19);
    QCOMPARE(countPixels(image, image.rect(), QColor(Qt::red).rgb()), 0);
    QCOMPARE(countPixels(image, area, QColor(Qt::white).rgb()), area.width() * area.height());
    QCOMPARE(image.pixel(0, 0), QColor(Qt::black).rgb()); // the border
    QCOMPARE(image.pixel(269, 20), QColor(Qt::black).rgb());
}

void tst_CGauge::paintedBarMatchesGeometry() {
    TCGauge gauge;
    gauge.resize(270, 21);
    gauge.setShowText(false);
    gauge.setForeColor(Qt::red);
    gauge.setMaxValue(5);
    gauge.setProgress(2);
    const QImage image = gauge.grab().toImage();
    const QRect bar = TCGauge::horizontalBarRect(QRect(1, 1, 268, 19), 40);
    QVERIFY(!bar.isEmpty());
    const int red = countPixels(image, image.rect(), QColor(Qt::red).rgb());
    QCOMPARE(red, bar.width() * bar.height());
    QCOMPARE(countPixels(image, bar, QColor(Qt::red).rgb()), red);
}

void tst_CGauge::textIsInvertedAgainstBar() {
    TCGauge gauge;
    gauge.resize(200, 40);
    gauge.setProgress(50); // black left half, white right half
    const QImage image = gauge.grab().toImage();
    const QRect left(1, 1, 98, 38);
    const QRect right(99, 1, 100, 38);
    // Text over the black bar turns white, over the white background black.
    QVERIFY(countPixels(image, left, QColor(Qt::white).rgb()) > 0);
    QVERIFY(countPixels(image, right, QColor(Qt::black).rgb()) > 0);

    gauge.setShowText(false);
    const QImage plain = gauge.grab().toImage();
    QCOMPARE(countPixels(plain, left, QColor(Qt::white).rgb()), 0);
    QCOMPARE(countPixels(plain, right, QColor(Qt::black).rgb()), 0);
}

void tst_CGauge::everyKindPaints_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("text") << int(TCGauge::gkText);
    QTest::newRow("horizontal") << int(TCGauge::gkHorizontalBar);
    QTest::newRow("vertical") << int(TCGauge::gkVerticalBar);
    QTest::newRow("pie") << int(TCGauge::gkPie);
    QTest::newRow("needle") << int(TCGauge::gkNeedle);
}

void tst_CGauge::everyKindPaints() {
    QFETCH(int, kind);
    TCGauge gauge;
    gauge.setKind(TCGauge::Kind(kind));
    gauge.setShowText(false);
    gauge.setForeColor(Qt::red);
    gauge.setBackColor(Qt::green);
    gauge.setProgress(60);
    const QImage image = gauge.grab().toImage();
    QVERIFY(countPixels(image, image.rect(), QColor(Qt::green).rgb()) > 0);
    if (kind != TCGauge::gkText)
        QVERIFY(countPixels(image, image.rect(), QColor(Qt::red).rgb()) > 0);
}

QTEST_MAIN(tst_CGauge)
#include "tst_cgauge.moc"
