#pragma once
// A page whose children stand at fixed places in design coordinates (setGeometry at the
// design size). Given more room, it stretches every child's place and size with it and
// grows the type by the smaller of the two stretches; it never lays them out smaller than
// the design, so a scroll area around it scrolls instead. Children added by anyone at any
// time are kept the same way: their geometry when first seen is their design geometry.
// Scrolled in a scroll area, it may keep a left and a top strip in sight (the captions of a
// table's rows and columns): what lies wholly within a strip stays at that edge of the view,
// on a plain background, and the rest passes beneath.

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

    // The width of the left strip and the height of the top strip, in design coordinates,
    // that stay in sight when the canvas is scrolled; 0 for none.
    void setFrozenStrips(QSize strips);
    // The strips at the present size (a strip scales with its axis).
    QSize frozenStrips() const;
    // The axes along which `w` (a child, or inside one) stays in sight with a strip.
    Qt::Orientations frozenAxes(const QWidget* w) const;

    // The place of a child at `scaleX` × `scaleY` of the design, from its design place.
    static QRect scaledRect(const QRect& design, double scaleX, double scaleY);
    // The stretch of each axis for a canvas of `size`: 1 at the design size or below.
    static QSizeF scales(QSize size, QSize design);
    // How far a child at `design` moves with the strips `strips` (both in design coordinates)
    // when `hidden` pixels of the canvas are scrolled out of sight: along an axis by the
    // hidden part when the child lies wholly within that axis's strip, else not at all.
    static QPoint frozenShift(const QRect& design, QSize strips, QPoint hidden);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
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
    // Where `p` stands now: its design place scaled, moved with the strips.
    QRect placedRect(const Placed& p) const;
    // The part of the canvas scrolled out of sight at its top left.
    QPoint hidden() const;
    // Places the strips' backgrounds and the children within the strips.
    void placeFrozen();

    QSize design_;
    std::vector<Placed> placed_;
    bool placing_ = false;
    QSize strips_;
    // The backgrounds of the strips and of their corner.
    QWidget* leftStrip_ = nullptr;
    QWidget* topStrip_ = nullptr;
    QWidget* cornerStrip_ = nullptr;
};

// The design place of `w`: kept by the DesignCanvas it stands on, else its geometry.
QRect designGeometry(QWidget* w);
// Moves `w` to `rect` in design coordinates on a DesignCanvas, else plainly.
void setDesignGeometry(QWidget* w, const QRect& rect);

} // namespace vortan
