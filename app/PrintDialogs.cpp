// The print module's side of printing: the default printer, and the print dialog with the
// tune sheet offered among its options.

#include "app/PrintJob.h"

#include <QCheckBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

using vortan::PrintJob;
using vortan::PrintOutcome;

extern "C" Q_DECL_EXPORT PrintOutcome vortan2PrintOnDefault(const PrintJob& job) {
    if (QPrinterInfo::availablePrinters().isEmpty())
        return PrintOutcome::NoPrinter;
    QPrinter printer(QPrinterInfo::defaultPrinter());
    job.printPicture(printer);
    return PrintOutcome::Printed;
}

extern "C" Q_DECL_EXPORT PrintOutcome vortan2PrintWithDialog(const PrintJob& job) {
    QPrinter printer;
    QPrintDialog dialog(&printer, job.parent);
    auto* options = new QWidget;
    options->setWindowTitle(job.optionsTitle);
    auto* sheet = new QCheckBox(job.sheetChoice, options);
    sheet->setObjectName("CheckBoxPrintSheet");
    (new QVBoxLayout(options))->addWidget(sheet);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    if (sheet->isChecked())
        job.printTuneSheet(printer);
    else
        job.printPicture(printer);
    return PrintOutcome::Printed;
}
