// The map page's strips kept in sight while it scrolls: what lies wholly within the left
// strip (the throttle rows' captions) follows the view across, what lies within the top
// strip (the speeds) follows it down, the corner both ways, the cells neither.

#include "controls/DesignCanvas.h"

#include <QtTest>

using namespace vortan;

class tst_DesignCanvas : public QObject {
    Q_OBJECT
private slots:
    void frozenShift_data() {
        QTest::addColumn<QRect>("design");
        QTest::addColumn<QSize>("strips");
        QTest::addColumn<QPoint>("hidden");
        QTest::addColumn<QPoint>("shift");
        const QSize strips(84, 66);
        const QPoint hidden(120, 40);
        QTest::newRow("row caption") << QRect(40, 70, 38, 16) << strips << hidden << QPoint(120, 0);
        QTest::newRow("speed") << QRect(414, 34, 64, 24) << strips << hidden << QPoint(0, 40);
        QTest::newRow("corner") << QRect(8, 34, 28, 24) << strips << hidden << hidden;
        QTest::newRow("cell") << QRect(84, 66, 64, 24) << strips << hidden << QPoint();
        QTest::newRow("ends on the strip's edge")
            << QRect(10, 100, 74, 20) << strips << hidden << QPoint(120, 0);
        QTest::newRow("reaches past it") << QRect(10, 100, 75, 20) << strips << hidden << QPoint();
        QTest::newRow("not scrolled") << QRect(8, 34, 28, 24) << strips << QPoint() << QPoint();
        QTest::newRow("no strips") << QRect(0, 0, 0, 0) << QSize() << hidden << QPoint();
    }
    void frozenShift() {
        QFETCH(QRect, design);
        QFETCH(QSize, strips);
        QFETCH(QPoint, hidden);
        QFETCH(QPoint, shift);
        QCOMPARE(DesignCanvas::frozenShift(design, strips, hidden), shift);
    }
};

QTEST_APPLESS_MAIN(tst_DesignCanvas)
#include "tst_designcanvas.moc"
