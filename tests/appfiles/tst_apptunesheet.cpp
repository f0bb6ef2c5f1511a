// The tune sheet as a tuner makes it: File › Export tune sheet, a file name and notes typed in
// the save dialog, the PDF read back through its own text.

#include "WindowFixture.h"
#include "params/ParamDiff.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

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
    w->applyLanguage(language);
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            w->session().image().map(r, c) = static_cast<std::uint8_t>((r * 7 + c * 3) % 61);
    w->ChangeHandler();

    const QString path = home.path("r6 sheet.pdf");
    const QString notes = "Jet 132, plug 9, 18 C & dry";
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->directory().absolutePath(), QDir::home().absolutePath()); // no file yet
        QTest::keyClicks(dialog->findChild<QLineEdit*>("EditSheetNotes"), notes);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->clear();
        QTest::keyClicks(name, path);
        // The Save button: a Return would go to the name completer's list first.
        auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        if (QApplication::activeModalWidget() == dialog)
            dialog->reject(); // never left waiting for a hand
    });
    w.get<QAction>("MenuExportSheet")->trigger();
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
        const QString name = simplified(QString::fromStdString(w->captionOf(p.text)));
        QVERIFY2(flat.contains(name), qPrintable(name));
    }
    // The map as a table: its speed axis, then each throttle row with its ten values.
    QString axis;
    for (int c = 0; c < kMapColumns; ++c)
        axis += "\\s+" + QLocale().toString(w->session().image()[Byte::RPM_ADV + c] * 100);
    QVERIFY2(text.contains(QRegularExpression(axis + "\\s*\\n")), qPrintable(axis));
    for (int r = 0; r < kMapRows; ++r) {
        QString row = QString("\\n\\s*%1\\s*%").arg(kThrottleAxis[static_cast<std::size_t>(r)]);
        for (int c = 0; c < kMapColumns; ++c)
            row += QString("\\s+%1").arg(w->session().image().map(r, c));
        QVERIFY2(text.contains(QRegularExpression(row + "\\s*\\n")), qPrintable(row));
    }
}

QTEST_MAIN(tst_AppTuneSheet)
#include "tst_apptunesheet.moc"
