// Printing and the tune sheet of the main window: the window's picture on the default printer
// or on one chosen in the print dialog, the tune sheet as a PDF with the tuner's notes or on a
// printer.

#include "app/PrintCommands.h"

#include "app/MessageView.h"
#include "app/Modules.h"
#include "app/TuneSheetRender.h"
#include "app/WindowContext.h"
#include "controls/CGauge.h"
#include "files/RegularFile.h"
#include "files/SheetTexts.h"
#include "files/TuneSheet.h"
#include "lang/Texts.h"
#include "session/Session.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vortan {

namespace {
// The date and time of the printout as the system's locale writes them.
QString nowText(const char* between) {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return locale.toString(now.date(), QLocale::ShortFormat) + between +
           locale.toString(now.time(), QLocale::LongFormat);
}
} // namespace

PrintCommands::PrintCommands(WindowContext& context, MessageView& messages)
    : context_(context), messages_(messages) {}

PrintJob PrintCommands::printJob() {
    PrintJob job;
    job.parent = &context_.window;
    job.optionsTitle = QString::fromStdString(sheetText(SheetText::Title, context_.language()));
    job.sheetChoice =
        QString::fromStdString(sheetText(SheetText::PrintChoice, context_.language()));
    job.printPicture = [this](QPagedPaintDevice& device) { printPicture(device); };
    job.printTuneSheet = [this](QPagedPaintDevice& device) { printTuneSheet(device); };
    return job;
}

QFunctionPointer PrintCommands::printEntry(const char* name) {
    QFunctionPointer entry = moduleEntry(kPrintModule, name);
    if (!entry)
        context_.showBox(
            QString::fromStdString(sheetText(SheetText::PrintUnavailable, context_.language())));
    return entry;
}

void PrintCommands::printOnDefault() {
    if (auto print = reinterpret_cast<PrintOnDefault>(printEntry(kPrintOnDefault)))
        if (print(printJob()) == PrintOutcome::NoPrinter)
            messages_.showMessageBox(Message::NoPrinter);
}

void PrintCommands::printWithDialog() {
    if (auto print = reinterpret_cast<PrintWithDialog>(printEntry(kPrintWithDialog)))
        print(printJob());
}

void PrintCommands::printPicture(QPagedPaintDevice& device) {
    auto* label = context_.controls.labelHlaseni;
    QMainWindow& window = context_.window;
    messages_.setMessageColour(window.palette().color(QPalette::Button));
    label->setText(QString::fromStdString(messageText(Message::PrintHeading, context_.language())) +
                   nowText("    "));
    context_.session.tick().messageShown();
    label->show();
    context_.controls.cGauge->hide();

    // No window background: only the controls go on paper.
    QWidget* client = window.centralWidget();
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
    QPalette p = window.palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    window.setPalette(p);
}

QString PrintCommands::tuneSheet(const QString& notes) {
    context_.session.takeControls(); // the sheet shows what the screen shows, typed values too
    SheetHeading h;
    h.file = context_.session.fileLabel().toStdString();
    h.dateTime = nowText("  ").toStdString();
    const Identification& id = context_.session.identification();
    if (!id.version.empty()) // known once the unit has answered
        h.unit = QString::fromStdString(id.version + "  " + id.date + "  " + id.time)
                     .trimmed()
                     .toStdString();
    h.notes = notes.toStdString();
    h.bikeName = context_.controls.comboBox1->currentText().toStdString();
    return QString::fromStdString(
        tuneSheetHtml(context_.session.image(), h, context_.language(), context_.captions()));
}

bool PrintCommands::exportTuneSheet(const QString& path, const QString& notes) {
    const QString title = QString::fromStdString(sheetText(SheetText::Title, context_.language()));
    const bool written =
        writeRegularFile(path, [&] { return tuneSheetPdf(tuneSheet(notes), title); });
    if (!written)
        context_.showBox(
            QString::fromStdString(sheetText(SheetText::WriteFailed, context_.language()))
                .arg(path));
    return written;
}

void PrintCommands::printTuneSheet(QPagedPaintDevice& device) {
    renderTuneSheet(device, tuneSheet(QString()));
}

// The save dialog with a line for the notes below the file name.
void PrintCommands::exportSheet() {
    auto text = [this](SheetText t) {
        return QString::fromStdString(sheetText(t, context_.language()));
    };
    QFileDialog dialog(&context_.window, text(SheetText::SaveTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the notes line goes into it
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    dialog.setNameFilter(text(SheetText::PdfFilter));
    // Beside the parameter file last used, named after it; otherwise in the home folder, as
    // the other file dialogs (not in whatever folder the program was started from).
    const QFileInfo last(context_.session.lastFilePath());
    if (context_.session.lastFilePath().isEmpty())
        dialog.setDirectory(QDir::homePath());
    else
        dialog.selectFile(last.dir().filePath(last.completeBaseName() + ".pdf"));
    auto* notes = new QLineEdit(&dialog);
    notes->setObjectName("EditSheetNotes");
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(text(SheetText::NotesPrompt), &dialog), row, 0);
        grid->addWidget(notes, row, 1, 1, grid->columnCount() - 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportTuneSheet(dialog.selectedFiles().front(), notes->text());
}

} // namespace vortan
