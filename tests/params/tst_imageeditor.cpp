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

// An arrow click (or a typed value when `key` is -1) that moves byte `byte` by `delta`.
Edit fieldStep(const DeviceImage& image, int byte, int delta, int key) {
    DeviceImage typed = image;
    typed[byte] = static_cast<std::uint8_t>(typed[byte] + delta);
    return valuesEdit(EditName::Field, typed, key, key >= 0);
}

} // namespace

class TstImageEditor : public QObject {
    Q_OBJECT
private slots:
    void undoRedoPutPagesBack();
    void noChangeNoStep();
    void gestures_data();
    void gestures();
    void newEditDropsRedo();
    void depth();
};

void TstImageEditor::undoRedoPutPagesBack() {
    DeviceImage image = defaults();
    ImageEditor editor(image);
    const DeviceImage start = image;
    EditInputs all;
    all.allCells = true;
    QVERIFY(editor.apply(advanceEdit(1, all)));
    const DeviceImage after = image;
    QCOMPARE(editor.undoName(), std::optional(EditName::AdvancePlus));
    QCOMPARE(editor.redoName(), std::nullopt);

    image[Byte::CompatibilityCode] = 15; // the unit's identification arrives meanwhile
    QVERIFY(editor.undo());
    QCOMPARE(int(image[Byte::CompatibilityCode]), 15);
    image[Byte::CompatibilityCode] = start[Byte::CompatibilityCode];
    QVERIFY(image == start);
    QCOMPARE(editor.undoName(), std::nullopt);
    QCOMPARE(editor.redoName(), std::optional(EditName::AdvancePlus));
    QVERIFY(!editor.undo());

    QVERIFY(editor.redo());
    QVERIFY(image == after);
    QVERIFY(!editor.redo());
    editor.clear();
    QCOMPARE(editor.steps(), std::size_t(0));
    QVERIFY(!editor.undo());
}

// An edit that leaves pages 1 and 2 as they are is no step; page 0 still comes along.
void TstImageEditor::noChangeNoStep() {
    DeviceImage image = defaults();
    ImageEditor editor(image);
    QVERIFY(!editor.apply(tps0Edit(4000)));
    DeviceImage unit = image;
    unit[Byte::CompatibilityCode] = 15;
    QVERIFY(!editor.apply(valuesEdit(EditName::Read, unit)));
    QVERIFY(image == unit);
    QCOMPARE(editor.steps(), std::size_t(0));
}

void TstImageEditor::gestures_data() {
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

void TstImageEditor::gestures() {
    QFETCH(QStringList, actions);
    DeviceImage image = defaults();
    const DeviceImage start = image;
    ImageEditor editor(image);
    for (const QString& action : actions) {
        const QString verb = action.section(':', 0, 0);
        const int at = action.section(':', 1).toInt();
        if (verb == "undo")
            QVERIFY(editor.undo());
        else if (verb == "redo")
            QVERIFY(editor.redo());
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

void TstImageEditor::newEditDropsRedo() {
    DeviceImage image = defaults();
    ImageEditor editor(image);
    QVERIFY(!editor.apply(newEdit())); // the defaults already
    QVERIFY(editor.apply(tps0Edit(1000)));
    QVERIFY(editor.apply(tps100Edit(3000)));
    QVERIFY(editor.undo());
    QVERIFY(editor.apply(bikeEdit(2)));
    QCOMPARE(editor.redoName(), std::nullopt);
    QCOMPARE(editor.undoName(), std::optional(EditName::BikeType));
    QVERIFY(editor.undo());
    QCOMPARE(editor.undoName(), std::optional(EditName::SetTps0));
}

// The newest kDepth steps (at least 200) are kept.
void TstImageEditor::depth() {
    QVERIFY(ImageEditor::kDepth >= 200);
    DeviceImage image = defaults();
    ImageEditor editor(image);
    const int edits = int(ImageEditor::kDepth) + 100;
    for (int i = 1; i <= edits; ++i)
        QVERIFY(editor.apply(fieldStep(image, 150 + i % 2, 1, -1)));
    QCOMPARE(editor.steps(), ImageEditor::kDepth);
    while (editor.undo()) {
    }
    QCOMPARE(int(image[150]), 50); // as after the 100th edit
    QCOMPARE(int(image[151]), 50);
}

QTEST_GUILESS_MAIN(TstImageEditor)
#include "tst_imageeditor.moc"
