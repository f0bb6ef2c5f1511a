#include "app/RestorePointsDialog.h"

#include "files/ParamFile.h"
#include "files/RegularFile.h"
#include "lang/Texts.h"
#include "params/ParamDiff.h"
#include "settings/RestorePoints.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vortan {
namespace {

constexpr qint64 kMaxPointSize = 1024 * 1024;

// How many values of the point differ from `screen`; -1 when it cannot be read.
int differencesFrom(const QString& path, const DeviceImage& screen) {
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxPointSize);
    DeviceImage point = screen;
    if (!bytes || !readParamFile(bytes->toStdString(), point).headerFound)
        return -1;
    return countDifferences(screen, point);
}

} // namespace

RestorePointsDialog::RestorePointsDialog(const QString& folder, const DeviceImage& screen,
                                         int language, QWidget* parent)
    : QDialog(parent), folder_(folder), list_(new QTreeWidget(this)), open_(new QPushButton(this)) {
    setObjectName("RestorePointsDialog");
    auto text = [language](RestoreText t) {
        return QString::fromStdString(restoreText(t, language));
    };
    setWindowTitle(text(RestoreText::DialogTitle));
    list_->setObjectName("RestorePointsList");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({text(RestoreText::ColumnDate), text(RestoreText::ColumnTime),
                            text(RestoreText::ColumnUnit), text(RestoreText::ColumnFile),
                            text(RestoreText::ColumnDifferences)});
    const QHash<QString, RestoreSource> index = readRestoreIndex(folder);
    const QLocale locale;
    for (const QString& name : listRestorePoints(folder)) {
        const RestorePointInfo info = *parseRestorePointName(name);
        const RestoreSource source = index.value(name);
        const int differences = differencesFrom(folder + '/' + name, screen);
        auto* item = new QTreeWidgetItem(
            list_,
            {locale.toString(info.when.date(), QLocale::ShortFormat),
             info.when.time().toString("HH:mm:ss"), info.unit, restorePointOrigin(source, language),
             differences < 0 ? QStringLiteral("?") : QString::number(differences)});
        item->setData(0, Qt::UserRole, name);
        item->setData(1, Qt::UserRole, restorePointLabel(info, source, language));
        item->setToolTip(3, source.file);
        item->setTextAlignment(4, Qt::AlignRight);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    open_->setObjectName("RestorePointsOpen");
    open_->setText(text(RestoreText::Open));
    open_->setEnabled(list_->topLevelItemCount() > 0);
    open_->setDefault(true);
    buttons->addButton(open_, QDialogButtonBox::AcceptRole);
    QPushButton* compare =
        buttons->addButton(text(RestoreText::Compare), QDialogButtonBox::ActionRole);
    compare->setObjectName("RestorePointsCompare");
    compare->setEnabled(open_->isEnabled());
    connect(compare, &QPushButton::clicked, this, [this] {
        compare_ = true;
        openChosen();
    });
    QPushButton* close = buttons->addButton(text(RestoreText::Close), QDialogButtonBox::RejectRole);
    close->setObjectName("RestorePointsClose");
    connect(open_, &QPushButton::clicked, this, &RestorePointsDialog::openChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &RestorePointsDialog::openChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 400);
}

void RestorePointsDialog::openChosen() {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    chosen_ = folder_ + '/' + item->data(0, Qt::UserRole).toString();
    chosenLabel_ = item->data(1, Qt::UserRole).toString();
    accept();
}

} // namespace vortan
