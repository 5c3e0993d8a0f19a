// The barcode payload: the input split at "|" into the entry window's 18
// fields and two BIC labels, cleaned, and the PDF417 symbol of its bytes.
#include <QSizeF>
#include <QStringList>
#include <algorithm>

#include "fuzz_support.h"
#include "printing/barcode.h"
#include "printing/form_drawing.h"
#include "printing/payload.h"
#include "text/cleaners.h"

using namespace tavo;
using namespace tavo::printing;
using namespace tavo::text;

namespace {

bool trimmed(const QString& text) {
    return text.isEmpty() || (text.front() != QLatin1Char(' ') && text.back() != QLatin1Char(' '));
}

bool hasAny(const QString& text, const char* characters) {
    return std::any_of(text.begin(), text.end(), [characters](QChar c) {
        return c.unicode() < 0x80 && c.unicode() != 0 && std::strchr(characters, c.toLatin1());
    });
}

// The cleaned field as the entry window keeps it for the barcode.
QString cleaned(const QString& field) {
    const QString clean = curatare_camp(field);
    FUZZ_CHECK(!hasAny(clean, ",#\r\n"));

    const QString filtered = filtru_CB(field);
    FUZZ_CHECK(trimmed(filtered));
    FUZZ_CHECK(fuzz::consistsOf(
        filtered, " .0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    FUZZ_CHECK(filtru_CB(filtered) == filtered);

    const QString replaced = inlocuire_CB(clean);
    FUZZ_CHECK(trimmed(replaced));
    FUZZ_CHECK(!hasAny(replaced, ",#\r\n!\"$%&'*+:;<?@[\\]^_`{|}~"));
    FUZZ_CHECK(inlocuire_CB(replaced) == replaced);
    return replaced;
}

void checkBarcode(const QByteArray& bytes) {
    const Pdf417 symbol = encodeBarcode(bytes, QSizeF(form::kBarcode.size()));
    if (!symbol.ok()) {
        FUZZ_CHECK(!symbol.error.isEmpty());
        return;
    }
    FUZZ_CHECK(symbol.modules.size() == size_t(symbol.rows) * size_t(symbol.columns));
    FUZZ_CHECK(symbol.dataColumns >= 1 && symbol.dataColumns <= 30);
    FUZZ_CHECK(symbol.rows >= 3 && symbol.rows <= 90);
}

QByteArray payloadOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('|'));
    PayloadSource source;
    for (size_t k = 0; k < source.d1.size(); ++k) source.d1[k] = cleaned(parts.value(qsizetype(k)));
    source.BIC_platitor = cleaned(parts.value(18));
    source.BIC_beneficiar = cleaned(parts.value(19));
    const QString payload = text_CB(source);
    // Cleaned fields keep the payload's layout: the "#" are its own.
    const qsizetype hashes = payload.count(QLatin1Char('#'));
    FUZZ_CHECK(hashes == 18 || hashes == 24);
    return text::toCp1250(payload);
}

void checkPayloads(QByteArrayView bytes) {
    payloadOf(QString::fromUtf8(bytes));
    checkBarcode(payloadOf(text::fromCp1250(bytes)));
}

}  // namespace

TAVO_FUZZ_TARGET(false, checkPayloads)
