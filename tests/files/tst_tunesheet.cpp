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
    void outOfRangeMarked_data();
    void outOfRangeMarked();
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

// Values outside their fields' ranges are marked as the window marks them, in red, with a sign
// that survives printing in black and white, and a legend below.
void tst_TuneSheet::outOfRangeMarked_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("mark");
    QTest::newRow("in range") << int(Byte::BASE_ADV) << 40 << "";
    QTest::newRow("base advance") << int(Byte::BASE_ADV) << 99 << QString::fromUtf8("99° (!)");
    QTest::newRow("map cell") << Byte::ADVANCE + 42 << 70 << "70 (!)";
    QTest::newRow("servo voltage") << Byte::NAP_PRIV + 1 << 0 << "0 (!)";
}

void tst_TuneSheet::outOfRangeMarked() {
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(QString, mark);
    DeviceImage image;
    setDefaults(image);
    image[byte] = static_cast<std::uint8_t>(value);
    const QString html =
        QString::fromStdString(tuneSheetHtml(image, SheetHeading{}, English, nameOf));
    QCOMPARE(html.count("(!)"), mark.isEmpty() ? 0 : 2); // the value and the legend
    if (!mark.isEmpty()) {
        QVERIFY2(html.contains("<font color='#ff0000'>" + mark + "</font>"), qPrintable(mark));
        QVERIFY(html.contains("(!) value outside its field's range"));
    }
}

QTEST_APPLESS_MAIN(tst_TuneSheet)
#include "tst_tunesheet.moc"
