#include "app/TuneSheetRender.h"

#include "files/TuneSheet.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace vortan {

namespace {
// The width the sheet is laid out in before it is scaled to the page: about A4's text width
// at 96 dots per inch, so the point sizes keep their proportion on paper.
constexpr double kLayoutWidth = 720;
constexpr double kFontPoints = 9.5;
} // namespace

bool renderTuneSheet(QPagedPaintDevice& device, const QString& html) {
    QTextDocument doc;
    QFont font = doc.defaultFont();
    font.setPointSizeF(kFontPoints);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    doc.setTextWidth(kLayoutWidth);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    double scale = page.width() / kLayoutWidth;
    // Too tall for the page at full width: a narrower scale and a wider layout, until it fits.
    for (int i = 0; i < 8 && doc.size().height() * scale > page.height(); ++i) {
        scale *= page.height() / (doc.size().height() * scale);
        doc.setTextWidth(page.width() / scale);
    }
    painter.scale(scale, scale);
    doc.drawContents(&painter);
    return painter.end();
}

QByteArray tuneSheetPdf(const QString& html, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("vortan2"));
        pdf.setResolution(300);
        pdf.setPageSize(sheetPaper(QLocale::system().measurementSystem()) == Paper::Letter
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        if (!renderTuneSheet(pdf, html))
            return {};
    }
    return buffer.data();
}

} // namespace vortan
