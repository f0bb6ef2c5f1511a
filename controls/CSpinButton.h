#pragma once

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace vortan {

class TTimerSpeedButton;

// Two stacked repeating buttons, up and down. Clicks arrive as upClick() and
// downClick(), sent by the spin button itself. The keyboard acts on the
// focused button: the arrow keys pick and click a button, Space clicks the
// focused one.
class TCSpinButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap UpGlyph READ upGlyph WRITE setUpGlyph)
    Q_PROPERTY(QPixmap DownGlyph READ downGlyph WRITE setDownGlyph)

public:
    static constexpr int MinimumWidth = 15;

    explicit TCSpinButton(QWidget* parent = nullptr);

    TTimerSpeedButton* upButton() const { return m_upButton; }
    TTimerSpeedButton* downButton() const { return m_downButton; }
    TTimerSpeedButton* focusedButton() const { return m_focusedButton; }
    // Takes effect only while the spin button is a tab stop and can take focus.
    void setFocusedButton(TTimerSpeedButton* button);

    // A null pixmap brings back the built-in arrow.
    QPixmap upGlyph() const;
    void setUpGlyph(const QPixmap& glyph);
    QPixmap downGlyph() const;
    void setDownGlyph(const QPixmap& glyph);

    // True while a click is delivered that repeats the one before it: the button is held
    // down (mouse auto-repeat, or the arrow key held) and this is not the first click.
    bool isRepeating() const { return m_repeating; }

    // Receives the keyboard focus when a button is pressed with the mouse.
    QWidget* focusControl() const { return m_focusControl; }
    void setFocusControl(QWidget* control) { m_focusControl = control; }

    QSize sizeHint() const override { return QSize(20, 25); }

    // Button geometry for a control of the given size (width already widened).
    static QRect upButtonRect(const QSize& size);
    static QRect downButtonRect(const QSize& size);

    // The built-in arrows "SpinUp" and "SpinDown".
    static QPixmap defaultUpGlyph();
    static QPixmap defaultDownGlyph();

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TTimerSpeedButton* createButton(const QPixmap& glyph);
    void buttonPressed(TTimerSpeedButton* button);
    void deliverClick(void (TCSpinButton::*click)());
    void layoutButtons();
    bool canTakeFocus() const;

    TTimerSpeedButton* m_upButton = nullptr;
    TTimerSpeedButton* m_downButton = nullptr;
    TTimerSpeedButton* m_focusedButton = nullptr;
    QPixmap m_upGlyph;
    QPixmap m_downGlyph;
    QPointer<QWidget> m_focusControl;
    int m_clicksHeld = 0; // clicks since the button was pressed
    bool m_repeating = false;
};

} // namespace vortan
