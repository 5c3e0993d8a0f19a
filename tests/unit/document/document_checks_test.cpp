// The check of a whole document: the missing data and the treasury defaults.
#include "document/document_checks.h"

#include <gtest/gtest.h>

#include "../helpers.h"

namespace tavo::document {
namespace {

// A complete payment order from a treasury payer to a treasury beneficiary.
Document complete() {
    Document document;
    document.d1 = fieldsOf<kD1Count>(
        "12,100,ALFA SRL,13548146,STR. MARE 1,RO29TREZ1315069XXX000001,,BUGETUL DE STAT,"
        "4221306,RO21TREZ13120A010101XXXX,,,IMPOZIT,15/01/2025,,,,");
    return document;
}

const beneficiary::ReferenceLists& lists() {
    static const beneficiary::ReferenceLists built = beneficiary::builtInLists();
    return built;
}

// The lists of missing data are in tests/e2e (entry-*.case, calendar-picker.case).
TEST(MissingData, ProgrammeCodeOfNineDigits) {
    Document document = complete();
    document[D1::IBAN_platitor] = "RO21TREZ13124A510103XXXX";
    document[D1::cod_program] = "123456789";
    EXPECT_EQ(missingData(document), QStringList{"Cod program sa aiba lungimea de 10; "});
    EXPECT_EQ(missingDataMessage({"a; ", "b; "}), "a; \r\nb; \r\n");
}

// A treasury beneficiary's empty name, code and object come from the chosen obligation.
TEST(CheckDocument, TreasuryDefaultsFromTheChosenObligation) {
    struct Case {
        const char* obligationPrefix;
        QString name, code, object;
    };
    const std::vector<Case> cases = {
        {"65.(51161009XX", "FONDUL PENTRU MEDIU", "13548146",
         "Disponibil din timbrul de mediu pentru autovehicule"},
        // The object is cleaned like a typed one: its commas become blanks.
        {"01.(5503", "BUGETUL DE STAT", "13548146",
         "BUGETUL DE STAT  BUGETELE ASIG.SOC. SI FD.SPEC.  in curs de distribuire"},
    };
    const beneficiary::ReferenceList& obligations = lists().Form_IBAN.oblig1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.obligationPrefix);
        int row = 0;
        while (row < obligations.count() && !obligations.row(row).startsWith(c.obligationPrefix))
            ++row;
        ASSERT_LT(row, obligations.count());
        Document document = complete();
        for (D1 k : {D1::beneficiar, D1::CIF_beneficiar, D1::reprezentand}) document[k].clear();
        Labels labels;
        const DocumentFindings found =
            checkDocument(document, labels, {lists().Form_IBAN.Banci1, obligations.row(row)});
        EXPECT_TRUE(found.complete);
        EXPECT_TRUE(found.notices.empty());
        EXPECT_EQ(document[D1::beneficiar], c.name);
        EXPECT_EQ(document[D1::CIF_beneficiar], c.code);
        EXPECT_EQ(document[D1::reprezentand], c.object);
        EXPECT_EQ(labels[B1::BIC_beneficiar], "TREZROBU");
    }
    // Fields the user filled are kept.
    Document document = complete();
    Labels labels;
    checkDocument(document, labels, {lists().Form_IBAN.Banci1, obligations.row(0)});
    EXPECT_EQ(document[D1::beneficiar], "BUGETUL DE STAT");
    EXPECT_EQ(document[D1::reprezentand], "IMPOZIT");
}

}  // namespace
}  // namespace tavo::document
