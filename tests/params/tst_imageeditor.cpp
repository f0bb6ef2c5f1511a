// The editor's history: steps recorded from the images before and after each edit, undo and redo
// of pages 1 and 2, gestures merged into one step, and the depth kept.

#include "params/ImageEditor.h"

#include <QtTest>

using namespace vortan;

namespace {

DeviceImage defaults() {
    DeviceImage image;
    setDefaults(image);
    return image;
}

// Byte `byte` moved by `delta`: an arrow click on its field, or typing when `key` is -1.
Edit fieldStep(const DeviceImage& image, int byte, int delta, int key) {
    DeviceImage typed = image;
    typed[byte] = static_cast<std::uint8_t>(typed[byte] + delta);
    return valuesEdit(EditName::Field, typed, key, key >= 0);
}

} // namespace

class tst_ImageEditor : public QObject {
    Q_OBJECT
private slots:
    void undoRedoPutPagesBack();
    void gestures_data();
    void gestures();
    void depth();
};

void tst_ImageEditor::undoRedoPutPagesBack() {
    DeviceImage image = defaults();
    ImageEditor editor(image);
    const DeviceImage start = image;
    QVERIFY(!editor.apply(newEdit())); // the defaults already: no step
    QVERIFY(editor.apply(tps0Edit(1000)));
    QVERIFY(editor.apply(tps100Edit(3000)));
    const DeviceImage after = image;
    QCOMPARE(editor.undoName(), std::optional(EditName::SetTps100));
    QCOMPARE(editor.redoName(), std::nullopt);

    image[Byte::CompatibilityCode] = 15; // the unit's identification arrives meanwhile
    QVERIFY(editor.undo() && editor.undo() && !editor.undo());
    QCOMPARE(int(image[Byte::CompatibilityCode]), 15);
    image[Byte::CompatibilityCode] = start[Byte::CompatibilityCode];
    QVERIFY(image == start);
    QCOMPARE(editor.redoName(), std::optional(EditName::SetTps0));
    QVERIFY(editor.redo() && editor.redo() && !editor.redo());
    QVERIFY(image == after);

    // A new edit drops the steps undone before it.
    QVERIFY(editor.undo());
    QVERIFY(editor.apply(bikeEdit(2)));
    QCOMPARE(editor.redoName(), std::nullopt);
    QCOMPARE(editor.undoName(), std::optional(EditName::BikeType));
    editor.clear();
    QCOMPARE(editor.undoName(), std::nullopt);
}

void tst_ImageEditor::gestures_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("steps");
    // up:B / down:B an arrow click on the field of byte B, type:B a typed value, col:C a click on
    // column C's up arrow, hold:C a repeat while held; undo, redo.
    auto row = [](const char* tag, const char* actions, int steps) {
        QTest::newRow(tag) << QString(actions).split(' ') << steps;
    };
    row("arrow clicks on one field", "up:103 up:103 up:103", 1);
    row("arrow clicks on two fields", "up:103 up:104 up:103", 3);
    row("typing is a step of its own", "type:103 up:103 type:103", 3);
    row("arrows back to the start", "up:103 up:103 down:103 down:103", 0);
    row("undo and redo end a gesture", "up:103 undo redo up:103", 2);
    row("held column shift", "col:2 hold:2 hold:2 hold:2", 1);
    row("separate clicks on a column", "col:2 col:2", 2);
    row("another column", "col:2 hold:3", 2);
}

void tst_ImageEditor::gestures() {
    QFETCH(QStringList, actions);
    DeviceImage image = defaults();
    const DeviceImage start = image;
    ImageEditor editor(image);
    for (const QString& action : actions) {
        const QString verb = action.section(':', 0, 0);
        const int at = action.section(':', 1).toInt();
        if (verb == "undo" || verb == "redo")
            QVERIFY(verb == "undo" ? editor.undo() : editor.redo());
        else if (verb == "col" || verb == "hold")
            QVERIFY(editor.apply(columnShiftEdit(at, 1, verb == "hold")));
        else
            QVERIFY(editor.apply(
                fieldStep(image, at, verb == "down" ? -1 : 1, verb == "type" ? -1 : at)));
    }
    QTEST(int(editor.steps()), "steps");
    while (editor.undo()) {
    }
    QVERIFY(image == start);
}

// The newest kDepth steps (at least 200) are kept.
void tst_ImageEditor::depth() {
    QVERIFY(ImageEditor::kDepth >= 200);
    DeviceImage image = defaults();
    ImageEditor editor(image);
    for (int i = 1; i <= int(ImageEditor::kDepth) + 100; ++i)
        QVERIFY(editor.apply(fieldStep(image, 150 + i % 2, 1, -1)));
    QCOMPARE(editor.steps(), ImageEditor::kDepth);
    while (editor.undo()) {
    }
    QCOMPARE(int(image[150]), 50); // as after the 100th edit
    QCOMPARE(int(image[151]), 50);
}

QTEST_GUILESS_MAIN(tst_ImageEditor)
#include "tst_imageeditor.moc"
