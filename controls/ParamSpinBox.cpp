#include "controls/ParamSpinBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

namespace vortan {

ParamSpinBox::ParamSpinBox(QWidget* parent) : QSpinBox(parent) {
    setGroupSeparatorShown(true);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(false);
    // A wheel turned over the map while scrolling must not change advance values.
    setFocusPolicy(Qt::StrongFocus);
}

void ParamSpinBox::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit committed();
}

void ParamSpinBox::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event); // interprets the text or restores the previous value
    // Only leaving the field for another control commits. Losing focus because the window
    // is deactivated, closed or destroyed, or a popup opens, is no edit: the focus comes
    // back here, and a window being torn down must not run its change handler.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit committed();
}

void ParamSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        interpretText();
        QWidget* before = QApplication::focusWidget();
        focusNextChild();
        // Leaving the field commits; commit here only when the focus could not move on.
        if (QApplication::focusWidget() == before || !isActiveWindow())
            emit committed();
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

} // namespace vortan
