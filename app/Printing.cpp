// The print commands of the main window: the tool-bar button prints on the default printer,
// the menu item asks the print dialog first.

#include "app/Hlav.h"
#include "controls/CGauge.h"
#include "lang/SheetTexts.h"
#include "lang/Texts.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

using namespace vortan;

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
    // Beside the window's picture, the tune sheet: a tab of the dialog's options.
    auto* options = new QWidget;
    options->setWindowTitle(QString::fromStdString(sheetText(SheetText::Title, language)));
    auto* sheet =
        new QCheckBox(QString::fromStdString(sheetText(SheetText::PrintChoice, language)), options);
    sheet->setObjectName("CheckBoxPrintSheet");
    (new QVBoxLayout(options))->addWidget(sheet);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (sheet->isChecked())
        printTuneSheet(printer);
    else
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
