#include "controls/CSpinButton.h"

#include "controls/TimerSpeedButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScopeGuard>

namespace vortan {

namespace {

bool isTabStop(const QWidget* widget) {
    return widget->focusPolicy() & Qt::TabFocus;
}

bool canFocus(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled();
}

// A solid triangle, 9 x 5 pixels, pointing up or down.
QPixmap arrowGlyph(bool up) {
    QPixmap pixmap(9, 5);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    for (int i = 0; i < 5; ++i) {
        const int y = up ? i : 4 - i;
        painter.drawLine(4 - i, y, 4 + i, y);
    }
    return pixmap;
}

} // namespace

TCSpinButton::TCSpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setMinimumWidth(MinimumWidth);
    m_upButton = createButton(defaultUpGlyph());
    m_downButton = createButton(defaultDownGlyph());
    m_focusedButton = m_upButton;
    connect(m_upButton, &TTimerSpeedButton::clicked, this,
            [this] { deliverClick(&TCSpinButton::upClick); });
    connect(m_downButton, &TTimerSpeedButton::clicked, this,
            [this] { deliverClick(&TCSpinButton::downClick); });
    resize(20, 25);
    layoutButtons();
}

TTimerSpeedButton* TCSpinButton::createButton(const QPixmap& glyph) {
    auto* button = new TTimerSpeedButton(this);
    button->setAllowTimer(true);
    button->setGlyph(glyph);
    connect(button, &TTimerSpeedButton::pressed, this, [this, button] { buttonPressed(button); });
    return button;
}

QPixmap TCSpinButton::defaultUpGlyph() {
    return arrowGlyph(true);
}
QPixmap TCSpinButton::defaultDownGlyph() {
    return arrowGlyph(false);
}

QPixmap TCSpinButton::upGlyph() const {
    return m_upGlyph;
}

void TCSpinButton::setUpGlyph(const QPixmap& glyph) {
    m_upGlyph = glyph;
    m_upButton->setGlyph(glyph.isNull() ? defaultUpGlyph() : glyph);
}

QPixmap TCSpinButton::downGlyph() const {
    return m_downGlyph;
}

void TCSpinButton::setDownGlyph(const QPixmap& glyph) {
    m_downGlyph = glyph;
    m_downButton->setGlyph(glyph.isNull() ? defaultDownGlyph() : glyph);
}

QRect TCSpinButton::upButtonRect(const QSize& size) {
    return QRect(0, 0, size.width(), size.height() / 2);
}

// Starts on the up button's last row, so the two overlap by one pixel.
QRect TCSpinButton::downButtonRect(const QSize& size) {
    const int upHeight = upButtonRect(size).height();
    return QRect(0, upHeight - 1, size.width(), size.height() - upHeight + 1);
}

void TCSpinButton::layoutButtons() {
    m_upButton->setGeometry(upButtonRect(size()));
    m_downButton->setGeometry(downButtonRect(size()));
}

void TCSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutButtons();
}

bool TCSpinButton::canTakeFocus() const {
    return isTabStop(this) && canFocus(this);
}

void TCSpinButton::setFocusedButton(TTimerSpeedButton* button) {
    if (button == m_focusedButton || (button != m_upButton && button != m_downButton) ||
        !canTakeFocus())
        return;
    m_focusedButton->setFocusFrame(false);
    m_focusedButton = button;
    m_focusedButton->setFocusFrame(hasFocus());
}

void TCSpinButton::deliverClick(void (TCSpinButton::*click)()) {
    m_repeating = m_clicksHeld++ > 0;
    const auto done = qScopeGuard([this] { m_repeating = false; });
    emit(this->*click)();
}

void TCSpinButton::buttonPressed(TTimerSpeedButton* button) {
    m_clicksHeld = 0;
    setFocusedButton(button);
    QWidget* control = m_focusControl;
    if (control && isTabStop(control) && canFocus(control)) {
        if (!control->hasFocus())
            control->setFocus(Qt::MouseFocusReason);
    } else if (canTakeFocus() && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
}

void TCSpinButton::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        m_clicksHeld = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        setFocusedButton(m_upButton);
        m_upButton->performClick();
        break;
    case Qt::Key_Down:
        setFocusedButton(m_downButton);
        m_downButton->performClick();
        break;
    case Qt::Key_Space:
        m_focusedButton->performClick();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TCSpinButton::focusInEvent(QFocusEvent* event) {
    m_focusedButton->setFocusFrame(true);
    QWidget::focusInEvent(event);
}

void TCSpinButton::focusOutEvent(QFocusEvent* event) {
    m_focusedButton->setFocusFrame(false);
    QWidget::focusOutEvent(event);
}

void TCSpinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
}

} // namespace vortan
