#pragma once
// Draws the tune sheet's HTML on a printer or a PDF: text stays text, so the sheet is sharp
// at any zoom and its words can be selected and searched.

#include <QString>

class QPagedPaintDevice;

namespace vortan {

// Draws `html` on one page of `device`, scaled to the page's width, or smaller when it would
// run past the page's foot, so no table is ever cut. False when the device cannot be painted.
bool renderTuneSheet(QPagedPaintDevice& device, const QString& html);

// The sheet as a PDF file's bytes on A4 or Letter by the system's locale; empty on failure.
QByteArray tuneSheetPdf(const QString& html, const QString& title);

} // namespace vortan
