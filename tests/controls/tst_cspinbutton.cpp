#include "controls/CSpinButton.h"
#include "controls/TimerSpeedButton.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <stdexcept>

using vortan::TCSpinButton;
using vortan::TTimerSpeedButton;

namespace {

// One tick of a button's repeat timer, without waiting for it.
void fire(QTimer* timer) {
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
}

// Records who sent each click.
class Receiver : public QObject {
    Q_OBJECT
public:
    QList<QObject*> senders;
public slots:
    void clicked() { senders << sender(); }
};

// A window holding a spin button and an edit, active so that focus moves.
struct Form {
    QWidget window;
    TCSpinButton* spin = new TCSpinButton;
    QLineEdit* edit = new QLineEdit;

    Form() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(spin);
        window.show();
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

} // namespace

class tst_CSpinButton : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void layout_data();
    void layout();
    void narrowWidgetIsWidened();
    void glyphs();
    void keyboard_data();
    void keyboard();
    void focusFrameFollowsFocus();
    void mouseFocusesItself();
    void mouseFocusesFocusControl();
    void mouseClickSentBySpinButton();
    void holdingRepeats();
    void repeatsPauseOutsideButton();
    void throwingHandlerStopsRepeat();
    void focusFrameRect_data();
    void focusFrameRect();
};

void tst_CSpinButton::defaults() {
    TCSpinButton spin;
    QCOMPARE(spin.size(), QSize(20, 25));
    QCOMPARE(spin.focusedButton(), spin.upButton());
    QVERIFY(spin.upButton()->allowTimer());
    QVERIFY(spin.downButton()->allowTimer());
    QVERIFY(!spin.upButton()->focusFrame());
    QVERIFY(!TTimerSpeedButton().allowTimer());
}

void tst_CSpinButton::layout_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("up");
    QTest::addColumn<QRect>("down");
    QTest::newRow("form's 15 x 21") << QSize(15, 21) << QRect(0, 0, 15, 10) << QRect(0, 9, 15, 12);
    QTest::newRow("default 20 x 25")
        << QSize(20, 25) << QRect(0, 0, 20, 12) << QRect(0, 11, 20, 14);
    QTest::newRow("even height") << QSize(16, 20) << QRect(0, 0, 16, 10) << QRect(0, 9, 16, 11);
}

void tst_CSpinButton::layout() {
    QFETCH(QSize, size);
    QFETCH(QRect, up);
    QFETCH(QRect, down);
    QCOMPARE(TCSpinButton::upButtonRect(size), up);
    QCOMPARE(TCSpinButton::downButtonRect(size), down);
    TCSpinButton spin;
    spin.resize(size);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    QCOMPARE(spin.upButton()->geometry(), up);
    QCOMPARE(spin.downButton()->geometry(), down);
    QCOMPARE(up.intersected(down).height(), 1);
}

void tst_CSpinButton::narrowWidgetIsWidened() {
    TCSpinButton spin;
    spin.resize(10, 21);
    QCOMPARE(spin.width(), 15);
    spin.setGeometry(5, 5, 3, 21);
    QCOMPARE(spin.width(), 15);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    QCOMPARE(spin.upButton()->geometry(), QRect(0, 0, 15, 10));
}

void tst_CSpinButton::glyphs() {
    TCSpinButton spin;
    QVERIFY(!spin.upButton()->glyph().isNull());
    QVERIFY(spin.upButton()->glyph().toImage() != spin.downButton()->glyph().toImage());
    QPixmap own(7, 4);
    own.fill(Qt::red);
    spin.setDownGlyph(own);
    QCOMPARE(spin.downButton()->glyph().toImage(), own.toImage());
    spin.setDownGlyph(QPixmap());
    QCOMPARE(spin.downButton()->glyph().toImage(), TCSpinButton::defaultDownGlyph().toImage());
}

void tst_CSpinButton::keyboard_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("downs");
    QTest::addColumn<bool>("downFocused");
    QTest::newRow("space clicks up at first") << QList<int>{Qt::Key_Space} << 1 << 0 << false;
    QTest::newRow("up arrow") << QList<int>{Qt::Key_Up} << 1 << 0 << false;
    QTest::newRow("down arrow moves focus")
        << QList<int>{Qt::Key_Down, Qt::Key_Space} << 0 << 2 << true;
    QTest::newRow("up after down")
        << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Space} << 2 << 1 << false;
    QTest::newRow("other keys ignored") << QList<int>{Qt::Key_Left, Qt::Key_A} << 0 << 0 << false;
}

void tst_CSpinButton::keyboard() {
    QFETCH(QList<int>, keys);
    QFETCH(int, ups);
    QFETCH(int, downs);
    QFETCH(bool, downFocused);
    Form form;
    QVERIFY(form.ready());
    form.spin->setFocus();
    QSignalSpy upSpy(form.spin, &TCSpinButton::upClick);
    QSignalSpy downSpy(form.spin, &TCSpinButton::downClick);
    for (int key : keys)
        QTest::keyClick(form.spin, Qt::Key(key));
    QCOMPARE(upSpy.count(), ups);
    QCOMPARE(downSpy.count(), downs);
    QCOMPARE(form.spin->focusedButton(),
             downFocused ? form.spin->downButton() : form.spin->upButton());
    QCOMPARE(form.spin->downButton()->focusFrame(), downFocused);
    QCOMPARE(form.spin->upButton()->focusFrame(), !downFocused);
}

void tst_CSpinButton::focusFrameFollowsFocus() {
    Form form;
    QVERIFY(form.ready());
    form.edit->setFocus();
    QVERIFY(!form.spin->upButton()->focusFrame());
    form.spin->setFocus();
    QVERIFY(form.spin->upButton()->focusFrame());
    form.spin->setFocusedButton(form.spin->downButton());
    QVERIFY(!form.spin->upButton()->focusFrame());
    QVERIFY(form.spin->downButton()->focusFrame());
    form.edit->setFocus();
    QVERIFY(!form.spin->downButton()->focusFrame());

    // Not a tab stop: the focused button stays.
    form.spin->setFocusPolicy(Qt::NoFocus);
    form.spin->setFocusedButton(form.spin->upButton());
    QCOMPARE(form.spin->focusedButton(), form.spin->downButton());
}

void tst_CSpinButton::mouseFocusesItself() {
    Form form;
    QVERIFY(form.ready());
    form.edit->setFocus();
    TTimerSpeedButton* down = form.spin->downButton();
    QTest::mouseClick(down, Qt::LeftButton, {}, down->rect().center());
    QVERIFY(form.spin->hasFocus());
    QCOMPARE(form.spin->focusedButton(), down);
    QVERIFY(down->focusFrame());
}

void tst_CSpinButton::mouseFocusesFocusControl() {
    Form form;
    QVERIFY(form.ready());
    form.spin->setFocusControl(form.edit);
    form.spin->setFocus();
    TTimerSpeedButton* down = form.spin->downButton();
    QTest::mouseClick(down, Qt::LeftButton, {}, down->rect().center());
    QVERIFY(form.edit->hasFocus());
    QCOMPARE(form.spin->focusedButton(), down);

    // A focus control that cannot take focus leaves it to the spin button.
    form.edit->setEnabled(false);
    QTest::mouseClick(down, Qt::LeftButton, {}, down->rect().center());
    QVERIFY(form.spin->hasFocus());
}

void tst_CSpinButton::mouseClickSentBySpinButton() {
    TCSpinButton spin;
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    Receiver receiver;
    connect(&spin, &TCSpinButton::upClick, &receiver, &Receiver::clicked);
    connect(&spin, &TCSpinButton::downClick, &receiver, &Receiver::clicked);
    QSignalSpy downSpy(&spin, &TCSpinButton::downClick);
    TTimerSpeedButton* down = spin.downButton();
    QTest::mousePress(down, Qt::LeftButton, {}, down->rect().center());
    QCOMPARE(downSpy.count(), 0); // a click comes with the release
    QTest::mouseRelease(down, Qt::LeftButton, {}, down->rect().center());
    QCOMPARE(downSpy.count(), 1);
    QCOMPARE(receiver.senders, QList<QObject*>{&spin});
    QVERIFY(!down->repeatTimer()->isActive());
}

void tst_CSpinButton::holdingRepeats() {
    TCSpinButton spin;
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    TTimerSpeedButton* up = spin.upButton();
    int elapsed = 0;
    QList<int> clickTimes;
    QList<bool> repeating; // every click of the hold after its first repeats
    connect(&spin, &TCSpinButton::upClick, this, [&] {
        clickTimes << elapsed;
        repeating << spin.isRepeating();
    });

    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    QTimer* timer = up->repeatTimer();
    QVERIFY(timer && timer->isActive());
    // Play one second of the timer's own schedule.
    while (elapsed + timer->interval() <= 1000) {
        elapsed += timer->interval();
        fire(timer);
    }
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
    QCOMPARE(clickTimes, (QList<int>{400, 500, 600, 700, 800, 900, 1000, 1000}));
    QCOMPARE(repeating, (QList<bool>{false, true, true, true, true, true, true, true}));
    QVERIFY(!timer->isActive());

    // A new press starts again with the long first delay.
    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    QCOMPARE(timer->interval(), TTimerSpeedButton::FirstRepeatDelay);
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
    QCOMPARE(repeating.last(), false);

    // Holding the arrow key repeats as well.
    repeating.clear();
    for (bool autoRepeat : {false, true, true}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(&spin, &key);
    }
    QCOMPARE(repeating, (QList<bool>{false, true, true}));
}

void tst_CSpinButton::repeatsPauseOutsideButton() {
    TCSpinButton spin;
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    TTimerSpeedButton* up = spin.upButton();
    QSignalSpy upSpy(&spin, &TCSpinButton::upClick);
    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    QMouseEvent away(QEvent::MouseMove, QPointF(up->width() / 2, -20), up->mapToGlobal(QPointF()),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(up, &away);
    QVERIFY(!up->isDown());
    fire(up->repeatTimer());
    QCOMPARE(upSpy.count(), 0);
    QMouseEvent back(QEvent::MouseMove, QPointF(up->rect().center()), up->mapToGlobal(QPointF()),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(up, &back);
    fire(up->repeatTimer());
    QCOMPARE(upSpy.count(), 1);
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
}

void tst_CSpinButton::throwingHandlerStopsRepeat() {
    TCSpinButton spin;
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    TTimerSpeedButton* up = spin.upButton();
    auto thrower =
        connect(&spin, &TCSpinButton::upClick, this, [] { throw std::runtime_error("refused"); });
    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    QTimer* timer = up->repeatTimer();
    QVERIFY(timer->isActive());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, fire(timer));
    QVERIFY(!timer->isActive());
    disconnect(thrower);
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
}

void tst_CSpinButton::focusFrameRect_data() {
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("up") << false << QRect(3, 3, 9, 4);
    QTest::newRow("pressed") << true << QRect(4, 4, 9, 4);
}

void tst_CSpinButton::focusFrameRect() {
    QFETCH(bool, pressed);
    QFETCH(QRect, frame);
    QCOMPARE(TTimerSpeedButton::focusFrameRect(QRect(0, 0, 15, 10), pressed), frame);
}

QTEST_MAIN(tst_CSpinButton)
#include "tst_cspinbutton.moc"
