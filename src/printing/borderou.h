#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "beneficiary/reference_lists.h"
#include "printing/period.h"

namespace tavo::printing {

// The two payment summaries of the main window.
enum class FelBorderou {
    OpFv,  // "Borderou (1) OP/FV": one payer IBAN, in the heading
    Op,    // "Borderou (2) OP": payment orders, each with its payer IBAN
};

// What the user asked for.
struct SummaryRequest {
    FelBorderou fel = FelBorderou::OpFv;
    QString CIF;  // the payer's fiscal code, compared as text with field 5
    Period perioada;
    QString tip;  // "OP", "FV", or empty for both types
};

// Borderou.txt as it is written.
struct Borderou {
    // CP1250 lines, each ending in CR LF; empty when scrie_borderou wrote them out.
    QByteArray continut;
    qint64 documente = 0;   // documents listed
    qint64 totalBani = 0;   // their amounts added up, in bani
    bool overflow = false;  // the total could not be held (it is shown as stars)

    QStringList linii() const;
};

inline constexpr const char* kFisierBorderou = "Borderou.txt";

// The summary of the stored documents (the bytes of ordine.txt) that the
// request selects, in file order. Lines that are not documents are passed
// over. Only the lines of the payer are taken apart, and only the selected
// ones are decoded: a file of many documents is read in one pass.
Borderou cre_borderou(QByteArrayView orders, const SummaryRequest& request,
                      const beneficiary::ReferenceList& Banci1);

// An amount as the summary shows it: the empty text as "0.00", a text without
// "." with ".00" appended, one decimal completed with "0", anything else as
// it stands.
QString summaryAmount(const QString& amount);

// The total line's amount: integer part, "." and two decimals, or
// "***************.**" when the integer part needs 16 or more characters (or
// the sum overflowed).
QString totalBorderou(qint64 bani, bool overflow = false);

// Reads ordersPath and writes the summary to summaryPath (replacing an
// earlier one) as it is made, without holding it whole. False, with `error`
// saying which file and why, when either fails; a summary that could not be
// written whole is removed.
bool scrie_borderou(const QString& ordersPath, const QString& summaryPath,
                    const SummaryRequest& request, const beneficiary::ReferenceList& Banci1,
                    Borderou* result = nullptr, QString* error = nullptr);

}  // namespace tavo::printing
