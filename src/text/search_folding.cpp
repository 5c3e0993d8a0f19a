#include "text/search_folding.h"

#include <QString>
#include <array>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "text/cp1250.h"

namespace tavo::text {
namespace {

// The folded byte of every stored byte, worked out once from the characters'
// own decompositions: a letter with a diacritic decomposes into its plain
// letter followed by the mark.
std::array<char, 256> makeFoldTable() {
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const char stored = char(byte);
        QChar base = fromCp1250(QByteArrayView(&stored, 1)).front();
        if (base.decompositionTag() == QChar::Canonical)
            base = base.decomposition().front();
        base = base.toLower();
        // A folded letter the code page cannot hold (none in practice) keeps its byte.
        const QByteArray folded = toCp1250(QString(base));
        table[size_t(byte)] =
            folded.front() == '?' && base != QLatin1Char('?') ? char(byte) : folded.front();
    }
    return table;
}

const std::array<char, 256>& foldTable() {
    static const std::array<char, 256> table = makeFoldTable();
    return table;
}

}  // namespace

void appendSearchFolded(QByteArray& out, QByteArrayView stored) {
    const std::array<char, 256>& table = foldTable();
    const qsizetype start = out.size();
    out.resize(start + stored.size());
    char* dst = out.data() + start;
    const char* src = stored.data();
    const char* end = src + stored.size();
#ifdef __SSE2__
    // Stored text is mostly plain ASCII: sixteen such bytes at a time only
    // change case, A to Z becoming a to z.
    const __m128i beforeA = _mm_set1_epi8('A' - 1);
    const __m128i afterZ = _mm_set1_epi8('Z' + 1);
    const __m128i caseBit = _mm_set1_epi8('a' - 'A');
    for (; end - src >= 16; src += 16, dst += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        if (_mm_movemask_epi8(bytes) != 0) {
            for (int i = 0; i < 16; ++i) dst[i] = table[static_cast<unsigned char>(src[i])];
            continue;
        }
        const __m128i upper =
            _mm_and_si128(_mm_cmpgt_epi8(bytes, beforeA), _mm_cmplt_epi8(bytes, afterZ));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst),
                         _mm_or_si128(bytes, _mm_and_si128(upper, caseBit)));
    }
#endif
    for (; src < end; ++src) *dst++ = table[static_cast<unsigned char>(*src)];
}

std::optional<QByteArray> searchFolded(QStringView typed) {
    for (const QChar c : typed) {
        if (c != QLatin1Char('?') && storableChar(c) == QLatin1Char('?'))
            return std::nullopt;
    }
    QByteArray folded;
    appendSearchFolded(folded, toCp1250(typed.toString()));
    return folded;
}

}  // namespace tavo::text
