#include "store/line_shape.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// How many commas a line holds and whether it holds a "#". Every line of
// ordine.txt is tested on every load, so the bytes are compared sixteen at a
// time where the processor allows it (every x86-64 does), then eight at a time
// in a plain word, then one by one.
struct CommaCount {
    int commas = 0;
    bool hash = false;
};

#if defined(__SSE2__)
// Each byte of a block equal to ',' counts in its own lane of `lanes` (a
// match is -1, subtracted); a lane holds at most 255, so the lanes are summed
// after at most 255 blocks. The last bytes of a line, fewer than a block, are
// taken with the block that ends the line, the bytes counted already masked off.
const char* countBlocks(const char* p, const char* end, CommaCount& count) {
    if (end - p < 16)
        return p;
    // Lane i of kFresh + k is set when i >= 16 - k: the last k bytes of a block.
    alignas(16) static constexpr char kFresh[32] = {0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
                                                    0,  0,  0,  0,  0,  -1, -1, -1, -1, -1, -1,
                                                    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i hash = _mm_set1_epi8('#');
    const __m128i zero = _mm_setzero_si128();
    __m128i hashes = zero;
    do {
        __m128i lanes = zero;
        const auto add = [&](const char* at, __m128i wanted) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            lanes = _mm_sub_epi8(lanes, _mm_and_si128(_mm_cmpeq_epi8(bytes, comma), wanted));
            hashes = _mm_or_si128(hashes, _mm_and_si128(_mm_cmpeq_epi8(bytes, hash), wanted));
        };
        const qsizetype blocks = std::min<qsizetype>((end - p) / 16, 254);
        for (const char* stop = p + 16 * blocks; p != stop; p += 16) add(p, _mm_set1_epi8(-1));
        if (end - p < 16 && p != end) {
            add(end - 16, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kFresh + (end - p))));
            p = end;
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);  // each half summed
        count.commas += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
    } while (p != end);
    count.hash = _mm_movemask_epi8(hashes) != 0;
    return p;
}
#else
const char* countBlocks(const char* p, const char*, CommaCount&) {
    return p;
}
#endif

// In each word, a byte equal to the one looked for becomes zero after the
// exclusive or, and the exact zero-byte test marks it with its high bit.
CommaCount countCommas(const char* begin, const char* end) {
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 low7 = 0x7F7F7F7F7F7F7F7FULL;
    // The high bits of the bytes of x that are zero; the multiplication adds
    // them up in the top byte (at most 8, so no carry spills over).
    const auto zeroBytes = [](quint64 x) { return ~(((x & low7) + low7) | x | low7); };
    const auto countBits = [](quint64 highBits) { return int(((highBits >> 7) * ones) >> 56); };
    CommaCount count;
    const char* p = countBlocks(begin, end, count);
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

int knownShape(QStringView line) {
    int commas = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char('#'))
            return -1;
        commas += c == QLatin1Char(',');
    }
    return isKnownShape(commas, false) ? commas : -1;
}

// Lines of ordine.txt are tested as stored, every line on every load.
int knownShape(QByteArrayView line) {
    const auto [commas, hash] = countCommas(line.data(), line.data() + line.size());
    return isKnownShape(commas, hash) ? commas : -1;
}

QString updatedLine(QStringView line, int commas) {
    const int missing = missingFields(commas);
    if (missing <= 0)
        return line.toString();
    const qsizetype type = typeStart(line);
    QString updated;
    updated.reserve(line.size() + missing);
    updated.append(line.first(type));
    updated.append(QString(missing, QLatin1Char(',')));
    updated.append(line.sliced(type));
    return updated;
}

}  // namespace tavo::store
