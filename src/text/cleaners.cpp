#include "text/cleaners.h"

#include <algorithm>
#include <bitset>

#include "text/cp1250.h"

namespace tavo::text {
namespace {

// The character lists as the program keeps them: two-character hexadecimal
// codes of the Windows-1250 code page at every third position.
const char* const kListaPermisa =
    "20,2E,30,31,32,33,34,35,36,37,38,39,41,42,43,44,45,46,47,48,49,4A,4B,4C,4D,4E,4F,50,51,52,"
    "53,54,55,56,57,58,59,5A,61,62,63,64,65,66,67.68,69,6A,6B,6C,6D,6E,6F,70,71,72,73,74,75,76,"
    "77,78,79,7A";
const char* const kReplacedLetters =
    "21,22,23,24,25,26,27,2A,2B,2C,3A,3B,3C,3F,40,5B,5C,5D,5E,5F,60,7B,7C,7D,7E,80,82,84,85,86,"
    "87,89,8A,8B,8C,8D,8E,8F,91,92,93,94,95,96,97,99,9A,9B,9C,9D,9E,9F,A0,A1,A2,A3,A4,A5,A6,A7,"
    "A8,A9,AA,AB,AC,AD,AE,AF,B0,B1,B2,B3,B4,B5,B6,B7,B8,B9,BA,BB,BC,BD,BE,BF,C0,C1,C2,C3,C4,C5,"
    "C6,C7,C8,C9,CA,CB,CC,CD,CE,CF,D0,D1,D2,D3,D4,D5,D6,D7,D8,D9,DA,DB,DC,DD,DE,DF,E0,E1,E2,E3,"
    "E4,E5,E6,E7,E8,E9,EA,EB,EC,ED,EE,EF,F0,F1,F2,F3,F4,F5,F6,F7,F8,F9,FA,FB,FC,FD,FE,";

using CodeSet = std::bitset<256>;

CodeSet parseList(const QString& list) {
    CodeSet codes;
    for (qsizetype i = 0; i + 1 < list.size(); i += 3) {
        bool ok = false;
        const int code = list.mid(i, 2).toInt(&ok, 16);
        if (ok)
            codes.set(size_t(code));
    }
    return codes;
}

const CodeSet& allowed() {
    static const CodeSet codes = parseList(QLatin1String(kListaPermisa));
    return codes;
}

const CodeSet& replaced() {
    static const CodeSet codes = parseList(QLatin1String(kReplacedLetters));
    return codes;
}

// The character's byte in the code page; a character the code page cannot
// hold counts as "?".
unsigned char codeOf(QChar c) {
    if (c.unicode() < 0x80)
        return static_cast<unsigned char>(c.unicode());  // the same byte
    return static_cast<unsigned char>(text::toCp1250(QString(c)).at(0));
}

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' ')) ++start;
    while (end > start && text[end - 1] == QLatin1Char(' ')) --end;
    return text.sliced(start, end - start);
}

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Trimmed, without CR and LF, letters with diacritics as their base letters:
// the common start of `inlocuire_CB` and `filtru_CB`.
QString prepared(const QString& text) {
    QString out;
    const QString trimmed = trimBlanks(text);
    out.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (!isLineBreak(c))
            out.append(baseLetter(c));
    }
    return out;
}

bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

}  // namespace

QChar baseLetter(QChar c) {
    if (c.unicode() < 0x80 || !c.isLetter())
        return c;
    // Letters with a stroke have no decomposition of their own.
    switch (c.unicode()) {
        case 0x0141:
            return QLatin1Char('L');  // Ł
        case 0x0142:
            return QLatin1Char('l');  // ł
        case 0x0110:
            return QLatin1Char('D');  // Đ
        case 0x0111:
            return QLatin1Char('d');  // đ
        default:
            break;
    }
    QChar base = c;
    while (base.decompositionTag() == QChar::Canonical) {
        const QString parts = base.decomposition();
        if (parts.isEmpty())
            break;
        base = parts.front();
    }
    return isAsciiLetter(base) ? base : c;
}

QString curatare_camp(const QString& text) {
    // Most texts are clean already: kept as they are, without a copy.
    const bool clean = std::none_of(text.begin(), text.end(), [](QChar c) {
        return isLineBreak(c) || c == QLatin1Char(',') || c == QLatin1Char('#');
    });
    if (clean && !text.isEmpty() && text.front() != QLatin1Char(' ') &&
        text.back() != QLatin1Char(' '))
        return text;
    QString out;
    const QString trimmed = trimBlanks(text);
    out.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (isLineBreak(c))
            continue;
        out.append(c == QLatin1Char(',') || c == QLatin1Char('#') ? QLatin1Char(' ') : c);
    }
    return out;
}

QString inlocuire_CB(const QString& text) {
    // A text of characters the barcode takes as they are stays as it is.
    const bool kept = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x80 && !isLineBreak(c) && !replaced().test(c.unicode());
    });
    if (kept && !text.isEmpty() && text.front() != QLatin1Char(' ') &&
        text.back() != QLatin1Char(' '))
        return text;
    QString out = prepared(text);
    for (QChar& c : out) {
        if (replaced().test(codeOf(c)))
            c = QLatin1Char(' ');
    }
    return trimBlanks(out);
}

QString filtru_CB(const QString& text) {
    QString out;
    const QString start = prepared(text);
    out.reserve(start.size());
    for (const QChar c : start) {
        if (allowed().test(codeOf(c)))
            out.append(c);
    }
    return trimBlanks(out);
}

}  // namespace tavo::text
