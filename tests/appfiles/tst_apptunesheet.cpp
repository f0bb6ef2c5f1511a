// The tune sheet as a tuner makes it: File › Export tune sheet, a file name and notes typed in
// the save dialog, the PDF read back through its own text.

#include "WindowFixture.h"
#include "app/LanguageView.h"
#include "params/ParamDiff.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace vortan;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString simplified(QString s) {
    return s.replace(QRegularExpression("\\s+"), " ").trimmed();
}

} // namespace

class tst_AppTuneSheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void exportFromMenu_data();
    void exportFromMenu();
};

void tst_AppTuneSheet::initTestCase() {
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext is missing: scripts/test.sh installs poppler-utils");
}

void tst_AppTuneSheet::exportFromMenu_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Czech") << int(Czech);
    QTest::newRow("English") << int(English);
    QTest::newRow("German") << int(German);
}

void tst_AppTuneSheet::exportFromMenu() {
    QFETCH(int, language);
    ConfigHome home;
    Window w;
    chooseLanguage(*w.w, language);
    DeviceImage set = w.session().image();
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            set.map(r, c) = static_cast<std::uint8_t>((r * 7 + c * 3) % 61);
    showSet(*w.w, set);

    const QString path = home.path("r6 sheet.pdf");
    const QString notes = "Jet 132, plug 9, 18 C & dry";
    QString folder;
    answerFileDialog(path, [&](QWidget& dialog) {
        folder = qobject_cast<QFileDialog*>(&dialog)->directory().absolutePath();
        QTest::keyClicks(find<QLineEdit>(dialog, "EditSheetNotes"), notes);
    });
    w.get<QAction>("MenuExportSheet")->trigger();
    QCOMPARE(folder, QDir::home().absolutePath()); // no file yet
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(w.fileBoxes(), QStringList());

    // One page, and all of the sheet is on it.
    QVERIFY(run("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = run("pdftotext", {"-layout", path, "-"});
    const QString flat = simplified(text);
    QVERIFY2(flat.contains(simplified(notes)), qPrintable(flat));
    for (const ComparedParam& p : comparedParams()) {
        if (!p.text || p.point > 0)
            continue;
        const QString name = simplified(LanguageView::captionText(p.text, language).remove('&'));
        QVERIFY2(flat.contains(name), qPrintable(name));
    }
    // The map as a table: its speed axis, then each throttle row with its ten values.
    QString axis;
    for (int c = 0; c < kMapColumns; ++c)
        axis += "\\s+" + QLocale().toString(w.session().image()[Byte::RPM_ADV + c] * 100);
    QVERIFY2(text.contains(QRegularExpression(axis + "\\s*\\n")), qPrintable(axis));
    for (int r = 0; r < kMapRows; ++r) {
        QString row = QString("\\n\\s*%1\\s*%").arg(kThrottleAxis[static_cast<std::size_t>(r)]);
        for (int c = 0; c < kMapColumns; ++c)
            row += QString("\\s+%1").arg(w.session().image().map(r, c));
        QVERIFY2(text.contains(QRegularExpression(row + "\\s*\\n")), qPrintable(row));
    }
}

QTEST_MAIN(tst_AppTuneSheet)
#include "tst_apptunesheet.moc"
