#pragma once
// The legend of the coloured map: the colour scale as a bar, hot end at the top, with the
// degrees of its ends and middle beside it.

#include <QWidget>

namespace vortan {

class MapLegend : public QWidget {
    Q_OBJECT
public:
    explicit MapLegend(QWidget* parent = nullptr);
    // The degrees the scale spans.
    void setRange(int low, int high);
    int low() const { return low_; }
    int high() const { return high_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int low_ = 0;
    int high_ = 60;
};

} // namespace vortan
