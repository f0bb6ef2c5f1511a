#include "controls/FocusComboBox.h"

#include <QWheelEvent>

namespace vortan {

FocusComboBox::FocusComboBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus); // a click or Tab gives it the focus, a wheel does not
}

void FocusComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore(); // passes on to the page, which may scroll
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace vortan
