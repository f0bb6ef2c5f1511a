// The map selection: gestures in, selected cells out; hidden rows never selected. And what
// each cell's background shows on top of the others.

#include "params/MapCellLook.h"
#include "params/MapSelection.h"

#include "MapCellText.h"

#include <QtTest>

using namespace vortan;

namespace {
// Gestures "click r c", "shift r c", "ctrl r c", "move dr dc", "extend dr dc", "all",
// "focus r c", "tps on|off", "paste" (the block 8,4-9,5 selected), separated by ';'.
void play(MapSelection& s, const QString& script) {
    for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList w = step.split(' ', Qt::SkipEmptyParts);
        const int a = w.size() > 1 ? w[1].toInt() : 0;
        const int b = w.size() > 2 ? w[2].toInt() : 0;
        if (w[0] == "click")
            s.click({a, b});
        else if (w[0] == "shift")
            s.extendTo({a, b});
        else if (w[0] == "ctrl")
            s.toggle({a, b});
        else if (w[0] == "move")
            s.move(a, b);
        else if (w[0] == "extend")
            s.extend(a, b);
        else if (w[0] == "focus")
            s.focus({a, b});
        else if (w[0] == "all")
            s.selectAll();
        else if (w[0] == "paste")
            s.select(cellsOf("8,4-9,5"));
        else if (w[0] == "tps")
            s.setThrottleMap(w[1] == "on");
    }
}
} // namespace

class tst_MapSelection : public QObject {
    Q_OBJECT
private slots:
    void gestures_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("currentRow");
        QTest::addColumn<int>("currentColumn");
        QTest::newRow("click") << "tps on; click 2 3"
                               << "2,3" << 2 << 3;
        QTest::newRow("shift+click, either way round") << "tps on; click 9 9; shift 7 7"
                                                       << "7,7-9,9" << 7 << 7;
        QTest::newRow("ctrl adds and removes") << "tps on; click 0 0; ctrl 5 5; ctrl 0 1; ctrl 0 0"
                                               << "5,5 0,1" << 0 << 0;
        QTest::newRow("ctrl+arrow moves, stops at the edge")
            << "tps on; click 0 8; move 0 1; move 0 1; move -1 0"
            << "0,9" << 0 << 9;
        QTest::newRow("ctrl+shift+arrow extends from the anchor")
            << "tps on; click 7 2; extend 1 0; extend 1 0; extend 0 2"
            << "7,2-9,4" << 9 << 4;
        QTest::newRow("60-100 % at 8000-10000 rpm, a toggle undone")
            << "tps on; click 7 7; extend 2 2; ctrl 7 9; ctrl 7 9"
            << "7,7-9,9" << 7 << 9;
        QTest::newRow("tab inside the selection moves only the focus")
            << "tps off; click 9 6; shift 9 2; focus 9 4"
            << "9,2-9,6" << 9 << 4;
        QTest::newRow("all visible") << "tps on; all"
                                     << "0,0-9,9" << 9 << 0;
        QTest::newRow("all with the throttle map off") << "tps off; all"
                                                       << "9,0-9,9" << 9 << 0;
        QTest::newRow("a rectangle across hidden rows") << "tps off; click 9 2; shift 3 5"
                                                        << "9,2-9,5" << 3 << 5;
        QTest::newRow("a hidden cell is not toggled") << "tps off; ctrl 4 4"
                                                      << "" << 9 << 0;
        QTest::newRow("up from the only row stays") << "tps off; click 9 1; move -1 0"
                                                    << "9,1" << 9 << 1;
        QTest::newRow("a pasted block, hidden rows left out") << "tps off; click 9 4; paste"
                                                              << "9,4-9,5" << 9 << 4;
        QTest::newRow("hiding the rows drops their cells")
            << "tps on; click 5 0; shift 9 1; tps off"
            << "9,0-9,1" << 9 << 1;
    }
    void gestures() {
        QFETCH(QString, script);
        QFETCH(QString, selected);
        MapSelection s;
        play(s, script);
        QCOMPARE(QString::fromStdString(s.cells().to_string()),
                 QString::fromStdString(cellsOf(selected).to_string()));
        QFETCH(int, currentRow);
        QCOMPARE(s.current().row, currentRow);
        QFETCH(int, currentColumn);
        QCOMPARE(s.current().column, currentColumn);
    }

    void bounds() {
        const MapBounds b = boundsOf(cellsOf("2,3 5,1 4,7"));
        QCOMPARE(QList<int>({b.top, b.left, b.rows(), b.columns()}), QList<int>({2, 1, 4, 7}));
        QVERIFY(boundsOf(MapMask()).empty());
    }

    // Lime over the selection over the colour of the advance over the window colour.
    void cellLookPrecedence_data() {
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<int>("background");
        QTest::newRow("plain") << false << false << false << int(CellBackground::Window);
        QTest::newRow("coloured") << false << false << true << int(CellBackground::Scale);
        QTest::newRow("selected") << false << true << true << int(CellBackground::Selected);
        QTest::newRow("in use") << true << true << true << int(CellBackground::InUse);
    }
    void cellLookPrecedence() {
        QFETCH(bool, inUse);
        QFETCH(bool, selected);
        QFETCH(bool, coloured);
        const CellLook look = cellLook(inUse, selected, coloured, 45, 10, 50);
        QFETCH(int, background);
        QCOMPARE(int(look.background), background);
        if (look.background == CellBackground::Scale)
            QVERIFY(look.scale == scaleColour(45, 10, 50));
    }
};

QTEST_APPLESS_MAIN(tst_MapSelection)
#include "tst_mapselection.moc"
