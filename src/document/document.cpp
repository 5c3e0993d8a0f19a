#include "document/document.h"

namespace tavo::document {

QString Document::type() const {
    return op ? kOP : kFV;
}

Document Document::fromStored(const store::ordin& line, bool fallbackOp) {
    Document document;
    document.nr_ordine = line[store::nr_ordine];
    const QString& type = line[store::tip_doc];
    document.op = type == kOP || type == kFV ? type == kOP : fallbackOp;
    for (int k = 0; k < kD1Count; ++k) document.d1[size_t(k)] = line[store::positionOfField(k)];
    return document;
}

store::ordin Document::toStored() const {
    store::ordin line;
    line[store::nr_ordine] = nr_ordine;
    for (int k = 0; k < kD1Count; ++k) line[store::positionOfField(k)] = d1[size_t(k)];
    line[store::tip_doc] = type();
    return line;
}

Document prefilledFrom(const store::ordin& last, bool op) {
    Document document;
    document.op = op;
    for (D1 k : {D1::platitor, D1::CIF_platitor, D1::adresa_platitor, D1::sucursala_platitor,
                 D1::nr_evidenta})
        document[k] = last[store::positionOfField(k)];
    if (op)
        document[D1::IBAN_platitor] = last[store::IBAN_platitor];
    return document;
}

}  // namespace tavo::document
