// Operations on the selected map cells: (selection, map before, argument) -> map after and
// the cells clipped to 0..60.

#include "params/MapOperations.h"

#include "MapCellText.h"

#include <QtTest>
#include <limits>

using namespace vortan;

namespace {
// The default set with `row` of the map replaced by `values` (ten numbers).
DeviceImage withRow(int row, const QList<int>& values) {
    DeviceImage image;
    setDefaults(image);
    for (int c = 0; c < values.size(); ++c)
        image.map(row, c) = std::uint8_t(values[c]);
    return image;
}

QList<int> rowOf(const DeviceImage& image, int row) {
    QList<int> out;
    for (int c = 0; c < 10; ++c)
        out << image.map(row, c);
    return out;
}
} // namespace

class tst_MapOperations : public QObject {
    Q_OBJECT
private slots:
    // Row 9 before: 0 10 20 30 40 50 55 58 60 33; the cells of row 9 given are selected.
    void rowOperations_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("argument");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<int>("clipped");
        QTest::newRow("raise 2, one clipped")
            << "raise" << 2 << "9,0-9,9" << QList<int>{2, 12, 22, 32, 42, 52, 57, 60, 60, 35} << 1;
        QTest::newRow("lower 2 on a single cell, clipped")
            << "raise" << -2 << "9,0" << QList<int>{0, 10, 20, 30, 40, 50, 55, 58, 60, 33} << 1;
        QTest::newRow("lower 2 on the last three")
            << "raise" << -2 << "9,7-9,9" << QList<int>{0, 10, 20, 30, 40, 50, 55, 56, 58, 31} << 0;
        QTest::newRow("set 25") << "set" << 25 << "9,2 9,4"
                                << QList<int>{0, 10, 25, 30, 25, 50, 55, 58, 60, 33} << 0;
        QTest::newRow("scale 105 %, rounded half up, clipped")
            << "scale" << 105 << "9,1-9,3 9,8" << QList<int>{0, 11, 21, 32, 40, 50, 55, 58, 60, 33}
            << 1;
        QTest::newRow("scale 50 %, halves away from zero")
            << "scale" << 50 << "9,6-9,7" << QList<int>{0, 10, 20, 30, 40, 50, 28, 29, 60, 33} << 0;
        QTest::newRow("interpolate 3000 to 7000 rpm")
            << "horizontal" << 0 << "9,2-9,6" << QList<int>{0, 10, 20, 29, 38, 46, 55, 58, 60, 33}
            << 0;
        QTest::newRow("interpolate skips unselected cells")
            << "horizontal" << 0 << "9,2 9,4 9,6"
            << QList<int>{0, 10, 20, 30, 38, 50, 55, 58, 60, 33} << 0;
        QTest::newRow("interpolate a single cell: nothing")
            << "horizontal" << 0 << "9,4" << QList<int>{0, 10, 20, 30, 40, 50, 55, 58, 60, 33} << 0;
        QTest::newRow("smooth, half way to the neighbours' mean")
            << "smooth" << 0 << "9,7-9,9" << QList<int>{0, 10, 20, 30, 40, 50, 55, 59, 53, 47} << 0;
    }
    void rowOperations() {
        QFETCH(QString, operation);
        QFETCH(int, argument);
        const DeviceImage before = withRow(9, {0, 10, 20, 30, 40, 50, 55, 58, 60, 33});
        QFETCH(QString, selected);
        const MapMask cells = cellsOf(selected);
        MapResult r;
        if (operation == "raise")
            r = raiseCells(before, cells, argument);
        else if (operation == "set")
            r = setCells(before, cells, argument);
        else if (operation == "scale")
            r = scaleCells(before, cells, argument);
        else if (operation == "horizontal")
            r = interpolateCells(before, cells, Interpolation::Horizontal);
        else
            r = smoothCells(before, cells);
        QFETCH(QList<int>, after);
        QCOMPARE(rowOf(r.image, 9), after);
        QFETCH(int, clipped);
        QCOMPARE(r.clipped, clipped);
        for (int row = 0; row < 9; ++row) // other rows untouched
            QCOMPARE(rowOf(r.image, row), rowOf(before, row));
    }

    // Interpolation follows the axes' values, not the cells' indexes.
    void interpolationOverAxes() {
        DeviceImage image;
        setDefaults(image);
        const std::uint8_t speeds[10] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 110};
        std::copy(speeds, speeds + 10, &image[Byte::RPM_ADV]);
        image.map(9, 7) = 0;
        image.map(9, 9) = 30; // 8000 -> 11000 rpm: 9000 rpm is a third of the way
        QCOMPARE(int(interpolateCells(image, cellsOf("9,7-9,9"), Interpolation::Horizontal)
                         .image.map(9, 8)),
                 10);
        // Vertically over the throttle axis: 40 % lies 20/60 of the way from 20 % to 80 %.
        image.map(4, 0) = 0;
        image.map(8, 0) = 60;
        const DeviceImage v =
            interpolateCells(image, cellsOf("4,0-8,0"), Interpolation::Vertical).image;
        QCOMPARE(QList<int>({v.map(5, 0), v.map(6, 0), v.map(7, 0)}), QList<int>({10, 20, 40}));
    }

    void interpolationFromCorners() {
        DeviceImage image;
        setDefaults(image);
        for (int r = 7; r <= 9; ++r)
            for (int c = 0; c <= 2; ++c)
                image.map(r, c) = 0;
        image.map(7, 0) = 10; // 60 %, 1000 rpm
        image.map(7, 2) = 30; // 60 %, 3000 rpm
        image.map(9, 0) = 20; // 100 %
        image.map(9, 2) = 40;
        const DeviceImage after =
            interpolateCells(image, cellsOf("7,0-9,2"), Interpolation::Corners).image;
        QCOMPARE(rowOf(after, 7).mid(0, 3), QList<int>({10, 20, 30}));
        QCOMPARE(rowOf(after, 8).mid(0, 3), QList<int>({15, 25, 35}));
        QCOMPARE(rowOf(after, 9).mid(0, 3), QList<int>({20, 30, 40}));
    }

    // Any double, however far out, is kept at the nearer end and counted.
    void keptAdvance_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("clipped");
        QTest::newRow("beyond a long's range") << 1e20 << 60 << 1;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 60 << 1;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0 << 1;
        QTest::newRow("just below the clip") << 60.49 << 60 << 0;
    }
    void keptAdvance() {
        QFETCH(double, value);
        int clipped = 0;
        QFETCH(int, kept);
        QCOMPARE(int(vortan::keptAdvance(value, clipped)), kept);
        QTEST(clipped, "clipped");
    }

    void obviousDirection_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("direction"); // -1 none
        QTest::newRow("a row") << "9,2-9,6" << int(Interpolation::Horizontal);
        QTest::newRow("a column") << "3,4-8,4" << int(Interpolation::Vertical);
        QTest::newRow("a rectangle") << "3,4-8,6" << -1;
        QTest::newRow("a single cell") << "3,4" << -1;
    }
    void obviousDirection() {
        QFETCH(QString, selected);
        const std::optional<Interpolation> how = obviousInterpolation(cellsOf(selected));
        QFETCH(int, direction);
        QCOMPARE(how ? int(*how) : -1, direction);
    }
};

QTEST_APPLESS_MAIN(tst_MapOperations)
#include "tst_mapoperations.moc"
