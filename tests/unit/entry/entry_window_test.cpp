// The entry window's checks of a whole document, its text image and print layout.
#include "entry_fixture.h"
#include "text/text_file.h"

namespace tavo {
namespace {

class DocumentChecks : public EntryFixture {};

// The lists of missing data are in tests/e2e (entry-*.case, calendar-picker.case).
TEST_F(DocumentChecks, ProgrammeCodeOfNineDigits) {
    entry.titlu = "ORDIN DE PLATA";
    fillComplete();
    entry.d1[D1::IBAN_platitor] = "RO21TREZ13124A510103XXXX";
    entry.d1[D1::cod_program] = "123456789";
    entry.verif_OP2();
    EXPECT_EQ(state.lista_erori, QStringList{"Cod program sa aiba lungimea de 10; "});
}

// A treasury beneficiary's empty name, code and object come from the chosen obligation.
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

class TextImageCommand : public EntryFixture {};

// The note needs "1" as the 18th character: in double parentheses on the form
// (LKELM.txt is in tests/e2e/text-image.case), single on both printed copies.
TEST_F(TextImageCommand, DeclarationNoteOnTheFormAndOnBothPrintedCopies) {
    const QString note = "(1-OP cu valoare de declaratie)";
    const struct {
        QString nr_evidenta;
        bool note;
    } cases[] = {
        {"202301310000000001", true},       {"20230131000000000100017", true},
        {"20230131000000001", false},       {"202301310000000010", false},
        {"20230131000000000000017", false}, {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nr_evidenta.toStdString());
        shown.clear();
        entry.val_decl.fill("before");
        entry.d1[D1::nr_evidenta] = c.nr_evidenta;
        entry.Command3_Click();
        EXPECT_EQ(entry.val_decl[0], c.note ? "(" + note + ")" : QString());
        EXPECT_EQ(entry.val_decl[1], "before");
        EXPECT_EQ(shown, QStringList{"OPEN LKELM.txt"});
        entry.aranjare_listare(0);
        EXPECT_EQ(entry.val_decl[0], c.note ? note : QString());
        EXPECT_EQ(entry.val_decl[1], entry.val_decl[0]);
    }
}

TEST_F(TextImageCommand, FileThatCannotBeWrittenIsSaidAndNotOpened) {
    ASSERT_TRUE(text::writeLines(dir.filePath("LKELM.txt"), {"an older image"}));
    // The new image cannot take the place of the old one.
    ASSERT_TRUE(QDir(dir.path()).mkdir("LKELM.txt.tmp"));
    entry.Command3_Click();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("MSG exclamation||Fisierul 'LKELM.txt' nu a putut fi scris ("))
        << shown[0].toStdString();
    // No stale image is left to be taken for this document's.
    EXPECT_FALSE(QFile::exists(dir.filePath("LKELM.txt")));
}

}  // namespace
}  // namespace tavo
