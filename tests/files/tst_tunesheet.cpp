// The tune sheet's content and paper, without a window.

#include "files/TuneSheet.h"
#include "lang/Texts.h"

#include <QTest>

using namespace vortan;

namespace {
// Every control by its object name, so the sheet's names can be told apart.
std::string nameOf(const char* objectName) {
    return std::string("<") + objectName + ">";
}

QString sheet(const SheetHeading& h) {
    return QString::fromStdString(tuneSheetHtml(DeviceImage{}, h, English, nameOf));
}
} // namespace

class tst_TuneSheet : public QObject {
    Q_OBJECT

private slots:
    void paper_data();
    void paper();
    void heading_data();
    void heading();
};

void tst_TuneSheet::paper_data() {
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("paper");
    QTest::newRow("metric") << int(QLocale::MetricSystem) << int(Paper::A4);
    QTest::newRow("US") << int(QLocale::ImperialUSSystem) << int(Paper::Letter);
    QTest::newRow("UK") << int(QLocale::ImperialUKSystem) << int(Paper::A4);
}

void tst_TuneSheet::paper() {
    QFETCH(int, system);
    QFETCH(int, paper);
    QCOMPARE(int(sheetPaper(QLocale::MeasurementSystem(system))), paper);
}

void tst_TuneSheet::heading_data() {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("unit known, notes")
        << "V15 R6  12.03.2026"
        << "Jet 132 & plug 9"
        << "r6.ign" << QStringList{"Unit:", "V15 R6  12.03.2026", "Jet 132 &amp; plug 9", "r6.ign"}
        << QStringList{"(no file)", "____"};
    QTest::newRow("unit unknown, no notes, no file")
        << ""
        << ""
        << "" << QStringList{"(no file)", "Notes:", "____"} << QStringList{"Unit:"};
}

void tst_TuneSheet::heading() {
    QFETCH(QString, unit);
    QFETCH(QString, notes);
    QFETCH(QString, file);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    SheetHeading h{file.toStdString(), "8.12.26  15:00:00", unit.toStdString(), notes.toStdString(),
                   "Honda CBR"};
    const QString html = sheet(h);
    for (const QString& s : shown)
        QVERIFY2(html.contains(s), qPrintable(s));
    for (const QString& s : absent)
        QVERIFY2(!html.contains(s), qPrintable(s));
}

QTEST_APPLESS_MAIN(tst_TuneSheet)
#include "tst_tunesheet.moc"
