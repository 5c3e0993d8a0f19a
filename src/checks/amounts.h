#pragma once

#include <QString>
#include <optional>

#include "ui/notice.h"

namespace tavo::checks {

// Every "," of an amount text becomes ".".
QString suma_punct(const QString& amount);

// The number an amount text denotes, "," read as ".": blanks are skipped, the
// number is read from the start of the text and stops at the first character
// that cannot continue it; a text that does not begin with a number gives 0.
// For display only: sums and comparisons use amountInBani.
double suma_num(const QString& amount);

// The same reading as suma_num, in whole bani (hundredths of a leu). Decimals
// after the second are dropped, as they are when an amount is stored. A value
// too large to hold saturates at the largest number.
qint64 amountInBani(const QString& amount);

// Bani as a stored amount: the integer part, "." and two decimals ("1234.50").
QString baniToText(qint64 bani);

// The integer part of a number grouped by thousands with "." ("1.234.567"),
// "-" in front of a negative one, the empty text for zero.
QString grupare_mii(const QString& number);

// The amount field and the two labels that show it on the form.
struct AmountForms {
    QString field;    // the stored amount, the field suma
    QString grouped;  // the label suma_afisata: "2.345.678,90"
    QString words;    // the label suma_litere: "douamilioane...lei,90bani"
};

// Leaving the amount field: a number gets "," turned into "." and loses its
// blanks and a leading sign; an integer part of more than 15 digits is
// reported (in `notices`) and cut to 15 characters; a text that is not a
// number is emptied.
QString checkTypedAmount(const QString& typed, Notices& notices);

// An amount typed as the form shows amounts: "." between groups of three
// digits, then maybe "," and one or two decimals ("1.500", "12.500,00"). The
// field check reads "." as the decimal point, which would make 1.500 lei
// 1,50 lei, so the user is asked which is meant.
struct ThousandsQuestion {
    QString question;  // "Suma 1.500 inseamna 1500 lei ? (Nu: 1,50 lei)"
    QString amount;    // the amount without its dots, "," as decimal point: "1500", "1234,50"
};
// The question for `typed`, or nothing when it is not written that way.
std::optional<ThousandsQuestion> thousandsQuestion(const QString& typed);

// Leaving the amount field: when the text calls for the thousands question
// and `thousandsMeant` (the user's answer) is true, the amount without its
// dots; then checkTypedAmount.
QString leaveAmountField(const QString& typed, bool thousandsMeant, Notices& notices);

// The stored amount and its two displays, as the document check works them out
// from the amount field. A zero amount empties the field and both displays.
AmountForms amountForms(const QString& field);

}  // namespace tavo::checks
