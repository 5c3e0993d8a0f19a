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
    QString payload = QStringLiteral("#") + d1[0] + "#," + d1[1] + ",#" + d1[2] + "#," + d1[3] +
                      ",#" + d1[4] + "#,#" + d1[5] + "#,#" + document.BIC_platitor + "#,#" + d1[7] +
                      "#," + d1[8] + ",#" + d1[9] + "#,#" + document.BIC_beneficiar + "#," +
                      d1[11] + ",#" + d1[12].left(kReprezentandInPayload) + "#," + d1[13];
    // cod_angajament, indicator_angajament, data_debitarii, cod_program
    const bool commitment = !blank(d1[14]) || !blank(d1[15]) || !blank(d1[16]) || !blank(d1[17]);
    if (commitment) {
        payload += ",#" + d1[14] + "#,#" + d1[15] + "#,#" + d1[17] + "#," + d1[16];
    }
    return payload;
}

bool scrie_OPCB(const QDir& folder, const PayloadSource& document, QString* error) {
    // Written anew at every listing: replaced whole, but not waited for on disk.
    return text::writeLines(folder.filePath(QStringLiteral("OPCB.txt")), {text_CB(document)}, error,
                            text::Durability::Unsynced);
}

}  // namespace tavo::printing
