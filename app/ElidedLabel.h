#pragma once
// A label of a head and a tail: the head always whole, the tail elided in the middle when the
// two do not fit the label's width, so both ends of a long file name stay readable. The label
// asks for no more width than the head and an ellipsis take, so a long tail cannot widen its
// panel: it takes the width its layout gives.

#include <QLabel>
#include <QString>

namespace vortan {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setTexts(const QString& head, const QString& tail);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text shown for the current width and font.
    void fit();

    QString head_;
    QString tail_;
};

} // namespace vortan
