// Values outside their fields' ranges and values the rules correct, through the window and the
// simulated unit: the box before such values are programmed (by the button and after a
// change), what a read tells of the values the rules corrected, values taken from the unit that
// change nothing, and a typed value refused with its reason in the status bar.

#include "WindowBench.h"
#include "app/DiffReport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStatusBar>
#include <QtTest>

using namespace devtest;

namespace {

// Answers the first message box that opens by clicking the button captioned `button`, and
// keeps what the box said.
struct BoxAnswer {
    QString text;
    QStringList lines;
    QStringList buttons;
    bool answered = false;
    QTimer poll;

    explicit BoxAnswer(const QString& button) {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || answered)
                return;
            answered = true;
            text = box->text();
            lines = box->informativeText().split('\n');
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button)
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        poll.start();
    }
};

// The set a tuner opened: a base advance of 99, a clutch time of 990 ms and a map cell of 70,
// all outside their fields' ranges, which normalise leaves as they are.
void openOutOfRangeFile(WindowBench& b) {
    DeviceImage set = b.session().image();
    set[Byte::BASE_ADV] = 99;
    set[Byte::CLUTCH] = 99;
    set.map(4, 2) = 70;
    QVERIFY(b.openSet(set));
    QVERIFY(b.edit("EditBaseAdv")->isOutOfRange());
}

const QStringList kOutOfRangeLines{"Clutch m.: 990 ms, range 0..500 ms",
                                   "Base advance: 99°, range 0..40°",
                                   "Advance 20 % / 3,000 rpm: 70°, range 0..60°"};

} // namespace

class tst_WindowRanges : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void programAsksFirst_data();
    void programAsksFirst();
    void programAfterChangeAsksFirst_data();
    void programAfterChangeAsksFirst();
    void readTellsCorrections_data();
    void readTellsCorrections();
    void typedValueRefused_data();
    void typedValueRefused();
};

void tst_WindowRanges::programAsksFirst_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("programs");
    QTest::newRow("cancel") << int(English) << "Cancel" << false;
    QTest::newRow("program anyway") << int(English) << "Program anyway" << true;
    QTest::newRow("German, cancel") << int(German) << "Abbrechen" << false;
}

void tst_WindowRanges::programAsksFirst() {
    QFETCH(int, language);
    QFETCH(QString, button);
    QFETCH(bool, programs);
    WindowBench b;
    QVERIFY(b.ok());
    b.language(language);
    openOutOfRangeFile(b);
    const DeviceImage unitBefore = b.sim.image();
    b.sim.clearReceived();
    BoxAnswer answer(button);
    b.click("BitBtn1");
    QVERIFY(answer.answered);
    QCOMPARE(answer.buttons.size(), 2);
    QVERIFY(answer.buttons.contains(button));
    if (language == English) {
        QCOMPARE(answer.text, QString("These values lie outside their ranges. Program them into "
                                      "the unit anyway?"));
        QCOMPARE(answer.lines, kOutOfRangeLines);
    } else {
        QCOMPARE(answer.lines.size(), 3);
        QVERIFY2(answer.lines[1].contains("Bereich 0..40°"), qPrintable(answer.lines[1]));
    }
    QVERIFY(b.run());
    for (int i = 0; i < 12; ++i) // long enough for a first request to go out
        b.tick();
    if (!programs) {
        QVERIFY(b.operationRequests().empty());
        QVERIFY(samePages12(b.sim.image(), unitBefore));
        return;
    }
    QCOMPARE(b.message(), QString("Verify OK"));
    QCOMPARE(int(b.sim.image()[Byte::BASE_ADV]), 99);
    QCOMPARE(int(b.sim.image().map(4, 2)), 70);
}

void tst_WindowRanges::programAfterChangeAsksFirst_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("programs");
    QTest::newRow("cancel") << "Cancel" << false;
    QTest::newRow("program anyway") << "Program anyway" << true;
}

// Ticking "Programming after change" programs at once: with values out of range it asks
// first, once the click has been handled.
void tst_WindowRanges::programAfterChangeAsksFirst() {
    QFETCH(QString, button);
    QFETCH(bool, programs);
    WindowBench b;
    QVERIFY(b.ok());
    const DeviceImage inRange = b.session().image();
    openOutOfRangeFile(b);
    b.sim.clearReceived();
    BoxAnswer answer(button);
    QTest::mouseClick(b.check("CheckBoxProgHned"), Qt::LeftButton);
    QVERIFY(b.check("CheckBoxProgHned")->isChecked());
    QTRY_VERIFY(answer.answered);
    QCOMPARE(answer.lines, kOutOfRangeLines);
    for (int i = 0; i < 12; ++i)
        b.tick();
    QVERIFY(b.run());
    QCOMPARE(b.sim.programmings(), programs ? 1 : 0);
    if (!programs) {
        QVERIFY(b.operationRequests().empty());
        // Once every value is within its range, the next change programs without a box.
        QVERIFY(b.openSet(inRange));
        QVERIFY(b.run());
        QCOMPARE(b.sim.programmings(), 1);
    }
    QCOMPARE(b.message(), QString("Verify OK"));
    QVERIFY(samePages12(b.sim.image(), b.session().image()));
}

void tst_WindowRanges::readTellsCorrections_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("verifyError");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("English")
        << int(English) << "Verify error!"
        << "Some values read from the unit break the rules and were corrected, so the unit and "
           "the screen differ:"
        << "the unit holds Limiter = 2,000 rpm, below Start Limiter; shown as 5,000 rpm";
    QTest::newRow("Czech") << int(Czech) << "Chyba verifikace!"
                           << "Některé hodnoty přečtené z jednotky porušují pravidla a byly "
                              "opraveny, proto se jednotka a obrazovka liší:"
                           << "jednotka obsahuje Omezovač = 2,000 rpm, méně než Startovací "
                              "omezovač; zobrazeno jako 5,000 rpm";
}

// A unit holding a limiter below its start limiter: the read shows the corrected set, its
// verify ends with the specified error and a box after it says what was corrected; taking the
// unit's limiter in the difference report changes nothing and is no step of the history.
void tst_WindowRanges::readTellsCorrections() {
    QFETCH(int, language);
    QFETCH(QString, verifyError);
    WindowBench b;
    QVERIFY(b.ok());
    b.language(language);
    DeviceImage unit = b.sim.image();
    unit[Byte::LIMITER1] = 50;
    unit[Byte::LIMITER2] = 20;
    b.sim.setImage(unit);
    b.trigger("MenuRead");
    QVERIFY(b.run());
    QCOMPARE(b.message(), verifyError);
    QCOMPARE(b.messageColour(), kRed);
    QCOMPARE(b.edit("EditOmez2")->value(), 5000);
    QTRY_COMPARE(b.boxes.size(), 1);
    QTEST(b.boxes.front(), "text");
    QVERIFY(!b.informative.isEmpty());
    QTEST(b.informative.last().split('\n').join('|'), "line");

    const std::size_t steps = b.session().editor().steps();
    b.click("ButtonDifferences");
    auto* report = b.find<DiffReport>("DiffReport");
    QTest::mouseClick(report->findChild<QAbstractButton*>("ButtonTakeUnit"), Qt::LeftButton);
    QCOMPARE(int(b.session().image()[Byte::LIMITER2]), 50);
    QCOMPARE(b.session().editor().steps(), steps);
    QCOMPARE(b.session().editor().undoName(), std::optional(EditName::Read));
    QTEST(b.w->statusBar()->currentMessage(), "line");
}

void tst_WindowRanges::typedValueRefused_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("commitKey");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("status");
    QTest::newRow("limiter, Enter") << "EditOmez2"
                                    << "30000" << int(Qt::Key_Return) << int(English) << 11000
                                    << "Limiter [rpm]: 30,000 is outside 999..25,000; kept 11,000";
    QTest::newRow("base advance, Tab, German")
        << "EditBaseAdv"
        << "45" << int(Qt::Key_Tab) << int(German) << 10
        << QString::fromUtf8("Base advance [°]: 45 liegt außerhalb von 0..40; 10 beibehalten");
    QTest::newRow("map cell, Enter, Czech")
        << "Edit140"
        << "75" << int(Qt::Key_Enter) << int(Czech) << 4
        << "Předstih 100 % / 1,000 rpm: 75 je mimo rozsah 0..60; ponechána hodnota 4";
    QTest::newRow("in range") << "EditOmez2"
                              << "12000" << int(Qt::Key_Tab) << int(English) << 12000 << "";
}

void tst_WindowRanges::typedValueRefused() {
    QFETCH(QString, edit);
    QFETCH(QString, keys);
    QFETCH(int, commitKey);
    QFETCH(int, language);
    WindowBench b;
    QVERIFY(b.ok());
    b.language(language);
    b.w->show();
    QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
    ParamSpinBox* e = b.edit(edit);
    e->setFocus();
    QTRY_VERIFY(e->hasFocus());
    e->selectAll();
    QTest::keyClicks(e, keys);
    QTest::keyClick(e, Qt::Key(commitKey));
    QVERIFY(!e->hasFocus());
    QTEST(e->value(), "kept");
    QTEST(b.w->statusBar()->currentMessage(), "status");
}

QTEST_MAIN(tst_WindowRanges)
#include "tst_windowranges.moc"
