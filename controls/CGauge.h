#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QImage;
class QPainter;

namespace vortan {

// A value within a range shown as a bar, a pie, a needle or a percentage text.
// Painted off-screen: the kind's picture and the percentage text are combined
// by XOR, so the text shows inverted against bar and background alike.
class TCGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Kind Kind READ kind WRITE setKind)
    Q_PROPERTY(bool ShowText READ showText WRITE setShowText)
    Q_PROPERTY(BorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Progress READ progress WRITE setProgress)
    Q_PROPERTY(int PercentDone READ percentDone)

public:
    enum Kind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
    Q_ENUM(Kind)
    enum BorderStyle { bsNone, bsSingle };
    Q_ENUM(BorderStyle)

    explicit TCGauge(QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);
    bool showText() const { return m_showText; }
    void setShowText(bool show);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

    int minValue() const { return m_minValue; }
    // Throws std::out_of_range when value lies above maxValue().
    void setMinValue(int value);
    int maxValue() const { return m_maxValue; }
    // 0 is ignored; throws std::out_of_range when value lies below minValue().
    void setMaxValue(int value);
    int progress() const { return m_progress; }
    // Clamps to the range; repaints only when the percentage changes.
    void setProgress(int value);
    // setProgress(progress() + delta), then repaints in any case.
    void addProgress(int delta);
    int percentDone() const { return percentDone(m_minValue, m_maxValue, m_progress); }

    // The same operations under the names the main window's code uses.
    void SetProgress(int value) { setProgress(value); }
    void AddProgress(int delta) { addProgress(delta); }
    void SetMinValue(int value) { setMinValue(value); }
    void SetMaxValue(int value) { setMaxValue(value); }

    QSize sizeHint() const override { return QSize(100, 100); }

    // Geometry, free of painting so that it can be checked directly.
    static int percentDone(int minValue, int maxValue, int progress);
    static QString percentText(int percent);
    static QRect drawingArea(const QRect& client, BorderStyle style);
    static QRect horizontalBarRect(const QRect& area, int percent);
    static QRect verticalBarRect(const QRect& area, int percent);
    static QPoint textPosition(const QRect& area, const QSize& textSize);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Every repaint request passes here.
    virtual void invalidate();

private:
    QImage paintImage() const;
    void paintKind(QPainter& painter, const QRect& area) const;
    void paintText(QImage& image, const QRect& area) const;

    Kind m_kind = gkHorizontalBar;
    bool m_showText = true;
    BorderStyle m_borderStyle = bsSingle;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = Qt::white;
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_progress = 0;
};

} // namespace vortan
