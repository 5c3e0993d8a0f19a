// Leaving a field: the value it keeps, the hint given and the messages.
#include "document/field_checks.h"

#include <gtest/gtest.h>

#include "../helpers.h"
#include "checks/amounts.h"
#include "document/document_texts.h"

namespace tavo::document {
namespace {

// A field typed into and left: the hint given (in `changed`; none if empty), the
// value `changed` keeps, and whether the program's own message came instead.
struct HintCase {
    int k;
    QString typed;
    std::vector<std::pair<int, QString>> changes;  // the document before
    bool depositSlip;
    int changed;
    QString value, hint;
    bool message;
    QString answer = {};  // to the thousands question, when it is asked
};

const QString kBankPayer = QStringLiteral("RO46RNCB0089000000000001");

TEST(LeaveField, ValuesHintsAndMessages) {
    const QString grouped = "Suma: %1 a fost citit ca %2 lei; pentru %3 lei scrieti %3, fara punct";
    const QString indicator = "Indicator: se lasa necompletat pentru codul de angajament ";
    const QString realDate =
        "Data emiterii: scrieti o data reala, zz/ll/aaaa (de exemplu 05/03/2023)";
    const QString today = "15/03/2023";
    const std::vector<HintCase> cases = {
        {1, "15OO", {}, false, 1, "", "Suma: scrieti 1500 sau 1500,50", false},
        {1, "0,00", {}, false, 1, "", document_texts::hintAmount, false},
        {1, "  ", {}, false, 1, "", "", false},
        // Digits grouped by thousands as the form shows them: the user is asked,
        // and the amount is read as answered.
        {1, "1.500", {}, false, 1, "1.50", "", true, "no"},
        {1, " 12.500,00", {}, false, 1, "12500.00", "", true, "yes"},
        // A signed one is not asked: its "." is read as decimals, and hinted.
        {1, "-1.500", {}, false, 1, "1.50", grouped.arg("-1.500", "1,50", "1500"), false},
        {1, " +12.345", {}, false, 1, "12.34", grouped.arg("+12.345", "12,34", "12345"), false},
        {1, "1234.567", {}, false, 1, "1234.56", "", false},
        {1, "1.5", {}, false, 1, "1.50", "", false},
        {0, "///", {}, false, 0, "", document_texts::hintNumber, false},
        // A date that is not one: emptied, or today's for a treasury payer.
        {13, "31/02/2023", {{5, kBankPayer}}, false, 13, "", realDate, false},
        {13, "31/02/2023", {}, false, 13, today, document_texts::hintIssueDate, false},
        {13, "", {}, false, 13, today, "", false},
        {16,
         "30/02/2024",
         {{3, "14818116"}},
         false,
         16,
         today,
         document_texts::hintDebitDate,
         false},
        // The beneficiary's code: a payment order has its message, a deposit slip
        // none, and a treasury beneficiary gets the payer's code instead.
        {8, "123", {}, true, 8, "13548146", document_texts::hintBeneficiaryCode, false},
        {8, "123", {{9, kBankPayer}}, true, 8, "", document_texts::hintBeneficiaryCode, false},
        {8, "123", {}, false, 8, "13548146", "", true},
        // A special commitment code empties the indicator, typed before or after it.
        {15, "123", {{14, "ZZZZZZZZZZZ"}}, false, 15, "", indicator + "ZZZZZZZZZZZ", false},
        {14, "YYYYYYYYYYY", {{15, "123"}}, false, 15, "", indicator + "YYYYYYYYYYY", false},
        {17, "1234567890", {{14, "ABC"}, {15, "123"}}, false, 15, "123", "", false},
    };
    const beneficiary::ReferenceLists lists = beneficiary::builtInLists();
    for (const HintCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("d1(%1) %2").arg(c.k).arg(c.typed).toStdString());
        // A complete payment order from a treasury payer, its labels worked out.
        Document document;
        document.op = !c.depositSlip;
        document.d1 = fieldsOf<kD1Count>(
            "12,100,ALFA SRL,13548146,STR. MARE 1,RO29TREZ1315069XXX000001,,BUGETUL DE STAT,"
            "4221306,RO21TREZ13120A010101XXXX,,,IMPOZIT,15/01/2025,,,,");
        if (c.depositSlip)
            document[D1::IBAN_platitor].clear();
        for (const auto& [k, text] : c.changes) document.d1[size_t(k)] = text;
        CheckContext context{lists.Form_IBAN.Banci1, QString(), QDate(2023, 3, 15),
                             c.answer == QLatin1String("yes")};
        Labels labels;
        checkDocument(document, labels, context);
        document.d1[size_t(c.k)] = c.typed;
        const FieldFindings found = leaveField(document, labels, c.k, context);
        EXPECT_EQ(found.hint.field, c.hint.isEmpty() ? -1 : c.changed);
        EXPECT_EQ(found.hint.text, c.hint);
        EXPECT_EQ(found.hintsGiven, c.hint.isEmpty() ? 0 : 1);
        EXPECT_EQ(document.d1[size_t(c.changed)], c.value);
        // The thousands question is the caller's to ask: it counts as a message.
        const bool asked = c.k == D1::suma && checks::thousandsQuestion(c.typed);
        EXPECT_EQ(!found.notices.empty() || asked, c.message);
        EXPECT_EQ(asked, !c.answer.isEmpty());
    }
}

}  // namespace
}  // namespace tavo::document
