// Parameter files and printing through the main window.

#include "WindowFixture.h"
#include "app/FileDialogs.h"
#include "controls/ParamSpinBox.h"
#include "files/ParamFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <csignal>
#include <sys/resource.h>

using namespace vortan;

namespace {

// What the file keeps, as the controls show it (the tacho input's flag is not in the file).
QMap<QString, int> controlState(const Window& w) {
    QMap<QString, int> r;
    for (ParamSpinBox* e : w->findChildren<ParamSpinBox*>())
        r[e->objectName()] = e->value();
    for (QCheckBox* c : w->findChildren<QCheckBox*>())
        if (c->objectName() != "CheckBoxAktRpm")
            r[c->objectName()] = c->isChecked();
    r["ComboBox1"] = w.get<QComboBox>("ComboBox1")->currentIndex();
    return r;
}

// An image far from the defaults, made valid.
void fillImage(TFormHlav& w) {
    for (int i = kPageSize; i < kImageSize; ++i)
        w.image[i] = static_cast<std::uint8_t>((i * 29 + 7) % 61);
    w.image[Byte::BIKE] = 5;
    w.image[Byte::ACT_RPM] = 1; // no control: the file keeps it as a flag
    for (int b : {Byte::RPM2, Byte::EXCITATION, Byte::PRIV_ENABLE, Byte::N2O_ENABLE, Byte::TPS_MAPA,
                  Byte::ACT_BLOK2, Byte::ACT_LIM1})
        w.image[b] ^= 1;
    w.ChangeHandler();
}

QString text(Message m, int language) {
    return QString::fromStdString(messageText(m, language));
}

const QString kOpenError = QString::fromLatin1(kOpenFileError);

} // namespace

class tst_AppFiles : public QObject {
    Q_OBJECT

private slots:
    void saveOpenRoundTrip();
    void relativePathShownAbsolute();
    void failedSave_data();
    void failedSave();
    void failedWriteKeepsOldFile();
    void wrongVersionChangesNothing_data();
    void wrongVersionChangesNothing();
    void unopenablePath();
    void fileOnCommandLine_data();
    void fileOnCommandLine();
    void extMonitorFromFile();
    void newKeepsLastPath();
    void openDialogFilters_data();
    void openDialogFilters();
    void printToPdf_data();
    void printToPdf();
    void printWithoutPrinter();
};

void tst_AppFiles::saveOpenRoundTrip() {
    ConfigHome home;
    Window w;
    fillImage(*w.w);
    w.get<QCheckBox>("CheckBoxExtMonitor")->click();
    const QMap<QString, int> saved = controlState(w);
    const QString path = home.path("round.ign");
    QVERIFY(w->saveParamFile(path));
    const DeviceImage image = w->image; // as the controls gave it to the file
    QVERIFY(readAll(path).endsWith(' '));

    w->MenuNewClick();
    w.get<QCheckBox>("CheckBoxExtMonitor")->click();
    QVERIFY(controlState(w) != saved);
    QVERIFY(w->openParamFile(path));
    QCOMPARE(w.fileBoxes(), QStringList());
    QCOMPARE(controlState(w), saved);
    for (int i = Byte::BIKE; i < kImageSize; ++i)
        if (i != Byte::ACT_TACHO && (i < 130 || i >= Byte::RPM_ADV) && i != Byte::Reserved)
            QVERIFY2(w->image[i] == image[i], qPrintable(QString("byte %1").arg(i)));
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(w->lastFilePath, QFileInfo(path).absoluteFilePath());
}

void tst_AppFiles::relativePathShownAbsolute() {
    ConfigHome home;
    Window w;
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(home.dir.path()));
    const bool ok = w->saveParamFile("relative.ign");
    QDir::setCurrent(old);
    QVERIFY(ok);
    const QString full = QDir(home.dir.path()).absoluteFilePath("relative.ign");
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), full);
    QCOMPARE(w->lastFilePath, full);
}

void tst_AppFiles::failedSave_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "no such folder/x.ign";
    QTest::newRow("folder is a file") << "plain.txt/x.ign";
    QTest::newRow("path is a folder") << "folder.ign";
}

void tst_AppFiles::failedSave() {
    QFETCH(QString, name);
    ConfigHome home;
    QVERIFY(writeAll(home.path("plain.txt"), "not a folder"));
    QVERIFY(QDir(home.dir.path()).mkdir("folder.ign"));
    Window w;
    QVERIFY(w->saveParamFile(home.path("first.ign")));
    const QString label = w.get<QLabel>("LabelFile2")->text();
    const DeviceImage image = w->image;

    QVERIFY(!w->saveParamFile(home.path(name)));
    QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), label);
    QCOMPARE(w->lastFilePath, label);
    QVERIFY(w->image == image);
    QCOMPARE(readAll(home.path("plain.txt")), QByteArray("not a folder"));
}

void tst_AppFiles::failedWriteKeepsOldFile() {
    ConfigHome home;
    const QString path = home.path("old.ign");
    const QByteArray old = "KALVORIN_KEY   15 \n" + QByteArray(3000, ' ') + "BIKE 1\n";
    QVERIFY(writeAll(path, old));
    Window w;
    // A file-size limit below the file's size makes the write itself fail.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = saved;
    low.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
    const bool ok = w->saveParamFile(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(readAll(path), old);
    QVERIFY(!ok);
    QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());
    QVERIFY(w->lastFilePath.isEmpty());
    QCOMPARE(QDir(home.dir.path()).entryList(QDir::Files), QStringList{"old.ign"});
}

void tst_AppFiles::wrongVersionChangesNothing_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Czech") << int(Czech);
    QTest::newRow("English") << int(English);
    QTest::newRow("German") << int(German);
}

void tst_AppFiles::wrongVersionChangesNothing() {
    QFETCH(int, language);
    ConfigHome home;
    Window w;
    w->applyLanguage(language);
    QVERIFY(w->saveParamFile(home.path("before.ign")));
    const QMap<QString, int> before = controlState(w);
    const DeviceImage image = w->image;

    DeviceImage other = image;
    other[Byte::BASE_ADV] = 20;
    other[Byte::LIMITER1] = 77;
    std::string body = writeParamFile(other, true, "\n");
    const auto at = body.find("15");
    QVERIFY(at != std::string::npos && at < 20);
    body.replace(at, 2, "14");
    QVERIFY(writeAll(home.path("v14.ign"), QByteArray::fromStdString(body)));

    QVERIFY(!w->openParamFile(home.path("v14.ign")));
    QCOMPARE(w.fileBoxes(), QStringList{text(Message::FileVersion, language)});
    QVERIFY(w->image == image);
    QCOMPARE(controlState(w), before);
    const QString first = QFileInfo(home.path("before.ign")).absoluteFilePath();
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), first);
    QCOMPARE(w->lastFilePath, first);
}

void tst_AppFiles::unopenablePath() {
    ConfigHome home;
    Window w;
    const DeviceImage image = w->image;
    QVERIFY(!w->openParamFile(home.path("missing.ign")));
    QVERIFY(!w->openParamFile(home.dir.path()));
    QCOMPARE(w.fileBoxes(), QStringList({kOpenError, kOpenError}));
    QVERIFY(w->image == image);
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());
    QVERIFY(w->lastFilePath.isEmpty());
}

// A parameter file named on the command line (as a double-click on it starts the program)
// opens once the window is up, as File > Open of it does, in the language asked for.
void tst_AppFiles::fileOnCommandLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // empty: no such file
    QTest::addColumn<QString>("box");
    const QByteArray set = QByteArray::fromStdString(writeParamFile(DeviceImage{}, false, "\n"));
    QTest::newRow("file") << QString("ladění Straße.ign") << set << QString();
    QTest::newRow("missing") << QString("missing.ign") << QByteArray() << kOpenError;
    QTest::newRow("wrong version")
        << QString("v14.ign") << QByteArray("14\n") << text(Message::FileVersion, German);
}

void tst_AppFiles::fileOnCommandLine() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, box);
    ConfigHome home;
    const QString path = home.path(name);
    if (!contents.isEmpty())
        QVERIFY(writeAll(path, contents));
    Window w({"DEUTSCH", path});
    QVERIFY(w.fileBoxes().isEmpty()); // not before the window is up
    QCoreApplication::processEvents();
    QCOMPARE(int(w->language), int(German));
    QCOMPARE(w.fileBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(),
             box.isEmpty() ? QFileInfo(path).absoluteFilePath() : QString());
}

void tst_AppFiles::extMonitorFromFile() {
    ConfigHome home;
    Window w;
    auto* box = w.get<QCheckBox>("CheckBoxExtMonitor");
    auto* count = w.get<QLabel>("LabelPocetProgramovani");
    QVERIFY(!box->isChecked());
    QVERIFY(count->isHidden());
    QVERIFY(writeAll(home.path("on.ign"), "KALVORIN_KEY 15 EXT_MON 1"));
    QVERIFY(writeAll(home.path("off.ign"), "KALVORIN_KEY 15 EXT_MON 0"));
    QVERIFY(writeAll(home.path("none.ign"), "KALVORIN_KEY 15 BASE_ADV 12"));

    QVERIFY(w->openParamFile(home.path("on.ign")));
    QVERIFY(box->isChecked());
    QVERIFY(!count->isHidden());
    QVERIFY(w->openParamFile(home.path("none.ign"))); // no key: the box stays
    QVERIFY(box->isChecked());
    QVERIFY(!count->isHidden());
    QVERIFY(w->openParamFile(home.path("off.ign")));
    QVERIFY(!box->isChecked());
    QVERIFY(count->isHidden());
    QCOMPARE(w.fileBoxes(), QStringList());
}

void tst_AppFiles::newKeepsLastPath() {
    ConfigHome home;
    Window w;
    fillImage(*w.w);
    const QString path = home.path("kept.ign");
    QVERIFY(w->saveParamFile(path));
    w->MenuNewClick();
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());
    QCOMPARE(w->lastFilePath, QFileInfo(path).absoluteFilePath());
    DeviceImage defaults = w->image;
    setDefaults(defaults);
    QVERIFY(w->image == defaults);
}

void tst_AppFiles::openDialogFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("parameter files") << "Ignition Parametrs(*.ign)" << QStringList{"a.ign"};
    QTest::newRow("all files") << "All Files (*.*)" << QStringList{"a.ign", "notes.txt", "tune"};
}

// The open dialog as the tuner sees it: the filters it offers, and the files each one shows.
void tst_AppFiles::openDialogFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QTemporaryDir dir;
    for (const char* name : {"a.ign", "notes.txt", "tune"})
        QVERIFY(writeAll(dir.filePath(name), "x"));
    const auto dialog = makeOpenDialog(nullptr, dir.filePath("a.ign"));
    dialog->show();
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    QVERIFY(types);
    QStringList captions;
    for (int i = 0; i < types->count(); ++i)
        captions << types->itemText(i);
    QCOMPARE(captions, QStringList({"Ignition Parametrs(*.ign)", "All Files (*.*)"}));
    while (types->currentText() != filter && types->currentIndex() < types->count() - 1)
        QTest::keyClick(types, Qt::Key_Down);
    QCOMPARE(types->currentText(), filter);

    auto* list = dialog->findChild<QListView*>("listView");
    QVERIFY(list);
    const auto names = [list] {
        QStringList r;
        for (int i = 0; i < list->model()->rowCount(list->rootIndex()); ++i)
            r << list->model()->index(i, 0, list->rootIndex()).data().toString();
        r.sort();
        return r;
    };
    QTRY_COMPARE(names(), shown);
}

void tst_AppFiles::printToPdf_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Czech") << int(Czech) << "Datum a čas tisku:  ";
    QTest::newRow("English") << int(English) << "Date and Time of printing:  ";
    QTest::newRow("German") << int(German) << "Date and Time of printing:  ";
}

void tst_AppFiles::printToPdf() {
    QFETCH(int, language);
    QFETCH(QString, heading);
    ConfigHome home;
    Window w;
    w->applyLanguage(language);
    auto* label = w.get<QLabel>("LabelHlaseni");
    // Whatever the window looked like before, printing leaves it the same way.
    label->show();
    QPalette red = w->palette();
    red.setColor(QPalette::Window, Qt::red);
    w->setPalette(red);

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(home.path("sheet.pdf"));
    const QDateTime before = QDateTime::currentDateTime();
    w->printSheet(printer);

    const QString caption = label->text();
    QVERIFY2(caption.startsWith(heading), qPrintable(caption));
    const QStringList stamp = caption.mid(heading.size()).split("    ");
    QCOMPARE(stamp.size(), 2);
    const QLocale locale = QLocale::system();
    QCOMPARE(stamp[0], locale.toString(before.date(), QLocale::ShortFormat));
    QVERIFY(locale.toTime(stamp[1], QLocale::LongFormat).isValid() ||
            QTime::fromString(stamp[1].left(8), "HH:mm:ss").isValid());
    QVERIFY(label->isHidden());
    QCOMPARE(w->palette().color(QPalette::Window), w->palette().color(QPalette::Button));
    QCOMPARE(w->tick.messageCountdown, std::uint8_t(200));
    const QByteArray pdf = readAll(home.path("sheet.pdf"));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.size() > 1000);
}

void tst_AppFiles::printWithoutPrinter() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer: the command would print on it");
    ConfigHome home;
    Window w;
    for (int language : {Czech, English, German}) {
        w->applyLanguage(language);
        w.boxes.clear();
        w->SpeedButtonPrintClick();
        QCOMPARE(w.fileBoxes(), QStringList{text(Message::NoPrinter, language)});
    }
}

QTEST_MAIN(tst_AppFiles)
#include "tst_appfiles.moc"
