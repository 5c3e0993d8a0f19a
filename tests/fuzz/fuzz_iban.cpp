// The IBAN, bank and registration-number checks on the input read as stored
// and as typed text.
#include "beneficiary/bank_lookup.h"
#include "beneficiary/iban.h"
#include "beneficiary/reference_lists.h"
#include "beneficiary/registration_number.h"
#include "fuzz_support.h"

using namespace tavo;
using namespace tavo::beneficiary;

namespace {

const ReferenceList& banks() {
    static const ReferenceList list = builtInLists().Form_IBAN.Banci1;
    return list;
}

// The check digits worked out one digit at a time.
QString checkDigits(const QString& text) {
    int remainder = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            remainder = (remainder * 10 + (c.unicode() - '0')) % 97;
    }
    return QString::number(98 - remainder).rightJustified(2, QLatin1Char('0'));
}

void checkIban(const QString& text) {
    const QString digits = lettersToDigits(text);
    FUZZ_CHECK(mod97(digits) == checkDigits(digits));
    FUZZ_CHECK(mod97(text) == checkDigits(text));

    const IbanCheck check = ver_IBAN(text);
    if (text.isEmpty()) {
        FUZZ_CHECK(check.corect && check.text.isEmpty() && !check.cifre_control_IBAN);
    } else {
        FUZZ_CHECK(check.text.size() >= kIbanLength && check.text.startsWith(text));
        FUZZ_CHECK(check.cifre_control_IBAN && check.cifre_control_IBAN->size() == 2);
    }

    // A treasury IBAN the assistant accepts passes the entry window's check.
    const CodIbanTest test = test_codIBAN(text);
    FUZZ_CHECK(test.acceptat || test.text.isEmpty());
    if (test.acceptat && !test.text.isEmpty()) {
        FUZZ_CHECK(test.text.size() == kIbanLength);
        FUZZ_CHECK(ver_IBAN(test.text).corect);
    }
    // A composed treasury IBAN has right check digits when its account fits.
    const QString composed = IBAN_110(text);
    FUZZ_CHECK(composed.size() >= kIbanLength);
    if (text.size() <= kAccountLength)
        FUZZ_CHECK(composed.size() == kIbanLength && ver_IBAN(composed).corect);

    if (isRegistrationNumber(text) && !text.isEmpty()) {
        FUZZ_CHECK(text.size() == kNrEvidentaLength);
        FUZZ_CHECK(checkRegistrationNumber(text) == text.right(2));
    }
    FUZZ_CHECK(checkRegistrationNumber(text).size() == 2);

    // The bank look-ups find a row that begins with the IBAN's code.
    const QString code = entryBankCode(text);
    if (const std::optional<BankLabels> found = lookUpBank(banks(), text, text.left(10))) {
        FUZZ_CHECK(found->row >= 0 && found->row < banks().count());
        FUZZ_CHECK(banks().row(found->row).startsWith(code));
    }
    beneficiaryBankLabels(banks(), text, QString());
    int row = -2;
    const QString name = summaryBankName(banks(), text, &row);
    FUZZ_CHECK(row >= -1 && row < banks().count());
    FUZZ_CHECK(name.size() <= kSummaryBankNameWidth);
}

}  // namespace

TAVO_FUZZ_TARGET(false, fuzz::bothReadings<checkIban>)
