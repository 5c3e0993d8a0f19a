// The amount readers on the input read as stored and as typed text.
#include "checks/amount_words.h"
#include "checks/amounts.h"
#include "fuzz_support.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

// A field that left the entry field (`typed`) shows only digits, points, a
// comma and letters.
void checkDisplays(const QString& amount, bool typed) {
    const AmountForms forms = amountForms(amount);
    const qint64 bani = amountInBani(amount);
    if (bani == 0) {
        FUZZ_CHECK(forms.field.isEmpty() && forms.grouped.isEmpty() && forms.words.isEmpty());
        return;
    }
    // The stored amount keeps the value of the field.
    FUZZ_CHECK(amountInBani(forms.field) == bani);
    if (typed) {
        FUZZ_CHECK(fuzz::consistsOf(forms.grouped, "0123456789.,"));
        FUZZ_CHECK(fuzz::consistsOf(forms.words, "abcdefghijklmnopqrstuvwxyz,0123456789"));
        if (bani >= 100)
            FUZZ_CHECK(!forms.words.startsWith(QLatin1Char(',')));
    }
}

void checkAmounts(const QString& text) {
    // Whatever leaving the field keeps is a plain amount of at most 15
    // integer digits, whose displays say it in full.
    Notices notices;
    const QString typed = checkTypedAmount(text, notices);
    if (!typed.isEmpty()) {
        FUZZ_CHECK(fuzz::consistsOf(typed, "0123456789."));
        const qsizetype point = typed.indexOf(QLatin1Char('.'));
        FUZZ_CHECK((point < 0 ? typed.size() : point) <= 15);
        checkDisplays(typed, true);
    }
    checkDisplays(text, false);

    const qint64 bani = amountInBani(text);
    FUZZ_CHECK(amountInBani(baniToText(bani)) == bani);
    const double number = suma_num(text);
    FUZZ_CHECK(number == number);  // never NaN

    const QString grouped = grupare_mii(text);
    FUZZ_CHECK(fuzz::consistsOf(grouped, "-0123456789."));
    FUZZ_CHECK(!grouped.startsWith(QLatin1Char('.')) && !grouped.endsWith(QLatin1Char('.')));
    const QString words = cre_litere(text);
    FUZZ_CHECK(fuzz::consistsOf(words, "abcdefghijklmnopqrstuvwxyz"));
    FUZZ_CHECK(words.isEmpty() || words.endsWith(QLatin1String("lei")) ||
               words == QLatin1String("unleu"));
}

}  // namespace

TAVO_FUZZ_TARGET(false, fuzz::bothReadings<checkAmounts>)
