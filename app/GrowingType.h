#pragma once
// Large type that grows with the window: the live engine speed and advance, to be read from
// across the workshop on a large screen.

#include <QFont>
#include <QObject>
#include <QSize>
#include <vector>

class QLabel;
class QWidget;

namespace vortan {

class GrowingType : public QObject {
public:
    // Watches `window`; the labels' type grows from its present size with the window's
    // growth beyond the size it first shows at.
    GrowingType(QWidget* window, const std::vector<QLabel*>& labels);

    // How much larger the type is in a window of `size` first shown at `first`: the mean
    // growth of the two sides, squared (a little more room gives a lot more type), 1 at
    // `first` or below, at most 3.
    static double growth(QSize size, QSize first);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::vector<std::pair<QLabel*, QFont>> labels_;
    QSize first_;
};

} // namespace vortan
