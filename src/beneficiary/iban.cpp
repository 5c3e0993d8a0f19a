#include "beneficiary/iban.h"

#include "text/text_helpers.h"

namespace tavo::beneficiary {
namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isCapital(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// Pieces of at most this many digits are reduced at a time; their value fits
// comfortably in 64 bits.
constexpr qsizetype kPiece = 9;

int valueModulo97(QStringView digits) {
    qint64 value = 0;
    for (const QChar c : digits) value = value * 10 + (c.unicode() - '0');
    return int(value % 97);
}

// Upper case character by character, so that the length never changes (the
// length of the field is part of the test).
QString upperKeepingLength(const QString& text) {
    QString out = text;
    for (QChar& c : out) c = c.toUpper();
    return out;
}

bool isBlank(QChar c) {
    return c.isSpace() || c == QChar(0x200B) || c == QChar(0x2060) || c == QChar(0xFEFF);
}

}  // namespace

QString ibanWithoutBlanks(const QString& text) {
    QString out = text;
    out.removeIf(isBlank);
    return out;
}

QString lettersToDigits(const QString& text) {
    QString out;
    out.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (isDigit(c)) {
            out.append(c);
        } else if (isCapital(c)) {
            out.append(QString::number(c.unicode() - 55));
        }
    }
    return out;
}

QString mod97(const QString& digits) {
    QString rest;
    rest.reserve(digits.size());
    for (const QChar c : digits) {
        if (isDigit(c))
            rest.append(c);
    }
    // Replace the first nine digits by their remainder until fewer than ten
    // remain; each round keeps the value modulo 97. The rounds go on as long
    // as needed, so a long text is never judged by a partial reduction.
    while (rest.size() > kPiece) {
        const int remainder = valueModulo97(QStringView(rest).first(kPiece));
        rest.replace(0, kPiece, QString::number(remainder));
    }
    const int remainder = valueModulo97(rest);
    return QStringLiteral("%1").arg(98 - remainder, 2, 10, QLatin1Char('0'));
}

QString IBAN_110(const QString& account) {
    const QString filled = account.leftJustified(kAccountLength, QLatin1Char('X'), false);
    const QString digits = mod97(lettersToDigits(QStringLiteral("TREZ") + filled + "RO00"));
    return QStringLiteral("RO") + digits + QStringLiteral("TREZ") + filled;
}

IbanCheck ver_IBAN(const QString& text) {
    IbanCheck check;
    check.text = text;
    if (text.isEmpty())
        return check;
    check.text = text.leftJustified(kIbanLength, QLatin1Char('X'), false);
    // The country is taken to be Romania: only the bank code and the account
    // go into the check digits.
    const QString digits = mod97(lettersToDigits(check.text.right(20) + "RO00"));
    check.cifre_control_IBAN = digits;
    check.corect = text::numericValue(check.text.mid(2, 2)) == text::numericValue(digits);
    return check;
}

CodIbanTest test_codIBAN(const QString& text) {
    CodIbanTest test;
    test.text = upperKeepingLength(text);
    if (test.text.isEmpty())
        return test;
    test.acceptat = test.text.size() == kIbanLength && test.text.startsWith(QLatin1String("RO")) &&
                    IBAN_110(test.text.mid(8, 15)) == test.text;
    if (!test.acceptat)
        test.text.clear();
    return test;
}

}  // namespace tavo::beneficiary
