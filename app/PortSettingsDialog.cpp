#include "app/PortSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vortan {

PortSettingsDialog::PortSettingsDialog(PortDialogSetup setup, QWidget* parent)
    : QDialog(parent), s_(std::move(setup)) {
    setObjectName("PortSettingsDialog");
    setWindowTitle(text(PortText::DialogTitle));
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(new QLabel(text(PortText::DevicesHeading), this));
    auto* list = new QTableWidget(int(s_.devices.size()), 5, this);
    list->setObjectName("PortDeviceList");
    list->setHorizontalHeaderLabels(
        {text(PortText::ColumnDevice), text(PortText::ColumnDescription),
         text(PortText::ColumnManufacturer), text(PortText::ColumnSerialNumber),
         text(PortText::ColumnUsbId)});
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < list->rowCount(); ++r) {
        const QStringList columns = deviceColumns(s_.devices[std::size_t(r)], s_.language);
        for (int c = 0; c < columns.size(); ++c)
            list->setItem(r, c, new QTableWidgetItem(columns[c]));
    }
    list->resizeColumnsToContents();
    list->resizeRowsToContents();
    layout->addWidget(list);

    layout->addWidget(new QLabel(text(PortText::PortsHeading), this));
    auto* grid = new QGridLayout;
    for (int i = 0; i < kPortCount; ++i) {
        auto* name = new QLabel(QStringLiteral("COM%1").arg(i + 1), this);
        if (i + 1 == s_.comPort) {
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
        }
        auto* path = new QComboBox(this);
        path->setObjectName(QStringLiteral("PortPath%1").arg(i + 1));
        path->setEditable(true);
        path->setInsertPolicy(QComboBox::NoInsert);
        path->setMinimumContentsLength(28);
        path->setToolTip(text(PortText::PathHint));
        for (const SerialDevice& d : s_.devices)
            path->addItem(storedName(d, s_.byIdFolder));
        path->setCurrentIndex(-1);
        path->setEditText(s_.stored[std::size_t(i)]);
        path->lineEdit()->setPlaceholderText(s_.defaults[std::size_t(i)]);
        auto* meaning = new QLabel(this);
        meaning->setObjectName(QStringLiteral("PortMeaning%1").arg(i + 1));
        paths_[std::size_t(i)] = path;
        meanings_[std::size_t(i)] = meaning;
        grid->addWidget(name, i, 0);
        grid->addWidget(path, i, 1);
        grid->addWidget(meaning, i, 2);
        connect(path, &QComboBox::editTextChanged, this, [this, i] { showMeaning(i); });
        showMeaning(i);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    // A device of the list, double-clicked, becomes the current port's.
    connect(list, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (s_.comPort >= 1 && s_.comPort <= kPortCount)
            paths_[std::size_t(s_.comPort - 1)]->setEditText(
                storedName(s_.devices[std::size_t(row)], s_.byIdFolder));
    });

    auto* probeRow = new QHBoxLayout;
    find_ = new QPushButton(text(PortText::FindUnit), this);
    find_->setObjectName("ButtonFindUnit");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProbeProgress");
    progress_->setValue(0);
    result_ = new QLabel(this);
    result_->setObjectName("ProbeResult");
    use_ = new QPushButton(text(PortText::UseFor).arg(s_.comPort), this);
    use_->setObjectName("ButtonUseFound");
    use_->hide();
    probeRow->addWidget(find_);
    probeRow->addWidget(progress_);
    probeRow->addWidget(result_, 1);
    probeRow->addWidget(use_);
    layout->addLayout(probeRow);
    connect(find_, &QPushButton::clicked, this, &PortSettingsDialog::findUnit);
    connect(use_, &QPushButton::clicked, this, &PortSettingsDialog::useFound);
    connect(&probe_, &UnitProbe::trying, this, [this](int index, const QString& device) {
        progress_->setValue(index);
        result_->setText(text(PortText::Trying).arg(device));
    });
    connect(&probe_, &UnitProbe::finished, this, &PortSettingsDialog::probeFinished);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(820, 640);
}

QString PortSettingsDialog::text(PortText t) const {
    return QString::fromStdString(portText(t, s_.language));
}

std::array<QString, kPortCount> PortSettingsDialog::stored() const {
    std::array<QString, kPortCount> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = paths_[i]->currentText().trimmed();
    return out;
}

void PortSettingsDialog::showMeaning(int port) {
    const auto i = std::size_t(port);
    meanings_[i]->setText(
        portMeaning(paths_[i]->currentText().trimmed(), s_.defaults[i], s_.devices, s_.language));
}

void PortSettingsDialog::findUnit() {
    candidates_ = probeCandidates(s_.devices, s_.openPath);
    found_.clear();
    use_->hide();
    if (candidates_.isEmpty()) {
        result_->setText(text(PortText::NothingToTry));
        return;
    }
    find_->setEnabled(false);
    progress_->setRange(0, int(candidates_.size()));
    probe_.start(candidates_);
}

void PortSettingsDialog::probeFinished(int answered) {
    find_->setEnabled(true);
    progress_->setValue(progress_->maximum());
    if (answered < 0) {
        result_->setText(text(PortText::NoAnswer));
        return;
    }
    found_ = candidates_[answered];
    result_->setText(text(PortText::Answered).arg(found_));
    use_->setVisible(s_.comPort >= 1 && s_.comPort <= kPortCount);
}

void PortSettingsDialog::useFound() {
    const int i = deviceIndexOf(found_, s_.devices);
    if (i < 0 || s_.comPort < 1 || s_.comPort > kPortCount)
        return;
    paths_[std::size_t(s_.comPort - 1)]->setEditText(
        storedName(s_.devices[std::size_t(i)], s_.byIdFolder));
}

} // namespace vortan
