// What the field checks take from the user comes back with Ctrl+Z, and the
// hint of a field stays until the user types in it again.
#include "entry/incarc_texts.h"
#include "entry_fixture.h"

namespace tavo {
namespace {

const QString kBankPayer = QStringLiteral("RO46RNCB0089000000000001");

class RestoreTyped : public EntryFixture {
  protected:
    RestoreTyped() {
        entry.todayForTests = [] { return QDate(2026, 3, 15); };
    }

    // A complete payment order (a deposit slip with `depositSlip`) changed by
    // `changes`, its labels worked out; then `typed` typed into d1(k) and left.
    void typeAndLeave(int k, const QString& typed,
                      const std::vector<std::pair<int, QString>>& changes = {},
                      bool depositSlip = false) {
        entry.titlu = depositSlip ? incarc_texts::titluFV : incarc_texts::titluOP;
        fillComplete();
        if (depositSlip)
            entry.d1[D1::IBAN_platitor].clear();
        for (const auto& [field, text] : changes) entry.d1[size_t(field)] = text;
        entry.verif_OP();
        entry.setFocus(Incarc::fieldName(k));
        entry.typeText(k, typed);
        entry.setFocus(QString());
    }
};

TEST_F(RestoreTyped, WhatACheckTookComesBackSelected) {
    struct Case {
        int k;
        QString typed;
        std::vector<std::pair<int, QString>> changes;
        bool depositSlip;
        QString left;  // what the checks leave in the field
        bool restorable;
        QString answer = {};  // to the thousands question
    };
    const std::vector<Case> cases = {
        // Emptied, with a message or a hint.
        {3, "1234567", {}, false, "", true},
        {1, "15OO", {}, false, "", true},
        {13, "31/02/2026", {{5, kBankPayer}}, false, "", true},
        {5, "RO12QQQQ0000000000000001", {}, false, "", true},
        {9, "ro00qqqq0000000000000001", {}, false, "", true},
        {5, "RO47RNCB0089000000000001", {}, false, "", true},
        {11, "2023013100000000000001", {}, false, "", true},
        {0, "///", {}, false, "", true},
        // Replaced: today's date, the payer's code, an amount cut to 15 digits.
        {13, "31/02/2026", {}, false, "15/03/2026", true},
        {8, "123", {}, true, "13548146", true},
        {1, "1234567890123456", {}, false, "123456789012345", true},
        // Right values, only written in their normal form.
        {3, "13548146", {}, false, "13548146", false},
        {1, "1234,5", {}, false, "1234.50", false},
        {1, "1.500", {}, false, "1500", false, "yes"},
        {1, "1.500", {}, false, "1.50", false, "no"},
        {5, "ro46rncb0089000000000001", {}, false, kBankPayer, false},
        {13, "5.3.2026", {{5, kBankPayer}}, false, "05/03/2026", false},
        {2, " alfa, srl", {}, false, "ALFA  SRL", false},
        {1, "  ", {}, false, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("d1(%1) %2").arg(c.k).arg(c.typed).toStdString());
        if (!c.answer.isEmpty())
            ui.queueAnswer(c.answer);
        typeAndLeave(c.k, c.typed, c.changes, c.depositSlip);
        ASSERT_EQ(entry.d1[size_t(c.k)], c.left);
        EXPECT_EQ(entry.canRestoreTyped(c.k), c.restorable);
        const std::optional<FieldSelection> selection = entry.restoreTyped(c.k);
        if (!c.restorable) {
            EXPECT_FALSE(selection);
            EXPECT_EQ(entry.d1[size_t(c.k)], c.left);
            EXPECT_EQ(entry.focus, QString());
            continue;
        }
        ASSERT_TRUE(selection);
        EXPECT_EQ(selection->start, 0);
        EXPECT_EQ(selection->length, c.typed.size());
        EXPECT_EQ(entry.d1[size_t(c.k)], c.typed);
        EXPECT_EQ(entry.focus, Incarc::fieldName(c.k));
        EXPECT_FALSE(entry.canRestoreTyped(c.k));
        // Left again, it is checked again, and can come back again.
        entry.setFocus(QString());
        EXPECT_EQ(entry.d1[size_t(c.k)], c.left);
        EXPECT_TRUE(entry.canRestoreTyped(c.k));
    }
}

TEST_F(RestoreTyped, TypingLoadingOrClosingForgetsIt) {
    struct Case {
        const char* what;
        std::function<void()> then;
        bool kept;
    };
    const QString payerCode = Incarc::fieldName(D1::CIF_platitor);
    const std::vector<Case> cases = {
        {"passing through the field",
         [&] {
             entry.setFocus(payerCode);
             entry.setFocus({});
         },
         true},
        {"typing in another field", [&] { entry.typeText(D1::platitor, "BETA SRL"); }, true},
        {"typing in it", [&] { entry.typeText(D1::CIF_platitor, "1"); }, false},
        {"an edit on the desktop", [&] { entry.editField(D1::CIF_platitor, ""); }, false},
        {"the program filling it", [&] { entry.d1[D1::CIF_platitor] = "4221306"; }, false},
        {"a right code left",
         [&] {
             entry.setFocus(payerCode);
             entry.typeText(D1::CIF_platitor, "4221306");
         },
         false},
        {"another document loaded", [&] { entry.citire_ordin(); }, false},
        {"the window closed",
         [&] {
             ui.queueAnswer("no");
             entry.but_exit_Click();
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        entry.visible = true;
        typeAndLeave(D1::CIF_platitor, "1234567");
        ASSERT_TRUE(entry.canRestoreTyped(D1::CIF_platitor));
        c.then();
        entry.setFocus(QString());
        EXPECT_EQ(entry.canRestoreTyped(D1::CIF_platitor), c.kept);
        EXPECT_EQ(entry.restoreTyped(D1::CIF_platitor).has_value(), c.kept);
    }
}

// The hint stays while the user goes on elsewhere; typing in its field, a
// hint of another field and closing the window take it away.
TEST_F(RestoreTyped, HintStaysUntilItsFieldIsTypedIn) {
    const QString amountHint = QStringLiteral("Suma: scrieti 1500 sau 1500,50");
    struct Case {
        const char* what;
        std::function<void()> then;
        QString hint;
    };
    const std::vector<Case> cases = {
        {"another field typed in",
         [&] {
             entry.setFocus(Incarc::fieldName(D1::platitor));
             entry.typeText(D1::platitor, "BETA SRL");
             entry.setFocus({});
         },
         amountHint},
        {"Ctrl+Z in it", [&] { entry.restoreTyped(D1::suma); }, amountHint},
        {"typed in", [&] { entry.typeText(D1::suma, "1"); }, ""},
        {"edited on the desktop", [&] { entry.editField(D1::suma, "15"); }, ""},
        {"another hint", [&] { typeAndLeave(D1::nr_OP, "///"); }, incarc_texts::hintNumber},
        {"the window closed",
         [&] {
             ui.queueAnswer("no");
             entry.but_exit_Click();
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        entry.visible = true;
        typeAndLeave(D1::suma, "15OO");
        ASSERT_EQ(entry.hint.text, amountHint);
        c.then();
        EXPECT_EQ(entry.hint.text, c.hint);
    }
}

}  // namespace
}  // namespace tavo
