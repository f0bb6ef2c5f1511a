// The tune sheet commands of the main window: File › Export tune sheet writes it as a PDF,
// the print dialog of File › Print offers it beside the window's picture.

#include "app/FindChild.h"
#include "app/Hlav.h"
#include "app/TuneSheetRender.h"
#include "files/RegularFile.h"
#include "files/SheetTexts.h"
#include "files/TuneSheet.h"
#include "lang/Texts.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

using namespace vortan;

QString TFormHlav::tuneSheet(const QString& notes) {
    session_->takeControls(); // the sheet shows what the screen shows, typed values too
    SheetHeading h;
    h.file = session_->fileLabel().toStdString();
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    h.dateTime = (locale.toString(now.date(), QLocale::ShortFormat) + "  " +
                  locale.toString(now.time(), QLocale::LongFormat))
                     .toStdString();
    const Identification& id = session_->identification();
    if (!id.version.empty()) // known once the unit has answered
        h.unit = QString::fromStdString(id.version + "  " + id.date + "  " + id.time)
                     .trimmed()
                     .toStdString();
    h.notes = notes.toStdString();
    h.bikeName = requiredChild<QComboBox>(this, "ComboBox1")->currentText().toStdString();
    const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
    return QString::fromStdString(
        tuneSheetHtml(session_->image(), h, session_->language(), caption));
}

bool TFormHlav::exportTuneSheet(const QString& path, const QString& notes) {
    const QString title = QString::fromStdString(sheetText(SheetText::Title, session_->language()));
    const bool written =
        writeRegularFile(path, [&] { return tuneSheetPdf(tuneSheet(notes), title); });
    if (!written)
        showBox(QString::fromStdString(sheetText(SheetText::WriteFailed, session_->language()))
                    .arg(path));
    return written;
}

void TFormHlav::printTuneSheet(QPagedPaintDevice& device) {
    renderTuneSheet(device, tuneSheet(QString()));
}

// The save dialog with a line for the notes below the file name.
void TFormHlav::MenuExportSheetClick() {
    auto text = [this](SheetText t) {
        return QString::fromStdString(sheetText(t, session_->language()));
    };
    QFileDialog dialog(this, text(SheetText::SaveTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the notes line goes into it
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    dialog.setNameFilter(text(SheetText::PdfFilter));
    // Beside the parameter file last used, named after it; otherwise in the home folder, as
    // the other file dialogs (not in whatever folder the program was started from).
    const QFileInfo last(session_->lastFilePath());
    if (session_->lastFilePath().isEmpty())
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
