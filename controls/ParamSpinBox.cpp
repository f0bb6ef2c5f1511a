#include "controls/ParamSpinBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace vortan {

namespace {
// More digits than any parameter has: a number this long is refused while typing.
constexpr int kMaxDigits = 9;

// The digits of `text` with the group separators taken out; false when anything else is in it.
bool digitsOf(const QString& text, const QString& separator, QString& digits) {
    digits = text;
    if (!separator.isEmpty())
        digits.remove(separator);
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
} // namespace

ParamSpinBox::ParamSpinBox(QWidget* parent) : QSpinBox(parent) {
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(false);
    // A wheel turned over the map while scrolling must not change advance values.
    setFocusPolicy(Qt::StrongFocus);
    plainText_ = palette().color(QPalette::Text);
}

void ParamSpinBox::setEditRange(int minimum, int maximum) {
    editMin_ = minimum;
    editMax_ = maximum;
    setGroupedRange(minimum, maximum);
    setMarked(false);
}

void ParamSpinBox::setGroupedRange(int minimum, int maximum) {
    // Thousands are grouped; a field that never reaches a thousand is spared the relayout
    // that switching the grouping costs (a hundred map cells are built at start-up).
    const bool grouped = std::max(std::abs(minimum), std::abs(maximum)) >= 1000;
    if (grouped != isGroupSeparatorShown())
        setGroupSeparatorShown(grouped);
    setRange(minimum, maximum);
}

void ParamSpinBox::showValue(int v) {
    const bool outside = v < editMin_ || v > editMax_;
    // Showing what is on screen already repaints nothing (a show rewrites all 130 fields).
    if (v == value() && minimum() == std::min(v, editMin_) && maximum() == std::max(v, editMax_) &&
        outside == outOfRange_ && lineEdit()->text() == textFromValue(v) &&
        !lineEdit()->isUndoAvailable() && !lineEdit()->isRedoAvailable())
        return;
    // The spin box itself cannot hold a value outside its range: widen it for this one.
    setGroupedRange(std::min(v, editMin_), std::max(v, editMax_));
    setValue(v);
    setMarked(outside);
    // A shown value is no typing: the keys that would undo typing go to the window again.
    if (lineEdit()->isUndoAvailable() || lineEdit()->isRedoAvailable())
        lineEdit()->setText(lineEdit()->text());
}

void ParamSpinBox::setPlainTextColour(const QColor& colour) {
    if (plainText_ == colour)
        return;
    plainText_ = colour;
    if (!outOfRange_) {
        QPalette p = palette();
        p.setColor(QPalette::Text, colour);
        setPalette(p);
    }
}

void ParamSpinBox::setMarked(bool marked) {
    if (marked == outOfRange_)
        return;
    outOfRange_ = marked;
    QPalette p = palette();
    p.setColor(QPalette::Text, marked ? QColor(255, 0, 0) : plainText_);
    setPalette(p);
}

QValidator::State ParamSpinBox::validate(QString& input, int&) const {
    QString digits;
    if (!digitsOf(input, locale().groupSeparator(), digits) || digits.size() > kMaxDigits)
        return QValidator::Invalid;
    if (digits.isEmpty())
        return QValidator::Intermediate;
    const int v = digits.toInt();
    // A well-formed number out of range may still be on its way to one in range.
    return v >= editMin_ && v <= editMax_ ? QValidator::Acceptable : QValidator::Intermediate;
}

void ParamSpinBox::fixup(QString&) const {
    // Nothing is corrected: a text that is not acceptable leaves the previous value.
}

int ParamSpinBox::valueFromText(const QString& text) const {
    QString digits;
    digitsOf(text, locale().groupSeparator(), digits);
    return digits.toInt();
}

void ParamSpinBox::interpretTyped() {
    const QString typed = lineEdit()->text();
    interpretText();
    noteRefused(typed);
}

void ParamSpinBox::noteRefused(const QString& typed) {
    QString digits;
    if (!digitsOf(typed, locale().groupSeparator(), digits) || digits.isEmpty() ||
        digits.size() > kMaxDigits)
        return;
    const int v = digits.toInt();
    // The value shown from the set, outside the range, is no typing.
    if ((v < editMin_ || v > editMax_) && v != value())
        emit refused(v);
}

void ParamSpinBox::stepBy(int steps) {
    interpretTyped();
    const int from = value();
    const int to = std::clamp(from + steps * singleStep(), editMin_, editMax_);
    if (outOfRange_ || to != from) {
        setGroupedRange(editMin_, editMax_);
        setValue(to);
        setMarked(false);
        selectAll();
    }
    emit committed(true);
}

bool ParamSpinBox::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && outOfRange_ && !note_.isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), note_, this);
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // The line edit claims Undo and Redo even with nothing to undo or redo.
        const auto* key = static_cast<QKeyEvent*>(e);
        if ((key->matches(QKeySequence::Undo) && !lineEdit()->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !lineEdit()->isRedoAvailable())) {
            e->ignore();
            return false;
        }
    }
    return QSpinBox::event(e);
}

void ParamSpinBox::focusOutEvent(QFocusEvent* event) {
    const QString typed = lineEdit()->text();
    QSpinBox::focusOutEvent(event); // interprets the text or restores the previous value
    noteRefused(typed);
    // Only leaving the field for another control commits. Losing focus because the window
    // is deactivated, closed or destroyed, or a popup opens, is no edit: the focus comes
    // back here, and a window being torn down must not run its change handler.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit committed(false);
}

void ParamSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        interpretTyped();
        QWidget* before = QApplication::focusWidget();
        focusNextChild();
        // Leaving the field commits; commit here only when the focus could not move on.
        if (QApplication::focusWidget() == before || !isActiveWindow())
            emit committed(false);
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void ParamSpinBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}

const QColor ParamSpinBox::kDiffersColour(0xFF, 0x8C, 0x00);

void ParamSpinBox::setDiffersMark(bool marked) {
    if (differs_ == marked)
        return;
    differs_ = marked;
    update();
}

void ParamSpinBox::paintEvent(QPaintEvent* event) {
    QSpinBox::paintEvent(event);
    if (!differs_)
        return;
    QPainter painter(this);
    painter.setPen(QPen(kDiffersColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace vortan
