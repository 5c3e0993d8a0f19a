#pragma once

#include <QString>
#include <optional>

namespace tavo::beneficiary {

// Romanian IBAN: "RO", two check digits, a 4-character bank code and a
// 16-character account, 24 upper-case characters in all.
inline constexpr int kIbanLength = 24;
inline constexpr int kAccountLength = 16;

// An IBAN as people copy it: statements print it in groups of four
// ("RO46 RNCB 0089 ..."), so every blank is dropped, whatever its kind (tab,
// no-break space, the other Unicode spaces) and the invisible zero-width ones
// that copying from a page may bring along.
QString ibanWithoutBlanks(const QString& text);

// The text as digits for the modulo-97 check: a digit stays, a capital letter
// "A".."Z" becomes its value 10..35 written as two digits, anything else
// (lower-case letters, blanks, punctuation) is dropped.
QString lettersToDigits(const QString& text);

// The two check digits of a digit text: 98 minus the text's value modulo 97,
// always written with two characters ("02".."98"). The value is reduced nine
// digits at a time, so texts of any length are handled. Characters that are
// not digits are skipped.
QString mod97(const QString& digits);

// The treasury IBAN of an account part (unit code followed by the budget
// account code): the account is filled with "X" to 16 characters, and the
// check digits are those of "TREZ" + account + "RO00". A longer account is
// kept whole, giving an IBAN longer than 24 characters.
QString IBAN_110(const QString& account);

// Outcome of the entry-window IBAN check.
struct IbanCheck {
    bool corect = true;  // check digits right, or the field empty
    QString text;        // the field's text afterwards (filled with "X" to 24)
    // The check digits worked out; none when the field was empty and nothing
    // was computed.
    std::optional<QString> cifre_control_IBAN;
};

// The entry-window check of an IBAN field: an empty text passes untouched;
// otherwise the text is filled with "X" to 24 characters and its characters
// 3-4 are compared, as numbers, with the check digits of its last 20
// characters followed by "RO00". Any bank code is accepted.
IbanCheck ver_IBAN(const QString& text);

// Outcome of the test run when the assistant's `codIBAN` field is left.
struct CodIbanTest {
    bool acceptat = true;  // false: show `kMesajCodIban` (the field is emptied)
    QString text;          // the field's text afterwards
};

// The treasury IBAN test of `codIBAN`: the text is upper-cased; an empty
// text passes; otherwise it must be 24 characters, begin with "RO" and equal
// the IBAN that `IBAN_110` composes from its characters 9 to 23 (so bank code
// "TREZ", last character "X" and right check digits). A refused text is emptied.
CodIbanTest test_codIBAN(const QString& text);

inline const QString kMesajCodIban = QStringLiteral("Atentie, 'Cod IBAN' eronat ! ");

}  // namespace tavo::beneficiary
