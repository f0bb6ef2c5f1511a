#pragma once
// The difference report: one row per parameter of pages 1 and 2 that the set on screen holds
// differently from the unit's set as last seen or from a file's set, with its value in each;
// the map cells under one group row. It shows what it is given and asks the window, through
// its signals, to take values over or to program.

#include "params/DeviceImage.h"
#include "params/ParamDiff.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vortan {

class DiffReport : public QDialog {
    Q_OBJECT
public:
    enum Column { ColumnName, ColumnScreen, ColumnUnit, ColumnFile, ColumnCount };

    explicit DiffReport(QWidget* parent = nullptr);

    // Shows the differences of `screen` against `unit` and `file` in `language`, names as
    // `caption` gives the window's labels. Does nothing when none of them changed since the
    // last call; selection and the open state of the map group survive a rebuild.
    void refresh(const DeviceImage& screen, const std::optional<DeviceImage>& unit,
                 const std::optional<DeviceImage>& file, int language,
                 const CaptionLookup& caption);

    // Image positions of the selected rows (a group row stands for its cells), or of every row
    // when none is selected.
    std::vector<int> chosenBytes() const;

signals:
    void takeValues(bool fromUnit, const std::vector<int>& bytes);
    void programRequested();

private:
    void applyTexts(int language);
    // Every column as wide as its widest text; the first time, the report widened to show
    // them all, as far as its screen allows.
    void fitColumns();
    QTreeWidgetItem* addRow(QTreeWidgetItem* parent, const ParamDifference& d,
                            const DeviceImage& screen, const std::optional<DeviceImage>& unit,
                            const std::optional<DeviceImage>& file, int language,
                            const CaptionLookup& caption);

    QTreeWidget* tree_;
    QLabel* none_;
    QPushButton* takeUnit_;
    QPushButton* takeFile_;
    QPushButton* program_;
    bool shownOnce_ = false;
    bool widened_ = false;
    DeviceImage screen_;
    std::optional<DeviceImage> unit_;
    std::optional<DeviceImage> file_;
    int language_ = -1;
};

} // namespace vortan
