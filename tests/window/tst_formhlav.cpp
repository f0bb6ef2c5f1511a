// Start-up and shut-down of the main window, its pages built when first opened, and its tick
// showing what the tick's counters say.

#include "TestWindow.h"
#include "app/LanguageView.h"
#include "app/ParamView.h"
#include "controls/CGauge.h"
#include "controls/ParamSpinBox.h"
#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

using namespace vortan;

namespace {
const char* const kTitles[3] = {"Programování jednotky Vortan 2", "Programming of Vortan 2 unit",
                                "Programmierung der Vortan 2 Zündbox"};
} // namespace

class tst_FormHlav : public QObject {
    Q_OBJECT
private slots:
    void startWithoutSettings();
    void startLanguage_data();
    void startLanguage();
    void startPort_data();
    void startPort();
    void startRestoresLastImage();
    void pageBuiltWhenOpened_data();
    void pageBuiltWhenOpened();
    void closeWritesLastImage();
    void tickShows_data();
    void tickShows();
};

void tst_FormHlav::startWithoutSettings() {
    TestWindow t({}, nullptr);
    QMainWindow& w = t.start();
    QCOMPARE(t.session().language(), 0);
    QCOMPARE(w.windowTitle(), QString(kTitles[0]));
    QCOMPARE(t.session().comPort(), 1);
    QVERIFY(find<QAction>(w, "MenuCom1")->isChecked());
    for (int n = 2; n <= 10; ++n)
        QVERIFY(!find<QAction>(w, QString("MenuCom%1").arg(n))->isChecked());

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    QCOMPARE(frame.left() - screen.left(), (screen.width() - frame.width()) / 2);
    QCOMPARE(frame.top() - screen.top(), (screen.height() - frame.height()) / 2);

    // Only the port may complain; the window runs on either way.
    for (const QString& box : t.boxes)
        QCOMPARE(box, QString("Com opening error"));
    QVERIFY(find<QLabel>(w, "LabelFile2")->text().isEmpty());
    QCOMPARE(find<QTabWidget>(w, "PageControl1")->currentIndex(), 0);
    QVERIFY(find<QLabel>(w, "LabelHlaseni")->isHidden());
    QVERIFY(find<TCGauge>(w, "CGauge")->isHidden());
    QCOMPARE(find<ParamSpinBox>(w, "EditOmez1")->value(), 5000); // the default set
}

void tst_FormHlav::startLanguage_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");

    const QByteArray german = "[FORM_HLAV]\nLanguage=2\n";
    QTest::newRow("from settings") << german << QStringList{} << 2;
    QTest::newRow("ENGLISH") << german << QStringList{"ENGLISH"} << 1;
    QTest::newRow("english ignored") << german << QStringList{"english"} << 2;
    QTest::newRow("CESKY") << german << QStringList{"CESKY"} << 0;
    QTest::newRow("DEUTSCH") << QByteArray("[FORM_HLAV]\nLanguage=1\n") << QStringList{"DEUTSCH"}
                             << 2;
    QTest::newRow("only the first argument") << german << QStringList{"--demo2", "ENGLISH"} << 2;
    QTest::newRow("ENGLISH with more") << german << QStringList{"ENGLISH", "CESKY"} << 1;
    QTest::newRow("settings language 3")
        << QByteArray("[FORM_HLAV]\nLanguage=3\n") << QStringList{} << 1;
}

void tst_FormHlav::startLanguage() {
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    TestWindow t(arguments, settings.constData());
    QMainWindow& w = t.start();
    QCOMPARE(int(t.session().language()), language);
    QCOMPARE(w.windowTitle(), QString(kTitles[language]));
    const char* const items[] = {"MenuCzech", "MenuEnglish", "MenuGerman"};
    for (int n = 0; n < 3; ++n)
        QCOMPARE(find<QAction>(w, items[n])->isChecked(), n == language);
    w.close(); // and kept for the next run
    QFile kept(t.folder() + "/Vortan2.ini");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().contains("Language=" + QByteArray::number(language) + "\n"));
}

void tst_FormHlav::startPort_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("comPort");
    QTest::newRow("COM4") << QByteArray("[FORM_HLAV]\nComPort=4\n") << 4;
    QTest::newRow("COM10") << QByteArray("[FORM_HLAV]\nComPort=10\n") << 10;
    QTest::newRow("COM11 becomes COM1") << QByteArray("[FORM_HLAV]\nComPort=11\n") << 1;
}

void tst_FormHlav::startPort() {
    QFETCH(QByteArray, settings);
    QFETCH(int, comPort);
    // Every port points at a missing device, so each start reports the same error.
    QByteArray text = settings + "[PORTS]\n";
    for (int n = 1; n <= 10; ++n)
        text += QByteArray("COM") + QByteArray::number(n) + "=/nonexistent/vortan-port\n";
    TestWindow t({}, text.constData());
    QMainWindow& w = t.start();
    QCOMPARE(int(t.session().comPort()), comPort);
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(find<QAction>(w, QString("MenuCom%1").arg(n))->isChecked(), n == comPort);
    QCOMPARE(t.boxes, QStringList{"Com opening error"});
}

void tst_FormHlav::startRestoresLastImage() {
    TestWindow t;
    DeviceImage last;
    last[Byte::BIKE] = 0;
    setDefaults(last);
    last[0] = 'V';
    last[16] = 'X'; // a unit name from the last run
    last[Byte::LIMITER1] = 77;
    last[Byte::LIMITER2] = 60; // below limiter 1: normalised at start-up
    last[Byte::ADVANCE + 42] = 59;
    last[150] = 201; // unused byte, kept as it stands
    QVERIFY(writeLastImage(t.folder() + "/_Vortan2.ini", last));
    QMainWindow& w = t.start();

    QCOMPARE(t.session().image()[Byte::LIMITER1], 77);
    QCOMPARE(t.session().image()[Byte::LIMITER2], 77);
    QCOMPARE(t.session().image()[150], 201);
    QCOMPARE(t.session().image()[16], 'X');
    QCOMPARE(find<ParamSpinBox>(w, "EditOmez1")->value(), 7700);
    QCOMPARE(find<ParamSpinBox>(w, "EditOmez2")->value(), 7700);
    QCOMPARE(find<ParamSpinBox>(w, "Edit92")->value(), 59);
    // Identification texts stay blank until the unit itself has sent page 0.
    for (int i = 1; i <= 3; ++i)
        QVERIFY(find<QLabel>(w, QString("LabelVerze%1").arg(i))->text().isEmpty());
    // The history of the run starts here: the restored set cannot be undone.
    QVERIFY(!find<QAction>(w, "MenuUndo")->isEnabled());
}

void tst_FormHlav::pageBuiltWhenOpened_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");   // a field of the page
    QTest::addColumn<QString>("caption"); // a captioned box of the page
    QTest::addColumn<QString>("textId");  // and its caption's text id
    QTest::newRow("map") << 1 << "Edit50"
                         << "CheckBoxIgnAll"
                         << "AdvanceAll";
    QTest::newRow("N2O") << 2 << "EditGas1"
                         << "CheckBoxGas"
                         << "N2oEnable";
    QTest::newRow("servo") << 3 << "EditRpmPriv1"
                           << "CheckBoxPrivEnable"
                           << "ServoEnable";
}

// Before the tuner opens a page it has no controls; what happened meanwhile (a language
// chosen, another type's defaults, a read that holds the set) is on it once it is opened.
void tst_FormHlav::pageBuiltWhenOpened() {
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QFETCH(QString, textId);
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start(false);
    w.show();
    QVERIFY(!w.findChild<QWidget*>(field));
    find<QAction>(w, "MenuGerman")->trigger();
    const DeviceImage before = t.session().image();
    QTest::keyClick(find<QComboBox>(w, "ComboBox1"), Qt::Key_Down); // another type's defaults
    QVERIFY(!(t.session().image() == before));
    QTest::mouseClick(find<QPushButton>(w, "Button1"), Qt::LeftButton); // Read: the set held
    const DeviceImage set = t.session().image();

    QVERIFY(openPage(w, page));
    auto* edit = find<ParamSpinBox>(w, field);
    QVERIFY(edit->isReadOnly());
    QVERIFY(find<QWidget>(w, caption)->isVisible());
    QCOMPARE(find<QAbstractButton>(w, caption)->text(),
             LanguageView::captionText(qPrintable(textId), German));
    DeviceImage shown = set; // every field of the page shows the set as it stands
    ParamView(&w).read(shown);
    QVERIFY(shown == set);
}

void tst_FormHlav::closeWritesLastImage() {
    TestWindow t;
    QMainWindow& w = t.start();
    // Values edited but never committed nor programmed.
    find<ParamSpinBox>(w, "EditOmez1")->setValue(12000);
    find<ParamSpinBox>(w, "EditOmez2")->setValue(8000);
    find<ParamSpinBox>(w, "EditGas1")->setValue(80);
    find<ParamSpinBox>(w, "EditGas2")->setValue(50);
    find<ParamSpinBox>(w, "Edit123")->setValue(41);
    find<QCheckBox>(w, "CheckBoxTpsMapa")->setChecked(true);
    QVERIFY(t.session().image()[Byte::LIMITER1] != 120);

    w.close(); // the close event runs FormClose
    const QString path = t.folder() + "/_Vortan2.ini";
    QCOMPARE(path, lastImageFilePath());
    DeviceImage saved;
    saved.bytes.fill(0xEE);
    QVERIFY(readLastImage(path, saved));
    QCOMPARE(saved[Byte::LIMITER1], 120);
    QCOMPARE(saved[Byte::LIMITER2], 120); // validated
    QCOMPARE(saved[Byte::GAS1], 50);
    QCOMPARE(saved[Byte::GAS2], 50);
    QCOMPARE(saved[Byte::ADVANCE + 73], 41);
    QCOMPARE(saved[Byte::TPS_MAPA], 1);
    QVERIFY(saved == t.session().image());

    QFile settings(t.folder() + "/Vortan2.ini");
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray text = settings.readAll();
    QVERIFY(text.contains("ComPort=1"));
    QVERIFY(text.contains("Language=0"));
}

void tst_FormHlav::tickShows_data() {
    QTest::addColumn<int>("countdown"); // the tick's counters before the tick
    QTest::addColumn<int>("silence");
    QTest::addColumn<bool>("messageShown"); // after it
    QTest::addColumn<bool>("noConnection");
    QTest::newRow("countdown runs out, silence reached") << 1 << 18 << false << true;
    QTest::newRow("countdown goes on, not yet silent") << 2 << 17 << true << false;
    QTest::newRow("no countdown, a frame just came") << 0 << 0 << true << false;
}

// The message label, the progress bar and "No Connection" follow the tick's counters.
void tst_FormHlav::tickShows() {
    QFETCH(int, countdown);
    QFETCH(int, silence);
    QFETCH(bool, messageShown);
    QFETCH(bool, noConnection);
    TestWindow t;
    QMainWindow& w = t.start();
    auto* message = find<QLabel>(w, "LabelHlaseni");
    auto* gauge = find<TCGauge>(w, "CGauge");
    auto* noLink = find<QLabel>(w, "LabelSpojeni");
    message->show();
    gauge->show();
    noLink->setVisible(!noConnection);
    t.session().tick().messageCountdown = static_cast<std::uint8_t>(countdown);
    t.session().tick().silenceCount = static_cast<std::uint8_t>(silence);
    vortan::mainwindow::tick(w);
    QCOMPARE(!message->isHidden(), messageShown);
    QCOMPARE(!gauge->isHidden(), messageShown);
    QCOMPARE(!noLink->isHidden(), noConnection);
}

QTEST_MAIN(tst_FormHlav)
#include "tst_formhlav.moc"
