#pragma once
// The edit field of one parameter with its up-down arrows: range and step of the value
// shown, thousands grouping, and a `committed` signal on an arrow click, on leaving the
// field and on Enter (which also moves the focus on).
//
// Undo and redo keys reach the field only while it has typing of its own to undo or redo;
// otherwise they are left to the window's shortcuts.
//
// Typing: only digits (and the locale's group separator) reach the field; a well-formed
// number outside the editing range stays on screen while typing and, at the commit, the
// field keeps its previous value and says so by `refused`. A value shown from the parameter
// set is shown as it is, even outside the editing range (the unit or a file may hold it): it
// is marked in red with a note, and kept until the tuner types or steps another value, which
// the range bounds.
//
// A field whose value differs from the unit's gets a thin orange frame around it, drawn over
// the border only, so the background of the cell in use and red text stay visible.

#include <QColor>
#include <QSpinBox>

namespace vortan {

class ParamSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit ParamSpinBox(QWidget* parent = nullptr);

    // The range that typing and stepping are bounded by.
    void setEditRange(int minimum, int maximum);
    int editMinimum() const { return editMin_; }
    int editMaximum() const { return editMax_; }

    // Shows `value` as it is; outside the editing range the field is marked.
    void showValue(int value);
    // True while the field shows a value outside its editing range.
    bool isOutOfRange() const { return outOfRange_; }
    // The tool tip of a marked field (the hint otherwise stays the tool tip).
    void setOutOfRangeNote(const QString& note) { note_ = note; }
    const QString& outOfRangeNote() const { return note_; }

    // The frame of a value that differs from the unit's.
    static const QColor kDiffersColour;
    void setDiffersMark(bool marked);
    bool hasDiffersMark() const { return differs_; }

    // The text colour of a value in range (a tinted background may need a light one).
    void setPlainTextColour(const QColor& colour);

    // Takes the typed text (a number in range) or keeps the previous value, as leaving the
    // field does; a well-formed number out of range is told by `refused`.
    void interpretTyped();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    // `stepped`: by an arrow click (or arrow key or wheel) rather than by typing.
    void committed(bool stepped);
    // A typed number outside the editing range was refused; the field kept value().
    void refused(int typed);

protected:
    int valueFromText(const QString& text) const override;
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setMarked(bool marked);
    // After the text `typed` was interpreted: says when a number out of range was refused.
    void noteRefused(const QString& typed);
    void setGroupedRange(int minimum, int maximum);

    int editMin_ = 0;
    int editMax_ = 99;
    bool outOfRange_ = false;
    bool differs_ = false;
    QString note_;
    QColor plainText_;
};

} // namespace vortan
