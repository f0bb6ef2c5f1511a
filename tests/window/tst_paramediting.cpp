// The parameter controls as a view of the device image: show and read, typed values,
// thousands grouping, the map layout, colouring and visibility, and the commit triggers.

#include "TestWindow.h"
#include "app/ParamView.h"
#include "controls/ParamSpinBox.h"
#include "params/ParamTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <random>

using namespace vortan;

using Bytes = QList<QPair<int, int>>; // (image position, value)

namespace {

ParamSpinBox* spin(QMainWindow& w, const QString& name) {
    return find<ParamSpinBox>(w, name);
}

// Types `keys` over the whole text, key by key, as the tuner does (not yet committed).
void type(ParamSpinBox* edit, const QString& keys) {
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

// The text a grouped spin box shows for `value` in the current default locale.
QString grouped(int value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

// The set with these bytes, as a file brings it.
void showBytes(QMainWindow& w, const Bytes& bytes) {
    DeviceImage set = session(w).image();
    for (const auto& [pos, value] : bytes)
        set[pos] = static_cast<std::uint8_t>(value);
    showSet(w, set);
}

QStringList mapOnlyWidgets() {
    QStringList names;
    for (int n = 50; n < 140; ++n)
        names << QString("Edit%1").arg(n);
    for (int i = 1; i <= 10; ++i)
        names << QString("LabelTps%1").arg(i) << QString("CSpinButton%1").arg(i);
    names << "LabelTpsMon"
          << "CGaugeTps";
    return names;
}

} // namespace

class tst_ParamEditing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showThenRead();
    void typedValue_data();
    void typedValue();
    void outOfRangeShownAsHeld_data();
    void outOfRangeShownAsHeld();
    void outOfRangeNoteFollowsLanguage();
    void enterCommitsAndMovesOn();
    void deactivationDoesNotCommit();
    void thousandsGrouping_data();
    void thousandsGrouping();
    void mapLayout();
    void hiddenRowsKeepValues();
    void redWhileChecked_data();
    void redWhileChecked();
    void groupsFollowFlags_data();
    void groupsFollowFlags();
    void arrowCommits_data();
    void arrowCommits();
    void checkBoxClickCommits();
};

void tst_ParamEditing::initTestCase() {
    // A locale that groups thousands, the same on every machine.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Every in-range byte of every control of the window comes back from the view's show and read
// unchanged.
void tst_ParamEditing::showThenRead() {
    TestWindow t;
    ParamView view(&t.start());
    DeviceImage image;
    std::mt19937 random(1234);
    auto pick = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int round = 0; round < 25; ++round) {
        for (auto& b : image.bytes)
            b = static_cast<std::uint8_t>(random());
        for (const NumberParam& p : allNumberParams()) {
            std::vector<int> inRange;
            for (int b = 0; b < 256; ++b) {
                const int shown = p.shown(static_cast<std::uint8_t>(b));
                if (shown >= p.minimum && shown <= p.maximum)
                    inRange.push_back(b);
            }
            const int end = static_cast<int>(inRange.size()) - 1;
            const int b = round == 0   ? inRange.front()
                          : round == 1 ? inRange.back()
                                       : inRange[pick(0, end)];
            image[p.byte] = static_cast<std::uint8_t>(b);
        }
        for (const FlagParam& f : flagParams())
            image[f.byte] = static_cast<std::uint8_t>(pick(0, 1));
        image[Byte::BIKE] = static_cast<std::uint8_t>(pick(0, 5));

        const DeviceImage shown = image;
        view.show(shown, 0);
        view.read(image);
        for (int i = 0; i < kImageSize; ++i)
            if (image[i] != shown[i])
                QFAIL(qPrintable(QString("round %1, byte %2: shown %3, read %4")
                                     .arg(round)
                                     .arg(i)
                                     .arg(shown[i])
                                     .arg(image[i])));
    }
}

// Typed key by key, then Tab: what the tuner types is what is taken, or nothing is.
void tst_ParamEditing::typedValue_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("keys"); // empty: the text is deleted
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("stored");

    const struct {
        const char* row;
        const char* edit;
        const char* keys;
        int value, byte, stored;
    } rows[] = {
        {"12345 rpm", "EditOmez1", "12345", 12300, 103, 123},
        {"grouped 15,050 rpm", "EditOmez1", "15,050", 15000, 103, 150},
        {"letters refused", "EditOmez1", "abc", 5000, 103, 50},
        {"deleted", "EditOmez1", "", 5000, 103, 50},
        {"below range", "EditOmez1", "900", 5000, 103, 50},
        {"limiter 2 above range", "EditOmez2", "30000", 11000, 104, 110},
        {"minus sign refused", "EditBaseAdv", "-5", 5, 107, 5},
        {"base advance 45", "EditBaseAdv", "45", 10, 107, 10},
        {"clutch 999", "EditClutch", "999", 200, 105, 20},
        {"hysteresis 7 mV", "EditPrivHyster", "7", 5, 110, 1},
        {"TPS 0 % 2600 mV", "EditTps0", "2600", 700, 118, 70},
        {"TPS 100 % 2509 mV", "EditTps100", "2509", 2500, 119, 0},
        {"TPS 100 % 4,750 mV", "EditTps100", "4,750", 4750, 119, 225},
        {"TPS 100 % 4760 mV", "EditTps100", "4760", 3790, 119, 129},
        {"gas 1 101 %", "EditGas1", "101", 20, 121, 20},
        {"map cell 60", "Edit147", "60", 60, 297, 60},
        {"map cell 65", "Edit147", "65", 32, 297, 32},
        {"servo 39 mV", "EditNapPriv4", "39", 20, 193, 1},
    };
    for (const auto& r : rows)
        QTest::newRow(r.row) << r.edit << r.keys << r.value << r.byte << r.stored;
}

void tst_ParamEditing::typedValue() {
    QFETCH(QString, edit);
    QFETCH(QString, keys);
    QFETCH(int, value);
    QFETCH(int, byte);
    TestWindow t;
    QMainWindow& w = t.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ParamSpinBox* e = spin(w, edit);
    e->setFocus();
    QTRY_VERIFY(e->hasFocus());
    e->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        QTest::keyClicks(e, keys);
    QTest::keyClick(e, Qt::Key_Tab);
    QVERIFY(!e->hasFocus());
    QCOMPARE(e->value(), value);
    QTEST(int(session(w).image()[byte]), "stored");
    QCOMPARE(e->text(), grouped(value)); // show rewrote the text
}

// A byte outside its field's range (from the unit or a file) is shown as it is, marked, and
// kept by commits elsewhere; only typing or stepping in that field bounds it.
void tst_ParamEditing::outOfRangeShownAsHeld_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("stepped"); // the stored byte after one step towards the range

    QTest::newRow("clutch 80") << "EditClutch" << 105 << 80 << 800 << 50;
    QTest::newRow("base advance 45") << "EditBaseAdv" << 107 << 45 << 45 << 40;
    QTest::newRow("TPS 0 % byte 10") << "EditTps0" << 118 << 10 << 100 << 25;
    QTest::newRow("TPS 100 % byte 240") << "EditTps100" << 119 << 240 << 4900 << 225;
    QTest::newRow("servo byte 0") << "EditNapPriv1" << 190 << 0 << 0 << 1;
    QTest::newRow("map cell 99") << "Edit149" << 299 << 99 << 99 << 60;
    QTest::newRow("map cell 200") << "Edit140" << 290 << 200 << 200 << 60;
}

void tst_ParamEditing::outOfRangeShownAsHeld() {
    QFETCH(QString, edit);
    QFETCH(int, byte);
    QFETCH(int, held);
    QFETCH(int, shown);
    TestWindow t;
    QMainWindow& w = t.start();
    showBytes(w, {{byte, held}});
    ParamSpinBox* e = spin(w, edit);
    QCOMPARE(e->text(), grouped(shown));
    QCOMPARE(e->palette().color(QPalette::Text), QColor(255, 0, 0));
    QVERIFY2(e->outOfRangeNote().contains(grouped(shown)), qPrintable(e->outOfRangeNote()));

    // A commit of another field keeps the byte, and so does one of this field untouched.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ParamSpinBox* other = spin(w, "EditGas2");
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    other->selectAll();
    QTest::keyClicks(other, "70");
    e->setFocus(); // leaves the other field: commit
    QTRY_VERIFY(e->hasFocus());
    QCOMPARE(int(session(w).image()[Byte::GAS2]), 70);
    QCOMPARE(int(session(w).image()[byte]), held);
    QTest::keyClick(e, Qt::Key_Tab);
    QCOMPARE(int(session(w).image()[byte]), held);
    QCOMPARE(e->text(), grouped(shown));

    // One step towards the range lands within it, and the mark goes.
    e->setFocus();
    QTRY_VERIFY(e->hasFocus());
    QTest::keyClick(e, shown > e->editMaximum() ? Qt::Key_Down : Qt::Key_Up);
    QTEST(int(session(w).image()[byte]), "stepped");
    QVERIFY(e->palette().color(QPalette::Text) != QColor(255, 0, 0));
}

// The note of a marked field follows the language.
void tst_ParamEditing::outOfRangeNoteFollowsLanguage() {
    TestWindow t;
    QMainWindow& w = t.start();
    showBytes(w, {{Byte::CLUTCH, 80}});
    ParamSpinBox* e = spin(w, "EditClutch");
    QStringList notes;
    for (int language : {0, 1, 2}) {
        chooseLanguage(w, language);
        notes << e->outOfRangeNote();
    }
    QCOMPARE(notes.removeDuplicates(), 0);
    QVERIFY(notes[1].contains("0 to 500"));
}

void tst_ParamEditing::enterCommitsAndMovesOn() {
    TestWindow t;
    QMainWindow& w = t.start();
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        QSKIP("the platform does not activate windows");
    ParamSpinBox* edit = spin(w, "EditOmez1");
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, "12345");
    QCOMPARE(session(w).image()[Byte::LIMITER1], 50); // nothing taken while typing
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(session(w).image()[Byte::LIMITER1], 123);
    QCOMPARE(edit->text(), grouped(12300));

    // Leaving the field by focus alone commits too.
    ParamSpinBox* clutch = spin(w, "EditClutch");
    clutch->setFocus();
    QTRY_VERIFY(clutch->hasFocus());
    clutch->selectAll();
    QTest::keyClicks(clutch, "333");
    spin(w, "EditBaseAdv")->setFocus();
    QTRY_COMPARE(int(session(w).image()[Byte::CLUTCH]), 33);
    QCOMPARE(clutch->text(), QString("330"));
}

// Switching to another window is not leaving the field, and a window destroyed with the
// focus in a field must not run its change handler on the way down.
void tst_ParamEditing::deactivationDoesNotCommit() {
    auto t = std::make_unique<TestWindow>();
    QMainWindow& w = t->start();
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        QSKIP("the platform does not activate windows");
    ParamSpinBox* edit = spin(w, "EditGas2");
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, "90");

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(session(w).image()[Byte::GAS2], 60);

    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    spin(w, "EditGas1")->setFocus(); // now it is left
    QTRY_COMPARE(int(session(w).image()[Byte::GAS2]), 90);

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    t.reset(); // destroyed while shown, focus in a field
}

void tst_ParamEditing::thousandsGrouping_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("cs_CZ") << QLocale(QLocale::Czech, QLocale::CzechRepublic);
}

void tst_ParamEditing::thousandsGrouping() {
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    TestWindow t;
    QMainWindow& w = t.start();
    showBytes(w, {{Byte::LIMITER1, 150}, {Byte::LED_RAZENI, 10}, {Byte::CLUTCH, 50}});
    QCOMPARE(spin(w, "EditOmez1")->text(), QLocale().toString(15000));
    QCOMPARE(spin(w, "EditOmez1")->text(), QString("15") + locale.groupSeparator() + "000");
    QCOMPARE(spin(w, "EditLedRazeni")->text(), QString("1") + locale.groupSeparator() + "000");
    QCOMPARE(spin(w, "EditClutch")->text(), QString("500"));
    // A field whose range stays under a thousand groups a value held beyond it.
    showBytes(w, {{Byte::CLUTCH, 100}});
    QCOMPARE(spin(w, "EditClutch")->text(), QString("1") + locale.groupSeparator() + "000");

    // The grouped text reads back as the number it shows.
    type(spin(w, "EditOmez1"), QLocale().toString(17000));
    QTest::keyClick(spin(w, "EditOmez1"), Qt::Key_Return);
    QCOMPARE(session(w).image()[Byte::LIMITER1], 170);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_ParamEditing::mapLayout() {
    TestWindow t;
    QMainWindow& w = t.start();
    const QStringList mapOnly = mapOnlyWidgets();
    QCOMPARE(session(w).image()[Byte::TPS_MAPA], 0); // the default
    for (const QString& name : mapOnly)
        QVERIFY2(find<QWidget>(w, name)->isHidden(), qPrintable(name));
    const int topRow = find<QLabel>(w, "LabelTps1")->y() - 4;
    for (int n = 140; n < 150; ++n) {
        QVERIFY(!spin(w, QString("Edit%1").arg(n))->isHidden());
        QVERIFY(std::abs(spin(w, QString("Edit%1").arg(n))->y() - topRow) <= 1); // scaled page
    }

    showBytes(w, {{Byte::TPS_MAPA, 1}});
    for (const QString& name : mapOnly)
        QVERIFY2(!find<QWidget>(w, name)->isHidden(), qPrintable(name));
    const int lastRow = find<QLabel>(w, "LabelTps10")->y() - 4;
    QVERIFY(lastRow > topRow);
    for (int n = 140; n < 150; ++n)
        QVERIFY(std::abs(spin(w, QString("Edit%1").arg(n))->y() - lastRow) <= 1);

    // The rows stand in order with the 100 % row below the others.
    QVERIFY(spin(w, "Edit130")->y() < lastRow);
    QVERIFY(spin(w, "Edit50")->y() < spin(w, "Edit60")->y());

    // Clearing the box by a click lays the map out again.
    find<QCheckBox>(w, "CheckBoxTpsMapa")->click();
    QCOMPARE(session(w).image()[Byte::TPS_MAPA], 0);
    QVERIFY(spin(w, "Edit50")->isHidden());
    QVERIFY(std::abs(spin(w, "Edit145")->y() - topRow) <= 1);
}

void tst_ParamEditing::hiddenRowsKeepValues() {
    TestWindow t;
    QMainWindow& w = t.start();
    DeviceImage before = session(w).image();
    for (int n = 0; n < 100; ++n)
        before.map(n / 10, n % 10) = static_cast<std::uint8_t>((n * 7) % 61);
    before[Byte::TPS_MAPA] = 1;
    showSet(w, before);

    find<QCheckBox>(w, "CheckBoxTpsMapa")->click(); // hide rows 0..8
    QVERIFY(spin(w, "Edit50")->isHidden());
    for (int n = 0; n < 100; ++n)
        QCOMPARE(session(w).image()[Byte::ADVANCE + n], before[Byte::ADVANCE + n]);
    QTest::keyClick(spin(w, "EditClutch"), Qt::Key_Return); // a commit elsewhere
    find<QCheckBox>(w, "CheckBoxTpsMapa")->click();         // back
    QVERIFY(!spin(w, "Edit50")->isHidden());
    for (int n = 0; n < 100; ++n) {
        QCOMPARE(session(w).image()[Byte::ADVANCE + n], before[Byte::ADVANCE + n]);
        QCOMPARE(spin(w, QString("Edit%1").arg(50 + n))->value(), int(before[Byte::ADVANCE + n]));
    }
}

void tst_ParamEditing::redWhileChecked_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("programming after change") << "CheckBoxProgHned";
    QTest::newRow("excitation") << "CheckBoxBuzDlouhe";
}

void tst_ParamEditing::redWhileChecked() {
    QFETCH(QString, box);
    TestWindow t;
    QMainWindow& w = t.start();
    auto* check = find<QCheckBox>(w, box);
    const QColor face = w.palette().color(QPalette::Button);
    QVERIFY(face != QColor(255, 0, 0));
    QCOMPARE(check->palette().color(check->backgroundRole()), face);

    // The view's read and show colour it (a click commits through them).
    ParamView view(&w);
    DeviceImage set = session(w).image();
    check->setChecked(true);
    view.read(set);
    QCOMPARE(check->palette().color(check->backgroundRole()), QColor(255, 0, 0));
    QVERIFY(check->autoFillBackground());
    view.show(set, 0);
    QCOMPARE(check->palette().color(check->backgroundRole()), QColor(255, 0, 0));

    check->setChecked(false);
    view.read(set);
    QCOMPARE(check->palette().color(check->backgroundRole()), face);
}

void tst_ParamEditing::groupsFollowFlags_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QStringList>("dependents");
    QTest::newRow("servo") << "CheckBoxPrivEnable" << int(Byte::PRIV_ENABLE)
                           << QStringList{"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer"};
    QTest::newRow("N2O") << "CheckBoxGas" << int(Byte::N2O_ENABLE)
                         << QStringList{"CheckBoxAktN2o", "GroupBoxGas", "GroupBoxRetard",
                                        "LabelN2oEnable"};
}

void tst_ParamEditing::groupsFollowFlags() {
    QFETCH(QString, box);
    QFETCH(int, byte);
    QFETCH(QStringList, dependents);
    TestWindow t;
    QMainWindow& w = t.start();
    auto* check = find<QCheckBox>(w, box);
    QCOMPARE(session(w).image()[byte], 1); // set by default
    for (const QString& name : dependents)
        QVERIFY2(!find<QWidget>(w, name)->isHidden(), qPrintable(name));

    check->click();
    QCOMPARE(session(w).image()[byte], 0);
    for (const QString& name : dependents)
        QVERIFY2(find<QWidget>(w, name)->isHidden(), qPrintable(name));

    showBytes(w, {{byte, 1}});
    QVERIFY(check->isChecked());
    for (const QString& name : dependents)
        QVERIFY2(!find<QWidget>(w, name)->isHidden(), qPrintable(name));
}

void tst_ParamEditing::arrowCommits_data() {
    QTest::addColumn<Bytes>("start");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("steps");
    QTest::addColumn<Bytes>("expected");
    QTest::addColumn<QString>("otherEdit");
    QTest::addColumn<int>("otherValue");

    using namespace Byte;
    QTest::newRow("limiter 1 pushes limiter 2")
        << Bytes{{LIMITER1, 110}, {LIMITER2, 110}} << "EditOmez1" << 1
        << Bytes{{LIMITER1, 111}, {LIMITER2, 111}} << "EditOmez2" << 11100;
    QTest::newRow("limiter 2 down to limiter 1")
        << Bytes{{LIMITER1, 110}, {LIMITER2, 110}} << "EditOmez2" << -1
        << Bytes{{LIMITER1, 110}, {LIMITER2, 110}} << "EditOmez2" << 11000;
    QTest::newRow("gas 1 above gas 2 falls back")
        << Bytes{{GAS1, 60}, {GAS2, 60}} << "EditGas1" << 1 << Bytes{{GAS1, 60}, {GAS2, 60}}
        << "EditGas1" << 60;
    QTest::newRow("speed point runs into the next")
        << Bytes{} << "EditRpmAdv3" << 10 << Bytes{{RPM_ADV + 2, 40}, {RPM_ADV + 3, 41}}
        << "EditRpmAdv4" << 4100;
    QTest::newRow("map cell") << Bytes{} << "Edit75" << -2 << Bytes{{ADVANCE + 25, 43}} << "Edit75"
                              << 43;
    QTest::newRow("clutch") << Bytes{} << "EditClutch" << 3 << Bytes{{CLUTCH, 23}} << "EditClutch"
                            << 230;
}

void tst_ParamEditing::arrowCommits() {
    QFETCH(Bytes, start);
    QFETCH(QString, edit);
    QFETCH(int, steps);
    QFETCH(Bytes, expected);
    QFETCH(QString, otherEdit);
    QFETCH(int, otherValue);
    TestWindow t;
    QMainWindow& w = t.start();
    showBytes(w, start);
    ParamSpinBox* e = spin(w, edit);
    QSignalSpy commits(e, &ParamSpinBox::committed);
    const int direction = steps > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i)
        e->stepBy(direction); // one arrow click each
    QCOMPARE(commits.count(), std::abs(steps));
    for (const auto& [pos, value] : expected)
        QVERIFY2(session(w).image()[pos] == value, qPrintable(QString("byte %1 is %2, want %3")
                                                                  .arg(pos)
                                                                  .arg(session(w).image()[pos])
                                                                  .arg(value)));
    QCOMPARE(spin(w, otherEdit)->value(), otherValue);
}

void tst_ParamEditing::checkBoxClickCommits() {
    TestWindow t;
    QMainWindow& w = t.start();
    // A typed but uncommitted value elsewhere is taken by the same commit.
    type(spin(w, "EditBaseAdv"), "17");
    auto* box = find<QCheckBox>(w, "CheckBoxAktBlok2");
    QCOMPARE(session(w).image()[Byte::ACT_BLOK2], 1);
    box->click();
    QCOMPARE(session(w).image()[Byte::ACT_BLOK2], 0);
    QCOMPARE(session(w).image()[Byte::BASE_ADV], 17);
    box->click();
    QCOMPARE(session(w).image()[Byte::ACT_BLOK2], 1);

    showBytes(w, {{Byte::ACT_RPM, 1}}); // the file-only byte is not the check box's
    find<QCheckBox>(w, "CheckBoxAktRpm")->click();
    QCOMPARE(session(w).image()[Byte::ACT_TACHO], 0);
    QCOMPARE(session(w).image()[Byte::ACT_RPM], 1);
}

QTEST_MAIN(tst_ParamEditing)
#include "tst_paramediting.moc"
