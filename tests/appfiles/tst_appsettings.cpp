// Settings and the last image kept from one run of the window to the next.

#include "CloseBoxes.h"
#include "Unprivileged.h"
#include "WindowFixture.h"
#include "controls/ParamSpinBox.h"
#include "settings/CloseTexts.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>

using namespace vortan;

namespace {

// Every parameter edit set to a value of its own, spread over its range.
void setEveryEdit(const Window& w) {
    int k = 0;
    for (ParamSpinBox* e : w->findChildren<ParamSpinBox*>()) {
        const int steps = (e->maximum() - e->minimum()) / e->singleStep() + 1;
        e->setValue(e->minimum() + ((k * 37 + 5) % steps) * e->singleStep());
        ++k;
    }
}

QMap<QString, int> editValues(const Window& w) {
    QMap<QString, int> r;
    for (ParamSpinBox* e : w->findChildren<ParamSpinBox*>())
        r[e->objectName()] = e->value();
    return r;
}

QStringList lines(const QString& path) {
    return QString::fromUtf8(readAll(path)).split('\n');
}

} // namespace

class tst_AppSettings : public QObject {
    Q_OBJECT

private slots:
    void roundTripThroughClose();
    void writtenSettingsText();
    void newSettingsFileOrder();
    void unwritableSettingsAsk();
    void shortLastImage();
};

void tst_AppSettings::roundTripThroughClose() {
    ConfigHome home;
    Pty pty;
    QVERIFY(!pty.slave.isEmpty());
    QVERIFY(writeAll(home.iniPath(), "[PORTS]\nCOM1=" + pty.slave.toUtf8() +
                                         "\nCOM7=" + pty.slave.toUtf8() + "\n"));
    const QString saved = home.path("R6 závod.ign");

    Window a;
    QVERIFY(a.boxes.isEmpty()); // COM1 opened through the PORTS entry
    a->move(123, 234);
    a.get<QAction>("MenuCom7")->trigger();
    chooseLanguage(*a.w, German);
    for (int i = 0; i < 4; ++i) // the fifth motorbike type
        QTest::keyClick(a.get<QComboBox>("ComboBox1"), Qt::Key_Down);
    // Page 0 has no controls: its bytes come straight from the image.
    for (int i = 0; i < kPageSize; ++i)
        a.session().image()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    setEveryEdit(a);
    a.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    QTest::keyClick(a.get<QWidget>("EditClutch"), Qt::Key_Return); // every typed value taken
    QVERIFY(a.session().saveFile(saved));
    a.session().restoreFile("tuned for the track"); // what the file label says
    a.get<QTabWidget>("PageControl1")->setCurrentIndex(2);
    a.get<QCheckBox>("CheckBoxExtMonitor")->click();
    QVERIFY(a.get<QCheckBox>("CheckBoxExtMonitor")->isChecked());
    a->close();
    const DeviceImage closed = a.session().image();
    const QMap<QString, int> shown = editValues(a);
    DeviceImage defaults;
    setDefaults(defaults);
    int changed = 0;
    for (int i = 0; i < kImageSize; ++i)
        changed += closed[i] != defaults[i];
    QVERIFY2(changed > 200, qPrintable(QString::number(changed)));

    Window b;
    QVERIFY(b.boxes.isEmpty()); // COM7 opened: the PORTS section survived the close
    QCOMPARE(b->pos(), QPoint(123, 234));
    QCOMPARE(int(b.session().comPort()), 7);
    QVERIFY(b.get<QAction>("MenuCom7")->isChecked());
    QVERIFY(!b.get<QAction>("MenuCom1")->isChecked());
    QCOMPARE(int(b.session().language()), int(German));
    QVERIFY(b.get<QAction>("MenuGerman")->isChecked());
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString("tuned for the track"));
    QCOMPARE(b.session().lastFilePath(), QFileInfo(saved).absoluteFilePath());
    QCOMPARE(b.get<QTabWidget>("PageControl1")->currentIndex(), 2);
    QVERIFY(b.get<QCheckBox>("CheckBoxExtMonitor")->isChecked());
    QVERIFY(!b.get<QWidget>("LabelPocetProgramovani")->isHidden());
    for (int i = 0; i < kImageSize; ++i)
        QVERIFY2(b.session().image()[i] == closed[i], qPrintable(QString("byte %1").arg(i)));
    QCOMPARE(editValues(b), shown);
    QCOMPARE(b.get<QComboBox>("ComboBox1")->currentIndex(), 4);
}

void tst_AppSettings::writtenSettingsText() {
    ConfigHome home;
    QVERIFY(writeAll(home.iniPath(), "[PORTS]\nCOM3=/dev/ttyUSB0\n\n; kept\n[OTHER]\nX=1\n"));
    {
        Window w;
        w->move(-40, 17);
        w.get<QAction>("MenuCom3")->trigger();
        chooseLanguage(*w.w, English);
        QVERIFY(w.session().saveFile(home.path("a.ign")));
        w.get<QTabWidget>("PageControl1")->setCurrentIndex(2);
        w.get<QCheckBox>("CheckBoxExtMonitor")->click();
        w->close();
    }
    const QString file = QFileInfo(home.path("a.ign")).absoluteFilePath();
    const QStringList text = lines(home.iniPath());
    QCOMPARE(text.mid(0, 6),
             QStringList({"[PORTS]", "COM3=/dev/ttyUSB0", "", "; kept", "[OTHER]", "X=1"}));
    const int form = text.indexOf("[FORM_HLAV]");
    QVERIFY(form >= 0);
    QCOMPARE(text.mid(form, 10),
             QStringList({"[FORM_HLAV]", "Left=-40", "Top=17", "ComPort=3", "Language=1",
                          "File=" + file, "IniDir=" + file, "ActivePage =3", "[IGNITION]",
                          "CheckBoxExtMonitor->Checked=1"}));

    // The image file: 30 lines of ten "%5u " numbers.
    const QStringList image = lines(home.imagePath());
    QCOMPARE(image.size(), 31);
    QVERIFY(image.last().isEmpty());
    for (int i = 0; i < 30; ++i)
        QCOMPARE(image[i].size(), 60);
}

// A new file begins with the window's keys in their order, whatever the run added before the
// close (here the ports); the program's own sections follow.
void tst_AppSettings::newSettingsFileOrder() {
    ConfigHome home;
    {
        Window w;
        onNextDialog([&home](QWidget& dialog) { // a device for COM2 in the port settings
            QTest::keyClicks(find<QComboBox>(dialog, "PortPath2")->lineEdit(), home.path("tty"));
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        w.get<QAction>("MenuPortSettings")->trigger();
        w->move(10, 20);
        w->close();
    }
    const QStringList text = lines(home.iniPath());
    QCOMPARE(text.mid(0, 10), QStringList({"[FORM_HLAV]", "Left=10", "Top=20", "ComPort=1",
                                           "Language=0", "File=", "IniDir=", "ActivePage =1",
                                           "[IGNITION]", "CheckBoxExtMonitor->Checked=0"}));
    QStringList sections;
    for (const QString& line : text)
        if (line.startsWith('['))
            sections << line;
    QCOMPARE(sections, QStringList({"[FORM_HLAV]", "[IGNITION]", "[PORTS]", "[WINDOW]",
                                    "[MAP_VIEW]", "[EXIT]"}));
}

// A settings folder the user may not write: File › Exit says which files and why; Cancel
// keeps the window running with its set, Close anyway closes.
void tst_AppSettings::unwritableSettingsAsk() {
    if (runningAsNobody()) {
        Window w({"ENGLISH"});
        w->findChild<QTimer*>("Timer1")->start();
        const QMap<QString, int> shown = editValues(w);
        const DeviceImage set = w.session().image();
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Vortan2";
        const QString reason = QString::fromStdString(closeText(CloseText::NoPermission, English));
        const QString expected =
            QString::fromStdString(closeText(CloseText::WriteFailed, English)) + '\n' + folder +
            "/Vortan2.ini (window, port, language and last file): " + reason + '\n' + folder +
            "/_Vortan2.ini (the set on screen for the next start): " + reason + "\n\n" +
            QString::fromStdString(closeText(CloseText::WriteFailedClose, English));
        {
            CloseBoxes boxes({{"Cancel"}});
            w.get<QAction>("MenuExit")->trigger();
            QCOMPARE(boxes.texts, QStringList{expected});
        }
        QVERIFY(!vortan::mainwindow::closed(*w.w));
        QVERIFY(w->findChild<QTimer*>("Timer1")->isActive());
        QVERIFY(w.session().image() == set);
        QCOMPARE(editValues(w), shown);
        {
            CloseBoxes boxes({{"Close anyway"}});
            w.get<QAction>("MenuExit")->trigger();
            QCOMPARE(boxes.texts, QStringList{expected});
        }
        QVERIFY(vortan::mainwindow::closed(*w.w));
        return;
    }
    ConfigHome home;
    QVERIFY(writeAll(home.iniPath(), "[FORM_HLAV]\nLanguage=1\n"));
    QVERIFY(writeAll(home.imagePath(), "1 2 3\n"));
    QVERIFY(QFile::setPermissions(home.dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ExeOther));
    QVERIFY(rerunAsNobody(home.dir.path()));
    QCOMPARE(readAll(home.iniPath()), QByteArray("[FORM_HLAV]\nLanguage=1\n"));
    QCOMPARE(readAll(home.imagePath()), QByteArray("1 2 3\n"));
}

void tst_AppSettings::shortLastImage() {
    DeviceImage plain;
    {
        ConfigHome home;
        Window w;
        plain = w.session().image();
    }
    ConfigHome home;
    QByteArray twelve;
    for (int i = 0; i < 12; ++i)
        twelve += QByteArray::number(200 + i) + (i % 5 == 4 ? "\n" : "  ");
    twelve += "\n";
    QVERIFY(writeAll(home.imagePath(), twelve));
    Window w;
    for (int i = 0; i < kImageSize; ++i)
        QCOMPARE(int(w.session().image()[i]), i < 12 ? 200 + i : int(plain[i]));
}

QTEST_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"
