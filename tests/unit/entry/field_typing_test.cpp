// What typing and leaving the entry window's fields leave in them, and the hints given.
#include "entry/form_iban.h"
#include "entry/incarc_texts.h"
#include "entry_fixture.h"

namespace tavo {
namespace {

const QString kNoBreak(QChar(0x00A0));

TEST(FieldTyping, BlanksOfAnIbanGoBeforeTheLimit) {
    struct Case {
        int k;  // -1: the assistant's codIBAN, -2 its nrEVID
        QString beforeCaret, afterCaret;
        int limit;  // -1: the field's own
        QString text;
        qsizetype caret;
    };
    const QString iban = QStringLiteral("RO46RNCB0089000000000001");
    const std::vector<Case> cases = {
        {9, " \tro46" + kNoBreak + "rncb" + kNoBreak + "0089 0000" + QChar(0x202F) + "0000 0001 ",
         "", -1, "ro46rncb0089000000000001", 24},
        // More than the limit: what was typed last is cut, the rest stays.
        {5, "RO46 RNCB 0089 0000 0000 0001 77", "", -1, iban, 24},
        {9, "RO46RNCB00897", "000000000001", -1, iban, 12},
        {9, "RO46RNCB 0089", " 0000 0000 0001", -1, iban, 12},
        // A longer text the program put there is the limit the view passes.
        {9, QString(30, 'X') + " 1", "", 32, QString(30, 'X') + "1", 31},
        // Other fields keep their blanks.
        {0, "12 34", "", -1, "12 34", 5},
        {-2, "2023 0131 0000 0000 0000 017", "", -1, "2023 0131 0000 0000 000", 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.beforeCaret.toStdString());
        const text::TypedText typed =
            c.k >= 0 ? Incarc::typedText(c.k, c.beforeCaret, c.afterCaret, c.limit)
                     : Form_IBAN::typedText(c.k == -1 ? "codIBAN" : "nrEVID", c.beforeCaret,
                                            c.afterCaret, c.limit);
        EXPECT_EQ(typed.text, c.text);
        EXPECT_EQ(typed.caret, c.caret);
    }
}

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

class FieldHints : public EntryFixture {};

const QString kBankPayer = QStringLiteral("RO46RNCB0089000000000001");

TEST_F(FieldHints, ValuesAndHintsLeft) {
    const QString grouped = "Suma: %1 a fost citit ca %2 lei; pentru %3 lei scrieti %3, fara punct";
    const QString indicator = "Indicator: se lasa necompletat pentru codul de angajament ";
    const QString realDate =
        "Data emiterii: scrieti o data reala, zz/ll/aaaa (de exemplu 05/03/2023)";
    const QString today = "15/03/2023";
    const std::vector<HintCase> cases = {
        {1, "15OO", {}, false, 1, "", "Suma: scrieti 1500 sau 1500,50", false},
        {1, "0,00", {}, false, 1, "", incarc_texts::hintAmount, false},
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
        {0, "///", {}, false, 0, "", incarc_texts::hintNumber, false},
        // A date that is not one: emptied, or today's for a treasury payer.
        {13, "31/02/2023", {{5, kBankPayer}}, false, 13, "", realDate, false},
        {13, "31/02/2023", {}, false, 13, today, incarc_texts::hintIssueDate, false},
        {13, "", {}, false, 13, today, "", false},
        {16, "30/02/2024", {{3, "14818116"}}, false, 16, today, incarc_texts::hintDebitDate, false},
        // The beneficiary's code: a payment order has its message, a deposit slip
        // none, and a treasury beneficiary gets the payer's code instead.
        {8, "123", {}, true, 8, "13548146", incarc_texts::hintBeneficiaryCode, false},
        {8, "123", {{9, kBankPayer}}, true, 8, "", incarc_texts::hintBeneficiaryCode, false},
        {8, "123", {}, false, 8, "13548146", "", true},
        // A special commitment code empties the indicator, typed before or after it.
        {15, "123", {{14, "ZZZZZZZZZZZ"}}, false, 15, "", indicator + "ZZZZZZZZZZZ", false},
        {14, "YYYYYYYYYYY", {{15, "123"}}, false, 15, "", indicator + "YYYYYYYYYYY", false},
        {17, "1234567890", {{14, "ABC"}, {15, "123"}}, false, 15, "123", "", false},
    };
    entry.todayForTests = [] { return QDate(2023, 3, 15); };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("d1(%1) %2").arg(c.k).arg(c.typed).toStdString());
        // A complete payment order from a treasury payer, its labels worked out.
        entry.titlu = c.depositSlip ? incarc_texts::titluFV : incarc_texts::titluOP;
        fillComplete();
        if (c.depositSlip)
            entry.d1[D1::IBAN_platitor].clear();
        for (const auto& [k, text] : c.changes) entry.d1[size_t(k)] = text;
        entry.verif_OP();
        entry.clearHint();
        shown.clear();
        const int before = entry.hintsGiven;
        if (!c.answer.isEmpty())
            ui.queueAnswer(c.answer);
        entry.setFocus(Incarc::fieldName(c.k));
        entry.typeText(c.k, c.typed);
        entry.setFocus(QString());
        EXPECT_EQ(entry.hint.field, c.hint.isEmpty() ? -1 : c.changed);
        EXPECT_EQ(entry.hint.text, c.hint);
        EXPECT_EQ(entry.hintsGiven, before + (c.hint.isEmpty() ? 0 : 1));
        EXPECT_EQ(entry.d1[size_t(c.changed)], c.value);
        EXPECT_EQ(!shown.isEmpty(), c.message) << shown.join('\n').toStdString();
    }
}

}  // namespace
}  // namespace tavo
