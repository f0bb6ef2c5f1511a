#include "controls/TimerSpeedButton.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

namespace vortan {

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TTimerSpeedButton::setAllowTimer(bool allow) {
    m_allowTimer = allow;
    if (!allow)
        stopRepeat();
}

void TTimerSpeedButton::setFocusFrame(bool show) {
    if (show == m_focusFrame)
        return;
    m_focusFrame = show;
    update();
}

void TTimerSpeedButton::setGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    update();
}

void TTimerSpeedButton::performClick() {
    emit clicked(isChecked());
}

QRect TTimerSpeedButton::focusFrameRect(const QRect& buttonRect, bool pressed) {
    const QRect frame = buttonRect.adjusted(3, 3, -3, -3);
    return pressed ? frame.translated(1, 1) : frame;
}

QSize TTimerSpeedButton::sizeHint() const {
    const QSize glyphSize =
        m_glyph.isNull() ? QSize(9, 5) : m_glyph.deviceIndependentSize().toSize();
    return glyphSize + QSize(8, 6);
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    if (!m_allowTimer || !isDown())
        return;
    if (!m_repeatTimer) {
        m_repeatTimer = new QTimer(this);
        connect(m_repeatTimer, &QTimer::timeout, this, &TTimerSpeedButton::repeatTimerFired);
    }
    m_repeatTimer->start(FirstRepeatDelay);
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    stopRepeat();
    QAbstractButton::mouseReleaseEvent(event);
}

void TTimerSpeedButton::hideEvent(QHideEvent* event) {
    stopRepeat();
    QAbstractButton::hideEvent(event);
}

void TTimerSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeat();
    QAbstractButton::changeEvent(event);
}

// While the pointer has left the pressed button it is shown up (isDown() is
// false) and repeats pause until the pointer comes back.
//
// A click handler may throw. The timer is stopped first so that the repeating
// ends, then the exception passes on to the caller. Qt does not carry
// exceptions through its event loop, so handlers connected to a repeating
// button should catch their own errors; this only guarantees that a failing
// handler is not called again and again.
void TTimerSpeedButton::repeatTimerFired() {
    m_repeatTimer->setInterval(RepeatInterval);
    if (!isDown())
        return;
    try {
        performClick();
    } catch (...) {
        stopRepeat();
        throw;
    }
}

void TTimerSpeedButton::stopRepeat() {
    if (m_repeatTimer)
        m_repeatTimer->stop();
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    const bool pressed = isDown() || isChecked();
    qDrawWinButton(&painter, r, palette(), pressed, &palette().brush(QPalette::Button));

    const QPixmap shown =
        isEnabled() ? m_glyph : QIcon(m_glyph).pixmap(m_glyph.size(), QIcon::Disabled);
    if (!shown.isNull()) {
        const QSize glyphSize = shown.deviceIndependentSize().toSize();
        QPoint topLeft((r.width() - glyphSize.width()) / 2, (r.height() - glyphSize.height()) / 2);
        if (pressed)
            topLeft += QPoint(1, 1);
        painter.drawPixmap(topLeft, shown);
    }

    if (m_focusFrame) {
        // The frame is drawn along pixel centres of the rectangle's edges.
        QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect frame = focusFrameRect(r, pressed);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

} // namespace vortan
