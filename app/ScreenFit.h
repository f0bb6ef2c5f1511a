#pragma once
// Keeps every window the program opens beside the main window (its own dialogs, message
// boxes, input, file and print dialogs) on the screen it opens on: no larger than the
// screen's free area and wholly within it, so that OK and Cancel can always be reached.

#include <QObject>

class QWidget;

namespace vortan {

class ScreenFit : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application but `main`, for as long as `main` lives.
    explicit ScreenFit(QWidget& main);

    // Fits `window` to the free area of its screen.
    static void fit(QWidget& window, const QWidget* main);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& main_;
};

} // namespace vortan
