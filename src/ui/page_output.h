#pragma once

#include <QString>

#include "ui/ui.h"

class QPagedPaintDevice;

namespace tavo {

// Draws the pages of a print job on a printer or a PDF writer, scaling the
// twips of the drawing to the device's resolution. False when the device
// could not be painted on (a printer that cannot be opened).
bool drawPages(QPagedPaintDevice& device, const PrintJob& job);

// Writes the pages of a print job as one A4 PDF file. False when the file
// could not be written (a folder that is not there or may not be written).
bool writePdf(const QString& path, const PrintJob& job);

}  // namespace tavo
