#include "printing/payload.h"

#include "text/text_file.h"

namespace tavo::printing {
namespace {

bool blank(const QString& text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

}  // namespace

QString text_CB(const PayloadSource& document) {
    const auto& d1 = document.d1;
    QString payload =
        QStringLiteral("#") + d1[D1::nr_OP] + "#," + d1[D1::suma] + ",#" + d1[D1::platitor] + "#," +
        d1[D1::CIF_platitor] + ",#" + d1[D1::adresa_platitor] + "#,#" + d1[D1::IBAN_platitor] +
        "#,#" + document.BIC_platitor + "#,#" + d1[D1::beneficiar] + "#," + d1[D1::CIF_beneficiar] +
        ",#" + d1[D1::IBAN_beneficiar] + "#,#" + document.BIC_beneficiar + "#," +
        d1[D1::nr_evidenta] + ",#" + d1[D1::reprezentand].left(kReprezentandInPayload) + "#," +
        d1[D1::data_emiterii];
    // cod_angajament, indicator_angajament, data_debitarii, cod_program
    const bool commitment = !blank(d1[D1::cod_angajament]) ||
                            !blank(d1[D1::indicator_angajament]) ||
                            !blank(d1[D1::data_debitarii]) || !blank(d1[D1::cod_program]);
    if (commitment) {
        payload += ",#" + d1[D1::cod_angajament] + "#,#" + d1[D1::indicator_angajament] + "#,#" +
                   d1[D1::cod_program] + "#," + d1[D1::data_debitarii];
    }
    return payload;
}

bool scrie_OPCB(const QDir& folder, const PayloadSource& document, QString* error) {
    // Written anew at every listing: replaced whole, but not waited for on disk.
    return text::writeLines(folder.filePath(QStringLiteral("OPCB.txt")), {text_CB(document)}, error,
                            text::Durability::Unsynced);
}

PayloadSource payloadSourceOf(const std::array<QString, kD1Count>& d1,
                              const std::array<QString, kB1Count>& b1) {
    PayloadSource source;
    source.d1 = d1;
    source.BIC_platitor = b1[B1::BIC_platitor];
    source.BIC_beneficiar = b1[B1::BIC_beneficiar];
    return source;
}

}  // namespace tavo::printing
