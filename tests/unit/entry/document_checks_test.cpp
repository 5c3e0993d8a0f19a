// The checks of a whole document in the entry window: the list of missing
// data, and the treasury defaults that depend on the beneficiary assistant's
// obligation list.
#include "entry_fixture.h"

namespace tavo {
namespace {

class DocumentChecks : public EntryFixture {};

// The lists of missing data are in the entry cases of tests/e2e (entry-*.case
// and calendar-picker.case); a programme code of the right kind but nine digits
// long is not among them.
TEST_F(DocumentChecks, ProgrammeCodeOfNineDigits) {
    entry.titlu = "ORDIN DE PLATA";
    fillComplete();
    entry.d1[D1::IBAN_platitor] = "RO21TREZ13124A510103XXXX";
    entry.d1[D1::cod_program] = "123456789";
    entry.verif_OP2();
    EXPECT_EQ(state.lista_erori, QStringList{"Cod program sa aiba lungimea de 10; "});
}

// The name, fiscal code and object of a treasury beneficiary come from the
// obligation chosen in the beneficiary assistant, where the user left them empty.
TEST_F(DocumentChecks, TreasuryDefaultsFromTheChosenObligation) {
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
        {"02.(20030118XX", "BUGETUL DE STAT", "13548146",
         "Impozitul pe veniturile din transferul proprietatilor imobiliare din patrimoniul "
         "personal"},
    };
    beneficiary::ReferenceList& obligations = lists.Form_IBAN.oblig1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.obligationPrefix);
        int row = 0;
        while (row < obligations.count() && !obligations.row(row).startsWith(c.obligationPrefix))
            ++row;
        ASSERT_LT(row, obligations.count());
        obligations.select(row);
        fillComplete();
        for (int k : {7, 8, 12}) entry.d1[size_t(k)].clear();
        entry.verif_OP();
        EXPECT_EQ(entry.d1[D1::beneficiar], c.name);
        EXPECT_EQ(entry.d1[D1::CIF_beneficiar], c.code);
        EXPECT_EQ(entry.d1[D1::reprezentand], c.object);
        EXPECT_EQ(entry.b1[B1::BIC_beneficiar], "TREZROBU");
        EXPECT_EQ(entry.F1[F1::beneficiar], entry.d1[D1::beneficiar]);
    }
    // Fields the user filled are kept.
    fillComplete();
    entry.verif_OP();
    EXPECT_EQ(entry.d1[D1::beneficiar], "BUGETUL DE STAT");
    EXPECT_EQ(entry.d1[D1::reprezentand], "IMPOZIT");
}

}  // namespace
}  // namespace tavo
