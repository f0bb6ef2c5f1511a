// The window on the screen it runs on (the suite runs on an 800 × 600 and a 1400 × 1000
// screen): the curves panel opened beside a whole map, every dialog within the screen, and,
// with the map scrolled, its captions in sight and the cell in use brought into view.

#include "TestWindow.h"
#include "app/DockRoom.h"
#include "monitor/MonitorPacket.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace vortan;

namespace {

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QWidget* cell(QMainWindow& w, int row, int column) {
    return find<QWidget>(w, QString("Edit%1").arg(50 + row * 10 + column));
}

QScrollArea* mapArea(QMainWindow& w) {
    for (QWidget* p = cell(w, 0, 0); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p))
            return area;
    qFatal("the map does not scroll");
}

// `c` lies wholly within the view of `area`, and nothing covers its centre.
bool seen(QScrollArea* area, QWidget* c) {
    const QRect r(c->mapTo(area->viewport(), QPoint()), c->size());
    QWidget* at = c->parentWidget()->childAt(c->geometry().center());
    return area->viewport()->rect().contains(r) && (at == c || c->isAncestorOf(at));
}

// The part of `c` that the window shows: cut by every widget around it.
QSize shownPart(const QWidget* c) {
    QRect r = c->rect();
    for (const QWidget* w = c; !w->isWindow(); w = w->parentWidget()) {
        r.translate(w->pos());
        r &= w->parentWidget()->rect();
    }
    return r.size();
}

// Turns the mouse wheel over `bar` until it stands at its end.
void wheelToEnd(QScrollBar* bar) {
    for (int i = 0; i < 100 && bar->value() < bar->maximum(); ++i) {
        const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    }
}

// A monitor frame at `rpm` and `percent` throttle, as the drain hands it over, then a tick,
// which marks the cell in use.
void feed(QMainWindow& w, int rpm, int percent) {
    MonitorPacket p;
    p.rpm = static_cast<std::uint16_t>(rpm);
    p.tpsPercent = static_cast<std::uint8_t>(percent);
    const Frame f = encodeMonitorPacket(p);
    session(w).takeMonitorFrame(f.data());
    mainwindow::tick(w);
}

QPoint scrolled(QScrollArea* area) {
    return QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
}

} // namespace

class tst_WindowLayout : public QObject {
    Q_OBJECT
private slots:
    void roomForDock_data();
    void roomForDock();
    void curvesBesideWholeMap_data();
    void curvesBesideWholeMap();
    void dialogsWithinScreen_data();
    void dialogsWithinScreen();
    void mapCaptionsStayInSight();
    void cellInUseBroughtIntoView();
};

// A window whose content asks for 1120 and makes do with 640, and a panel that asks for 460
// and makes do with 240, the separator 6 wide.
void tst_WindowLayout::roomForDock_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("grown");
    QTest::addColumn<int>("dock");
    QTest::addColumn<bool>("floating");
    QTest::newRow("the screen holds both") << 1120 << 1916 << 1586 << 460 << false;
    QTest::newRow("the panel takes the room left") << 1120 << 1396 << 1396 << 270 << false;
    QTest::newRow("room for the least only") << 900 << 900 << 900 << 240 << false;
    QTest::newRow("no room beside the least") << 796 << 796 << 796 << 460 << true;
    QTest::newRow("already wide") << 1800 << 1916 << 1800 << 460 << false;
}

void tst_WindowLayout::roomForDock() {
    QFETCH(int, window);
    QFETCH(int, largest);
    QFETCH(int, grown);
    QFETCH(int, dock);
    QFETCH(bool, floating);
    const DockRoom room = vortan::roomForDock(window, largest, 1120, 640, 6, 460, 240);
    QCOMPARE(room.window, grown);
    QCOMPARE(room.dock, dock);
    QCOMPARE(room.floating, floating);
}

void tst_WindowLayout::curvesBesideWholeMap_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Czech") << "CESKY";
    QTest::newRow("English") << "ENGLISH";
    QTest::newRow("German") << "DEUTSCH";
}

// Opened at the size of a first run, the panel makes room for itself: the window grows
// within the screen, and the panel takes no more than the map leaves, so the 10000 rpm
// column and "Smooth" stay whole. Where the window's least does not fit beside the panel,
// the panel floats on the screen and the window stays as it was.
void tst_WindowLayout::curvesBesideWholeMap() {
    QFETCH(QString, language);
    TestWindow t({language});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    const QRect before = w.frameGeometry();
    QTest::mouseClick(find<QCheckBox>(w, "CheckBoxMapCurves"), Qt::LeftButton, {}, QPoint(8, 10));
    auto* dock = find<QDockWidget>(w, "DockMapCurves");
    QVERIFY(dock->isVisible());
    const int largest = screenArea().width() - (w.frameGeometry().width() - w.width());
    const int beside = w.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent) +
                       dock->minimumSizeHint().width();
    if (w.centralWidget()->minimumSizeHint().width() + beside > largest) {
        QTRY_VERIFY(dock->isFloating());
        QVERIFY(screenArea().contains(dock->frameGeometry()));
        QTRY_COMPARE(w.frameGeometry(), before); // the window as it was
        return;
    }
    for (const char* name : {"Edit59", "Edit149", "ButtonMapSmooth"}) {
        auto* c = find<QWidget>(w, name);
        QTRY_VERIFY2(shownPart(c) == c->size(), name);
    }
    QVERIFY(!dock->isFloating());
    QVERIFY(screenArea().contains(w.frameGeometry()));
}

void tst_WindowLayout::dialogsWithinScreen_data() {
    QTest::addColumn<QString>("menu");
    QTest::newRow("port settings") << "MenuPortSettings";
    QTest::newRow("restore points") << "MenuRestorePoints";
    QTest::newRow("difference report") << QString();
}

// Each dialog, modal or not, lies within the screen at no less than the size its contents
// need, so every button in it can be reached.
void tst_WindowLayout::dialogsWithinScreen() {
    QFETCH(QString, menu);
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QRect frame;
    QSize size;
    QSize needed;
    auto measure = [&](QWidget* dialog) {
        frame = dialog->frameGeometry();
        size = dialog->size();
        needed = dialog->minimumSizeHint();
    };
    if (menu.isEmpty()) {
        // Widened to its names, the report still fits.
        DeviceImage unit = session(w).image();
        unit[Byte::LIMITER2] = 120;
        unit.map(2, 3) = 40;
        compareWithUnit(w, unit);
        auto* report = find<QWidget>(w, "DiffReport");
        QVERIFY(QTest::qWaitForWindowExposed(report));
        QTest::qWait(20);
        measure(report);
    } else {
        bool answered = false;
        QTimer::singleShot(100, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            measure(dialog);
            answered = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        find<QAction>(w, menu)->trigger();
        QVERIFY(answered);
    }
    QVERIFY2(screenArea().contains(frame), qPrintable(QString("%1,%2 %3 x %4")
                                                          .arg(frame.x())
                                                          .arg(frame.y())
                                                          .arg(frame.width())
                                                          .arg(frame.height())));
    QVERIFY(size.width() >= needed.width() && size.height() >= needed.height());
}

// With the map scrolled to its far corner on a small window, every row whose cells are seen
// shows its throttle caption, and every column its speed, uncovered by the cells.
void tst_WindowLayout::mapCaptionsStayInSight() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    w.resize(800, 560);
    QTRY_COMPARE(w.size(), QSize(800, 560));
    QScrollArea* area = mapArea(w);
    wheelToEnd(area->horizontalScrollBar());
    wheelToEnd(area->verticalScrollBar());
    QVERIFY(scrolled(area).x() > 0 && scrolled(area).y() > 0);
    int rows = 0;
    int columns = 0;
    for (int i = 0; i < 10; ++i) {
        if (seen(area, cell(w, i, 9))) {
            ++rows;
            QVERIFY2(seen(area, find<QWidget>(w, QString("LabelTps%1").arg(i + 1))),
                     qPrintable(QString::number(i)));
        }
        if (seen(area, cell(w, 9, i))) {
            ++columns;
            QVERIFY2(seen(area, find<QWidget>(w, QString("EditRpmAdv%1").arg(i + 1))),
                     qPrintable(QString::number(i)));
        }
    }
    QVERIFY(rows >= 3 && columns >= 3);
}

// On a small window the cell in use comes into view as the engine moves, but not while the
// tuner edits the map or points at it: then the view stays until focus and pointer leave.
void tst_WindowLayout::cellInUseBroughtIntoView() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, true));
    w.resize(800, 560);
    QTRY_COMPARE(w.size(), QSize(800, 560));
    QScrollArea* area = mapArea(w);
    QCOMPARE(scrolled(area), QPoint(0, 0));
    feed(w, 10000, 100);
    QVERIFY(seen(area, cell(w, 9, 9)));
    feed(w, 1000, 0);
    QVERIFY(seen(area, cell(w, 0, 0)));

    QTest::mouseClick(cell(w, 0, 0)->findChild<QWidget*>(), Qt::LeftButton);
    const QPoint editing = scrolled(area);
    feed(w, 10000, 100);
    QCOMPARE(scrolled(area), editing);
    QVERIFY(!seen(area, cell(w, 9, 9)));
    auto* other = find<QCheckBox>(w, "CheckBoxExtMonitor"); // changes no value
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(8, other->height() / 2));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(8, other->height() / 2));
    QVERIFY(!other->isChecked());
    // Nor while the pointer rests over the map, where the tuner is about to click.
    QTest::mouseMove(area->viewport(), area->viewport()->rect().center());
    feed(w, 10000, 100);
    QCOMPARE(scrolled(area), editing);
    QTest::mouseMove(other, QPoint(8, other->height() / 2));
    feed(w, 10000, 100);
    QVERIFY(seen(area, cell(w, 9, 9)));
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
