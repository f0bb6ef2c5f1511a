#pragma once
// The list of restore points, newest first: date, time, unit, the file the set came from and
// how many values differ from the set on screen; "Open" takes the chosen one, "Compare" shows
// it beside the screen in the difference report.

#include "params/DeviceImage.h"

#include <QDialog>

class QTreeWidget;
class QPushButton;

namespace vortan {

class RestorePointsDialog : public QDialog {
    Q_OBJECT
public:
    RestorePointsDialog(const QString& folder, const DeviceImage& screen, int language,
                        QWidget* parent = nullptr);
    // The restore point chosen with Open or Compare; empty otherwise.
    QString chosenPath() const { return chosen_; }
    // What the chosen point is, as the file label shows it when it is opened.
    QString chosenLabel() const { return chosenLabel_; }
    // True when it was chosen with Compare.
    bool compareChosen() const { return compare_; }

private:
    void openChosen();

    QString folder_;
    QString chosen_;
    QString chosenLabel_;
    bool compare_ = false;
    QTreeWidget* list_;
    QPushButton* open_;
};

} // namespace vortan
