#include "printing/form_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "printing/form_layout.h"

namespace tavo::printing {
namespace {

using layout::Style;

constexpr qreal kLineWidth = 12;     // frame and section lines
constexpr qreal kBoxWidth = 10;      // field boxes
constexpr int kSmallestValue = 100;  // a value is not shrunk below 5 pt

// A rectangle drawn with its whole stroke inside `box`, so that the outline
// stays within the room the box stands for.
void outline(QPainter& painter, const QRect& box, qreal width) {
    const qreal half = width / 2;
    painter.setPen(QPen(Qt::black, width));
    painter.drawRect(QRectF(box).adjusted(half, half, -half, -half));
}

// A dotted line along the bottom of a label's box: where its text is written.
void underline(QPainter& painter, const QRect& box) {
    painter.setPen(QPen(Qt::black, 8, Qt::DotLine));
    const qreal y = box.bottom() - 10;
    painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
}

void drawLines(QPainter& painter, bool order) {
    const QRect& frame = layout::kFrame;
    outline(painter, frame, kLineWidth);
    painter.setPen(QPen(Qt::black, kLineWidth));
    for (const int y : {layout::kTopLine, layout::kPayerEnd, layout::kBeneficiaryEnd})
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
    if (order) {
        // The acceptance and transfer-type blocks beside the dates.
        for (const int x : {layout::kAcceptanceLeft, layout::kTransferLeft})
            painter.drawLine(QPointF(x, layout::kBeneficiaryEnd), QPointF(x, frame.bottom()));
        // Where the beneficiary's bank signs on receiving the order.
        painter.setPen(QPen(Qt::black, 8, Qt::DotLine));
        painter.drawLine(QPointF(8200, 6320), QPointF(9050, 6320));
        for (const QRect& square : layout::transferSquares()) outline(painter, square, kBoxWidth);
    }
    // The barcode's place, outlined only.
    painter.setPen(QPen(Qt::gray, 8, Qt::DotLine));
    painter.drawRect(QRectF(form::kBarcode).adjusted(4, 4, -4, -4));
}

// Fits a one-line value into `area`: smaller font first, then cut short.
void writeLine(QPainter& painter, const QRect& area, const QString& text) {
    QFont font = layout::font(Style::Value);
    int size = font.pixelSize();
    int advance = QFontMetrics(font).horizontalAdvance(text);
    while (advance > area.width() && size > kSmallestValue) {
        size = std::max(kSmallestValue, std::min(size - 5, size * area.width() / advance));
        font = layout::font(Style::Value, size);
        advance = QFontMetrics(font).horizontalAdvance(text);
    }
    painter.setFont(font);
    // A text that fits is not measured again to be cut short (the advance is
    // rounded: only one clearly narrower is sure to fit).
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     advance < area.width()
                         ? text
                         : QFontMetrics(font).elidedText(text, Qt::ElideRight, area.width()));
}

// Fits a value into the two lines of `area`, word-wrapped, with a smaller
// font if it does not fit; a long word is broken where it must be.
void writeLines(QPainter& painter, const QRect& area, const QString& text) {
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    QFont font;
    for (int size = layout::font(Style::Value).pixelSize();; size -= 5) {
        font = layout::font(Style::Value, size);
        const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
        if (needed.height() <= area.height() && needed.width() <= area.width())
            break;
        if (size <= kSmallestValue) {
            flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWrapAnywhere;
            break;
        }
    }
    painter.setFont(font);
    painter.drawText(area, flags, text);
}

void writeInBox(QPainter& painter, const QRect& box, const QString& value, bool twoLines) {
    const QString text = value.trimmed();
    if (text.isEmpty())
        return;
    // drawText keeps to the area it is given, whatever the text.
    const QRect area = box.adjusted(40, 10, -30, -10);
    if (twoLines)
        writeLines(painter, area, text);
    else
        writeLine(painter, area, text);
}

}  // namespace

void drawForm(QPainter& painter, const FormLook& look) {
    const bool order = look.type == FormType::OP;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);
    drawLines(painter, order);

    for (int i = 0; i < kD1Count; ++i) {
        if (layout::d1Shown(i, look))
            outline(painter, d1Box(i), kBoxWidth);
    }
    // The labels: the amount in words, the BICs and the banks. The deposit
    // slip has neither the payer's bank nor the BIC captions.
    underline(painter, b1Box(B1::suma_litere));
    underline(painter, b1Box(B1::banca_beneficiar));
    if (order) {
        for (const B1 i : {B1::BIC_platitor, B1::banca_platitor, B1::BIC_beneficiar})
            underline(painter, b1Box(i));
    }

    painter.setPen(Qt::black);
    std::optional<Style> style;  // of the painter's font
    for (const layout::Caption& caption : layout::captions(look)) {
        if (style != caption.style) {
            style = caption.style;
            painter.setFont(layout::font(caption.style));
        }
        painter.drawText(caption.place, Qt::AlignLeft | Qt::AlignVCenter, caption.text);
    }
    painter.restore();
}

void drawValues(QPainter& painter, const FormLook& look, const FormValues& values) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    // The amount is written grouped, as its derived label, in the amount's box.
    for (int i = 0; i < int(values.d1.size()); ++i) {
        if (i != D1::suma && layout::d1Shown(i, look))
            writeInBox(painter, d1Box(i), values.d1[size_t(i)], d1TwoLines(i));
    }
    // The labels after the order mark repeat the commitment and programme
    // fields, already written.
    const bool order = look.type == FormType::OP;
    // A deposit slip has no payer bank and no BICs.
    for (int i = 0; i <= B1::marcaj_ordine; ++i) {
        if (order || (i != B1::BIC_platitor && i != B1::banca_platitor && i != B1::BIC_beneficiar))
            writeInBox(painter, b1Box(i), values.b1[size_t(i)], false);
    }
    writeInBox(painter, valDeclBox(), values.val_decl, false);
    painter.restore();
}

}  // namespace tavo::printing
