#pragma once
// A label for a file's path where the path may be longer than the room: it keeps its whole
// text (text() is the full path), draws what fits, eliding the folders in the middle so the
// beginning and the file name stay in sight, and shows the whole path as its tool tip.

#include <QLabel>

class QFontMetrics;

namespace vortan {

class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    // What a label `width` pixels wide shows of `path`: the whole path when it fits; else the
    // file name whole after the folders elided in the middle ("/home/…/maps/tune1.ign", down
    // to "…/tune1.ign"); else the file name itself elided in the middle. Never wider than
    // `width`. Both separators, '/' and '\', part folders.
    static QString shownPath(const QString& path, const QFontMetrics& metrics, int width);
    // What this label shows now.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vortan
