#pragma once
// Large type that grows with the window: the live engine speed and advance, to be read from
// across the workshop on a large screen. The type never grows beyond what the label can show
// whole: its start-up text, what it shows now and its longest text with any digits.

#include <QFont>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace vortan {

class GrowingType : public QObject {
public:
    // Watches `window`; the labels' type grows from its present size with the window's
    // growth beyond the size it first shows at. Each label comes with the longest text it
    // can show (the widest number in it).
    GrowingType(QWidget* window, const std::vector<std::pair<QLabel*, QString>>& labels);

    // How much larger the type is in a window of `size` first shown at `first`: the mean
    // growth of the two sides, squared (a little more room gives a lot more type), 1 at
    // `first` or below, at most 3.
    static double growth(QSize size, QSize first);
    // The point size of `font` at which every one of `texts` fits `width` pixels: `wanted`
    // when they fit at it, else the largest size below it, in quarter points, at which they
    // do (1 point at the least).
    static qreal fittedPointSize(const QFont& font, qreal wanted, const QStringList& texts,
                                 int width);
    // `text` written with every digit in all the places of its digits, and with dashes in
    // them: the widths its numbers can take in any font.
    static QStringList everyDigit(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Grown {
        QLabel* label;
        QFont font;        // the type at the window's first size
        QStringList texts; // to fit besides what it shows now
    };
    void fit(Grown& g) const;

    QWidget* window_;
    std::vector<Grown> labels_;
    QSize first_;
};

} // namespace vortan
