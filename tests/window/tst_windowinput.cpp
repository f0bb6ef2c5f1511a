// How the window meets the tuner's mouse and keyboard: a wheel passing over the motorbike
// list, Alt with a menu's letter, hints in the status bar, how a clear alarm box looks, the
// bottom row when the progress bar hides, and the window's title.

#include "TestWindow.h"
#include "app/Application.h"
#include "controls/CSpinButton.h"
#include "controls/TimerSpeedButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace vortan;

namespace {
void showActive(QMainWindow& w) {
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("the window was not activated");
}
} // namespace

class tst_WindowInput : public QObject {
    Q_OBJECT
private slots:
    void wheelOverBikeListWithoutFocus();
    void altOpensMenu_data();
    void altOpensMenu();
    void servoHintsReachStatusBar_data();
    void servoHintsReachStatusBar();
    void clearAlarmBoxLooksPlain();
    void bottomRowKeepsItsPlace();
    void titleIsTheCaption();
    void gestureIsOneUndo();
};

void tst_WindowInput::wheelOverBikeListWithoutFocus() {
    TestWindow t;
    QMainWindow& w = t.start();
    showActive(w);
    auto* bike = find<QComboBox>(w, "ComboBox1");
    DeviceImage set = t.session().image();
    set[Byte::LIMITER1] = 77;
    showSet(w, set);
    auto wheel = [bike] {
        const QPointF at(bike->width() / 2, bike->height() / 2);
        QWheelEvent e(at, bike->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bike, &e);
    };
    find<QWidget>(w, "EditClutch")->setFocus();
    QTRY_VERIFY(!bike->hasFocus());
    wheel();
    QCOMPARE(bike->currentIndex(), 0);
    QCOMPARE(int(t.session().image()[Byte::LIMITER1]), 77); // no defaults set

    // With the focus, the wheel selects (and a selection sets the defaults).
    bike->setFocus();
    QTRY_VERIFY(bike->hasFocus());
    wheel();
    QCOMPARE(bike->currentIndex(), 1);
    QCOMPARE(int(t.session().image()[Byte::BIKE]), 1);
}

// Alt and a menu title's letter opens that menu at the first press, in every language, even
// where a button carries the same letter.
void tst_WindowInput::altOpensMenu_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("menu");
    for (int language : {0, 1, 2})
        for (const char* menu : {"MenuFile", "MenuEdit", "MenuCom", "MenuDevice"})
            QTest::addRow("%d %s", language, menu) << language << QString(menu);
}

void tst_WindowInput::altOpensMenu() {
    QFETCH(int, language);
    QFETCH(QString, menu);
    TestWindow t;
    QMainWindow& w = t.start();
    chooseLanguage(w, language);
    showActive(w);
    auto* m = w.findChild<QMenu*>(menu);
    QVERIFY(m);
    const QKeySequence letter = QKeySequence::mnemonic(m->title());
    QVERIFY(!letter.isEmpty());
    QTest::keySequence(&w, letter);
    QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(m));
    m->close();
    // The buttons keep their underlined letters.
    QVERIFY(find<QPushButton>(w, "Button1")->text().contains('&'));
}

void tst_WindowInput::servoHintsReachStatusBar_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::newRow("minus") << "BitBtnServoMinus"
                           << "Take off 20 mV";
    QTest::newRow("plus") << "BitBtnServoPlus"
                          << "Add 20 mV";
}

void tst_WindowInput::servoHintsReachStatusBar() {
    QFETCH(QString, button);
    QFETCH(QString, hint);
    TestWindow t;
    QMainWindow& w = t.start();
    auto* b = w.findChild<QPushButton*>(button);
    QCOMPARE(b->toolTip(), hint);
    QStatusTipEvent tip(b->statusTip()); // what hovering the button sends
    QApplication::sendEvent(&w, &tip);
    QCOMPARE(find<QStatusBar>(w, "StatusBar1")->currentMessage(), hint);
}

// A clear "Excitation Long" box has no band of its own on the group box behind it.
void tst_WindowInput::clearAlarmBoxLooksPlain() {
    TestWindow t;
    QMainWindow& w = t.start();
    showActive(w);
    auto* box = find<QCheckBox>(w, "CheckBoxBuzDlouhe");
    QVERIFY(!box->isChecked());
    QWidget* group = box->parentWidget();
    const QImage picture = group->grab().toImage();
    const QPoint inside = box->geometry().topRight() + QPoint(-2, box->height() / 2);
    const QPoint beside = box->geometry().bottomRight() + QPoint(-2, 3);
    QCOMPARE(picture.pixelColor(inside), picture.pixelColor(beside));

    box->click();
    const QImage checked = group->grab().toImage();
    QCOMPARE(checked.pixelColor(inside), QColor(255, 0, 0));
}

void tst_WindowInput::bottomRowKeepsItsPlace() {
    TestWindow t;
    QMainWindow& w = t.start();
    showActive(w);
    QWidget* file = find<QLabel>(w, "LabelFile1");
    QWidget* bar = find<QWidget>(w, "CGauge");
    QWidget* message = find<QLabel>(w, "LabelHlaseni");
    QWidget* differences = find<QWidget>(w, "ButtonDifferences");
    bar->show();
    message->show();
    differences->show();
    QTRY_VERIFY(bar->isVisible());
    const int x = file->x();
    bar->hide();
    message->hide();
    differences->hide();
    QApplication::processEvents();
    QCOMPARE(file->x(), x);
}

// Nothing is appended to the caption (on X11 Qt appends an application display name).
void tst_WindowInput::titleIsTheCaption() {
    configureApplication();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

// Arrow keys on one field, and a column-shift button held down, are undone by one Ctrl+Z.
void tst_WindowInput::gestureIsOneUndo() {
    TestWindow t;
    QMainWindow& w = t.start();
    showActive(w);
    const DeviceImage start = t.session().image();
    auto* clutch = find<QWidget>(w, "EditClutch");
    clutch->setFocus();
    QTRY_VERIFY(clutch->hasFocus());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(clutch, Qt::Key_Up);
    QCOMPARE(int(t.session().image()[Byte::CLUTCH]), start[Byte::CLUTCH] + 3);
    QTest::keySequence(clutch, QKeySequence("Ctrl+Z"));
    QVERIFY(t.session().image() == start);

    find<QCheckBox>(w, "CheckBoxTpsMapa")->click();
    const DeviceImage mapOn = t.session().image();
    TTimerSpeedButton* up = find<TCSpinButton>(w, "CSpinButton3")->upButton();
    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    for (int i = 0; i < 3; ++i)
        QMetaObject::invokeMethod(up->repeatTimer(), "timeout", Qt::DirectConnection);
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
    QCOMPARE(int(t.session().image().map(0, 2)), mapOn.map(0, 2) + 4);
    QTest::keySequence(&w, QKeySequence("Ctrl+Z"));
    QVERIFY(t.session().image() == mapOn);
}

QTEST_MAIN(tst_WindowInput)
#include "tst_windowinput.moc"
