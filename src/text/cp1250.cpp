#include "text/cp1250.h"

#include <QHash>
#include <algorithm>
#include <array>

#include "platform/code_page.h"

namespace tavo::text {
namespace {

// The byte-to-character table is taken once from the system's converter; its
// inverse serves the encoding, which must turn unknown characters into "?"
// (the converters' own substitutes differ: a control byte, a best guess).
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;

    CodePage() {
        const std::array<char16_t, 256> decoded = platform::codePage1250();
        for (int i = 0; i < 256; ++i) {
            char16_t c = decoded[i];
            // A byte the code page leaves undefined stands for itself, so that
            // it survives a read and a write unchanged.
            if (c == 0xFFFD)
                c = char16_t(i);
            toUnicode[i] = c;
            fromUnicode.insert(c, static_cast<unsigned char>(i));
        }
    }
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

char16_t cedillaFor(char16_t c) {
    switch (c) {
        case 0x0218:
            return 0x015E;  // Ș -> Ş
        case 0x0219:
            return 0x015F;  // ș -> ş
        case 0x021A:
            return 0x0162;  // Ț -> Ţ
        case 0x021B:
            return 0x0163;  // ț -> ţ
        default:
            return c;
    }
}

}  // namespace

QString fromCp1250(QByteArrayView bytes) {
    // Plain ASCII reads the same in every code page: the library's fast path.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; })) {
        return QString::fromLatin1(bytes);
    }
    const auto& table = codePage().toUnicode;
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        dst[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    }
    return out;
}

QChar* decodeCp1250Into(QByteArrayView bytes, QChar* out) {
    const auto& table = codePage().toUnicode;
    for (const char c : bytes) *out++ = QChar(table[static_cast<unsigned char>(c)]);
    return out;
}

QByteArray toCp1250(const QString& text) {
    const auto& inverse = codePage().fromUnicode;
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            dst[i] = char(c);
            continue;
        }
        const auto found = inverse.constFind(cedillaFor(c));
        dst[i] = found == inverse.constEnd() ? '?' : char(*found);
    }
    return out;
}

QChar storableChar(QChar c) {
    if (c.unicode() < 0x80)
        return c;
    const auto& page = codePage();
    const auto found = page.fromUnicode.constFind(cedillaFor(c.unicode()));
    return found == page.fromUnicode.constEnd() ? QChar('?') : QChar(page.toUnicode[*found]);
}

}  // namespace tavo::text
