// The print commands of the main window: the tool-bar button prints on the default printer,
// the menu item asks the print dialog first. The printer and its dialog live in the print
// module, loaded with the first print.

#include "app/Hlav.h"
#include "app/MessageView.h"
#include "app/Modules.h"
#include "app/PrintJob.h"
#include "app/WindowContext.h"
#include "controls/CGauge.h"
#include "files/SheetTexts.h"
#include "lang/Texts.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

using namespace vortan;

PrintJob TFormHlav::printJob() {
    PrintJob job;
    job.parent = this;
    job.optionsTitle = QString::fromStdString(sheetText(SheetText::Title, session_->language()));
    job.sheetChoice =
        QString::fromStdString(sheetText(SheetText::PrintChoice, session_->language()));
    job.printPicture = [this](QPagedPaintDevice& device) { printSheet(device); };
    job.printTuneSheet = [this](QPagedPaintDevice& device) { printTuneSheet(device); };
    return job;
}

void TFormHlav::SpeedButtonPrintClick() {
    auto print = reinterpret_cast<PrintOnDefault>(moduleEntry(kPrintModule, kPrintOnDefault));
    if (!print) {
        showBox(
            QString::fromStdString(sheetText(SheetText::PrintUnavailable, session_->language())));
        return;
    }
    if (print(printJob()) == PrintOutcome::NoPrinter)
        showMessageBox(Message::NoPrinter);
}

void TFormHlav::MenuPrintClick() {
    auto print = reinterpret_cast<PrintWithDialog>(moduleEntry(kPrintModule, kPrintWithDialog));
    if (!print) {
        showBox(
            QString::fromStdString(sheetText(SheetText::PrintUnavailable, session_->language())));
        return;
    }
    print(printJob());
}

void TFormHlav::printSheet(QPagedPaintDevice& device) {
    auto* label = context_->controls.labelHlaseni;
    messages_->setMessageColour(palette().color(QPalette::Button));
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    label->setText(
        QString::fromStdString(messageText(Message::PrintHeading, session_->language())) +
        locale.toString(now.date(), QLocale::ShortFormat) + "    " +
        locale.toString(now.time(), QLocale::LongFormat));
    session_->tick().messageShown();
    label->show();
    context_->controls.cGauge->hide();

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
