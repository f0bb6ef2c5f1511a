#pragma once
// The edit field of one parameter with its up-down arrows: range and step of the value
// shown, thousands grouping, and a `committed` signal on an arrow click, on leaving the
// field and on Enter (which also moves the focus on). A typed text that is not a whole
// number in range falls back to the previous value.

#include <QSpinBox>

namespace vortan {

class ParamSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit ParamSpinBox(QWidget* parent = nullptr);

    void stepBy(int steps) override;

signals:
    void committed();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace vortan
