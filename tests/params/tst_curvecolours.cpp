// The colours of the curves panel's throttle rows: ten of them, in order of lightness, each
// showing on the white chart.

#include "params/CurveColours.h"

#include <QtTest>

using namespace vortan;

namespace {
double luminance(Rgb c) {
    return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}
} // namespace

class tst_CurveColours : public QObject {
    Q_OBJECT
private slots:
    void rowsOrderedAndShown_data() {
        QTest::addColumn<int>("row");
        static const char* kRows[10] = {"0 %",  "2 %",  "5 %",  "10 %", "20 %",
                                        "30 %", "40 %", "60 %", "80 %", "100 %"};
        for (int r = 1; r < 10; ++r)
            QTest::newRow(kRows[r]) << r;
    }
    // Each row a visible step lighter than the row below it, so no two share a colour and
    // the order needs no hue; none so pale that the white chart swallows it.
    void rowsOrderedAndShown() {
        QFETCH(int, row);
        const double lower = luminance(throttleRowColour(row - 1));
        const double here = luminance(throttleRowColour(row));
        QVERIFY2(here > lower + 10, qPrintable(QString("%1 after %2").arg(here).arg(lower)));
        QVERIFY(here < 200);
    }
    void outsideRowsClamped() {
        QVERIFY(throttleRowColour(-1) == throttleRowColour(0));
        QVERIFY(throttleRowColour(10) == throttleRowColour(9));
    }
};

QTEST_APPLESS_MAIN(tst_CurveColours)
#include "tst_curvecolours.moc"
