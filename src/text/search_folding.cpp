#include "text/search_folding.h"

#include <QString>
#include <array>

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
    for (const char c : stored) *dst++ = table[static_cast<unsigned char>(c)];
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
