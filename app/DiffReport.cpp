#include "app/DiffReport.h"

#include "lang/Texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vortan {

namespace {
constexpr int kByteRole = Qt::UserRole; // image position of a row; -1 for the map group

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

DiffReport::DiffReport(QWidget* parent) : QDialog(parent) {
    setObjectName("DiffReport");
    setModal(false);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("TreeDifferences");
    tree_->setColumnCount(ColumnCount);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(-1, Qt::AscendingOrder); // the window's order until a header is clicked
    none_ = new QLabel(this);
    none_->setObjectName("LabelNoDifferences");
    takeUnit_ = new QPushButton(this);
    takeUnit_->setObjectName("ButtonTakeUnit");
    takeFile_ = new QPushButton(this);
    takeFile_->setObjectName("ButtonTakeFile");
    program_ = new QPushButton(this);
    program_->setObjectName("ButtonProgram");
    for (QPushButton* b : {takeUnit_, takeFile_, program_})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(takeUnit_);
    buttons->addWidget(takeFile_);
    buttons->addStretch(1);
    buttons->addWidget(program_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addWidget(none_);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(takeUnit_, &QPushButton::clicked, this,
            [this] { emit takeValues(true, chosenBytes()); });
    connect(takeFile_, &QPushButton::clicked, this,
            [this] { emit takeValues(false, chosenBytes()); });
    connect(program_, &QPushButton::clicked, this, &DiffReport::programRequested);
    // The map's cells stand deeper than the other rows.
    connect(tree_, &QTreeWidget::itemExpanded, this, &DiffReport::fitColumns);
}

void DiffReport::fitColumns() {
    int needed = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        tree_->resizeColumnToContents(c);
        needed += std::max(tree_->columnWidth(c), tree_->header()->sectionSizeHint(c));
    }
    if (widened_ || tree_->topLevelItemCount() == 0)
        return;
    widened_ = true;
    const int extra =
        needed + tree_->verticalScrollBar()->sizeHint().width() - tree_->viewport()->width();
    const QScreen* s = screen();
    if (extra <= 0 || !s)
        return;
    const int frame = frameGeometry().width() - width();
    resize(std::min(width() + extra, s->availableGeometry().width() - frame), height());
}

void DiffReport::applyTexts(int language) {
    setWindowTitle(q(reportText(ReportText::Title, language)));
    tree_->setHeaderLabels({q(reportText(ReportText::ColumnParameter, language)),
                            q(reportText(ReportText::ColumnScreen, language)),
                            q(reportText(ReportText::ColumnUnit, language)),
                            q(reportText(ReportText::ColumnFile, language))});
    none_->setText(q(reportText(ReportText::NoDifferences, language)));
    takeUnit_->setText(q(reportText(ReportText::TakeUnit, language)));
    takeFile_->setText(q(reportText(ReportText::TakeFile, language)));
    program_->setText(q(reportText(ReportText::Program, language)));
}

QTreeWidgetItem* DiffReport::addRow(QTreeWidgetItem* parent, const ParamDifference& d,
                                    const DeviceImage& screen,
                                    const std::optional<DeviceImage>& unit,
                                    const std::optional<DeviceImage>& file, int language,
                                    const CaptionLookup& caption) {
    const ComparedParam& p = *d.param;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setData(ColumnName, kByteRole, p.byte);
    item->setText(ColumnName, q(paramName(p, screen, language, caption)));
    item->setText(ColumnScreen, q(paramValue(p, screen, language)));
    item->setText(ColumnUnit, unit ? q(paramValue(p, *unit, language)) : kUnknownValue);
    item->setText(ColumnFile, file ? q(paramValue(p, *file, language)) : kUnknownValue);
    for (const auto& [column, differs] :
         {std::pair{ColumnUnit, d.unitDiffers}, std::pair{ColumnFile, d.fileDiffers}}) {
        QFont font = item->font(column);
        font.setBold(differs);
        item->setFont(column, font);
    }
    return item;
}

void DiffReport::refresh(const DeviceImage& screen, const std::optional<DeviceImage>& unit,
                         const std::optional<DeviceImage>& file, int language,
                         const CaptionLookup& caption) {
    if (shownOnce_ && screen == screen_ && unit == unit_ && file == file_ && language == language_)
        return;
    if (language != language_)
        applyTexts(language);
    shownOnce_ = true;
    screen_ = screen;
    unit_ = unit;
    file_ = file;
    language_ = language;

    QSet<int> selected;
    for (const QTreeWidgetItem* item : tree_->selectedItems())
        selected.insert(item->data(ColumnName, kByteRole).toInt());
    QTreeWidgetItem* oldMap = nullptr;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (tree_->topLevelItem(i)->data(ColumnName, kByteRole).toInt() < 0)
            oldMap = tree_->topLevelItem(i);
    const bool mapOpen = oldMap && oldMap->isExpanded();

    const bool sorting = tree_->isSortingEnabled();
    tree_->setSortingEnabled(false);
    tree_->clear();
    QTreeWidgetItem* map = nullptr;
    int cells = 0;
    for (const ParamDifference& d : compareImages(screen, unit, file)) {
        if (d.param->kind == ComparedParam::MapCell) {
            if (!map) {
                map = new QTreeWidgetItem(tree_);
                map->setData(ColumnName, kByteRole, -1);
            }
            ++cells;
        }
        addRow(map && d.param->kind == ComparedParam::MapCell ? map : nullptr, d, screen, unit,
               file, language, caption);
    }
    if (map) {
        map->setText(ColumnName, q(reportText(ReportText::AdvanceMap, language)).arg(cells));
        map->setExpanded(mapOpen);
    }
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        (*it)->setSelected(selected.contains((*it)->data(ColumnName, kByteRole).toInt()));
    tree_->setSortingEnabled(sorting);

    fitColumns();
    const bool empty = tree_->topLevelItemCount() == 0;
    none_->setVisible(empty);
    takeUnit_->setEnabled(!empty && unit.has_value());
    takeFile_->setEnabled(!empty && file.has_value());
}

std::vector<int> DiffReport::chosenBytes() const {
    const bool any = !tree_->selectedItems().isEmpty();
    std::vector<int> bytes;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        const QTreeWidgetItem* item = *it;
        const int byte = item->data(ColumnName, kByteRole).toInt();
        if (byte < 0)
            continue;
        const QTreeWidgetItem* parent = item->parent();
        if (!any || item->isSelected() || (parent && parent->isSelected()))
            bytes.push_back(byte);
    }
    return bytes;
}

} // namespace vortan
