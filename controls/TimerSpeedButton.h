#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>

class QTimer;

namespace vortan {

// A flat speed button that never takes the keyboard focus itself. With the
// allow-timer option, holding it down repeats its click: first after 400 ms,
// then every 100 ms. With the focus-frame option it draws a dotted frame,
// which its owner switches on to show where the keyboard acts.
class TTimerSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int FirstRepeatDelay = 400;
    static constexpr int RepeatInterval = 100;

    explicit TTimerSpeedButton(QWidget* parent = nullptr);

    bool allowTimer() const { return m_allowTimer; }
    void setAllowTimer(bool allow);
    bool focusFrame() const { return m_focusFrame; }
    void setFocusFrame(bool show);

    QPixmap glyph() const { return m_glyph; }
    void setGlyph(const QPixmap& glyph);

    // Emits clicked() without touching the pressed state, as the keyboard
    // and the repeat timer do.
    void performClick();

    // The repeat timer, created on the first press that needs it (else null).
    QTimer* repeatTimer() const { return m_repeatTimer; }

    // The dotted frame: 3 pixels inside, one pixel right and down while pressed.
    static QRect focusFrameRect(const QRect& buttonRect, bool pressed);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void repeatTimerFired();
    void stopRepeat();

    bool m_allowTimer = false;
    bool m_focusFrame = false;
    QPixmap m_glyph;
    QTimer* m_repeatTimer = nullptr;
};

} // namespace vortan
