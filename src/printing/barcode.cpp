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
// The row height zint gives PDF417 rows, in module widths, before it says so.
constexpr int kLikelyRowHeight = 3;
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

int rowsFor(int codewords, int columns) {
    return std::max(kMinRows, (codewords + columns - 1) / columns);
}

// The column count whose symbol would fill `box` best if the payload took as
// many codewords as ordinary text of `bytes` bytes does: about 0.54 a byte,
// and 23 more for the length and the error correction.
int likelyColumns(int bytes, const QSizeF& box) {
    const int codewords = bytes * 54 / 100 + 23;
    int best = 1;
    Fill bestFill;
    for (int columns = 1; columns <= kMaxDataColumns; ++columns) {
        const int rows = rowsFor(codewords, columns);
        const Fill candidate = fill(columns, rows, kLikelyRowHeight, box);
        if (rows <= kMaxRows && candidate > bestFill) {
            best = columns;
            bestFill = candidate;
        }
    }
    return best;
}

Pdf417 toPdf417(const zint_symbol& symbol) {
    Pdf417 out;
    out.rows = symbol.rows;
    out.columns = symbol.width;
    out.dataColumns = dataColumnsOf(symbol);
    out.rowHeight = rowHeightOf(symbol);
    out.errorLevel = symbol.option_1;
    out.modules.resize(size_t(out.rows) * size_t(out.columns));
    uint8_t* module = out.modules.data();
    for (int row = 0; row < out.rows; ++row) {
        // Eight modules a byte while whole bytes last, then one by one.
        const unsigned char* bits = symbol.encoded_data[row];
        int column = 0;
        for (; column + 8 <= out.columns; column += 8) {
            const unsigned byte = bits[column >> 3];
            for (int bit = 0; bit < 8; ++bit) *module++ = (byte >> bit) & 1;
        }
        for (; column < out.columns; ++column) *module++ = moduleIsSet(symbol, row, column);
    }
    return out;
}

}  // namespace

Pdf417 encodeBarcode(const QByteArray& payload, const QSizeF& box) {
    // The number of codewords (data, length and error correction) does not
    // depend on the columns; each column count c lays them out in
    // max(3, ceil(codewords / c)) rows (up to 90). Each encoding tells how
    // many codewords there are at least. The column count with the best fill
    // the codewords could give is encoded, until the best one is an encoded
    // one, whose fill is then exact and at least as good as any other's could
    // be. The first one tried is the best for the codewords a payload of
    // ordinary text takes; most payloads need no other.
    const QSizeF shape = box.isEmpty() ? QSizeF(1, 1) : box;
    std::array<Attempt, kMaxDataColumns + 1> attempts;
    const int first = likelyColumns(int(payload.size()), shape);
    attempts[size_t(first)] = encode(payload, first);
    // A payload the first count cannot take is tried on one column.
    const Symbol* firstSymbol = &attempts[size_t(first)].symbol;
    if (!*firstSymbol && first != 1) {
        attempts[1] = encode(payload, 1);
        firstSymbol = &attempts[1].symbol;
    }
    if (!*firstSymbol) {
        Pdf417 failed;
        failed.error = attempts[1].error;
        return failed;
    }
    const int rowHeight = rowHeightOf(**firstSymbol);
    int fewest = 1;  // codewords, at least
    const auto learn = [&](const zint_symbol& encoded) {
        const int columns = dataColumnsOf(encoded);
        if (encoded.rows > kMinRows)
            fewest = std::max(fewest, (encoded.rows - 1) * columns + 1);
    };
    learn(**firstSymbol);

    for (;;) {
        int best = 0;
        Fill bestFill;
        for (int columns = 1; columns <= kMaxDataColumns; ++columns) {
            Fill candidate;
            if (const zint_symbol* encoded = attempts[size_t(columns)].symbol.get()) {
                candidate = fill(dataColumnsOf(*encoded), encoded->rows, rowHeight, shape);
            } else if (!attempts[size_t(columns)].error.isEmpty()) {
                continue;
            } else {
                const int rows = rowsFor(fewest, columns);
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
    const int rowHeight = symbol.rowHeight;

    // One rectangle per run of bars in a row, grown down over the rows below
    // that have the same run (the start and stop patterns, mostly), so a PDF
    // page holds few objects. The rectangles are in modules, whole numbers
    // the painter scales: a PDF page writes each in a few characters.
    struct Run {
        int start;
        int end;
        size_t bar;  // its rectangle in `bars`
    };
    std::vector<QRectF> bars;
    std::vector<Run> above;
    std::vector<Run> here;
    for (int row = 0; row < symbol.rows; ++row) {
        const uint8_t* modules = symbol.modules.data() + size_t(row) * size_t(symbol.columns);
        size_t next = 0;  // the first run above that may match
        int column = 0;
        here.clear();
        while (column < symbol.columns) {
            if (!modules[column]) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < symbol.columns && modules[column]) ++column;
            while (next < above.size() && above[next].start < start) ++next;
            if (next < above.size() && above[next].start == start && above[next].end == column) {
                QRectF& bar = bars[above[next].bar];
                bar.setHeight(bar.height() + rowHeight);
                here.push_back({start, column, above[next].bar});
            } else {
                bars.emplace_back(start, row * rowHeight, column - start, rowHeight);
                here.push_back({start, column, bars.size() - 1});
            }
        }
        std::swap(above, here);
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.translate(box.center().x() - symbol.columns * module / 2,
                      box.center().y() - symbol.rows * rowHeight * module / 2);
    painter.scale(module, module);
    painter.drawRects(bars.data(), int(bars.size()));
    painter.restore();
}

}  // namespace tavo::printing
