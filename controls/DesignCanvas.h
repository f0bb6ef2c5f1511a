#pragma once
// A page whose children stand at fixed places in design coordinates (setGeometry at the
// design size). Given more room, it stretches every child's place and size with it and
// grows the type by the smaller of the two stretches; it never lays them out smaller than
// the design, so a scroll area around it scrolls instead. Children added by anyone at any
// time are kept the same way: their geometry when first seen is their design geometry.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace vortan {

class DesignCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DesignCanvas(QSize designSize, QWidget* parent = nullptr);

    QSize sizeHint() const override { return design_; }
    QSize minimumSizeHint() const override { return design_; }

    // The design place of `child`; a child moved by code is moved here, in design
    // coordinates, or the next resize puts it back.
    QRect designGeometry(QWidget* child);
    void setDesignGeometry(QWidget* child, const QRect& rect);

    // The place of a child at `scaleX` × `scaleY` of the design, from its design place.
    static QRect scaledRect(const QRect& design, double scaleX, double scaleY);
    // The stretch of each axis for a canvas of `size`: 1 at the design size or below.
    static QSizeF scales(QSize size, QSize design);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect rect;
        QFont font;
    };
    // Records children not seen before, then places every child for the present size.
    void place();
    Placed* find(const QWidget* child);
    // The record of `child`, made from its present geometry when there is none yet.
    Placed& placedOf(QWidget* child);

    QSize design_;
    std::vector<Placed> placed_;
    bool placing_ = false;
};

// The design place of `w`: kept by the DesignCanvas it stands on, else its geometry.
QRect designGeometry(QWidget* w);
// Moves `w` to `rect` in design coordinates on a DesignCanvas, else plainly.
void setDesignGeometry(QWidget* w, const QRect& rect);

} // namespace vortan
