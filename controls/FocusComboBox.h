#pragma once
// A combo box that reacts to the mouse wheel only while it has the focus: a wheel that
// merely passes over it while the tuner scrolls is no selection (a selection of the
// motorbike type resets the whole parameter set).

#include <QComboBox>

namespace vortan {

class FocusComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FocusComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace vortan
