// What typing into the entry window's fields leaves in them.
#include <gtest/gtest.h>

#include "../helpers.h"
#include "entry/form_iban.h"
#include "entry/incarc.h"

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

}  // namespace
}  // namespace tavo
