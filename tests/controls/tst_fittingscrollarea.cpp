// Bringing a cell into a scrolled view: as little movement as will show it whole, never
// beneath the strips kept in sight at the view's left and top, never past the content.

#include "controls/FittingScrollArea.h"

#include <QtTest>

using namespace vortan;

class tst_FittingScrollArea : public QObject {
    Q_OBJECT
private slots:
    void originShowing_data() {
        QTest::addColumn<QRect>("target");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("shown");
        // A view of 400 x 300 on a content of 800 x 440, strips 84 wide and 66 high.
        const QPoint start(0, 0);
        QTest::newRow("already seen") << QRect(150, 100, 64, 24) << start << start;
        QTest::newRow("right of the view") << QRect(678, 309, 64, 24) << start << QPoint(342, 33);
        QTest::newRow("beneath the row captions")
            << QRect(84, 309, 64, 24) << QPoint(300, 33) << QPoint(0, 33);
        QTest::newRow("beneath the speeds")
            << QRect(348, 66, 64, 24) << QPoint(100, 140) << QPoint(100, 0);
        QTest::newRow("partly beneath a strip")
            << QRect(400, 200, 64, 24) << QPoint(330, 0) << QPoint(316, 0);
        QTest::newRow("past the content's end")
            << QRect(790, 430, 64, 24) << start << QPoint(400, 140);
    }
    void originShowing() {
        QFETCH(QRect, target);
        QFETCH(QPoint, origin);
        QFETCH(QPoint, shown);
        QCOMPARE(FittingScrollArea::originShowing(target, origin, QSize(400, 300), QSize(84, 66),
                                                  QSize(800, 440)),
                 shown);
    }
};

QTEST_APPLESS_MAIN(tst_FittingScrollArea)
#include "tst_fittingscrollarea.moc"
