// Editing the advance map in the window: selection by mouse and keys, the keys, buttons and
// the context menu reaching the operations, undo, the clipboard both ways, the colours and
// the curves following every change, in another language, and the choices kept.

#include "TestWindow.h"
#include "controls/ParamSpinBox.h"
#include "params/ColourScale.h"
#include "params/CurveColours.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QInputDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

using namespace vortan;

namespace {

ParamSpinBox* cell(QMainWindow& w, int row, int column) {
    return find<ParamSpinBox>(w, QString("Edit%1").arg(50 + row * 10 + column));
}

QLineEdit* editOf(QMainWindow& w, int row, int column) {
    return cell(w, row, column)->findChild<QLineEdit*>();
}

void click(QMainWindow& w, int row, int column, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(editOf(w, row, column), Qt::LeftButton, mods);
}

QList<int> rowOf(const DeviceImage& image, int row) {
    QList<int> out;
    for (int c = 0; c < 10; ++c)
        out << image.map(row, c);
    return out;
}

// The cells shown selected.
QStringList selected(QMainWindow& w) {
    const QColor highlight = w.palette().color(QPalette::Highlight);
    QStringList out;
    for (int i = 0; i < 100; ++i)
        if (cell(w, i / 10, i % 10)->palette().color(QPalette::Base) == highlight)
            out << QString("%1,%2").arg(i / 10).arg(i % 10);
    return out;
}

// The curves panel's line of throttle row `index` (0..9), or of the servo table (10).
QLineSeries* curve(QMainWindow& w, int index) {
    return qobject_cast<QLineSeries*>(
        find<QChartView>(w, "ChartMapCurves")->chart()->series().at(index));
}

// Answers the next modal question with `keys` and Enter.
void answer(const QString& keys) {
    QTimer::singleShot(0, [keys] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QWidget* field = dialog->focusWidget();
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->selectAll();
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, Qt::Key_Return);
    });
}

} // namespace

class tst_MapEditing : public QObject {
    Q_OBJECT
private slots:
    void tunersRun();
    void keysMenuAndButtons();
    void tabInsideSelection();
    void clipboardRoundTripAndRefusal();
    void choicesKept();
};

// Select 60-100 % at 8000-10000 rpm, take 2° off with one key, undo, interpolate a row from
// 3000 to 7000 rpm, paste a 10 x 10 block, colours and curves following, in German.
void tst_MapEditing::tunersRun() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    QTest::mouseClick(find<QCheckBox>(w, "CheckBoxMapColours"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(w, "CheckBoxMapCurves"), Qt::LeftButton);
    auto* dock = find<QDockWidget>(w, "DockMapCurves");
    QVERIFY(dock->isVisible());
    auto* step = find<QSpinBox>(w, "SpinBoxMapStep");
    step->selectAll();
    QTest::keyClicks(step, "2");

    // Drag from 60 % / 8000 rpm to 100 % / 10000 rpm.
    QTest::mousePress(editOf(w, 7, 7), Qt::LeftButton);
    QTest::mouseMove(editOf(w, 8, 8));
    QTest::mouseMove(editOf(w, 9, 9));
    QTest::mouseRelease(editOf(w, 9, 9), Qt::LeftButton);
    QCOMPARE(selected(w),
             QStringList({"7,7", "7,8", "7,9", "8,7", "8,8", "8,9", "9,7", "9,8", "9,9"}));

    const DeviceImage before = session(w).image();
    QTest::keyClick(cell(w, 7, 7), Qt::Key_Minus);
    QCOMPARE(rowOf(session(w).image(), 8), QList<int>({4, 12, 15, 25, 28, 30, 32, 30, 30, 30}));
    QCOMPARE(cell(w, 8, 8)->value(), 30);
    QCOMPARE(find<QAction>(w, "MenuUndo")->text(), QString("&Undo Map cells lowered"));
    QTest::keyClick(cell(w, 7, 7), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(session(w).image() == before);

    click(w, 9, 2);
    click(w, 9, 6, Qt::ShiftModifier);
    DeviceImage ramp = session(w).image();
    ramp.map(9, 2) = 10;
    ramp.map(9, 6) = 30;
    showSet(w, ramp);
    QTest::keyClick(cell(w, 9, 6), Qt::Key_Slash);
    QCOMPARE(rowOf(session(w).image(), 9).mid(2, 5), QList<int>({10, 15, 20, 25, 30}));

    QString block;
    for (int r = 0; r < 10; ++r) {
        QStringList line;
        for (int c = 0; c < 10; ++c)
            line << QString::number(r * 5 + c);
        block += line.join('\t') + "\r\n";
    }
    QGuiApplication::clipboard()->setText(block);
    click(w, 0, 0);
    QTest::keyClick(cell(w, 0, 0), Qt::Key_V, Qt::ControlModifier);
    for (int r = 0; r < 10; ++r)
        QCOMPARE(rowOf(session(w).image(), r),
                 QList<int>({r * 5, r * 5 + 1, r * 5 + 2, r * 5 + 3, r * 5 + 4, r * 5 + 5,
                             r * 5 + 6, r * 5 + 7, r * 5 + 8, r * 5 + 9}));
    QCOMPARE(selected(w).size(), 100); // the pasted block is selected
    // The cells are coloured on the scale from the lowest to the highest advance shown.
    click(w, 0, 0);
    const Rgb hot = scaleColour(1.0);
    QCOMPARE(cell(w, 9, 9)->palette().color(QPalette::Base), QColor(hot.red, hot.green, hot.blue));
    QVERIFY(find<QWidget>(w, "MapColourLegend")->isVisible());
    // The curves follow: the 100 % row has the pasted values over the speed axis.
    QList<int> drawn;
    for (const QPointF& p : curve(w, 9)->points())
        drawn << int(p.y());
    QCOMPARE(drawn, rowOf(session(w).image(), 9));
    // Each throttle row in its own colour of the ordered scale.
    for (int r = 0; r < 10; ++r) {
        const Rgb c = throttleRowColour(r);
        QCOMPARE(curve(w, r)->color(), QColor(c.red, c.green, c.blue));
    }

    chooseLanguage(w, German);
    QCOMPARE(find<QAction>(w, "MenuUndo")->text(), QString("&Rückgängig: In Karte eingefügt"));
    QCOMPARE(find<QAbstractButton>(w, "ButtonMapSmooth")->text(), QString("Glätten"));
    QCOMPARE(dock->windowTitle(), QString("Kurven"));

    // With the Servo page in front the panel shows the servo table instead.
    QVERIFY(openPage(w, 3));
    QVERIFY(curve(w, 10)->isVisible() && !curve(w, 9)->isVisible());
    QCOMPARE(curve(w, 10)->points().front(), QPointF(1200, 2000));
}

void tst_MapEditing::keysMenuAndButtons() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    click(w, 4, 4);
    QTest::keyClick(cell(w, 4, 4), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(cell(w, 4, 5), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(cell(w, 5, 5), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(selected(w), QStringList({"4,5", "4,6", "5,5", "5,6"}));
    QVERIFY(cell(w, 5, 6)->hasFocus());
    // Up and Down alone still step the value.
    const int value = cell(w, 5, 6)->value();
    QTest::keyClick(cell(w, 5, 6), Qt::Key_Up);
    QCOMPARE(cell(w, 5, 6)->value(), value + 1);

    answer("17");
    QTest::keyClick(cell(w, 5, 6), Qt::Key_Equal);
    QCOMPARE(rowOf(session(w).image(), 4).mid(5, 2), QList<int>({17, 17}));
    QCOMPARE(rowOf(session(w).image(), 5).mid(5, 2), QList<int>({17, 17}));
    answer("65"); // beyond the map's 60°: refused whole, not read as 6
    QTest::keyClick(cell(w, 5, 6), Qt::Key_Equal);
    QCOMPARE(rowOf(session(w).image(), 5).mid(5, 2), QList<int>({17, 17}));
    QCOMPARE(w.statusBar()->currentMessage(), QString("Set advance: 65 is outside 0..60; kept 17"));
    answer("400");
    QTest::mouseClick(find<QAbstractButton>(w, "ButtonMapScale"), Qt::LeftButton);
    QCOMPARE(rowOf(session(w).image(), 5).mid(5, 2), QList<int>({60, 60}));
    QCOMPARE(w.statusBar()->currentMessage(), QString("Cells kept within 0..60°: 4"));
    QTest::mouseClick(find<QAbstractButton>(w, "ButtonMapLower"), Qt::LeftButton);
    QCOMPARE(int(session(w).image().map(4, 5)), 59);

    // The context menu on a cell outside the selection selects it and acts on it alone.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                editOf(w, 0, 0)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(editOf(w, 0, 0), &menuEvent);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* raise = menu->actions().front();
    QCOMPARE(raise->text(), QString("Raise by the step"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(raise).center());
    QCOMPARE(int(session(w).image().map(0, 0)), 5);
    QCOMPARE(selected(w), QStringList({"0,0"}));

    QTest::keyClick(cell(w, 0, 0), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(selected(w).size(), 100);
    // The corner selects every visible cell; with the throttle map off only the 100 % row.
    QTest::mouseClick(find<QCheckBox>(w, "CheckBoxTpsMapa"), Qt::LeftButton);
    QTest::mouseClick(find<QAbstractButton>(w, "ButtonMapAll"), Qt::LeftButton);
    QCOMPARE(selected(w).size(), 10);
    QVERIFY(selected(w).front() == "9,0");
    QTest::keyClick(cell(w, 9, 0), Qt::Key_S);
    QCOMPARE(rowOf(session(w).image(), 9).mid(0, 2), QList<int>({8, 11}));
    click(w, 9, 3, Qt::ControlModifier);
    QCOMPARE(selected(w).size(), 9);
}

// Tab and Enter inside a selection move the cell that keys act from, not the selection.
void tst_MapEditing::tabInsideSelection() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    click(w, 9, 6);
    click(w, 9, 2, Qt::ShiftModifier);
    QTest::keyClick(editOf(w, 9, 2), Qt::Key_Tab);
    QTest::keyClick(editOf(w, 9, 3), Qt::Key_Return);
    QVERIFY(cell(w, 9, 4)->hasFocus());
    QCOMPARE(selected(w).size(), 5);
    QTest::keyClick(editOf(w, 9, 4), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(selected(w), QStringList({"9,5"}));
}

void tst_MapEditing::clipboardRoundTripAndRefusal() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    click(w, 2, 1);
    click(w, 3, 3, Qt::ShiftModifier);
    QTest::keyClick(cell(w, 3, 3), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("24\t35\t44\n19\t32\t39\n"));
    click(w, 8, 7);
    QTest::keyClick(cell(w, 8, 7), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(rowOf(session(w).image(), 8).mid(7, 3), QList<int>({24, 35, 44}));
    QCOMPARE(rowOf(session(w).image(), 9).mid(7, 3), QList<int>({19, 32, 39}));
    QCOMPARE(selected(w), QStringList({"8,7", "8,8", "8,9", "9,7", "9,8", "9,9"}));

    const DeviceImage before = session(w).image();
    click(w, 9, 8);
    QTest::keyClick(cell(w, 9, 8), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(session(w).image() == before);
    QCOMPARE(w.statusBar()->currentMessage(),
             QString("Not pasted: 2 × 3 cells do not fit into the map from where they would go."));
    QGuiApplication::clipboard()->setText("12\tretard\n");
    QTest::keyClick(cell(w, 9, 8), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(session(w).image() == before);
    QCOMPARE(w.statusBar()->currentMessage(), QString("Not pasted: \"retard\" is not a number."));
}

void tst_MapEditing::choicesKept() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    QTest::mouseClick(find<QCheckBox>(w, "CheckBoxMapColours"), Qt::LeftButton);
    w.close();
    QMainWindow& again = t.start();
    QVERIFY(find<QCheckBox>(again, "CheckBoxMapColours")->isChecked());
    QVERIFY(!find<QCheckBox>(again, "CheckBoxMapCurves")->isChecked());
}

QTEST_MAIN(tst_MapEditing)
#include "tst_mapediting.moc"
