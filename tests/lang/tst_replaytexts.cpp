// The replay's row counts: the number with the words its language takes for it.

#include "lang/ReplayTexts.h"

#include <QTest>

using namespace vortan;

class tst_ReplayTexts : public QObject {
    Q_OBJECT
private slots:
    void rowCount_data();
    void rowCount();
};

void tst_ReplayTexts::rowCount_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("count"); // RowCount
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    const int rows = int(RowCount::Rows);
    const int damaged = int(RowCount::DamagedSkipped);
    auto row = [](const char* name, int language, int count, int n, const char* text) {
        QTest::newRow(name) << language << count << n << QString::fromUtf8(text);
    };
    row("cs 0 rows", 0, rows, 0, "0 řádků");
    row("cs 1 row", 0, rows, 1, "1 řádek");
    row("cs 2 rows", 0, rows, 2, "2 řádky");
    row("cs 4 rows", 0, rows, 4, "4 řádky");
    row("cs 5 rows", 0, rows, 5, "5 řádků");
    row("cs 22 rows", 0, rows, 22, "22 řádků");
    row("cs 1 damaged", 0, damaged, 1, "1 poškozený vynechán");
    row("cs 3 damaged", 0, damaged, 3, "3 poškozené vynechány");
    row("cs 38 damaged", 0, damaged, 38, "38 poškozených vynecháno");
    row("en 0 rows", 1, rows, 0, "0 rows");
    row("en 1 row", 1, rows, 1, "1 row");
    row("en 2 rows", 1, rows, 2, "2 rows");
    row("en 1 damaged", 1, damaged, 1, "1 damaged row skipped");
    row("en 38 damaged", 1, damaged, 38, "38 damaged rows skipped");
    row("de 1 row", 2, rows, 1, "1 Zeile");
    row("de 3 rows", 2, rows, 3, "3 Zeilen");
    row("de 0 damaged", 2, damaged, 0, "0 beschädigte Zeilen übersprungen");
    row("de 1 damaged", 2, damaged, 1, "1 beschädigte Zeile übersprungen");
    row("no such language", 3, rows, 1, "");
}

void tst_ReplayTexts::rowCount() {
    QFETCH(int, language);
    QFETCH(int, count);
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(rowCountText(RowCount(count), n, language)), text);
}

QTEST_APPLESS_MAIN(tst_ReplayTexts)
#include "tst_replaytexts.moc"
