// The map as clipboard text: copying, parsing each separator and the refusals, and where a
// pasted block lands.

#include "params/MapClipboard.h"

#include <QtTest>

using namespace vortan;

class tst_MapClipboard : public QObject {
    Q_OBJECT
private slots:
    void copy() {
        DeviceImage image;
        setDefaults(image);
        MapMask cells;
        cells.set(8 * 10 + 1); // 80 %, 2000 rpm
        cells.set(9 * 10 + 2); // 100 %, 3000 rpm
        QCOMPARE(copyCells(image, cells, false), std::string("12\t\n\t15\n"));
        QCOMPARE(copyCells(image, cells, true), std::string("\t2000\t3000\n80\t12\t\n100\t\t15\n"));
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<double>>("values");
        const int ok = int(PasteProblem::None);
        QTest::newRow("tabs, CRLF, trailing line") << "1\t2\r\n3\t4\r\n"
                                                   << ok << "" << 2 << QList<double>{1, 2, 3, 4};
        QTest::newRow("tabs with decimal commas")
            << "1,5\t2" << ok << "" << 1 << QList<double>{1.5, 2};
        QTest::newRow("semicolons") << "10; 20;30" << ok << "" << 1 << QList<double>{10, 20, 30};
        QTest::newRow("commas, decimal points")
            << "10,20.5\n-3,4" << ok << "" << 2 << QList<double>{10, 20.5, -3, 4};
        QTest::newRow("a decimal comma, one cell from a cs/de spreadsheet")
            << "12,5" << ok << "" << 1 << QList<double>{12.5};
        QTest::newRow("a column of decimal commas") << " 12,5 \r\n13,5\r\n"
                                                    << ok << "" << 2 << QList<double>{12.5, 13.5};
        QTest::newRow("spaces") << "  7   8 \n9 10" << ok << "" << 2 << QList<double>{7, 8, 9, 10};
        QTest::newRow("nothing") << " \n\n"
                                 << int(PasteProblem::NoNumbers) << "" << 0 << QList<double>{};
        QTest::newRow("a word") << "1\tabc\t3" << int(PasteProblem::NotANumber) << "abc" << 0
                                << QList<double>{};
        QTest::newRow("a number with a unit")
            << "12°" << int(PasteProblem::NotANumber) << "12°" << 0 << QList<double>{};
        QTest::newRow("a long word, shortened")
            << "1\tpřílišžluťoučkýkůňúpělďábelskéódy" << int(PasteProblem::NotANumber)
            << "přílišžluťoučkýkůňúp…" << 0 << QList<double>{};
        QTest::newRow("an empty field")
            << "1\t\t3" << int(PasteProblem::EmptyField) << "" << 0 << QList<double>{};
        QTest::newRow("ragged rows")
            << "1\t2\n3" << int(PasteProblem::Ragged) << "" << 0 << QList<double>{};
        // Linear in the text's length: a clipboard of a million lines answers at once.
        QTest::newRow("a million blank lines, then a row")
            << QString(1000000, '\n') + "5\t6" << ok << "" << 1 << QList<double>{5, 6};
        QTest::newRow("a million rows")
            << QString("1\n").repeated(1000000) << int(PasteProblem::DoesNotFit) << "" << 0
            << QList<double>{};
    }
    void parse() {
        QFETCH(QString, text);
        const ParsedBlock p = parseBlock(text.toStdString());
        QFETCH(int, problem);
        QCOMPARE(int(p.problem), problem);
        QFETCH(QString, word);
        QCOMPARE(QString::fromStdString(p.word), word);
        if (p.problem != PasteProblem::None)
            return;
        QFETCH(int, rows);
        QCOMPARE(p.block.rows, rows);
        QFETCH(QList<double>, values);
        QCOMPARE(QList<double>(p.block.values.begin(), p.block.values.end()), values);
    }

    // A block larger than the map is refused early, but its size is counted to the end.
    void tooLarge_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::newRow("40 rows of 3") << QString("1\t2\t3\n").repeated(40) << 40 << 3;
        QTest::newRow("the widest row after the eleventh")
            << QString("1\n").repeated(11) + QString("1 ").repeated(12) << 12 << 12;
    }
    void tooLarge() {
        QFETCH(QString, text);
        const ParsedBlock p = parseBlock(text.toStdString());
        QCOMPARE(int(p.problem), int(PasteProblem::DoesNotFit));
        QFETCH(int, rows);
        QFETCH(int, columns);
        QCOMPARE(QList<int>({p.block.rows, p.block.columns}), QList<int>({rows, columns}));
    }

    // Where a block of 2 x 2 (1 2 / 3 4) lands: the cells written, row by row as "r,c=v".
    void placement_data() {
        QTest::addColumn<bool>("throttleMap");
        QTest::addColumn<QString>("gesture"); // click r c [shift r c]
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("problem");
        QTest::newRow("from the focused cell")
            << true << "4 5"
            << "4,5=1 4,6=2 5,5=3 5,6=4" << int(PasteProblem::None);
        QTest::newRow("repeated into a 2 x 4 selection")
            << true << "0 0 1 3"
            << "0,0=1 0,1=2 0,2=1 0,3=2 1,0=3 1,1=4 1,2=3 1,3=4" << int(PasteProblem::None);
        QTest::newRow("a selection of its size, the focus at the far corner")
            << true << "0 0 1 1"
            << "0,0=1 0,1=2 1,0=3 1,1=4" << int(PasteProblem::None);
        QTest::newRow("a 3 x 3 selection is no multiple: once at its top-left")
            << true << "1 1 3 3"
            << "1,1=1 1,2=2 2,1=3 2,2=4" << int(PasteProblem::None);
        QTest::newRow("beyond the right edge") << true << "4 9"
                                               << "" << int(PasteProblem::DoesNotFit);
        QTest::newRow("beyond the last row") << true << "9 0"
                                             << "" << int(PasteProblem::DoesNotFit);
        QTest::newRow("two rows with only the 100 % row visible")
            << false << "9 0"
            << "" << int(PasteProblem::DoesNotFit);
    }
    void placement() {
        QFETCH(QString, gesture);
        const QStringList g = gesture.split(' ');
        MapSelection s;
        QFETCH(bool, throttleMap);
        s.setThrottleMap(throttleMap);
        s.click({g[0].toInt(), g[1].toInt()});
        if (g.size() > 2)
            s.extendTo({g[2].toInt(), g[3].toInt()});
        DeviceImage image;
        setDefaults(image);
        const PasteResult r = pasteBlock(image, {2, 2, {1, 2, 3, 4}}, s);
        QFETCH(int, problem);
        QCOMPARE(int(r.problem), problem);
        QStringList cells;
        for (int i = 0; i < 100; ++i)
            if (r.filled.test(std::size_t(i)))
                cells << QString("%1,%2=%3")
                             .arg(i / 10)
                             .arg(i % 10)
                             .arg(r.result.image.map(i / 10, i % 10));
        QFETCH(QString, written);
        QCOMPARE(cells.join(' '), written);
        if (r.problem != PasteProblem::None)
            QVERIFY(r.result.image == image);
    }

    void pasteClipsAndRounds() {
        MapSelection s;
        s.click({9, 0});
        DeviceImage image;
        setDefaults(image);
        const PasteResult r = pasteBlock(image, {1, 3, {-4, 12.5, 75}}, s);
        QCOMPARE(QList<int>({r.result.image.map(9, 0), r.result.image.map(9, 1),
                             r.result.image.map(9, 2)}),
                 QList<int>({0, 13, 60}));
        QCOMPARE(r.result.clipped, 2);
    }
};

QTEST_APPLESS_MAIN(tst_MapClipboard)
#include "tst_mapclipboard.moc"
