#pragma once
// A scroll area that asks for the whole of its content when there is room (a plain scroll
// area caps its size hint) and scrolls only when the window is smaller than the content.
// Along an axis it does not scroll, it needs the content's minimum.

#include <QScrollArea>

namespace vortan {

class FittingScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // `scrolls`: the directions in which the content may scroll.
    FittingScrollArea(QWidget* content, Qt::Orientations scrolls, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize frame() const;
    Qt::Orientations scrolls_;
};

} // namespace vortan
