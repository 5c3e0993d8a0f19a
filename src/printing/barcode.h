#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

namespace tavo::printing {

// The error-correction level of every symbol we print.
inline constexpr int kPdf417ErrorLevel = 3;
// White kept around the symbol inside its box, in module widths.
inline constexpr int kPdf417QuietZone = 2;

// An encoded PDF417 symbol as a matrix of modules.
struct Pdf417 {
    int rows = 0;                  // rows of the symbol
    int columns = 0;               // modules per row
    int dataColumns = 0;           // codeword columns between the row indicators
    int rowHeight = 0;             // height of a row, in module widths
    int errorLevel = 0;            // the error-correction level the encoder used
    std::vector<uint8_t> modules;  // rows * columns, row by row; 1 is a bar
    QString error;                 // why there is no symbol

    bool ok() const { return error.isEmpty() && rows > 0 && columns > 0; }
    bool isSet(int row, int column) const { return modules[size_t(row * columns + column)] != 0; }
    // The symbol with its quiet zone, in module widths.
    QSizeF size() const {
        return {double(columns + 2 * kPdf417QuietZone),
                double(rows * rowHeight + 2 * kPdf417QuietZone)};
    }
};

// The PDF417 symbol of `payload` (the CP1250 bytes of the payload text, taken
// as they are: a reader gets back exactly these bytes), with the number of
// codeword columns that gives the largest modules in a box of shape `box`.
// A payload the symbol cannot hold gives no modules and the encoder's message.
Pdf417 encodeBarcode(const QByteArray& payload, const QSizeF& box);
// The same with `dataColumns` (1..30) codeword columns, or more when that
// many rows (at most 90) cannot hold the payload.
Pdf417 encodePdf417(const QByteArray& payload, int dataColumns);

// Draws `symbol` in black, as one filled rectangle per run of bars in a row,
// as large as fits in `box` with its quiet zone, centred. Draws nothing for
// a symbol that is not ok().
void drawPdf417(QPainter& painter, const Pdf417& symbol, const QRectF& box);

}  // namespace tavo::printing
