// The parameter-file commands of the main window: Save and Open, each with its dialog and with
// the chosen path.

#include "app/FileDialogs.h"
#include "app/Hlav.h"
#include "app/RestorePointsDialog.h"
#include "files/ParamFile.h"
#include "files/RegularFile.h"
#include "lang/Texts.h"
#include "params/ParamDiff.h"
#include "settings/RestorePoints.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

using namespace vortan;

namespace {
#ifdef Q_OS_WIN
const char* const kEol = "\r\n";
#else
const char* const kEol = "\n";
#endif

// Largest parameter file we accept: far beyond any real one, small enough to never hurt.
constexpr qint64 kMaxParamFileSize = 16 * 1024 * 1024;
} // namespace

void TFormHlav::MenuSaveClick() {
    const auto dialog = makeSaveDialog(this, lastFilePath);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    saveParamFile(dialog->selectedFiles().front());
}

bool TFormHlav::saveParamFile(const QString& path) {
    // The controls are taken into the image only once the file could be opened.
    const bool saved = writeRegularFile(path, [this] {
        takeControls();
        return QByteArray::fromStdString(
            writeParamFile(image, checkExtMonitor_->isChecked(), kEol));
    });
    if (!saved) {
        showBox(kOpenFileError);
        return false;
    }
    rememberFile(path);
    return true;
}

// After a save or an open: the file's set is what the screen now holds, its path is shown and
// becomes the dialogs' start, and the report compares with it again.
void TFormHlav::rememberFile(const QString& path) {
    fileSet = image;
    comparedFile_.reset();
    refreshDiffReport();
    const QString full = QFileInfo(path).absoluteFilePath();
    labelFile2_->setText(full);
    lastFilePath = full;
    setSource_ = full;
}

void TFormHlav::MenuOpenClick() {
    if (refuseWhileLocked(SetCommand::OpenSet))
        return;
    const auto dialog = makeOpenDialog(this, lastFilePath);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    openParamFile(dialog->selectedFiles().front());
}

// The file's values over a copy of the set on screen; the box says why when it cannot be.
std::optional<DeviceImage> TFormHlav::readSetFile(const QString& path, ParamFileResult& result) {
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxParamFileSize);
    if (!bytes) {
        showBox(kOpenFileError);
        return std::nullopt;
    }
    DeviceImage read = image;
    result = readParamFile(bytes->toStdString(), read);
    if (!result.headerFound) {
        showMessageBox(Message::FileVersion);
        return std::nullopt;
    }
    return read;
}

bool TFormHlav::openParamFile(const QString& path) {
    if (!openSet(path))
        return false;
    rememberFile(path);
    return true;
}

bool TFormHlav::openSet(const QString& path) {
    if (refuseWhileLocked(SetCommand::OpenSet))
        return false;
    ParamFileResult result;
    const std::optional<DeviceImage> read = readSetFile(path, result);
    if (!read)
        return false;
    applyEdit(valuesEdit(EditName::OpenFile, *read));
    if (result.extMonitor) {
        auto* box = checkExtMonitor_;
        if (box->isChecked() != *result.extMonitor) {
            box->setChecked(*result.extMonitor);
            CheckBoxExtMonitorClick();
        }
    }
    ChangeHandler();
    return true;
}

// A restore point is no file of the tuner's: the label says what it is, nothing counts as
// saved, and the dialogs keep starting where the tuner's files are.
bool TFormHlav::openRestorePoint(const QString& path, const QString& label) {
    if (!openSet(path))
        return false;
    fileSet.reset();
    comparedFile_.reset();
    refreshDiffReport();
    labelFile2_->setText(label);
    setSource_.clear();
    return true;
}

bool TFormHlav::differsFromSource(const DeviceImage& set) {
    if (fileSet)
        return countDifferences(set, *fileSet) != 0;
    // The file named by the last run, as it is now; one that cannot be read vouches for nothing.
    const std::optional<QByteArray> bytes = readRegularFile(setSource_, kMaxParamFileSize);
    DeviceImage file = set;
    if (!bytes || !readParamFile(bytes->toStdString(), file).headerFound)
        return true;
    std::uint8_t lang = language;
    std::uint8_t port = comPort;
    normalise(file, lang, port);
    return countDifferences(set, file) != 0;
}

// The set the verify agreed with, not the screen's, is what the unit holds.
void TFormHlav::saveRestorePoint() {
    if (!ops.lastVerified)
        return;
    const DeviceImage& verified = *ops.lastVerified;
    const QString folder = restorePointFolder();
    const QString name =
        restorePointName(QDateTime::currentDateTime(),
                         QString::fromStdString(formatIdentification(verified).version));
    const QByteArray text =
        QByteArray::fromStdString(writeParamFile(verified, checkExtMonitor_->isChecked(), kEol));
    RestoreSource source{setSource_, std::nullopt};
    if (!setSource_.isEmpty())
        source.edited = differsFromSource(verified);
    if (writeRestorePoint(folder, name, text, source) || restoreErrorShown_)
        return;
    restoreErrorShown_ = true;
    statusBar()->showMessage(
        QString::fromStdString(restoreText(RestoreText::WriteFailed, language)).arg(folder));
}

void TFormHlav::MenuRestorePointsClick() {
    if (refuseWhileLocked(SetCommand::OpenSet))
        return;
    takeControls();
    RestorePointsDialog dialog(restorePointFolder(), image, language, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    if (dialog.compareChosen())
        compareWithFile(dialog.chosenPath());
    else
        openRestorePoint(dialog.chosenPath(), dialog.chosenLabel());
}

void TFormHlav::MenuCompareFileClick() {
    const auto dialog = makeOpenDialog(this, lastFilePath);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    compareWithFile(dialog->selectedFiles().front());
}

// Read as Open reads, into a copy: the set on screen, the history and the file label stay.
bool TFormHlav::compareWithFile(const QString& path) {
    ParamFileResult result;
    std::optional<DeviceImage> read = readSetFile(path, result);
    if (!read)
        return false;
    std::uint8_t lang = language;
    std::uint8_t port = comPort;
    normalise(*read, lang, port);
    comparedFile_ = read;
    showDiffReport();
    return true;
}
