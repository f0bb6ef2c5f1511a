// Parameter files and printing through the main window.

#include "WindowFixture.h"
#include "app/FileDialogs.h"
#include "controls/ParamSpinBox.h"
#include "files/ParamFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
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

// A set far from the defaults, made valid.
void fillImage(const Window& w) {
    DeviceImage set = w.session().image();
    for (int i = kPageSize; i < kImageSize; ++i)
        set[i] = static_cast<std::uint8_t>((i * 29 + 7) % 61);
    set[Byte::BIKE] = 5;
    set[Byte::ACT_RPM] = 1; // no control: the file keeps it as a flag
    for (int b : {Byte::RPM2, Byte::EXCITATION, Byte::PRIV_ENABLE, Byte::N2O_ENABLE, Byte::TPS_MAPA,
                  Byte::ACT_BLOK2, Byte::ACT_LIM1})
        set[b] ^= 1;
    showSet(*w.w, set);
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
    fillImage(w);
    w.get<QCheckBox>("CheckBoxExtMonitor")->click();
    const QMap<QString, int> saved = controlState(w);
    const QString path = home.path("round.ign");
    answerFileDialog(path);
    w.get<QAction>("MenuSave")->trigger();
    const DeviceImage image = w.session().image(); // as the controls gave it to the file
    QVERIFY(readAll(path).endsWith(' '));

    w.get<QAction>("MenuNew")->trigger();
    w.get<QCheckBox>("CheckBoxExtMonitor")->click();
    QVERIFY(controlState(w) != saved);
    answerFileDialog(path);
    w.get<QAction>("MenuOpen")->trigger();
    QCOMPARE(w.fileBoxes(), QStringList());
    QCOMPARE(controlState(w), saved);
    for (int i = Byte::BIKE; i < kImageSize; ++i)
        if (i != Byte::ACT_TACHO && (i < 130 || i >= Byte::RPM_ADV) && i != Byte::Reserved)
            QVERIFY2(w.session().image()[i] == image[i], qPrintable(QString("byte %1").arg(i)));
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(w.session().lastFilePath(), QFileInfo(path).absoluteFilePath());
}

void tst_AppFiles::relativePathShownAbsolute() {
    ConfigHome home;
    Window w;
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(home.dir.path()));
    const bool ok = w.session().saveFile("relative.ign");
    QDir::setCurrent(old);
    QVERIFY(ok);
    const QString full = QDir(home.dir.path()).absoluteFilePath("relative.ign");
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), full);
    QCOMPARE(w.session().lastFilePath(), full);
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
    QVERIFY(w.session().saveFile(home.path("first.ign")));
    const QString label = w.get<QLabel>("LabelFile2")->text();
    const DeviceImage image = w.session().image();

    QVERIFY(!w.session().saveFile(home.path(name)));
    QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), label);
    QCOMPARE(w.session().lastFilePath(), label);
    QVERIFY(w.session().image() == image);
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
    const bool ok = w.session().saveFile(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(readAll(path), old);
    QVERIFY(!ok);
    QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());
    QVERIFY(w.session().lastFilePath().isEmpty());
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
    chooseLanguage(*w.w, language);
    QVERIFY(w.session().saveFile(home.path("before.ign")));
    const QMap<QString, int> before = controlState(w);
    const DeviceImage image = w.session().image();

    DeviceImage other = image;
    other[Byte::BASE_ADV] = 20;
    other[Byte::LIMITER1] = 77;
    std::string body = writeParamFile(other, true, "\n");
    const auto at = body.find("15");
    QVERIFY(at != std::string::npos && at < 20);
    body.replace(at, 2, "14");
    QVERIFY(writeAll(home.path("v14.ign"), QByteArray::fromStdString(body)));

    QVERIFY(!w.session().openFile(home.path("v14.ign")));
    QCOMPARE(w.fileBoxes(), QStringList{text(Message::FileVersion, language)});
    QVERIFY(w.session().image() == image);
    QCOMPARE(controlState(w), before);
    const QString first = QFileInfo(home.path("before.ign")).absoluteFilePath();
    QCOMPARE(w.get<QLabel>("LabelFile2")->text(), first);
    QCOMPARE(w.session().lastFilePath(), first);
}

void tst_AppFiles::unopenablePath() {
    ConfigHome home;
    Window w;
    const DeviceImage image = w.session().image();
    QVERIFY(!w.session().openFile(home.path("missing.ign")));
    QVERIFY(!w.session().openFile(home.dir.path()));
    QCOMPARE(w.fileBoxes(), QStringList({kOpenError, kOpenError}));
    QVERIFY(w.session().image() == image);
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());
    QVERIFY(w.session().lastFilePath().isEmpty());
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
    QCOMPARE(int(w.session().language()), int(German));
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

    QVERIFY(w.session().openFile(home.path("on.ign")));
    QVERIFY(box->isChecked());
    QVERIFY(!count->isHidden());
    QVERIFY(w.session().openFile(home.path("none.ign"))); // no key: the box stays
    QVERIFY(box->isChecked());
    QVERIFY(!count->isHidden());
    QVERIFY(w.session().openFile(home.path("off.ign")));
    QVERIFY(!box->isChecked());
    QVERIFY(count->isHidden());
    QCOMPARE(w.fileBoxes(), QStringList());
}

void tst_AppFiles::newKeepsLastPath() {
    ConfigHome home;
    Window w;
    fillImage(w);
    const QString path = home.path("kept.ign");
    QVERIFY(w.session().saveFile(path));
    w.get<QAction>("MenuNew")->trigger();
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());
    QCOMPARE(w.session().lastFilePath(), QFileInfo(path).absoluteFilePath());
    DeviceImage defaults = w.session().image();
    setDefaults(defaults);
    QVERIFY(w.session().image() == defaults);
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
    chooseLanguage(*w.w, language);
    auto* label = w.get<QLabel>("LabelHlaseni");
    // Whatever the window looked like before, printing leaves it the same way.
    label->show();
    QPalette red = w->palette();
    red.setColor(QPalette::Window, Qt::red);
    w->setPalette(red);

    // File › Print, to a PDF file: the last of the print dialog's printers.
    onNextDialog([&home](QWidget& dialog) {
        QTest::keyClick(find<QComboBox>(dialog, "printers"), Qt::Key_End);
        auto* name = find<QLineEdit>(dialog, "filename");
        name->selectAll();
        QTest::keyClicks(name, home.path("sheet.pdf"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    const QDateTime before = QDateTime::currentDateTime();
    w.get<QAction>("MenuPrint")->trigger();

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
    QCOMPARE(w.session().tick().messageCountdown, std::uint8_t(200));
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
        chooseLanguage(*w.w, language);
        w.boxes.clear();
        w.get<QAbstractButton>("SpeedButtonPrint")->click();
        QCOMPARE(w.fileBoxes(), QStringList{text(Message::NoPrinter, language)});
    }
}

QTEST_MAIN(tst_AppFiles)
#include "tst_appfiles.moc"
