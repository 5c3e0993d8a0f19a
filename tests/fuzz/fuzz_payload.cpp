// The barcode payload: the input split at "|" into the 18 fields of the entry
// window and the two BIC labels, each field through the cleaners, the payload
// built from the cleaned fields, and the PDF417 symbol of its bytes.
#include <QSizeF>
#include <QStringList>

#include "fuzz_support.h"
#include "printing/barcode.h"
#include "printing/form_drawing.h"
#include "printing/payload.h"
#include "text/cleaners.h"

using namespace tavo;
using namespace tavo::printing;
using namespace tavo::text;

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ');
}

bool trimmed(const QString& text) {
    return text.isEmpty() || (!isBlank(text.front()) && !isBlank(text.back()));
}

bool hasAny(const QString& text, const char* characters) {
    for (const char* c = characters; *c; ++c) {
        if (text.contains(QLatin1Char(*c)))
            return true;
    }
    return false;
}

// The cleaned field as the entry window keeps it for the barcode.
QString cleaned(const QString& field) {
    const QString clean = curatare_camp(field);
    FUZZ_CHECK(!hasAny(clean, ",#\r\n"));

    const QString filtered = filtru_CB(field);
    FUZZ_CHECK(trimmed(filtered));
    for (const QChar c : filtered) {
        FUZZ_CHECK(c == QLatin1Char(' ') || c == QLatin1Char('.') ||
                   (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                   (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                   (c >= QLatin1Char('a') && c <= QLatin1Char('z')));
    }
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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication(argc, argv, false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    payloadOf(fuzz::fromTyping(data, size));
    checkBarcode(payloadOf(fuzz::fromFile(data, size)));
    return 0;
}
