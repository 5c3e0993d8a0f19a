#pragma once

#include <memory>
#include <optional>

#include "printing/barcode.h"
#include "printing/form_drawing.h"
#include "ui/ui.h"

namespace tavo::printing {

// One printed page: the form with its values at the top of the sheet, a
// second copy of it kCopyHeight below when asked for, and the PDF417 symbol in
// the picture box of each copy.
struct PrintedPage {
    FormLook look;
    FormValues first;                       // the values of the upper copy
    std::optional<FormValues> second;       // the lower copy, when two go on a page
    std::shared_ptr<const Pdf417> barcode;  // none: printed without a barcode
    bool blank = false;                     // a blank form: the drawing only
};

// Where a copy of the form stands on the sheet (twips from the sheet's top left).
inline constexpr int kPageLeft = 250;
inline constexpr int kPageTop = 250;

// Draws the page with the painter in twips from the top left of the sheet.
void drawPrintedPage(QPainter& painter, const PrintedPage& page);

// One print-image operation of one page.
PrintJob printJob(const PrintedPage& page);

}  // namespace tavo::printing
