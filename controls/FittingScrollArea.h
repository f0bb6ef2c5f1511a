#pragma once
// A scroll area that asks for the whole of its content when there is room (a plain scroll
// area caps its size hint) and scrolls only when the window is smaller than the content.
// Along an axis it does not scroll, it needs the content's minimum. A content that keeps
// strips in sight at its left and top (DesignCanvas) is scrolled so that nothing brought into
// view lies beneath them.

#include <QScrollArea>

namespace vortan {

class FittingScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // `scrolls`: the directions in which the content may scroll.
    FittingScrollArea(QWidget* content, Qt::Orientations scrolls, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Scrolls as little as needed for `child` of the content to be seen whole.
    void ensureShown(const QWidget* child);
    // The top left of the view, now at `origin` and `view` large, that shows `target` (in
    // the content's coordinates) whole, moved no more than needed; `covered` (the strips kept
    // in sight at the view's left and top) does not count as shown. Within the `content`.
    static QPoint originShowing(const QRect& target, QPoint origin, QSize view, QSize covered,
                                QSize content);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    QSize frame() const;
    Qt::Orientations scrolls_;
};

} // namespace vortan
