#include "controls/ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPolygonF>
#include <initializer_list>

namespace vortan {

namespace {

const QColor kOutline(60, 60, 60);

// A closed outline through `points`, filled with `fill`.
void drawShape(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill) {
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void drawSheet(QPainter& p) {
    // A page with its top right corner folded over.
    drawShape(p, {{4, 1}, {14, 1}, {20, 7}, {20, 23}, {4, 23}}, Qt::white);
    drawShape(p, {{14, 1}, {14, 7}, {20, 7}}, QColor(215, 215, 215));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = 11; y <= 19; y += 4)
        p.drawLine(QPointF(7, y), QPointF(17, y));
}

void drawFolder(QPainter& p) {
    drawShape(p, {{1, 5}, {8, 5}, {10, 7}, {20, 7}, {20, 21}, {1, 21}}, QColor(196, 150, 40));
    // The front flap, open towards the viewer.
    drawShape(p, {{4, 11}, {23, 11}, {20, 21}, {1, 21}}, QColor(240, 196, 80));
}

void drawDisk(QPainter& p) {
    drawShape(p, {{2, 2}, {19, 2}, {22, 5}, {22, 22}, {2, 22}}, QColor(40, 80, 150));
    p.setBrush(QColor(200, 205, 210)); // the shutter
    p.drawRect(QRectF(6, 2, 11, 7));
    p.setBrush(QColor(40, 80, 150));
    p.drawRect(QRectF(13, 3.5, 2.5, 4));
    p.setBrush(Qt::white); // the label
    p.drawRect(QRectF(5, 13, 14, 9));
}

void drawPrinter(QPainter& p) {
    p.setBrush(Qt::white); // the sheet fed in
    p.drawRect(QRectF(6, 1, 12, 8));
    p.setBrush(QColor(150, 150, 155));
    p.drawRoundedRect(QRectF(1, 8, 22, 10), 2, 2);
    p.setBrush(Qt::white); // the sheet coming out
    p.drawRect(QRectF(6, 14, 12, 9));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(8, 18), QPointF(16, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 180, 60)); // the power light
    p.drawEllipse(QPointF(19.5, 11), 1.2, 1.2);
}

void drawChevron(QPainter& p) {
    // Two arrowheads pointing right: the menus that did not fit.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (qreal x : {6.0, 13.0}) {
        const QPointF head[3] = {{x, 6}, {x + 6, 12}, {x, 18}};
        p.drawPolyline(head, 3);
    }
}

// Draws its glyph in a 24 × 24 design square scaled to whatever size is asked.
class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(ToolGlyph glyph) : glyph_(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 24.0, side / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        painter->setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        switch (glyph_) {
        case ToolGlyph::New:
            drawSheet(*painter);
            break;
        case ToolGlyph::Open:
            drawFolder(*painter);
            break;
        case ToolGlyph::Save:
            drawDisk(*painter);
            break;
        case ToolGlyph::Print:
            drawPrinter(*painter);
            break;
        case ToolGlyph::More:
            drawChevron(*painter);
            break;
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new GlyphEngine(glyph_); }

private:
    ToolGlyph glyph_;
};

} // namespace

QIcon toolIcon(ToolGlyph glyph) {
    return QIcon(new GlyphEngine(glyph));
}

} // namespace vortan
