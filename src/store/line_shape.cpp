#include "store/line_shape.h"

#include <QtGlobal>
#include <cstring>

namespace tavo::store {

bool forma_linie(QStringView line, QStringView pattern) {
    QString s;
    for (const QChar c : line) {
        if (c != QLatin1Char(',') && c != QLatin1Char('#'))
            continue;
        if (s.size() >= 2 && c == QLatin1Char(',') && s.endsWith(QLatin1String(",#")))
            continue;
        s.append(c);
    }
    return s == pattern;
}

namespace {

bool isKnownShape(int commas, bool hash) {
    return !hash && (commas == 15 || commas == 17 || commas == 18 || commas == 19);
}

// How many commas a line holds and whether it holds a "#", eight bytes at a
// time: in each word, a byte equal to the one looked for becomes zero after
// the exclusive or, and the exact zero-byte test marks it with its high bit.
struct CommaCount {
    int commas = 0;
    bool hash = false;
};

CommaCount countCommas(const char* begin, const char* end) {
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 low7 = 0x7F7F7F7F7F7F7F7FULL;
    // The high bits of the bytes of x that are zero; the multiplication adds
    // them up in the top byte (at most 8, so no carry spills over).
    const auto zeroBytes = [](quint64 x) { return ~(((x & low7) + low7) | x | low7); };
    const auto countBits = [](quint64 highBits) { return int(((highBits >> 7) * ones) >> 56); };
    CommaCount count;
    const char* p = begin;
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        count.commas += countBits(zeroBytes(word ^ (ones * ',')));
        count.hash = count.hash || zeroBytes(word ^ (ones * '#')) != 0;
    }
    for (; p < end; ++p) {
        count.commas += *p == ',';
        count.hash = count.hash || *p == '#';
    }
    return count;
}

}  // namespace

int forma_cunoscuta(QStringView line) {
    int commas = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char('#'))
            return -1;
        commas += c == QLatin1Char(',');
    }
    return isKnownShape(commas, false) ? commas : -1;
}

// Lines of ordine.txt are tested as stored, every line on every load: the
// count runs eight bytes at a time.
int forma_cunoscuta(QByteArrayView line) {
    const auto [commas, hash] = countCommas(line.data(), line.data() + line.size());
    return isKnownShape(commas, hash) ? commas : -1;
}

QString linie_actualizata(QStringView line, int commas) {
    const int missing = campuri_lipsa(commas);
    if (missing <= 0)
        return line.toString();
    const qsizetype last = line.lastIndexOf(QLatin1Char(','));
    QString updated;
    updated.reserve(line.size() + missing);
    updated.append(line.first(last));
    updated.append(QString(missing, QLatin1Char(',')));
    updated.append(line.sliced(last));
    return updated;
}

}  // namespace tavo::store
