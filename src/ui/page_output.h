#pragma once

#include <QString>

#include "ui/ui.h"

class QPagedPaintDevice;
class QPrinter;

namespace tavo {

// Draws the pages of a print job on a printer or a PDF writer, scaling the
// twips of the drawing to the device's resolution. False when the device
// could not be painted on (a printer that cannot be opened).
bool drawPages(QPagedPaintDevice& device, const PrintJob& job);

// Draws the pages of a print job on A4 sheets of `printer`, measured from
// the sheet's own top left corner (the printer's margins left out of it).
// False as drawPages.
bool printOnA4(QPrinter& printer, const PrintJob& job);

// Writes the pages of a print job as one A4 PDF file. False when the file
// could not be written (a folder that is not there or may not be written).
bool writePdf(const QString& path, const PrintJob& job);

}  // namespace tavo
