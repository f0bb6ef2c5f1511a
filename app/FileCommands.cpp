// File commands of the main window: parameter files, settings at start and close, printing,
// about and help.

#include "app/FileDialogs.h"
#include "app/FindChild.h"
#include "app/Hlav.h"
#include "app/Settings.h"
#include "controls/CGauge.h"
#include "files/ParamFile.h"
#include "files/RegularFile.h"
#include "lang/Texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QUrl>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

using namespace vortan;

namespace {
const char* const kSaveFilter = "Ignition Parametrs(*.ign)";
// Each filter is shown without its last pattern list, which is the one the dialog matches:
// "All Files (*.*)" shows files without a dot too, as "*.*" does where it comes from.
const QStringList kOpenFilters = {"Ignition Parametrs(*.ign) (*.ign)", "All Files (*.*) (*)"};

#ifdef Q_OS_WIN
const char* const kEol = "\r\n";
#else
const char* const kEol = "\n";
#endif

// Largest parameter file we accept: far beyond any real one, small enough to never hurt.
constexpr qint64 kMaxParamFileSize = 16 * 1024 * 1024;
} // namespace

std::unique_ptr<QFileDialog> vortan::makeOpenDialog(QWidget* parent, const QString& file) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog: a native one may show the hidden pattern lists or ignore them.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix("ign");
    dialog->setNameFilters(kOpenFilters);
    dialog->selectFile(file);
    return dialog;
}

std::unique_ptr<QFileDialog> vortan::makeSaveDialog(QWidget* parent, const QString& file) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("ign");
    dialog->setNameFilter(kSaveFilter);
    dialog->selectFile(file);
    return dialog;
}

// ---- parameter files -----------------------------------------------------------------

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
    const QString full = QFileInfo(path).absoluteFilePath();
    labelFile2_->setText(full);
    lastFilePath = full;
    return true;
}

void TFormHlav::MenuOpenClick() {
    const auto dialog = makeOpenDialog(this, lastFilePath);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    openParamFile(dialog->selectedFiles().front());
}

bool TFormHlav::openParamFile(const QString& path) {
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxParamFileSize);
    if (!bytes) {
        showBox(kOpenFileError);
        return false;
    }
    DeviceImage read = image;
    const ParamFileResult result = readParamFile(bytes->toStdString(), read);
    if (!result.headerFound) {
        showMessageBox(Message::FileVersion);
        return false;
    }
    applyEdit(valuesEdit(EditName::OpenFile, read));
    if (result.extMonitor) {
        auto* box = checkExtMonitor_;
        if (box->isChecked() != *result.extMonitor) {
            box->setChecked(*result.extMonitor);
            CheckBoxExtMonitorClick();
        }
    }
    ChangeHandler();
    const QString full = QFileInfo(path).absoluteFilePath();
    labelFile2_->setText(full);
    lastFilePath = full;
    return true;
}

// ---- settings --------------------------------------------------------------------------

void TFormHlav::readSettingsFiles() {
    FormSettings current;
    current.comPort = comPort;
    current.language = language;
    current.extMonitor = checkExtMonitor_->isChecked();
    const FormSettings s = readSettings(ini_, current);
    if (s.left || s.top)
        move(s.left.value_or(x()), s.top.value_or(y()));
    comPort = s.comPort;
    language = s.language;
    labelFile2_->setText(s.file);
    lastFilePath = s.iniDir;
    auto* pages = requiredChild<QTabWidget>(this, "PageControl1");
    pages->setCurrentIndex(s.activePage >= 2 && s.activePage <= 4 ? s.activePage - 1 : 0);
    checkExtMonitor_->setChecked(s.extMonitor);
    CheckBoxExtMonitorClick();
    DeviceImage last = image;
    if (readLastImage(lastImageFilePath(), last))
        applyEdit(valuesEdit(EditName::RestoreLast, last));
}

void TFormHlav::writeSettingsFiles() {
    FormSettings s;
    s.left = x();
    s.top = y();
    s.comPort = comPort;
    s.language = language;
    s.file = labelFile2_->text();
    s.iniDir = lastFilePath;
    const int page = requiredChild<QTabWidget>(this, "PageControl1")->currentIndex();
    s.activePage = page >= 0 && page <= 2 ? page + 1 : 4;
    s.extMonitor = checkExtMonitor_->isChecked();
    // Both failures stay silent; neither file is ever left half written.
    writeSettings(ini_, s);
    writeLastImage(lastImageFilePath(), image);
}

// ---- printing --------------------------------------------------------------------------

void TFormHlav::SpeedButtonPrintClick() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        showMessageBox(Message::NoPrinter);
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printSheet(printer);
}

void TFormHlav::MenuPrintClick() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printSheet(printer);
}

void TFormHlav::printSheet(QPagedPaintDevice& device) {
    auto* label = labelHlaseni_;
    setMessageColour(palette().color(QPalette::Button));
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    label->setText(QString::fromStdString(messageText(Message::PrintHeading, language)) +
                   locale.toString(now.date(), QLocale::ShortFormat) + "    " +
                   locale.toString(now.time(), QLocale::LongFormat));
    tick.messageShown();
    label->show();
    cGauge_->hide();

    // No window background: only the controls go on paper.
    QWidget* client = centralWidget();
    QPainter painter;
    if (painter.begin(&device) && client->width() > 0) {
        const QRect page = painter.viewport();
        const QSize size = client->size().scaled(page.size(), Qt::KeepAspectRatio);
        const double scale = double(size.width()) / client->width();
        painter.scale(scale, scale);
        client->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.end();
    }

    label->hide();
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);
}

// ---- about and help --------------------------------------------------------------------

void TFormHlav::MenuAboutClick() {
    showBox(QString::fromStdString(aboutText(language, __DATE__, __TIME__)));
}

QString TFormHlav::manualPath() const {
    const QString name = QString::fromStdString(manualFileName(language));
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {appDir + "/../share/vortan2/doc", appDir + "/doc",
                               QString(VORTAN2_SOURCE_DIR) + "/doc"}) {
        const QString path = QDir(dir).absoluteFilePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

void TFormHlav::MenuContensClick() {
    const QString path = manualPath();
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// ---- SIGTERM and SIGINT close the window as Exit does ---------------------------------

namespace {
int signalPipe[2] = {-1, -1};
void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[0], &c, 1);
}
} // namespace

void TFormHlav::installSignalHandlers() {
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char c;
        [[maybe_unused]] auto n = ::read(signalPipe[1], &c, 1);
        close();
        // A message box may be open in a nested event loop: end every loop, not only ours
        // (exit() also works before the main loop has started).
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
