#include "printing/barcode.h"

#include <zint.h>

#include <QPainter>
#include <algorithm>
#include <array>
#include <memory>

namespace tavo::printing {
namespace {

constexpr int kMaxDataColumns = 30;
constexpr int kMinRows = 3;
constexpr int kMaxRows = 90;
// A codeword is 17 modules wide; around the data codewords every row has the
// start pattern and the left indicator (17 + 17), the right indicator and the
// stop pattern (17 + 18).
constexpr int kCodewordModules = 17;
constexpr int kRowOverheadModules = 69;

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

// zint keeps a row as bits, module x in bit (x % 8) of byte (x / 8). The
// installed zint.h does not export its own accessor for this.
bool moduleIsSet(const zint_symbol& symbol, int row, int column) {
    return ((symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1) != 0;
}

int dataColumnsOf(const zint_symbol& symbol) {
    return (symbol.width - kRowOverheadModules) / kCodewordModules;
}

// Row height in module widths: zint gives PDF417 rows a fixed height and
// reports it per row or, before any output, only as the total height.
int rowHeightOf(const zint_symbol& symbol) {
    const float height =
        symbol.row_height[0] > 0 ? symbol.row_height[0] : symbol.height / float(symbol.rows);
    return std::max(1, int(height + 0.5f));
}

// The result of one encoding with a given number of data columns.
struct Attempt {
    Symbol symbol;
    QString error;
};

Attempt encode(const QByteArray& payload, int dataColumns) {
    Attempt attempt;
    if (payload.size() > ZINT_MAX_DATA_LEN) {
        attempt.error = QStringLiteral("Payload too long (%1 bytes)").arg(payload.size());
        return attempt;
    }
    attempt.symbol.reset(ZBarcode_Create());
    zint_symbol* symbol = attempt.symbol.get();
    if (!symbol) {
        attempt.error = QStringLiteral("Out of memory for the barcode");
        return attempt;
    }
    symbol->symbology = BARCODE_PDF417;
    symbol->option_1 = kPdf417ErrorLevel;
    symbol->option_2 = dataColumns;
    symbol->input_mode = DATA_MODE;  // the bytes as they are, no ECI
    symbol->eci = 0;
    symbol->show_hrt = 0;
    const int result = ZBarcode_Encode(
        symbol, reinterpret_cast<const unsigned char*>(payload.constData()), int(payload.size()));
    // Warnings (columns raised to hold the data) still leave a good symbol.
    if (result >= ZINT_ERROR || symbol->rows <= 0 || symbol->width <= 0) {
        attempt.error = QString::fromUtf8(symbol->errtxt);
        if (attempt.error.isEmpty())
            attempt.error = QStringLiteral("Barcode error %1").arg(result);
        attempt.symbol.reset();
    }
    return attempt;
}

// How well a symbol of this shape fills the box: first the module width it
// can be drawn with (larger modules read better), then the share of the box
// it covers.
struct Fill {
    double module = 0;
    double area = 0;

    bool operator>(const Fill& other) const {
        constexpr double kSame = 1e-9;
        if (module > other.module * (1 + kSame))
            return true;
        if (other.module > module * (1 + kSame))
            return false;
        return area > other.area * (1 + kSame);
    }
};

Fill fill(int dataColumns, int rows, int rowHeight, const QSizeF& box) {
    const double width = kRowOverheadModules + kCodewordModules * dataColumns;
    const double height = double(rows) * rowHeight;
    const double module = std::min(box.width() / (width + 2 * kPdf417QuietZone),
                                   box.height() / (height + 2 * kPdf417QuietZone));
    return {module, width * height * module * module / (box.width() * box.height())};
}

Pdf417 toPdf417(const zint_symbol& symbol) {
    Pdf417 out;
    out.rows = symbol.rows;
    out.columns = symbol.width;
    out.dataColumns = dataColumnsOf(symbol);
    out.rowHeight = rowHeightOf(symbol);
    out.errorLevel = symbol.option_1;
    out.modules.resize(size_t(out.rows) * size_t(out.columns));
    for (int row = 0; row < out.rows; ++row) {
        for (int column = 0; column < out.columns; ++column)
            out.modules[size_t(row * out.columns + column)] = moduleIsSet(symbol, row, column);
    }
    return out;
}

}  // namespace

Pdf417 codBare(const QByteArray& payload, const QSizeF& box) {
    // The number of codewords (data, length and error correction) does not
    // depend on the columns; each column count c lays them out in
    // max(3, ceil(codewords / c)) rows (up to 90). Each encoding tells how
    // many codewords there are at least; a single column tells it nearly
    // exactly. The column count with the best fill the codewords could give
    // is encoded, until the best one is an encoded one, whose fill is then
    // exact and at least as good as any other's could be.
    std::array<Attempt, kMaxDataColumns + 1> attempts;
    attempts[1] = encode(payload, 1);
    if (!attempts[1].symbol) {
        Pdf417 failed;
        failed.error = attempts[1].error;
        return failed;
    }
    const int rowHeight = rowHeightOf(*attempts[1].symbol);
    int fewest = 1;  // codewords, at least
    const auto learn = [&](const zint_symbol& symbol) {
        const int columns = dataColumnsOf(symbol);
        if (symbol.rows > kMinRows)
            fewest = std::max(fewest, (symbol.rows - 1) * columns + 1);
    };
    learn(*attempts[1].symbol);

    const QSizeF shape = box.isEmpty() ? QSizeF(1, 1) : box;
    for (;;) {
        int best = 0;
        Fill bestFill;
        for (int columns = 1; columns <= kMaxDataColumns; ++columns) {
            Fill candidate;
            if (const zint_symbol* symbol = attempts[size_t(columns)].symbol.get()) {
                candidate = fill(dataColumnsOf(*symbol), symbol->rows, rowHeight, shape);
            } else if (!attempts[size_t(columns)].error.isEmpty()) {
                continue;
            } else {
                const int rows = std::max(kMinRows, (fewest + columns - 1) / columns);
                if (rows > kMaxRows)
                    continue;
                candidate = fill(columns, rows, rowHeight, shape);
            }
            if (best == 0 || candidate > bestFill) {
                best = columns;
                bestFill = candidate;
            }
        }
        Attempt& chosen = attempts[size_t(best)];
        if (chosen.symbol)
            return toPdf417(*chosen.symbol);
        chosen = encode(payload, best);
        if (chosen.symbol)
            learn(*chosen.symbol);
        else if (chosen.error.isEmpty())
            chosen.error = QStringLiteral("Barcode error");
    }
}

Pdf417 encodePdf417(const QByteArray& payload, int dataColumns) {
    const Attempt attempt = encode(payload, dataColumns);
    if (attempt.symbol)
        return toPdf417(*attempt.symbol);
    Pdf417 failed;
    failed.error = attempt.error;
    return failed;
}

void drawPdf417(QPainter& painter, const Pdf417& symbol, const QRectF& box) {
    if (!symbol.ok() || box.isEmpty())
        return;
    const QSizeF size = symbol.size();
    const double module = std::min(box.width() / size.width(), box.height() / size.height());
    const double rowHeight = symbol.rowHeight * module;
    const double left = box.center().x() - symbol.columns * module / 2;
    const double top = box.center().y() - symbol.rows * rowHeight / 2;

    // One rectangle per run of bars in a row, grown down over the rows below
    // that have the same run (the start and stop patterns, mostly), so a PDF
    // page holds few objects.
    struct Run {
        int start;
        int end;
        size_t bar;  // its rectangle in `bars`
    };
    std::vector<QRectF> bars;
    std::vector<Run> above;
    std::vector<Run> here;
    for (int row = 0; row < symbol.rows; ++row) {
        const double y = top + row * rowHeight;
        const double bottom = top + (row + 1) * rowHeight;
        size_t next = 0;  // the first run above that may match
        int column = 0;
        here.clear();
        while (column < symbol.columns) {
            if (!symbol.isSet(row, column)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < symbol.columns && symbol.isSet(row, column)) ++column;
            while (next < above.size() && above[next].start < start) ++next;
            if (next < above.size() && above[next].start == start && above[next].end == column) {
                bars[above[next].bar].setBottom(bottom);
                here.push_back({start, column, above[next].bar});
            } else {
                bars.emplace_back(left + start * module, y, (column - start) * module, rowHeight);
                here.push_back({start, column, bars.size() - 1});
            }
        }
        std::swap(above, here);
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(bars.data(), int(bars.size()));
    painter.restore();
}

}  // namespace tavo::printing
